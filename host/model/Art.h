// Art.h — the art of a document: groups, paths and point-text frames, with
// their user attributes and tags.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/Paint.h"

namespace vyn::host {

// User attribute bits.
enum ArtAttribute : std::uint32_t {
    kSelected = 1,
    kLocked = 2,
    kHidden = 4,
    kFullySelected = 8, // selected as a whole, not only in part
};

struct PathSegment {
    Point anchor, in, out; // the anchor and its two direction handles
    bool corner = false;
};

struct PathShape {
    std::vector<PathSegment> segments;
    bool closed = false;
    PathStyle style;
};

enum class Justification {
    Left,
    Right,
    Center,
    FullLastLineLeft,
    FullLastLineRight,
    FullLastLineCenter,
    FullLastLineFull
};
enum class Leading { Roman, Japanese };

// Character features of a run; an absent feature is the default.
struct CharFeatures {
    std::string font; // the font's name as the font list shows it; empty: the default
    std::optional<float> size;
    std::optional<std::int32_t> tracking;
    std::optional<float> baselineShift;
    std::optional<Paint> fill;
};

struct ParagraphFeatures {
    std::optional<Justification> justification;
    std::optional<float> firstLineIndent;
    std::optional<float> startIndent;
    std::optional<Leading> leading;
};

struct TextRun {
    std::u16string text;
    CharFeatures features;
};

struct TextStory {
    std::vector<TextRun> runs;
    ParagraphFeatures paragraph;
    std::u16string text() const;
    // The paint of the text: its first run's fill, black when that run sets
    // none or there is no text.
    Paint paint() const;
};

enum class TextOrientation { Horizontal, Vertical };

// Point text: the story set from the anchor, the start of its baseline.
struct TextFrame {
    Point anchor;
    TextOrientation orientation = TextOrientation::Horizontal;
    TextStory story;
};

struct Group {
    std::vector<ArtId> children; // paint order, bottom first
};

struct Tag {
    std::string type; // "string"
    std::string value;
};

struct Art {
    ArtId id;
    LayerId layer;
    ArtId parent; // none for a layer's own group
    // Changed through Document::setAttributes only, which keeps the
    // document's selection and fully-selected order with them.
    std::uint32_t attributes = 0;
    // When the fully-selected mark was last set, in the document's order of
    // such events (0: never).
    std::uint64_t fullySelectedAt = 0;
    std::map<std::string, Tag> tags;
    std::variant<Group, PathShape, TextFrame> content;

    Group *group() { return std::get_if<Group>(&content); }
    PathShape *path() { return std::get_if<PathShape>(&content); }
    TextFrame *textFrame() { return std::get_if<TextFrame>(&content); }
    const Group *group() const { return std::get_if<Group>(&content); }
    const PathShape *path() const { return std::get_if<PathShape>(&content); }
    const TextFrame *textFrame() const { return std::get_if<TextFrame>(&content); }
};

} // namespace vyn::host
