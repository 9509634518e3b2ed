#include "svg/SvgDiagnostics.h"

#include "svg/SvgLimits.h"
#include "text/Utf.h"

namespace vyn::host::svg {

std::string SvgDiagnostics::position(std::size_t offset) const {
    if (!lineStarts_) lineStarts_.emplace(text_);
    const TextPosition at = lineStarts_->positionOf(offset);
    return name_ + ":" + std::to_string(at.line) + ":" + std::to_string(at.column);
}

SvgReadError SvgDiagnostics::errorAt(SvgReadStatus status, std::size_t offset, std::string detail) {
    return {status, offset, std::move(detail)};
}

SvgReadError SvgDiagnostics::error(SvgReadStatus status, std::string detail) {
    return {status, std::nullopt, std::move(detail)};
}

void SvgDiagnostics::warn(WarningKind kind, std::size_t offset, std::string_view reason) {
    std::size_t &count = perKind_[static_cast<std::size_t>(kind)];
    if (++count > kWarningsPerKind) {
        ++unlisted_;
        return;
    }
    // A reason may quote the file, whatever bytes it holds.
    warnings_.push_back(position(offset) + ": warning: " + printableUtf8(reason));
}

std::vector<std::string> SvgDiagnostics::takeWarnings() {
    std::vector<std::string> all = std::move(warnings_);
    if (unlisted_)
        all.push_back(name_ + ": warning: " + std::to_string(unlisted_) + " more warning" +
                      (unlisted_ == 1 ? "" : "s") + " like those above");
    static constexpr std::array<std::string_view, static_cast<std::size_t>(NotModelled::Count)> kNames = {
        "filter", "mask", "clip path", "image", "marker", "foreign object", "animation", "media element"};
    std::string summary;
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (!skipped_[i]) continue;
        if (!summary.empty()) summary += ", ";
        summary += std::to_string(skipped_[i]) + " " + std::string(kNames[i]);
        if (skipped_[i] != 1) summary += "s";
    }
    if (!summary.empty()) all.push_back(name_ + ": warning: not modelled, left as they are: " + summary);
    warnings_.clear();
    unlisted_ = 0;
    perKind_ = {};
    skipped_ = {};
    return all;
}

} // namespace vyn::host::svg
