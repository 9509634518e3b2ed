// RecordingDrawer.h — the drawer handed to drawing procedures: it paints
// nothing, it records what it is asked to paint.
//
// Each operation is kept with the colour and font current when it was
// made, so a list of operations is a complete picture that the renderer
// turns into SVG. Coordinates are pixels of the drawn area (a dialog's
// content or one item), origin at its top left corner.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ADMDrawer.h"

namespace vyn::host {

// A picture from a plug-in's resources: the SVG text and its size.
struct IconPicture {
    std::string svg;
    int width = 0;
    int height = 0;
};

struct DrawOp {
    enum class Kind {
        Fill,        // rect in colour
        Frame,       // one-pixel outline inside rect
        Clear,       // rect in the dialog's background colour
        Line,        // from..to, both pixels included
        Text,        // text with its baseline starting at `from`
        TextCentred, // text centred in rect
        Icon         // icon with its top left corner at `from`
    };
    Kind kind = Kind::Fill;
    ADMRect rect{};
    ADMPoint from{};
    ADMPoint to{};
    ADMRGBColor colour{};
    int font = kADMDefaultFont;
    std::string text; // UTF-8
    std::shared_ptr<const IconPicture> icon;
};

using DrawOps = std::vector<DrawOp>;

class RecordingDrawer {
  public:
    RecordingDrawer(int width, int height) : width_(width), height_(height) {}

    void setColour(ADMRGBColor colour) { colour_ = colour; }
    void setInterfaceColour(int code);
    void setFont(int code);

    void fill(ADMRect rect) { add(DrawOp::Kind::Fill, rect); }
    void frame(ADMRect rect) { add(DrawOp::Kind::Frame, rect); }
    void clear(ADMRect rect) { add(DrawOp::Kind::Clear, rect); }
    void clearAll();
    void line(ADMPoint from, ADMPoint to);
    void text(std::string utf8, ADMPoint origin);
    void textCentred(std::string utf8, ADMRect rect);
    void icon(std::shared_ptr<const IconPicture> picture, ADMPoint topLeft);

    const DrawOps &ops() const { return ops_; }
    DrawOps take() { return std::move(ops_); }

  private:
    DrawOp &add(DrawOp::Kind kind, ADMRect rect = {});

    int width_;
    int height_;
    ADMRGBColor colour_{0, 0, 0};
    int font_ = kADMDefaultFont;
    DrawOps ops_;
};

// The latest drawings of one dialog: what its drawing procedure drew (in
// dialog pixels) and what each item's drawing procedure drew (in the item's
// pixels), by item index. Items without a drawing procedure have none.
struct DialogDrawings {
    bool dialogDrawn = false; // the dialog has a drawing procedure and it ran
    DrawOps dialog;
    std::map<std::size_t, DrawOps> items;
};

} // namespace vyn::host
