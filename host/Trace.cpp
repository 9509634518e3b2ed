#include "Trace.h"

namespace vyn::host {

void Trace::record(std::string line) {
    if (!enabled_) return;
    if (echo_) *echo_ << "trace: " << line << '\n';
    lines_.push_back(std::move(line));
}

} // namespace vyn::host
