// TextEngine.h — the text engine's reference-counted objects: fonts,
// character and paragraph feature sets, paints, and ranges of text.
//
// Every reference handed to a plug-in carries one count; the object goes
// when its last count is released. A range points into a story, the text of
// one text frame, which the document owns.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "ATESuites.h"
#include "HandleTable.h"

namespace vyn::host {

struct TextFont {
    std::string name; // the font's name as the font list shows it (UTF-8)
};

struct TextCharFeatures {
    std::optional<ATE::FontRef> font;
    std::optional<float> size;
    std::optional<ASInt32> tracking;
    std::optional<float> baselineShift;
    std::optional<ATE::ApplicationPaintRef> fill;
};

struct TextParaFeatures {
    std::optional<ATE::ParagraphJustification> justification;
    std::optional<float> firstLineIndent;
    std::optional<float> startIndent;
    std::optional<ATE::LeadingType> leadingType;
};

// A run of text with the features in force for it.
struct TextRun {
    std::u16string text;
    std::string font; // font name, empty for the default
    TextCharFeatures features;
};

struct TextStory {
    std::vector<TextRun> runs;
    TextParaFeatures paragraph;
    std::u16string text() const;
};

struct TextRange {
    std::shared_ptr<TextStory> story;
};

// What a paint reference stands for: the host's colour record, kept as bytes
// so this layer does not depend on the style records.
struct TextPaint {
    std::vector<unsigned char> color;
};

class TextEngine {
  public:
    using Object = std::variant<TextFont, TextCharFeatures, TextParaFeatures, TextRange, TextPaint>;

    // A new object with one count, as the opaque reference `Ref`.
    template <class Ref> Ref make(Object object) { return reinterpret_cast<Ref>(add(std::move(object))); }
    // The object behind a reference of kind T, or null when the reference is
    // stale or of another kind.
    template <class T, class Ref> T *find(Ref ref) {
        Entry *e = table_.find(reinterpret_cast<void *>(ref));
        return e ? std::get_if<T>(&e->object) : nullptr;
    }
    // Throws HostError(kBadParameterErr) for a stale reference.
    void addRef(const void *ref);
    void release(const void *ref);
    // Objects still holding counts, all kinds together.
    std::size_t live() const { return table_.size(); }

  private:
    struct Entry {
        Object object;
        int count = 1;
    };
    void *add(Object object);
    OwningHandleTable<Entry, void *> table_{0x60000};
};

} // namespace vyn::host
