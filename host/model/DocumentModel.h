// DocumentModel.h — the open document as the host models it.
//
// Knows nothing of suites, handles or C types. Coordinates are points with y
// growing upwards.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vyn::host {

struct Rect {
    float left = 0, top = 0, right = 0, bottom = 0; // top > bottom
};

struct Artboard {
    std::string name;
    Rect bounds;
};

enum class ColorModel { RGB, CMYK };

struct Document {
    std::vector<Artboard> artboards;
    int activeArtboard = 0;
    ColorModel colorModel = ColorModel::CMYK;

    // An empty A4 portrait page (595.28 × 841.89 points).
    static Document emptyA4();
};

class DocumentModel {
  public:
    Document *current() { return current_ ? &*current_ : nullptr; }
    void open(Document document) { current_ = std::move(document); }
    void close() { current_.reset(); }

  private:
    std::optional<Document> current_;
};

} // namespace vyn::host
