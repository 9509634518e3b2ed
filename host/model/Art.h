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
// reading the top cost O(1); removing any child costs O(1) amortised, so
// taking apart a group of thousands of children (the boxes and labels of a
// chart) stays linear overall. The list is a plain vector: a removed child
// leaves a hole, skipped by the iterators and closed up once the holes
// outnumber the children; the index of positions that removal and
// contains() need is built the first time one of them is called, so the
// groups of a document that is only read never pay for it.
class ChildList {
  public:
    class const_iterator {
      public:
        using value_type = ArtId;
        using difference_type = std::ptrdiff_t;
        const_iterator() = default;
        const_iterator(const ArtId *at, const ArtId *end) : at_(at), end_(end) { skipHoles(); }
        ArtId operator*() const { return *at_; }
        const_iterator &operator++() {
            ++at_;
            skipHoles();
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        friend bool operator==(const const_iterator &a, const const_iterator &b) { return a.at_ == b.at_; }

      private:
        void skipHoles() {
            while (at_ != end_ && !*at_)
                ++at_;
        }
        const ArtId *at_ = nullptr;
        const ArtId *end_ = nullptr;
    };

    // Adds `id` above every other child.
    void push_back(ArtId id);
    // Removes `id`; nothing happens when it is not a child.
    void erase(ArtId id);
    bool contains(ArtId id) const { return indexed().contains(id); }
    bool empty() const { return live_ == 0; }
    std::size_t size() const { return live_; }
    // The topmost child; none when the list is empty.
    ArtId top() const { return slots_.empty() ? ArtId{} : slots_.back(); }
    const_iterator begin() const { return {slots_.data(), slots_.data() + slots_.size()}; }
    const_iterator end() const { return {slots_.data() + slots_.size(), slots_.data() + slots_.size()}; }
    std::vector<ArtId> inOrder() const { return {begin(), end()}; }
    friend bool operator==(const ChildList &list, const std::vector<ArtId> &ids) {
        return list.inOrder() == ids;
    }

  private:
    const std::unordered_map<ArtId, std::size_t> &indexed() const;
    void closeUpHoles();

    std::vector<ArtId> slots_; // bottom first; a hole is ArtId{}; the last slot is never a hole
    std::size_t live_ = 0;
    // child -> its slot, once built; kept up to date from then on
    mutable std::unordered_map<ArtId, std::size_t> position_;
    mutable bool indexed_ = false;
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
