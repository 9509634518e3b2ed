// HugePageHeap.h — asks the kernel to back the heap with huge pages.
//
// A big drawing makes the host's model (and the XML parser before it) touch
// a few hundred MiB in small allocations. Each first touch of a 4 KiB page
// is a page fault, and on a virtual machine the faults of a 100 000-shape
// drawing cost about as much as reading it. Growing the heap in one large
// step and marking that room for transparent huge pages makes the kernel
// fault it in 2 MiB at a time: about fifteen times fewer faults. Nothing is
// touched in advance, so the resident memory stays what the program uses.
// Where the kernel offers no huge pages this changes nothing.
#pragma once

#include <cstddef>

namespace vyn::app {

// Gives the heap `room` bytes of address space marked for huge pages, and
// keeps it from being handed back to the kernel piecemeal.
void useHugePagesForHeap(std::size_t room);

// The room a build of documents of at most `largestInput` bytes uses, about
// ten times the file (its bytes, the parser's tree, the model), from 512 MiB
// up to the most the allocator's settings can hold (2 GiB).
std::size_t heapRoomFor(std::size_t largestInput);

} // namespace vyn::app
