#include "gate/HandleTable.h"

#include <atomic>

namespace vyn::host {

std::uintptr_t HandleSpace::next() {
    static std::atomic<std::uintptr_t> next{0x10000};
    return next.fetch_add(16, std::memory_order_relaxed);
}

} // namespace vyn::host
