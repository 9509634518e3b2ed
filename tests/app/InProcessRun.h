// InProcessRun.h — a command line parsed as the program parses it, and run
// in the test's own process with what it prints kept.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "Run.h"

namespace vyn::app::test {

// `args` come after the program's name; the plug-ins are the built ones.
inline ParsedCommandLine parseArguments(std::vector<std::string> args) {
    args.insert(args.begin(), "vyncolors");
    std::vector<const char *> argv;
    for (const auto &a : args)
        argv.push_back(a.c_str());
    return parseCommandLine(static_cast<int>(argv.size()), argv.data(), VYN_PLUGINS_DIR);
}

struct RunOutcome {
    int status; // -1 when the arguments do not parse; `err` says why
    std::string out, err;
};

inline RunOutcome runArguments(std::vector<std::string> args, const HostPreparation &prepare = {}) {
    const ParsedCommandLine parsed = parseArguments(std::move(args));
    if (!parsed.options) return {-1, "", parsed.error};
    std::ostringstream out, err;
    const int status = exitStatusOf(run(*parsed.options, out, err, prepare));
    return {status, out.str(), err.str()};
}

} // namespace vyn::app::test
