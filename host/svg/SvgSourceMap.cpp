#include "svg/SvgSourceMap.h"

namespace vyn::host::svg {

void SourceMapRecorder::reserve(std::size_t elements) {
    elements_.reserve(elements);
    art_.reserve(elements);
}

bool SourceMapRecorder::open(ByteSpan span) {
    if (open_ || paused_) return false;
    elements_.push_back({span, static_cast<std::uint32_t>(art_.size()), 0});
    open_ = elements_.size() - 1;
    return true;
}

void SourceMapRecorder::close(bool opened) {
    if (!opened) return;
    if (elements_.back().artCount == 0) elements_.pop_back();
    open_.reset();
}

void SourceMapRecorder::clear() {
    elements_.clear();
    art_.clear();
    open_.reset();
}

} // namespace vyn::host::svg
