// HostileInputs.h — the hostile corpus: inputs made to cost vyncolors more
// than their size (a selector that backtracks, nesting past every bound, a
// file of the chart's own id prefixes, a bomb that decompresses or expands
// without end), generated when a test or a benchmark runs, never stored.
//
// The command's tests (tests/app/HostileInputTest.cpp) run each input at its
// first size and check how the run ends; the benchmark
// (bench/HostileBench.cpp) runs them at every size it is asked for and
// measures time and memory. Both take the inputs from here, so that what is
// tested is what is measured. docs/performance.md ("Hostile input") lists
// them with what they cost.
//
// Part of neither the plug-in nor the host: the tests and the benchmarks
// reach it through the vyn_hostile_inputs target.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vyn::hostile {

struct HostileInput {
    std::string name;  // "json-depth-3200": letters, digits and '-', for a test's or a row's name
    std::string about; // one line: what the input is and how it should end
    double scale = 1;
    // Writes the input's files into `folder` (which exists) and answers the
    // size of the input the command reads, in bytes (its files, and a
    // selector given on the command line).
    std::function<std::size_t(const std::filesystem::path &folder)> write;
    // The command's arguments; "{dir}" in one stands for the folder.
    std::vector<std::string> arguments;
    // The exit statuses the run may end with (app/ExitStatus.h): one, but
    // for an input whose reading is the reader's choice (entities).
    std::vector<int> statuses;
    // Text that standard error must hold; empty when nothing is asked.
    std::string says;
};

// The inputs at `scale` times their first size (1: those
// sizes, about a megabyte or less but for the 100,000 swatches). An input
// whose shape stops at a bound of the reader (the depth one past the
// limit, a picture past the cap, a decompression bomb, a stored value) is
// listed at scale 1 only; every other one scales with `scale` (its count of
// selector compounds, levels, ids, swatches, rules and shapes, or <use>),
// its expected exit status following: an input that grows past a file size
// or expansion bound is then refused. Scales from 0.001 to 1000; the inputs
// are made only when written.
std::vector<HostileInput> hostileInputs(double scale);

// `argument` with "{dir}" replaced by `folder`.
std::string inFolder(const std::string &argument, const std::filesystem::path &folder);

} // namespace vyn::hostile
