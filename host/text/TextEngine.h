// TextEngine.h — the text engine's reference-counted objects: fonts,
// character and paragraph feature sets, paints, and ranges of text.
//
// Every reference handed to a plug-in carries one count; the object goes
// when its last count is released. Feature sets hold model values (a font
// by its name, a paint as a model paint), converted when they are set; the
// text itself, stories and their runs, belongs to the document model.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "ATESuites.h"
#include "gate/HandleTable.h"
#include "model/Art.h"
#include "model/Ids.h"

namespace vyn::host {

struct TextFont {
    std::string name; // the font's name as the font list shows it (UTF-8)
};

// Feature sets as the plug-in builds them, to be applied to a range.
using TextCharFeatures = CharFeatures;
using TextParaFeatures = ParagraphFeatures;

// A range covers the whole story of one point-text frame of the open
// document and follows it as it is edited; it finds nothing once the frame
// (or its document) is gone.
struct TextRange {
    ArtId frame;
};

// What a paint reference stands for.
struct TextPaint {
    Paint paint;
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
    OwningHandleTable<Entry, void *> table_;
};

} // namespace vyn::host
