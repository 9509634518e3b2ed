// Run.h — what vyncolors does once its options are known.
#pragma once

#include <functional>
#include <iosfwd>

#include "CommandLine.h"
#include "ExitStatus.h"

namespace vyn::host {
class Host;
}

namespace vyn::app {

// Runs on the host, with its document open, before the plug-ins start: how
// tests arrange faults or watch the suite calls.
using HostPreparation = std::function<void(host::Host &)>;

// Starts the host with the plug-ins, does what `options` ask, shuts down,
// and says what came of it (the exit status is exitStatusOf that). Results
// go to `out`, alerts, warnings and errors to `err`.
Outcome run(const Options &options, std::ostream &out, std::ostream &err,
            const HostPreparation &prepare = {});

} // namespace vyn::app
