// Pictures of documents: display colours, gradients landing on their boxes,
// what is not drawn, and the attributes that carry a label's look.
#include <gtest/gtest.h>

#include <cairo.h>
#include <pugixml.hpp>

#include <cmath>
#include <cstring>
#include <memory>
#include <set>

#include "document/JsonDocumentReader.h"
#include "picture/Picture.h"
#include "render/DisplayColour.h"
#include "render/DocumentPicture.h"
#include "support/FileText.h"
#include "support/TempFolder.h"

using namespace vyn::host;

namespace {

const std::string kBullet = "Vyn\xE2\x80\xA2"
                            "Colors";

PathShape rectangle(float left, float top, float right, float bottom, PathStyle style) {
    PathShape shape;
    for (Point p : {Point{left, top}, Point{right, top}, Point{right, bottom}, Point{left, bottom}})
        shape.segments.push_back({p, p, p, true});
    shape.closed = true;
    shape.style = style;
    return shape;
}

PathStyle filledWith(Paint paint) {
    PathStyle style;
    style.fillPainted = true;
    style.fill.paint = paint;
    return style;
}

// The picture drawn at one pixel per point, as pixels to look at.
class Pixels {
  public:
    explicit Pixels(const std::string &svg) {
        const std::vector<unsigned char> png = svgToPng(svg, 1.0);
        Reader reader{png, 0};
        surface_.reset(cairo_image_surface_create_from_png_stream(&Reader::read, &reader));
        EXPECT_EQ(cairo_surface_status(surface_.get()), CAIRO_STATUS_SUCCESS);
    }
    // The grey level (0 to 255) of the pixel at (x, y), by its green channel.
    int green(int x, int y) const {
        const unsigned char *data = cairo_image_surface_get_data(surface_.get());
        const int stride = cairo_image_surface_get_stride(surface_.get());
        std::uint32_t argb;
        std::memcpy(&argb, data + y * stride + x * 4, 4);
        return int((argb >> 8) & 0xFF);
    }

  private:
    struct Reader {
        const std::vector<unsigned char> &png;
        std::size_t at;
        static cairo_status_t read(void *closure, unsigned char *data, unsigned int length) {
            auto *r = static_cast<Reader *>(closure);
            if (r->at + length > r->png.size()) return CAIRO_STATUS_READ_ERROR;
            std::memcpy(data, r->png.data() + r->at, length);
            r->at += length;
            return CAIRO_STATUS_SUCCESS;
        }
    };
    struct Destroy {
        void operator()(cairo_surface_t *s) const { cairo_surface_destroy(s); }
    };
    std::unique_ptr<cairo_surface_t, Destroy> surface_;
};

TEST(DisplayColour, ConvertsEveryKindOfSolidPaint) {
    Document document = Document::emptyA4();
    const CustomColorId brandRed =
        document.addCustomColor({"Brand red", CustomColorKind::Spot, ProcessPaint{0, 0.9f, 0.85f, 0}});
    const CustomColorId leaf =
        document.addCustomColor({"Leaf", CustomColorKind::Process, RgbPaint{0.2f, 0.6f, 0.2f}});
    struct Case {
        const char *what;
        Paint paint;
        const char *css; // null: no colour
    } cases[] = {
        {"gray 0 is black", GrayPaint{0}, "#000000"},
        {"gray 1 is white", GrayPaint{1}, "#ffffff"},
        {"gray 0.25", GrayPaint{0.25f}, "#404040"},
        {"no ink is white", ProcessPaint{0, 0, 0, 0}, "#ffffff"},
        {"black ink alone", ProcessPaint{0, 0, 0, 1}, "#000000"},
        {"cyan", ProcessPaint{1, 0, 0, 0}, "#00ffff"},
        {"black darkens the others", ProcessPaint{0, 1, 1, 0.5f}, "#800000"},
        {"a process orange", ProcessPaint{0.02f, 0.66f, 0.96f, 0}, "#fa570a"},
        {"RGB as it is", RgbPaint{234 / 255.f, 112 / 255.f, 23 / 255.f}, "#ea7017"},
        {"components held within 0..1", RgbPaint{1.5f, -0.5f, NAN}, "#ff0000"},
        {"a spot colour at full strength", CustomPaint{brandRed, 0}, "#ff1a26"},
        {"a tint mixes toward white", CustomPaint{brandRed, 0.5f}, "#ff8c93"},
        {"tint 1 is none of the colour", CustomPaint{brandRed, 1}, "#ffffff"},
        {"an RGB custom colour", CustomPaint{leaf, 0}, "#339933"},
        {"none", NoPaint{}, nullptr},
        {"a gradient is no one colour", GradientPaint{}, nullptr},
        {"a custom colour the document lacks", CustomPaint{CustomColorId{987654321}, 0}, nullptr},
    };
    for (const Case &c : cases) {
        const auto colour = displayColour(document, c.paint);
        EXPECT_EQ(colour ? cssColour(*colour) : "no colour", c.css ? c.css : "no colour") << c.what;
    }
}

// A chart-like box on an artboard away from the document's origin, painted
// black to white by a gradient placed as the chart places it: measured from
// the artboard's corner (or, equally, from another point of the page), the
// origin at the box's left edge (linear) or its centre (radial), the length
// the box's length (linear) or height (radial); or placed through a matrix.
TEST(DocumentPicture, GradientsLandOnTheirBoxes) {
    const float left = 120, top = 670, length = 200, height = 60; // the box, in the document
    const Point corner{100, 700};                                 // the artboard's top-left corner
    struct Case {
        const char *what;
        GradientKind kind;
        Point frame;
        Point origin;
        float length;
        Matrix matrix;
    } cases[] = {
        {"linear from the artboard corner", GradientKind::Linear, corner, {20, -45}, length, {}},
        {"linear from the page origin", GradientKind::Linear, {0, 0}, {120, 655}, length, {}},
        {"linear stretched by its matrix",
         GradientKind::Linear,
         corner,
         {10, -45},
         length / 2,
         {2, 0, 0, 1, 0, 0}},
        {"radial from the artboard corner", GradientKind::Radial, corner, {120, -60}, height, {}},
    };
    for (const Case &c : cases) {
        Document document = Document::emptyA4();
        document.artboards = {{"Card", {corner.h, corner.v, 500, 300}}};
        const GradientId ramp =
            document.addGradient({"Ramp", c.kind, {{0, 0.5f, GrayPaint{0}}, {1, 0.5f, GrayPaint{1}}}});
        GradientPaint paint{ramp, c.frame, c.origin, 0, c.length, c.matrix, 0, 0};
        Layer &layer = document.insertLayer(0, kBullet);
        document.addArt(layer.group, rectangle(left, top, left + length, top - height, filledWith(paint)));

        // One pixel per point, from the artboard's corner: x = h - 100, y = 700 - v.
        const Pixels pixels(documentSvg(document));
        const int x0 = int(left - corner.h), y0 = int(corner.v - top), midY = y0 + int(height / 2);
        if (c.kind == GradientKind::Linear) {
            EXPECT_LT(pixels.green(x0 + 1, midY), 8) << c.what << ": the left edge is the ramp's start";
            EXPECT_NEAR(pixels.green(x0 + int(length / 2), midY), 128, 8) << c.what;
            EXPECT_GT(pixels.green(x0 + int(length) - 2, midY), 247) << c.what << ": the right edge its end";
            EXPECT_EQ(pixels.green(x0 - 5, midY), 255) << c.what << ": nothing outside the box";
        } else {
            const int centreX = x0 + int(length / 2);
            EXPECT_LT(pixels.green(centreX, midY), 8) << c.what << ": the centre is the ramp's start";
            EXPECT_NEAR(pixels.green(centreX + 30, midY), 128, 8) << c.what;
            EXPECT_GT(pixels.green(centreX + 59, midY), 247) << c.what << ": the ramp ends a box height away";
        }
    }
}

TEST(DocumentPicture, LeavesOutHiddenArtAndHiddenLayersAndDrawsTheTopLayerLast) {
    Document document = Document::emptyA4();
    const auto path = [](float gray) { return rectangle(10, 100, 50, 60, filledWith(GrayPaint{gray})); };
    const LayerId bottomId = document.insertLayer(0, "Bottom").id;
    const LayerId hiddenLayerId = document.insertLayer(0, "Hidden").id;
    const LayerId topId = document.insertLayer(0, "Top").id; // index 0
    document.layer(hiddenLayerId)->visible = false;
    document.addArt(document.layer(hiddenLayerId)->group, path(0.11f));
    document.addArt(document.layer(bottomId)->group, path(0.22f));
    document.addArt(document.layer(topId)->group, path(0.33f));
    Art &hidden = document.addArt(document.layer(topId)->group, path(0.44f));
    document.setAttributes(hidden, kHidden, kHidden);
    Art &hiddenGroup = document.addArt(document.layer(topId)->group, Group{});
    document.addArt(hiddenGroup.id, path(0.55f));
    document.setAttributes(hiddenGroup, kHidden, kHidden);

    const std::string svg = documentSvg(document);
    const auto at = [&](float gray) {
        return svg.find(cssColour(*displayColour(document, GrayPaint{gray})));
    };
    EXPECT_EQ(at(0.11f), std::string::npos) << "art of a hidden layer";
    EXPECT_EQ(at(0.44f), std::string::npos) << "hidden art";
    EXPECT_EQ(at(0.55f), std::string::npos) << "art in a hidden group";
    ASSERT_NE(at(0.22f), std::string::npos);
    ASSERT_NE(at(0.33f), std::string::npos);
    EXPECT_LT(at(0.22f), at(0.33f)) << "layer 0 is the topmost, drawn last";
}

TEST(DocumentPicture, PathsKeepTheirCurvesRuleAndLineStyle) {
    Document document = Document::emptyA4();
    PathShape shape;
    shape.segments = {{{0, 0}, {0, 0}, {10, 20}, false}, {{30, 0}, {20, 20}, {30, 0}, false}};
    shape.closed = true;
    shape.style.fillPainted = true;
    shape.style.evenOdd = true;
    shape.style.strokePainted = true;
    shape.style.stroke.width = 2.5f;
    shape.style.stroke.dash = {2, 1, {3, 4}};
    shape.style.stroke.cap = LineCap::Projecting;
    shape.style.stroke.join = LineJoin::Bevel;
    shape.style.stroke.miterLimit = 7;
    document.addArt(document.insertLayer(0, "Art").group, shape);

    pugi::xml_document svg;
    ASSERT_TRUE(svg.load_string(documentSvg(document).c_str()));
    const pugi::xml_node path = svg.select_node("//path").node();
    EXPECT_STREQ(path.attribute("d").value(), "M0 0C10 -20 20 -20 30 0Z");
    EXPECT_STREQ(path.attribute("fill").value(), "#000000");
    EXPECT_STREQ(path.attribute("fill-rule").value(), "evenodd");
    EXPECT_STREQ(path.attribute("stroke-width").value(), "2.5");
    EXPECT_STREQ(path.attribute("stroke-dasharray").value(), "3 4");
    EXPECT_STREQ(path.attribute("stroke-dashoffset").value(), "1");
    EXPECT_STREQ(path.attribute("stroke-linecap").value(), "square");
    EXPECT_STREQ(path.attribute("stroke-linejoin").value(), "bevel");
    EXPECT_STREQ(path.attribute("stroke-miterlimit").value(), "7");
}

TEST(DocumentPicture, LabelsCarryTheirFontSizeShiftAndFill) {
    Document document = Document::emptyA4();
    const CustomColorId red =
        document.addCustomColor({"Brand red", CustomColorKind::Spot, ProcessPaint{0, 0.9f, 0.85f, 0}});
    TextFrame frame;
    frame.anchor = {230, 700};
    frame.story.runs = {
        {u"Spot color <Brand red> 82 %", {"DejaVu Sans Bold", 14.f, {}, -4.f, CustomPaint{red, 0.18f}}},
        {u" & more", {}}};
    document.addArt(document.insertLayer(0, "Chart").group, frame);

    pugi::xml_document svg;
    ASSERT_TRUE(svg.load_string(documentSvg(document).c_str()));
    const pugi::xml_node text = svg.select_node("//text").node();
    EXPECT_STREQ(text.attribute("x").value(), "230");
    EXPECT_STREQ(text.attribute("y").value(), "-700");
    EXPECT_STREQ(text.attribute("xml:space").value(), "preserve");
    const pugi::xml_node label = text.first_child();
    EXPECT_STREQ(label.child_value(), "Spot color <Brand red> 82 %");
    EXPECT_STREQ(label.attribute("font-family").value(), "'DejaVu Sans'")
        << "the face's family, for fontconfig";
    EXPECT_STREQ(label.attribute("font-weight").value(), "700");
    EXPECT_STREQ(label.attribute("font-size").value(), "14");
    EXPECT_STREQ(label.attribute("baseline-shift").value(), "-4");
    EXPECT_EQ(label.attribute("fill").value(), cssColour(*displayColour(document, CustomPaint{red, 0.18f})));
    const pugi::xml_node rest = label.next_sibling();
    EXPECT_STREQ(rest.child_value(), " & more");
    EXPECT_STREQ(rest.attribute("font-size").value(), "12") << "the default size";
    EXPECT_STREQ(rest.attribute("fill").value(), "#000000") << "the default fill";
}

// The bundled example holds every kind of paint: its picture is well-formed,
// every paint server it refers to is defined, and it renders.
TEST(DocumentPicture, TheExampleWithEveryPaintRendersWithEveryReferenceDefined) {
    const auto read =
        readJsonDocumentFile(std::filesystem::path(VYN_SOURCE_DIR) / "examples" / "every-paint.json");
    ASSERT_TRUE(read.document);
    const std::string svg = documentSvg(*read.document);
    pugi::xml_document parsed;
    ASSERT_TRUE(parsed.load_string(svg.c_str()));
    std::set<std::string> ids, references;
    for (const pugi::xpath_node &node : parsed.select_nodes("//*[@id]"))
        EXPECT_TRUE(ids.insert(node.node().attribute("id").value()).second) << "one id, one element";
    for (const pugi::xpath_node &node : parsed.select_nodes("//@fill | //@stroke"))
        if (std::string value = node.attribute().value(); value.rfind("url(#", 0) == 0)
            references.insert(value.substr(5, value.size() - 6));
    EXPECT_EQ(references.size(), 3u) << "two gradients and the pattern placeholder";
    for (const std::string &id : references)
        EXPECT_TRUE(ids.count(id)) << id;

    vyn::test::TempFolder folder;
    EXPECT_FALSE(writeDocumentPicture(*read.document, folder / "every-paint.png"));
    const std::string png = vyn::test::readFile(folder / "every-paint.png");
    EXPECT_EQ(png.substr(1, 3), "PNG");
    const auto gif = folder / "every-paint.gif";
    const auto refused = writeDocumentPicture(*read.document, gif);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->message(gif),
              "cannot write picture " + gif.string() + ": its name must end in .svg or .png");
}

} // namespace
