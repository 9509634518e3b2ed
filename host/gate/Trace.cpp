#include "gate/Trace.h"

namespace vyn::host {

void Trace::record(std::string line) {
    if (!enabled_) return;
    if (echo_) *echo_ << "trace: " << line << '\n';
    lines_.push_back(std::move(line));
}

void Trace::annotate(const std::string &detail) {
    if (!enabled_ || lines_.empty()) return;
    lines_.back() += " (" + detail + ")";
    if (echo_) *echo_ << "trace:   (" << detail << ")\n";
}

} // namespace vyn::host
