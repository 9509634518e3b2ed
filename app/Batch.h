// Batch.h — several documents in one run.
//
// Each document is built in a process of its own: the plug-in keeps its
// state in globals, as a real plug-in does, so one loaded module serves one
// build at a time. `options.jobs` processes run at once. What each prints is
// held until it ends and then printed in the order of the inputs, under the
// input's name, so that the output is the same whatever the number of
// jobs; a file that fails does not stop the others.
#pragma once

#include <functional>
#include <iosfwd>

#include "CommandLine.h"
#include "ExitStatus.h"

namespace vyn::app {

// Builds the one document of `options`, printing to `out` and `err`.
using SingleRun = std::function<Outcome(const Options &options, std::ostream &out, std::ostream &err)>;

// Runs `single` for each of `options.documents`, and says the worst outcome
// (by exit status; the first of equals). A summary line goes to `err`, and
// a progress line too while a run longer than a second goes on, when
// standard error is a terminal.
Outcome runBatch(const Options &options, std::ostream &out, std::ostream &err, const SingleRun &single);

} // namespace vyn::app
