// Trace.h — optional log of every message and suite call, in order.
//
// Lines read "message SP Interface/Startup", "call AI Menu Suite.AddMenuItem",
// "result SP Interface/Startup 0", "fault AI Menu Suite.AddMenuItem 'MEM!'".
// Tests compare slices of it with the protocols written in docs/.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vyn::host {

class Trace {
  public:
    void enable(bool on) { enabled_ = on; }
    bool enabled() const { return enabled_; }
    // Also echo every line to `out` (for the command line's --trace).
    void echoTo(std::ostream *out) { echo_ = out; }

    void record(std::string line);
    // Adds " (detail)" to the last line, e.g. the suite an acquisition asks
    // for: "call SP Basic Suite.AcquireSuite (AI Menu Suite 1009)".
    void annotate(const std::string &detail);
    const std::vector<std::string> &lines() const { return lines_; }
    void clear() { lines_.clear(); }

  private:
    bool enabled_ = false;
    std::ostream *echo_ = nullptr;
    std::vector<std::string> lines_;
};

} // namespace vyn::host
