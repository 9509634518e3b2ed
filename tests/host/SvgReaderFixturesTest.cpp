// The SVG fixture corpus (tests/fixtures/svg/<topic>/*.svg), each file read
// and compared with the model it must give, as short lines (SvgModelDump.h):
// layers, art kinds, paints, geometry, attributes and tags, warnings, or the
// one error. Every readable fixture is also checked for the map the writer
// uses: spans that are whole elements, in order, never overlapping.
#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdio>
#include <string>

#include "SvgModelDump.h"
#include "chart/ChartConventions.h"
#include "document/JsonDocumentReader.h"
#include "support/FileText.h"
#include "svg/SvgDocumentReader.h"

namespace vyn::host::svg {
namespace {

const std::string kFixtures = std::string(VYN_SOURCE_DIR) + "/tests/fixtures/svg/";

struct FixtureCase {
    const char *file; // under tests/fixtures/svg/
    const char *expected;
    const char *select = "";
};

// clang-format off
const FixtureCase kCases[] = {
#include "SvgReaderFixtureCases.inc"
};
// clang-format on

SvgDocumentRead readFixture(const FixtureCase &c) {
    SvgReadOptions options;
    options.select = c.select;
    options.chart = vyn::app::svgChartMarks();
    return readSvgDocument(vyn::test::readFile(kFixtures + c.file), c.file, options);
}

class SvgFixture : public testing::TestWithParam<FixtureCase> {};

TEST_P(SvgFixture, GivesTheExpectedModel) {
    const FixtureCase &c = GetParam();
    EXPECT_EQ(dumpSvgRead(readFixture(c)), c.expected) << c.file;
}

// Each element the writer may cut is one whole element: its span starts
// with its start tag and ends with its end tag (or "/>"), the spans follow
// the file's order without overlapping, and none reaches into the root's
// end tag, which is where it says.
TEST_P(SvgFixture, SpansAreWholeElementsInOrder) {
    const SvgDocumentRead read = readFixture(GetParam());
    if (!read.document) GTEST_SKIP() << "no document";
    const SvgSource &source = read.source;
    std::size_t previousEnd = 0;
    for (const SourceElement &element : source.elements) {
        ASSERT_LT(element.span.begin, element.span.end);
        ASSERT_LE(previousEnd, element.span.begin);
        ASSERT_LE(element.span.end, source.rootEndTag);
        EXPECT_NE(element.artCount, 0u);
        const std::string text =
            source.bytes.substr(element.span.begin, element.span.end - element.span.begin);
        const std::size_t nameEnd = text.find_first_of(" \t\r\n/>", 1);
        const std::string name = text.substr(1, nameEnd - 1);
        EXPECT_EQ(text[0], '<') << text;
        const bool selfClosing = text.ends_with("/>") && text.find('>') == text.size() - 1;
        EXPECT_TRUE(selfClosing || text.ends_with("</" + name + ">")) << text;
        for (ArtId id : source.artOf(element))
            EXPECT_NE(read.document->art(id), nullptr);
        previousEnd = element.span.end;
    }
    EXPECT_EQ(source.bytes.substr(source.rootEndTag, 6), "</svg>");
    if (source.chartLayer) {
        const std::string layer =
            source.bytes.substr(source.chartLayer->begin, source.chartLayer->end - source.chartLayer->begin);
        EXPECT_TRUE(layer.starts_with("<g") && layer.ends_with("</g>")) << layer;
    }
}

// Prints every case with what the reader gives now, in the form of
// SvgReaderFixtureCases.inc, to review and paste after a deliberate change:
//   vyn_tests --gtest_also_run_disabled_tests --gtest_filter='*PrintCases*'
TEST(SvgFixtureCases, DISABLED_PrintCases) {
    for (const FixtureCase &c : kCases) {
        std::printf("{\"%s\", R\"(%s)\"%s%s%s},\n", c.file, dumpSvgRead(readFixture(c)).c_str(),
                    *c.select ? ", \"" : "", c.select, *c.select ? "\"" : "");
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, SvgFixture, testing::ValuesIn(kCases), [](const auto &info) {
    std::string name = info.param.file;
    for (char &ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name + (*info.param.select ? "_selected" : "");
});

std::string gzip(const std::string &bytes) {
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, bytes.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

// An .svgz gives the model the plain file gives, and the source keeps the
// decompressed bytes so that the chart goes back into them.
TEST(SvgCompressed, ReadsAsThePlainFileAndKeepsTheDecompressedBytes) {
    const std::string plain = vyn::test::readFile(kFixtures + "gradients/gradients.svg");
    const SvgDocumentRead fromPlain = readSvgDocument(plain, "g.svg");
    const SvgDocumentRead fromGzip = readSvgDocument(gzip(plain), "g.svg");
    EXPECT_EQ(dumpSvgRead(fromGzip), dumpSvgRead(fromPlain));
    EXPECT_TRUE(fromGzip.source.gzipped);
    EXPECT_EQ(fromGzip.source.bytes, plain);

    const SvgDocumentRead cut = readSvgDocument(gzip(plain).substr(0, 40), "cut.svgz");
    EXPECT_FALSE(cut.document);
    EXPECT_EQ(cut.errorMessage(), "cut.svgz: error: the compressed data is damaged or cut short");
}

std::size_t countPaths(const Document &document, ArtId id) {
    const Art *art = document.art(id);
    if (!art->group()) return art->path() ? 1 : 0;
    std::size_t paths = 0;
    for (ArtId child : art->group()->children)
        paths += countPaths(document, child);
    return paths;
}

// A million rectangles from a few lines of <use>: not a bomb, but past the
// budget, so the expansion stops there with a warning and the file is read.
// (Whether the art or the time bound stops it depends on the build.)
TEST(SvgUseBudget, CutsExpansionShortWithAWarning) {
    const SvgDocumentRead read = readFixture({"use/budget.svg", ""});
    ASSERT_TRUE(read.document) << read.errorMessage();
    const Document &d = *read.document;
    const std::size_t paths = countPaths(d, d.layers().front().group);
    EXPECT_GT(paths, 0u);
    EXPECT_LE(paths, 200'000u);
    ASSERT_EQ(read.warnings.size(), 1u);
    EXPECT_NE(read.warnings[0].find("warning: <use> expansion stops here"), std::string::npos)
        << read.warnings[0];
}

// Which layer is the chart, and which attributes are tags, the reader learns
// from its options alone; the source keeps them for the writer.
TEST(SvgChartMarks, ComeFromTheOptions) {
    const std::string file = "chart/earlier-chart.svg";
    const std::string bytes = vyn::test::readFile(kFixtures + file);
    const SvgDocumentRead marked = readFixture({file.c_str(), ""});
    ASSERT_TRUE(marked.document) << marked.errorMessage();
    EXPECT_TRUE(marked.source.chartLayer);
    EXPECT_EQ(marked.source.chart.layerTitle, vyn::app::kChartLayerTitle);
    EXPECT_NE(dumpSvgRead(marked).find("tag:VynColors=box"), std::string::npos);

    const SvgDocumentRead plain = readSvgDocument(bytes, file);
    ASSERT_TRUE(plain.document) << plain.errorMessage();
    EXPECT_FALSE(plain.source.chartLayer) << "without marks no layer is the chart";
    EXPECT_EQ(dumpSvgRead(plain).find("tag:"), std::string::npos) << "without a tag namespace no tags";
}

// A warning quotes a short excerpt of the value it names, cut between
// characters, however long the value is.
TEST(SvgWarnings, QuoteAtMostAnExcerptOfTheValue) {
    const std::string value = "caf\xC3\xA9" + std::string(100'000, 'x');
    const SvgDocumentRead read = readSvgDocument(
        R"(<svg xmlns="http://www.w3.org/2000/svg"><rect width="1" height="1" fill=")" + value + R"("/></svg>)",
        "long.svg");
    ASSERT_TRUE(read.document) << read.errorMessage();
    ASSERT_EQ(read.warnings.size(), 1u);
    EXPECT_LT(read.warnings[0].size(), 200u) << read.warnings[0].substr(0, 300);
    EXPECT_NE(read.warnings[0].find("\"caf\xC3\xA9xxx"), std::string::npos) << read.warnings[0];
    EXPECT_NE(read.warnings[0].find("x\xE2\x80\xA6\": "), std::string::npos) << read.warnings[0];
}

// What a file holds reaches a terminal only as text: control characters and
// bytes that are not UTF-8 are shown as \xNN, whatever message quotes them.
TEST(SvgWarnings, ShowControlsAndBytesThatAreNotTextEscaped) {
    struct Case {
        std::string quoted, shown;
    } cases[] = {
        {"\x1B[31mred", "\\x1B[31mred"},
        {"caf\xC3\xA9\tok", "caf\xC3\xA9\tok"},
        {"\xFF\xC3", "\\xFF\\xC3"},
        {"\xC2\x9B" "2J\x7F", "\\xC2\\x9B2J\\x7F"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shown);
        const SvgDocumentRead read = readSvgDocument(
            R"(<svg xmlns="http://www.w3.org/2000/svg"><rect width="1" height="1" fill=")" + c.quoted + R"("/></svg>)",
            "odd.svg");
        ASSERT_EQ(read.warnings.size(), 1u);
        EXPECT_NE(read.warnings[0].find("\"" + c.shown + "\": "), std::string::npos) << read.warnings[0];
    }
    const std::string text = "{\"format\": 1, \xFF}";
    const auto json = readJsonDocument(text);
    ASSERT_FALSE(json.document);
    const std::string message = json.error.message("odd.json", text);
    EXPECT_NE(message.find("last read: '1, \\xFF'"), std::string::npos) << message;
}

TEST(SvgSourceMap, KeepsTheFilesLineEndingAndIndentation) {
    const SvgDocumentRead read =
        readSvgDocument("<svg xmlns=\"http://www.w3.org/2000/svg\">\r\n<g id=\"a\">\r\n\t<rect width=\"1\" "
                        "height=\"1\"/>\r\n</g>\r\n</svg>",
                        "crlf.svg");
    ASSERT_TRUE(read.document) << read.errorMessage();
    EXPECT_EQ(read.source.newline, "\r\n");
    EXPECT_EQ(read.source.indent, "\t");
    ASSERT_EQ(read.source.elements.size(), 1u);
    EXPECT_EQ(read.source.elements[0].span.begin, read.source.bytes.find("<rect"));
}

TEST(SvgReadFile, NamesTheFileThatCannotBeRead) {
    const SvgDocumentRead read = readSvgDocumentFile(kFixtures + "no-such-file.svg");
    EXPECT_FALSE(read.document);
    EXPECT_EQ(read.errorMessage(),
              kFixtures + "no-such-file.svg: error: the file cannot be read: there is no such file");
}

} // namespace
} // namespace vyn::host::svg
