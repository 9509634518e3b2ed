// Art.h — the art of a document: groups, paths and point-text frames, with
// their user attributes and tags.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

#include "model/Ids.h"
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
    bool centerPointVisible = false; // shown while the path is selected
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

// The children of a group in paint order, bottom first. Adding on top and
// removing any child cost O(log n), so taking apart a group of thousands of
// children (the boxes and labels of a chart) stays linear overall.
class ChildList {
  public:
    using Ordered = std::map<std::uint64_t, ArtId>;
    class const_iterator {
      public:
        using value_type = ArtId;
        using difference_type = std::ptrdiff_t;
        const_iterator() = default;
        explicit const_iterator(Ordered::const_iterator it) : it_(it) {}
        ArtId operator*() const { return it_->second; }
        const_iterator &operator++() {
            ++it_;
            return *this;
        }
        const_iterator operator++(int) { return const_iterator(it_++); }
        friend bool operator==(const const_iterator &, const const_iterator &) = default;

      private:
        Ordered::const_iterator it_;
    };

    // Adds `id` above every other child.
    void push_back(ArtId id);
    // Removes `id`; nothing happens when it is not a child.
    void erase(ArtId id);
    bool contains(ArtId id) const { return position_.contains(id); }
    bool empty() const { return byOrder_.empty(); }
    std::size_t size() const { return byOrder_.size(); }
    // The topmost child; none when the list is empty.
    ArtId top() const { return empty() ? ArtId{} : byOrder_.rbegin()->second; }
    const_iterator begin() const { return const_iterator(byOrder_.begin()); }
    const_iterator end() const { return const_iterator(byOrder_.end()); }
    std::vector<ArtId> inOrder() const { return {begin(), end()}; }
    friend bool operator==(const ChildList &list, const std::vector<ArtId> &ids) {
        return list.inOrder() == ids;
    }

  private:
    Ordered byOrder_;
    std::unordered_map<ArtId, std::uint64_t> position_;
    std::uint64_t next_ = 0;
};

struct Group {
    ChildList children;
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
