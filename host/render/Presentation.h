// Presentation.h — an element's presentation properties (fill, stroke,
// display, font...) as SVG writes them.
//
// As attributes, the weakest level of the CSS cascade: a picture of the
// host's own document is written so. Art that must look the same in any
// document it is put into (the chart, written into a file with style sheets
// of its own) carries them instead in one style attribute, each declaration
// !important, which no rule of a style sheet can override: the properties
// it would otherwise leave to their defaults (display, visibility, opacity,
// the stroke's line style) are then stated too, so that no rule sets them.
#pragma once

#include <string>
#include <string_view>

namespace vyn::host {

class Presentation {
  public:
    Presentation(std::string &out, bool important) : out_(out), important_(important) {}
    Presentation(const Presentation &) = delete;
    Presentation &operator=(const Presentation &) = delete;

    bool important() const { return important_; }

    // `value` as it stands in CSS (it is escaped for XML here).
    void set(std::string_view name, std::string_view value);
    void setNumber(std::string_view name, double value);
    // A fill or stroke: "none", a colour or "url(#ID)". Important, a url()
    // gets the fallback "none": librsvg (2.54) paints "url(#ID) !important"
    // black, but follows "url(#ID) none !important" as browsers do.
    void setPaint(std::string_view name, const std::string &value);
    // Writes the style attribute, when there is one; nothing is set after.
    void end();

    // Only when important: whether the art is shown (display), and that it
    // is visible and opaque, which art states nowhere else. (A picture, or
    // a document written back with attributes, marks hidden art with
    // style="display:none" among its marks instead.)
    void setShown(bool hidden);

  private:
    std::string &out_;
    bool important_;
    bool ended_ = false;
    std::string style_;
};

} // namespace vyn::host
