// The JSON document format: the bundled example, exact round trips, and the
// faults a reader refuses with their place and reason.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <set>

#include "files/AtomicFile.h"
#include "document/JsonDocumentReader.h"
#include "document/JsonDocumentWriter.h"
#include "document/JsonLocation.h"
#include "support/FileText.h"
#include "support/TempFolder.h"

using namespace vyn::host;

namespace {

const std::filesystem::path kExample =
    std::filesystem::path(VYN_SOURCE_DIR) / "examples" / "every-paint.json";

std::string written(const Document &document) {
    StringSink sink;
    writeJsonDocument(document, sink);
    return sink.bytes();
}

Document readOrFail(std::string_view text) {
    JsonDocumentRead read = readJsonDocument(text);
    EXPECT_TRUE(read.document) << read.error.message("text", text);
    return read.document ? std::move(*read.document) : Document{};
}

std::vector<const Art *> allArt(const Document &doc, ArtId id, std::vector<const Art *> found = {}) {
    const Art *art = doc.art(id);
    found.push_back(art);
    if (const Group *g = art->group())
        for (ArtId child : g->children)
            found = allArt(doc, child, std::move(found));
    return found;
}

TEST(JsonDocument, TheBundledExampleLoadsWithEveryKindOfPaint) {
    JsonDocumentFileRead read = readJsonDocumentFile(kExample);
    ASSERT_TRUE(read.document) << read.error.message(kExample.string(), read.text);
    const Document &doc = *read.document;
    EXPECT_EQ(doc.artboards.size(), 2u);
    ASSERT_EQ(doc.layers().size(), 2u);
    EXPECT_FALSE(doc.layers()[1].editable) << "the background layer is locked";

    std::set<std::size_t> paintKinds;
    std::set<CustomColorKind> customKinds;
    std::set<GradientKind> gradientKinds;
    auto note = [&](const Paint &paint) {
        paintKinds.insert(paint.index());
        if (auto *c = std::get_if<CustomPaint>(&paint)) customKinds.insert(doc.customColor(c->color)->kind);
        if (auto *g = std::get_if<GradientPaint>(&paint))
            gradientKinds.insert(doc.gradient(g->gradient)->kind);
    };
    bool text = false;
    for (const Layer &layer : doc.layers())
        for (const Art *art : allArt(doc, layer.group)) {
            if (const PathShape *p = art->path()) {
                note(p->style.fill.paint);
                note(p->style.stroke.paint);
            }
            if (const TextFrame *t = art->textFrame()) {
                text = true;
                for (const TextRun &run : t->story.runs)
                    if (run.features.fill) note(*run.features.fill);
            }
        }
    EXPECT_EQ(paintKinds.size(), std::variant_size_v<Paint>);
    EXPECT_EQ(customKinds.size(), 3u) << "spot, process and registration";
    EXPECT_EQ(gradientKinds.size(), 2u) << "linear and radial";
    EXPECT_TRUE(text);
}

TEST(JsonDocument, WritingWhatWasReadGivesTheSameBytes) {
    const Document first = readOrFail(vyn::test::readFile(kExample));
    const std::string once = written(first);
    const std::string twice = written(readOrFail(once));
    EXPECT_EQ(once, twice);
}

std::uint32_t bits(float value) { return std::bit_cast<std::uint32_t>(value); }

TEST(JsonDocument, FloatsSurviveBitForBit) {
    const float awkward[] = {-0.0f,
                             0.1f,
                             1.0f / 3.0f,
                             std::numeric_limits<float>::denorm_min(),
                             std::numeric_limits<float>::min(),
                             std::numeric_limits<float>::max(),
                             -std::numeric_limits<float>::max(),
                             16777217.0f,
                             std::numeric_limits<float>::infinity(),
                             -std::numeric_limits<float>::infinity()};
    for (float value : awkward) {
        Document doc = Document::emptyA4();
        doc.artboards[0].bounds.left = value;
        PathShape shape;
        shape.segments.push_back({{value, value}, {value, 1}, {1, value}, true});
        shape.style.fillPainted = false; // not painted, yet holding a colour
        shape.style.fill.paint = ProcessPaint{value, 0, 0, value};
        shape.style.resolution = value;
        shape.style.stroke.dash = {2, value, {value, 0, 0, 0, 0, value}};
        doc.addArt(doc.insertLayer(0, "L").group, shape);

        const std::string text = written(doc);
        const Document back = readOrFail(text);
        SCOPED_TRACE(text);
        EXPECT_EQ(bits(back.artboards[0].bounds.left), bits(value));
        const PathShape &read =
            *back.art(back.art(back.layers()[0].group)->group()->children.inOrder()[0])->path();
        EXPECT_EQ(bits(read.segments[0].anchor.v), bits(value));
        EXPECT_EQ(bits(read.segments[0].in.h), bits(value));
        EXPECT_FALSE(read.style.fillPainted);
        EXPECT_EQ(bits(std::get<ProcessPaint>(read.style.fill.paint).black), bits(value));
        EXPECT_EQ(bits(read.style.resolution), bits(value));
        EXPECT_EQ(bits(read.style.stroke.dash.lengths[5]), bits(value));
        EXPECT_EQ(read.style.stroke.dash.count, 2);
        EXPECT_EQ(written(back), text);
    }
}

TEST(JsonDocument, NotANumberIsWrittenAsAStringAndReadBack) {
    Document doc = Document::emptyA4();
    doc.artboards[0].bounds.right = std::numeric_limits<float>::quiet_NaN();
    const std::string text = written(doc);
    EXPECT_NE(text.find("\"NaN\""), std::string::npos);
    EXPECT_TRUE(std::isnan(readOrFail(text).artboards[0].bounds.right));
}

TEST(JsonDocument, TheMostRecentlyFullySelectedArtStaysTheMostRecent) {
    Document doc = Document::emptyA4();
    const ArtId group = doc.insertLayer(0, "L").group;
    Art &lower = doc.addArt(group, PathShape{});
    Art &upper = doc.addArt(group, PathShape{});
    doc.setAttributes(upper, kFullySelected | kSelected, kFullySelected | kSelected);
    doc.setAttributes(lower, kFullySelected, kFullySelected);
    doc.setAttributes(lower, kFullySelected, 0); // cleared, but its moment is kept
    upper.tags["chart"] = {"string", "box"};
    upper.attributes |= 0x100;

    const std::string text = written(doc);
    const Document back = readOrFail(text);
    const auto children = back.art(back.layers()[0].group)->group()->children.inOrder();
    const Art &lowerBack = *back.art(children[0]), &upperBack = *back.art(children[1]);
    EXPECT_GT(lowerBack.fullySelectedAt, upperBack.fullySelectedAt);
    EXPECT_EQ(back.lastFullySelected(), &upperBack) << "only art that carries the mark counts";
    EXPECT_TRUE(back.selection().contains(upperBack.id)) << "the document's selection is rebuilt";
    EXPECT_EQ(lowerBack.attributes, 0u);
    EXPECT_EQ(upperBack.attributes, kFullySelected | kSelected | 0x100u);
    EXPECT_EQ(upperBack.tags.at("chart").value, "box");
    EXPECT_EQ(written(back), text);
}

// A valid document with `art` as the only art of its one layer.
std::string withArt(const std::string &art) {
    return R"({"format": "vyncolors-document", "version": 1,
 "artboards": [{"bounds": [0, 100, 100, 0]}],
 "swatches": {"customColors": [{"name": "Red", "kind": "spot", "color": {"cmyk": [0, 1, 1, 0]}}]},
 "layers": [{"title": "L", "art": [)" +
           art + "]}]}";
}

TEST(JsonDocument, BrokenDocumentsAreRefusedWithPlaceAndReason) {
    struct Case {
        std::string text;
        DocumentReadStatus status;
        std::string message; // after "doc.json:"
    };
    const std::string header = R"({"format": "vyncolors-document", "version": 1, )";
    const Case cases[] = {
        {"", DocumentReadStatus::NotJson,
         "1:1: error: the text is not JSON: unexpected end of input; expected '[', '{', or a literal"},
        {"{\"format\": 1,\n \"version\" 1}", DocumentReadStatus::NotJson,
         "2:12: error: the text is not JSON: unexpected number literal; expected ':'"},
        {"{\"a\": 1e400}", DocumentReadStatus::NotJson,
         "1:7: error: the text is not JSON: number overflow parsing '1e400'"},
        {"[]", DocumentReadStatus::WrongType, "1:1: error: a value has the wrong type: expected an object"},
        {R"({"format": "svg", "version": 1})", DocumentReadStatus::NotThisFormat,
         "1:12: error: this is not a Vyn document of a version this program reads: the format must be "
         "\"vyncolors-document\" (format)"},
        {header + R"("version": 2})", DocumentReadStatus::NotThisFormat,
         "1:59: error: this is not a Vyn document of a version this program reads: this program reads "
         "version 1 "
         "(version)"},
        {header + "\"layers\": []}", DocumentReadStatus::MissingMember,
         "1:1: error: a required member is missing: \"artboards\""},
        {header + R"("artboards": [{"bounds": [0, 1, 2, 3]}], "colour": "rgb"})",
         DocumentReadStatus::UnknownMember,
         "1:89: error: the format has no such member: \"colour\" (colour)"},
        {header + R"("artboards": [{"bounds": [0, 1, 2]}]})", DocumentReadStatus::BadValue,
         "1:73: error: the value is not allowed here: expected 4 numbers (artboards[0].bounds)"},
        {header + R"("artboards": [{"bounds": [0, 1, 2, 1e39]}]})", DocumentReadStatus::BadValue,
         "1:83: error: the value is not allowed here: beyond the range of a single-precision number "
         "(artboards[0].bounds[3])"},
        {header + R"("artboards": [{"bounds": [0, 1, 2, 3]}], "activeArtboard": 1})",
         DocumentReadStatus::BadValue,
         "1:107: error: the value is not allowed here: there is no artboard 1 (activeArtboard)"},
        {withArt(R"({"type": "path", "style": {"fill": {"paint": {"gray": "half"}}}})"),
         DocumentReadStatus::WrongType,
         "4:90: error: a value has the wrong type: expected a number "
         "(layers[0].art[0].style.fill.paint.gray)"},
        {withArt(R"({"type": "path", "style": {"fill": {"paint": {"custom": "Blue"}}}})"),
         DocumentReadStatus::UnknownSwatch,
         "4:92: error: no swatch of that name is defined: \"Blue\" "
         "(layers[0].art[0].style.fill.paint.custom)"},
        {withArt(R"({"type": "path", "style": {"stroke": {"paint": {"gray": 0, "rgb": [0, 0, 0]}}}})"),
         DocumentReadStatus::BadValue,
         "4:83: error: the value is not allowed here: a colour has one kind, not both gray and rgb "
         "(layers[0].art[0].style.stroke.paint)"},
        {withArt(R"({"type": "path", "style": {"stroke": {"cap": "square"}}})"), DocumentReadStatus::BadValue,
         "4:81: error: the value is not allowed here: \"square\" is not \"butt\", \"round\" or "
         "\"projecting\" "
         "(layers[0].art[0].style.stroke.cap)"},
        {withArt(R"({"type": "text", "runs": []})"), DocumentReadStatus::MissingMember,
         "4:36: error: a required member is missing: \"anchor\" (layers[0].art[0])"},
        {withArt(R"({"type": "group", "art": [{"type": "path", "pianted": true}]})"),
         DocumentReadStatus::UnknownMember,
         "4:79: error: the format has no such member: \"pianted\" (layers[0].art[0].art[0].pianted)"},
        {R"({"format": "vyncolors-document", "version": 1, "artboards": [{"bounds": [0, 1, 2, 3]}],
 "swatches": {"patterns": [{"name": "Dots"}, {"name": "Dots"}]}})",
         DocumentReadStatus::DuplicateSwatch,
         "2:55: error: a swatch of that name is already defined: \"Dots\" (swatches.patterns[1].name)"},
        {R"({"format": "vyncolors-document", "version": 1, "artboards": [{"bounds": [0, 1, 2, 3]}],
 "swatches": {"gradients": [{"name": "G", "stops": [{"position": 0, "color": {"pattern": "Dots"}}]}]}})",
         DocumentReadStatus::BadValue,
         "2:78: error: the value is not allowed here: a pattern colour is not allowed here "
         "(swatches.gradients[0].stops[0].color)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const JsonDocumentRead read = readJsonDocument(c.text);
        ASSERT_FALSE(read.document);
        EXPECT_EQ(read.error.status, c.status);
        EXPECT_EQ(read.error.message("doc.json", c.text), "doc.json:" + c.message);
    }
}

// Groups nested as deep as the SVG reader allows are read, quickly; deeper
// ones are refused where they pass the bound (a string holding brackets
// does not count), however deep the file goes.
TEST(JsonDocument, NestingIsBoundedAndReadInLinearTime) {
    auto nested = [](int groups, const std::string &inner) {
        std::string art;
        for (int k = 0; k < groups; ++k)
            art += R"({"type": "group", "art": [)";
        art += inner;
        for (int k = 0; k < groups; ++k)
            art += "]}";
        return withArt(art);
    };
    const std::string path = R"({"type": "text", "anchor": [0, 0], "runs": [{"text": "[[[{{{"}]})";
    const JsonDocumentRead deepest = readJsonDocument(nested(398, path));
    EXPECT_TRUE(deepest.document) << deepest.error.message("doc.json", nested(398, path));
    for (int groups : {405, 100'000}) {
        const std::string text = nested(groups, path);
        const JsonDocumentRead read = readJsonDocument(text);
        ASSERT_FALSE(read.document) << groups;
        EXPECT_EQ(read.error.status, DocumentReadStatus::TooDeep);
        ASSERT_TRUE(read.error.offset);
        EXPECT_EQ(*read.error.offset, *firstDeeperThan(text, kMaxDocumentNesting));
        EXPECT_EQ(text[*read.error.offset], '{');
    }
}

TEST(JsonDocument, OnlyARegularFileOfBoundedSizeIsRead) {
    vyn::test::TempFolder folder;
    const auto file = folder.path() / "doc.json";
    ASSERT_FALSE(writeFileAtomically(file, vyn::test::readFile(kExample)));
    EXPECT_TRUE(readJsonDocumentFile(file).document);

    const JsonDocumentFileRead tooLarge = readJsonDocumentFile(file, 100);
    EXPECT_FALSE(tooLarge.document);
    EXPECT_EQ(tooLarge.error.status, DocumentReadStatus::Unreadable);

    const JsonDocumentFileRead folderRead = readJsonDocumentFile(folder.path());
    EXPECT_FALSE(folderRead.document);
    EXPECT_EQ(folderRead.error.message("dir", folderRead.text)
                  .rfind("dir: error: the document cannot be read: ", 0),
              0u);
    EXPECT_EQ(readJsonDocumentFile(folder.path() / "missing.json").error.detail, "there is no such file");
}

// What the format cannot hold is refused before a byte is written, with the
// reason; the host never makes such a document, so it is built by hand.
TEST(JsonDocument, RefusesADocumentTheFormatCannotHoldWritingNothing) {
    struct Case {
        const char *name;
        void (*make)(Document &);
        const char *reason;
    };
    const Case cases[] = {
        {"two patterns of one name",
         [](Document &d) {
             d.addPattern({"Dots"});
             d.addPattern({"Dots"});
         },
         "two pattern swatches are named Dots"},
        {"a gradient stop holding a pattern",
         [](Document &d) {
             PatternPaint dots;
             dots.pattern = d.addPattern({"Dots"});
             d.addGradient({"Ramp", GradientKind::Linear, {GradientStop{0, 0.5f, dots}}});
         },
         "a gradient stop holds a pattern or a gradient"},
    };
    for (const Case &c : cases) {
        Document document = Document::emptyA4();
        c.make(document);
        StringSink sink;
        const auto refused = writeJsonDocument(document, sink);
        ASSERT_TRUE(refused) << c.name;
        EXPECT_EQ(refused->message("doc.json"), std::string("cannot write doc.json: ") + c.reason) << c.name;
        EXPECT_EQ(sink.bytes(), "") << c.name;
    }
}

} // namespace
