// Writing the chart back into the original SVG bytes. The maps are made by
// hand here, as the reader would make them, so that each test says exactly
// which bytes stand for which art.
#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <zlib.h>

#include <array>
#include <set>

#include "chart/ChartConventions.h"
#include "support/FileText.h"
#include "support/TempFolder.h"
#include "svg/SvgChartWriter.h"

using namespace vyn::host;
using namespace vyn::host::svg;

namespace {

const std::string kChartTitle = vyn::app::kChartLayerTitle;

PathShape box(float left, float top, Paint paint) {
    PathShape shape;
    for (Point p :
         {Point{left, top}, Point{left + 80, top}, Point{left + 80, top - 20}, Point{left, top - 20}})
        shape.segments.push_back({p, p, p, true});
    shape.closed = true;
    shape.style.fillPainted = shape.style.strokePainted = true;
    shape.style.fill.paint = paint;
    shape.style.stroke.paint = GrayPaint{1};
    return shape;
}

TextFrame label(Point anchor, std::u16string text) {
    TextFrame frame;
    frame.anchor = anchor;
    frame.story.runs = {{std::move(text), {"DejaVu Sans", 12.f, {}, -4.f, ProcessPaint{1, 1, 1, 1}}}};
    return frame;
}

// A file with art the reader modelled (three elements, one of them making
// two art objects) and things it did not (a comment, a filter, odd spacing).
struct Drawing {
    std::string bytes;
    Document document = Document::emptyA4();
    ArtId keep, gone, pairFirst, pairSecond;
    ArtId chartGroup;

    explicit Drawing(const std::string &newline = "\n") {
        const std::string nl = newline;
        bytes = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + nl +
                "<svg xmlns=\"http://www.w3.org/2000/svg\"   viewBox=\"0 0 400 300\">" + nl +
                "  <!-- drawn by hand -->" + nl +
                "  <filter id=\"blur\"><feGaussianBlur stdDeviation=\"2\"/></filter>" + nl +
                "  <rect id=\"keep\" x=\"1\" y=\"1\" width=\"10\" height=\"10\" fill=\"#f00\"/>" + nl +
                "  <circle id=\"gone\" cx=\"50\" cy=\"50\" r=\"5\"" + nl + "          fill=\"blue\"/>" + nl +
                "  <use id=\"pair\" href=\"#twice\"/>" + nl + "</svg>" + nl;
        Layer &art = document.insertLayer(0, "Layer 1");
        const ArtId group = art.group;
        keep = document.addArt(group, box(1, -1, RgbPaint{1, 0, 0})).id;
        gone = document.addArt(group, box(45, -45, RgbPaint{0, 0, 1})).id;
        pairFirst = document.addArt(group, box(100, -100, GrayPaint{0.5f})).id;
        pairSecond = document.addArt(group, box(200, -100, GrayPaint{0.5f})).id;
        Layer &chart = document.insertLayer(0, kChartTitle);
        chartGroup = document.addArt(chart.group, Group{}).id;
    }

    ByteSpan span(const std::string &text) const {
        const std::size_t at = bytes.find(text);
        EXPECT_NE(at, std::string::npos) << text;
        const std::size_t end = bytes.find("/>", at) + 2;
        return {at, end};
    }

    SvgSource source(const std::string &newline = "\n") const {
        SvgSource s;
        s.bytes = bytes;
        s.chart = vyn::app::svgChartMarks();
        s.addElement(span("<rect id=\"keep\""), std::array{keep});
        s.addElement(span("<circle id=\"gone\""), std::array{gone});
        s.addElement(span("<use id=\"pair\""), std::array{pairFirst, pairSecond});
        s.rootEndTag = bytes.rfind("</svg>");
        s.newline = newline;
        return s;
    }

    void addRow(int row, Paint paint, std::u16string text) {
        const float top = -20 - 30 * float(row);
        Art &b = document.addArt(chartGroup, box(20, top, paint));
        b.tags["VYNCOL"] = {"string", "jj"};
        Art &l = document.addArt(chartGroup, label({110, top - 10}, std::move(text)));
        l.tags["VYNCOL"] = {"string", "jj"};
    }
};

// The map the reader would make of a file this writer wrote: the same
// elements, and the chart layer as an earlier chart.
SvgSource reread(const std::string &bytes, const SvgSource &before) {
    SvgSource s = before;
    s.bytes = bytes;
    for (SourceElement &element : s.elements) {
        const std::string text =
            before.bytes.substr(element.span.begin, element.span.end - element.span.begin);
        const std::size_t at = bytes.find(text);
        element.span = {at, at + text.size()};
    }
    const std::size_t layer = bytes.find("<g xmlns:inkscape=");
    const std::string endTag = "</g>" + before.newline + "</svg>";
    EXPECT_NE(layer, std::string::npos);
    s.chartLayer = ByteSpan{layer, bytes.rfind(endTag) + 4};
    s.rootEndTag = bytes.rfind("</svg>");
    return s;
}

// The value `property` is declared with, !important, in the style attribute
// of `element`; empty when it is not.
std::string declared(pugi::xml_node element, const std::string &property) {
    const std::string style = element.attribute("style").value();
    const std::string start = property + ":";
    for (std::size_t at = 0; at < style.size();) {
        const std::size_t end = std::min(style.find(';', at), style.size());
        const std::string declaration = style.substr(at, end - at);
        const std::string important = " !important";
        if (declaration.starts_with(start) && declaration.ends_with(important))
            return declaration.substr(start.size(), declaration.size() - start.size() - important.size());
        at = end + 1;
    }
    return {};
}

pugi::xml_node chartLayer(const pugi::xml_document &svg) {
    return svg.select_node(("//*[@inkscape:label='" + kChartTitle + "']").c_str()).node();
}

TEST(SvgChartWriter, CopiesEveryUntouchedByteCutsWhatIsGoneAndAddsTheChartLast) {
    Drawing drawing;
    const CustomColorId red = drawing.document.addCustomColor(
        {"Brand red", CustomColorKind::Spot, ProcessPaint{0, 0.9f, 0.85f, 0}});
    const GradientId sunset = drawing.document.addGradient(
        {"Sunset", GradientKind::Radial, {{0, 0.5f, GrayPaint{0}}, {1, 0.5f, CustomPaint{red, 0}}}});
    drawing.addRow(0, CustomPaint{red, 0.18f}, u"Spot color Brand red 82 %");
    drawing.addRow(1, GradientPaint{sunset, {0, 0}, {60, -45}, 0, 20, {}, 0, 0}, u"Gradient Radial Sunset");
    drawing.document.removeArt(drawing.gone);
    drawing.document.removeArt(drawing.pairFirst); // the other art of <use> stays

    const std::string out = svgWithChart(drawing.source(), drawing.document);
    const std::string &in = drawing.bytes;
    const std::size_t goneLine = in.find("  <circle"), afterGone = in.find("  <use");
    const std::size_t chartAt = goneLine + (in.rfind("</svg>") - afterGone);
    EXPECT_EQ(out.substr(0, goneLine), in.substr(0, goneLine)) << "everything before, byte for byte";
    EXPECT_EQ(out.substr(goneLine, chartAt - goneLine), in.substr(afterGone, in.rfind("</svg>") - afterGone))
        << "the element and its lines gone, nothing left in their place";
    EXPECT_EQ(out.substr(chartAt, 4), "  <g") << "the chart layer at the file's indentation";
    EXPECT_TRUE(out.ends_with("  </g>\n</svg>\n"));

    pugi::xml_document svg;
    ASSERT_TRUE(svg.load_string(out.c_str())) << out;
    const pugi::xml_node layer = chartLayer(svg);
    ASSERT_TRUE(layer) << out;
    EXPECT_EQ(layer, svg.document_element().last_child()) << "the last top-level layer";
    EXPECT_STREQ(layer.attribute("inkscape:groupmode").value(), "layer");
    EXPECT_STREQ(layer.attribute("xmlns:vyn").value(), vyn::app::kChartNamespace) << "declared on the layer itself";
    EXPECT_EQ(svg.select_nodes("//*[@vyn:tag-VYNCOL='jj']").size(), 4u) << "every box and label tagged";
    const pugi::xml_node gradient = layer.child("defs").child("radialGradient");
    EXPECT_EQ(std::string(gradient.attribute("id").value()).rfind("vyn-", 0), 0u);
    EXPECT_EQ(svg.select_nodes("//text").size(), 2u);
}

// A gradient or pattern the file defines is the file's own in the chart: a
// gradient of the chart takes the file's stops by href and places them on
// the box (every placing attribute written, so none comes from the file's),
// a pattern is the file's tile. A pattern whose id a url() cannot hold as it
// stands keeps the placeholder tile.
TEST(SvgChartWriter, GradientsAndPatternsOfTheFileAreTheFilesOwn) {
    Drawing drawing;
    const GradientId dusk = drawing.document.addGradient(
        {"dusk", GradientKind::Radial, {{0, 0.5f, GrayPaint{0}}, {1, 0.5f, GrayPaint{1}}}});
    const PatternId nets = drawing.document.addPattern({"nets"});
    const PatternId odd = drawing.document.addPattern({"odd one"});
    drawing.addRow(0, GradientPaint{dusk, {0, 0}, {60, -45}, 0, 20, {}, 0, 0}, u"Gradient Radial dusk");
    PatternPaint netsPaint, oddPaint;
    netsPaint.pattern = nets;
    oddPaint.pattern = odd;
    drawing.addRow(1, netsPaint, u"Pattern nets");
    drawing.addRow(2, oddPaint, u"Pattern odd one");
    SvgSource source = drawing.source();
    source.paintServers.gradients.emplace(dusk, "dusk");
    source.paintServers.patterns.emplace(nets, "nets");
    source.paintServers.patterns.emplace(odd, "odd one");

    const std::string out = svgWithChart(source, drawing.document);
    pugi::xml_document svg;
    ASSERT_TRUE(svg.load_string(out.c_str())) << out;
    const pugi::xml_node layer = chartLayer(svg);
    EXPECT_STREQ(layer.attribute("xmlns:xlink").value(), "http://www.w3.org/1999/xlink");
    const pugi::xml_node gradient = layer.child("defs").child("radialGradient");
    EXPECT_STREQ(gradient.attribute("xlink:href").value(), "#dusk");
    EXPECT_FALSE(gradient.first_child()) << "the stops are the file's";
    for (const char *placing : {"gradientUnits", "cx", "cy", "r", "fx", "fy", "fr", "gradientTransform"})
        EXPECT_TRUE(gradient.attribute(placing)) << placing;
    const auto boxes = layer.select_nodes("g/path");
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(declared(boxes[1].node(), "fill"), "url(#nets) none") << "with a fallback librsvg needs";
    const std::string placeholder = declared(boxes[2].node(), "fill");
    EXPECT_EQ(placeholder.rfind("url(#vyn-pattern-", 0), 0u) << placeholder;
}

// The chart's ids start with the first prefix the file never mentions, found
// in one pass however many the file uses ("vyn05-" and "vyn1-" are no
// prefixes; the first is "vyn-", then "vyn2-").
TEST(SvgChartWriter, TheIdPrefixIsTheFirstTheFileNeverMentions) {
    Drawing drawing;
    drawing.addRow(0, GrayPaint{0.5f}, u"Gray=50 %");
    std::string mentions = "  <!-- vyn- vyn05- vyn1- ";
    for (int n = 2; n <= 5000; ++n)
        if (n != 4321) mentions += "vyn" + std::to_string(n) + "- ";
    mentions += "-->\n";
    SvgSource source = drawing.source();
    const std::size_t at = source.bytes.find("  <rect");
    source.bytes.insert(at, mentions);
    for (SourceElement &element : source.elements) {
        element.span.begin += mentions.size();
        element.span.end += mentions.size();
    }
    source.rootEndTag += mentions.size();
    const std::string out = svgWithChart(source, drawing.document);
    EXPECT_NE(out.find(R"(id="vyn4321-chart")"), std::string::npos);
}

TEST(SvgChartWriter, ASecondWriteReplacesTheFirstChartAndIsIdempotent) {
    for (const std::string newline : {"\n", "\r\n"}) {
        Drawing drawing(newline);
        drawing.addRow(0, GrayPaint{0.5f}, u"Gray=50 %");
        const SvgSource source = drawing.source(newline);
        const std::string first = svgWithChart(source, drawing.document);
        const SvgSource again = reread(first, source);
        EXPECT_EQ(svgWithChart(again, drawing.document), first) << "the same document writes the same bytes";

        // A new chart in the same layer: the old one is replaced, not added to.
        drawing.document.removeArt(drawing.chartGroup);
        drawing.chartGroup = drawing.document.addArt(drawing.document.layers()[0].group, Group{}).id;
        drawing.addRow(0, ProcessPaint{0.02f, 0.66f, 0.96f, 0}, u"C=2 M=66 Y=96 K=0");
        const std::string second = svgWithChart(again, drawing.document);
        EXPECT_EQ(second.find("Gray=50 %"), std::string::npos);
        EXPECT_NE(second.find("C=2 M=66 Y=96 K=0"), std::string::npos);
        EXPECT_EQ(second.substr(0, again.chartLayer->begin), first.substr(0, again.chartLayer->begin));
        pugi::xml_document svg;
        ASSERT_TRUE(svg.load_string(second.c_str()));
        EXPECT_EQ(svg.select_nodes("//*[@inkscape:groupmode='layer']").size(), 1u);

        // Every line ends in the file's own line break.
        for (std::size_t at = second.find('\n'); at != std::string::npos; at = second.find('\n', at + 1))
            EXPECT_EQ(at > 0 && second[at - 1] == '\r', newline == "\r\n") << "at byte " << at;

        // A document whose chart layer went takes the old chart with it.
        Document withoutChart = Document::emptyA4();
        const std::string none = svgWithChart(again, withoutChart);
        EXPECT_EQ(none.find("inkscape:groupmode"), std::string::npos);
        EXPECT_EQ(none.substr(none.size() - 6 - newline.size()), "</svg>" + newline);
    }
}

TEST(SvgChartWriter, EscapesOddTextAndMarksLocksAndIdsThatCannotCollide) {
    Drawing drawing;
    // The file already uses the writer's first choice of id prefix.
    drawing.bytes.insert(drawing.bytes.find("  <rect"), "  <linearGradient id=\"vyn-gradient-1\"/>\n");
    const std::u16string odd = u"Pattern <Dots & \"Stripes\"> \u2022 caf\u00e9 \U0001F600\x01";
    const PatternId dots = drawing.document.addPattern({"<Dots & \"Stripes\">"});
    PatternPaint patterned;
    patterned.pattern = dots;
    drawing.addRow(0, patterned, odd);
    Art &lockedBox =
        *drawing.document.art(drawing.document.art(drawing.chartGroup)->group()->children.inOrder()[0]);
    drawing.document.setAttributes(lockedBox, kLocked, kLocked);
    lockedBox.tags["quote\"d"] = {"string", "not a name: left out"};
    lockedBox.tags["note"] = {"string", "a \"quoted\" <value> & a\nline"};
    drawing.document.layer(drawing.document.layers()[0].id)->editable = false;

    const std::string out = svgWithChart(drawing.source(), drawing.document);
    pugi::xml_document svg;
    ASSERT_TRUE(svg.load_string(out.c_str())) << out;
    const pugi::xml_node layer = chartLayer(svg);
    EXPECT_STREQ(layer.attribute("sodipodi:insensitive").value(), "true") << "the locked chart layer";
    EXPECT_STREQ(layer.attribute("xmlns:sodipodi").value(),
                 "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd");
    const pugi::xml_node lockedPath = layer.child("g").child("path"); // the row's box
    EXPECT_STREQ(lockedPath.attribute("sodipodi:insensitive").value(), "true");
    EXPECT_STREQ(lockedPath.attribute("vyn:tag-note").value(), "a \"quoted\" <value> & a\nline");
    EXPECT_EQ(out.find("not a name"), std::string::npos);
    EXPECT_STREQ(layer.select_node(".//tspan").node().child_value(),
                 "Pattern <Dots & \"Stripes\"> \xE2\x80\xA2 caf\xC3\xA9 \xF0\x9F\x98\x80")
        << "UTF-8, with the control character XML cannot hold left out";

    std::set<std::string> ids;
    for (const pugi::xpath_node &node : svg.select_nodes("//*[@id]"))
        EXPECT_TRUE(ids.insert(node.node().attribute("id").value()).second)
            << "duplicate id " << node.node().attribute("id").value();
    const std::string fill = declared(lockedPath, "fill");
    EXPECT_EQ(fill.rfind("url(#vyn2-", 0), 0u) << fill;
    const std::string id = fill.substr(5, fill.find(')') - 5);
    EXPECT_TRUE(svg.select_node(("//pattern[@id='" + id + "']").c_str()))
        << "the pattern placeholder is defined";
}

std::string gunzip(const std::string &bytes) {
    z_stream stream{};
    EXPECT_EQ(inflateInit2(&stream, 15 + 16), Z_OK);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    std::string out;
    char buffer[4096];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef *>(buffer);
        stream.avail_out = sizeof buffer;
        status = inflate(&stream, Z_NO_FLUSH);
        out.append(buffer, sizeof buffer - stream.avail_out);
    }
    EXPECT_EQ(status, Z_STREAM_END);
    inflateEnd(&stream);
    return out;
}

TEST(SvgChartWriter, CompressesWhenAskedWhateverTheSourceWas) {
    Drawing drawing;
    drawing.addRow(0, GrayPaint{0.5f}, u"Gray=50 %");
    SvgSource source = drawing.source();
    const std::string expected = svgWithChart(source, drawing.document);
    vyn::test::TempFolder folder;

    source.gzipped = true;
    EXPECT_FALSE(writeSvgWithChart(source, drawing.document, folder / "plain.svg", false));
    EXPECT_EQ(vyn::test::readFile(folder / "plain.svg"), expected);
    source.gzipped = false;
    EXPECT_FALSE(writeSvgWithChart(source, drawing.document, folder / "compressed.svgz", true));
    const std::string compressed = vyn::test::readFile(folder / "compressed.svgz");
    EXPECT_EQ(compressed.substr(0, 2), "\x1f\x8b");
    EXPECT_EQ(gunzip(compressed), expected);

    const auto missing = folder / "missing" / "out.svg";
    const auto failure = writeSvgWithChart(source, drawing.document, missing, false);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->message(missing), "cannot write " + missing.string() + ": No such file or directory");
}

} // namespace
