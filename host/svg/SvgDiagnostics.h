// SvgDiagnostics.h — the messages reading an SVG file gives: one error that
// refuses the file, warnings that do not, and the tally of what the reader
// leaves alone.
//
// Positions are byte offsets into the decompressed file; line and column
// (both from 1, the column in bytes) are worked out only for the messages
// printed, through an index of line starts built once.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/TextPosition.h"
#include "svg/SvgReadError.h"

namespace vyn::host::svg {

enum class WarningKind { Paint, Value, Use, Count };

// What the model has no place for; each is counted and named in one line.
enum class NotModelled { Filter, Mask, ClipPath, Image, Marker, ForeignObject, Animation, Media, Count };

class SvgDiagnostics {
  public:
    SvgDiagnostics(std::string_view name, std::string_view text) : name_(name), text_(text) {}

    // The error that refuses the file, at `offset` in the text or, without
    // one, at no place in it; its message is "NAME:LINE:COLUMN: error: ..."
    // or "NAME: error: ...".
    static SvgReadError errorAt(SvgReadStatus status, std::size_t offset, std::string detail = {});
    static SvgReadError error(SvgReadStatus status, std::string detail = {});

    // "NAME:LINE:COLUMN: warning: REASON"; past kWarningsPerKind of a kind
    // they are only counted.
    void warn(WarningKind kind, std::size_t offset, std::string_view reason);
    void notModelled(NotModelled what) { ++skipped_[static_cast<std::size_t>(what)]; }

    // The warnings in the order given, then a line for those only counted,
    // then the summary of what was not modelled.
    std::vector<std::string> takeWarnings();

  private:
    std::string position(std::size_t offset) const;

    std::string name_;
    std::string_view text_;
    mutable std::optional<LineStarts> lineStarts_; // built on first use
    std::vector<std::string> warnings_;
    std::array<std::size_t, static_cast<std::size_t>(WarningKind::Count)> perKind_{};
    std::size_t unlisted_ = 0;
    std::array<std::size_t, static_cast<std::size_t>(NotModelled::Count)> skipped_{};
};

} // namespace vyn::host::svg
