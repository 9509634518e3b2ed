// CommandRun.h — a program run by a benchmark and measured: its wall and
// processor time, its peak memory, its exit status and what it said on
// standard error (its standard output is thrown away).
#pragma once

#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace vyn::bench {

struct CommandRun {
    double seconds = 0;
    double cpuSeconds = 0; // user and system: what the run cost whatever else the machine ran
    double peakMB = 0;
    int status = -1; // the exit status; -1 killed by a signal, -2 stopped past the limit
    std::string errors;
};

struct CommandRunOptions {
    // XDG_CONFIG_HOME for the run, so that it never reads or writes the
    // preferences of whoever runs the benchmark.
    std::optional<std::filesystem::path> config;
    // Past this many seconds the run (a process group of its own) is stopped.
    double limit = std::numeric_limits<double>::infinity();
};

// Runs `argv`, its standard error into `errorsFile`.
CommandRun runCommand(const std::vector<std::string> &argv, const std::filesystem::path &errorsFile,
                      const CommandRunOptions &options = {});

// The middle of `values` (0 for none).
double median(std::vector<double> values);

} // namespace vyn::bench
