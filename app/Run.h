// Run.h — what vyncolors does once its options are known.
#pragma once

#include <iosfwd>

#include "CommandLine.h"

namespace vyn::app {

// Exit statuses, decided here and nowhere else.
enum ExitStatus { kExitDone = 0, kExitRefused = 1, kExitUsage = 2 };

// Starts the host with the plug-ins, does what `options` ask, shuts down.
// Results go to `out`, alerts, warnings and errors to `err`.
int run(const Options &options, std::ostream &out, std::ostream &err);

} // namespace vyn::app
