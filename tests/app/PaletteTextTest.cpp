// The names palettes give rows, and the text they hold: CSS property names,
// CSV fields, and each format's bytes for the chart made by hand.
#include <gtest/gtest.h>

#include "app/ChartByHand.h"
#include "palette/PaletteText.h"
#include "palette/Palettes.h"

namespace vyn::app {
namespace {

using namespace vyn::host;

TEST(PaletteText, CssNamesComeFromLabels) {
    struct Case {
        const char *label, *name;
    } cases[] = {
        {"C=2 M=66 Y=96 K=0", "--c-2-m-66-y-96-k-0"},
        {"Spot color Brand red 82 %", "--spot-color-brand-red-82"},
        {"Gray=50 %", "--gray-50"},
        {"  --Leading and trailing--  ", "--leading-and-trailing"},
        {"Café crème", "--café-crème"},       // letters of other scripts stand as they are
        {"Rouge «vif» / 2", "--rouge-vif-2"}, // guillemets cannot
        {"a;b{c}d:e\"f'g\\h*/i<j>", "--a-b-c-d-e-f-g-h-i-j"},
        {"snake_case", "--snake_case"},
        {"\xff\xfe broken", "--broken"}, // what a malformed byte became is no letter
        {"漢字 1", "--漢字-1"},
        {"", "--row"},
        {"%%%", "--row"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(cssPropertyName(c.label), c.name) << c.label;
}

TEST(PaletteText, DuplicateNamesAreMadeUnique) {
    EXPECT_EQ(uniqueNames({"--a", "--b", "--a", "--a", "--a-2", "--b"}),
              (std::vector<std::string>{"--a", "--b", "--a-2", "--a-3", "--a-2-2", "--b-2"}));
    EXPECT_EQ(uniqueNames({}), std::vector<std::string>{});
}

TEST(PaletteText, CsvFieldsAreQuotedOnlyWhenNeedBe) {
    EXPECT_EQ(csvField("C=2 M=66 Y=96 K=0"), "C=2 M=66 Y=96 K=0");
    EXPECT_EQ(csvField("Leaf, green"), "\"Leaf, green\"");
    EXPECT_EQ(csvField("say \"red\""), "\"say \"\"red\"\"\"");
    EXPECT_EQ(csvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(csvField("cr\r"), "\"cr\r\"");
    EXPECT_EQ(csvField(""), "");
    EXPECT_EQ(csvField(" spaced "), " spaced ");
}

TEST(PaletteText, CsvTextIsNeverTakenForAFormula) {
    EXPECT_EQ(csvText("=HYPERLINK(\"x\")"), "\"'=HYPERLINK(\"\"x\"\")\"");
    EXPECT_EQ(csvText("+1"), "'+1");
    EXPECT_EQ(csvText("-2"), "'-2");
    EXPECT_EQ(csvText("@sum"), "'@sum");
    EXPECT_EQ(csvText("C=2"), "C=2");
}

TEST(PaletteText, NamesFitOnOneLine) {
    EXPECT_EQ(oneLine("a\nb\tc\rd\x7f"
                      "e\u2028f"),
              "a b c d e f");
    EXPECT_EQ(oneLine("ok \xc3"), "ok \uFFFD");
    RowFacts row;
    row.number = 4;
    EXPECT_EQ(swatchName(row), "Row 4");
    row.label = "C=2\nM=66";
    row.overprint = true;
    EXPECT_EQ(swatchName(row), "C=2 M=66 (overprint)");
    EXPECT_EQ(rowName(row), "C=2 M=66");
    EXPECT_EQ(paletteTitle("some/folder/drawing.json"), "drawing");
    EXPECT_EQ(documentFileName("some/folder/drawing.json"), "drawing.json");
    EXPECT_EQ(paletteTitle(""), "Vyn\u2022Colors");
}

std::vector<RowFacts> byHand() {
    static const Document document = chartByHand();
    return rowFacts(document, chartRows(document), {.selectionOnly = false, .tints = false});
}

TEST(PaletteWriters, GplHoldsTheColourRows) {
    const PaletteText gpl = gplPalette(byHand(), "in/drawing.json");
    EXPECT_EQ(gpl.bytes, "GIMP Palette\n"
                         "Name: drawing\n"
                         "# The colours of drawing.json: a line a row of its Vyn\u2022Colors chart, in the "
                         "colour the row's box shows.\n"
                         "250  87  10\tC=2 M=66 Y=96 K=0\n"
                         "255  67  77\tSpot color Brand red 82 %\n"
                         "234 112  23\tR=234 G=112 B=23\n"
                         "  0   0   0\tRow 7\n");
    EXPECT_EQ(gpl.notes,
              (std::vector<std::string>{
                  "row 3 \"Gradient Radial Sunset\" is left out: a gradient, and a GIMP palette "
                  "holds colours only",
                  "row 4 \"Pattern Dots\" is left out: a pattern, and a GIMP palette holds colours only",
                  "row 6 \"Empty \" is left out: no paint, and a GIMP palette holds colours only",
              }));
}

TEST(PaletteWriters, AGplWithoutAColourSaysGimpWillNotLoadIt) {
    const PaletteText gpl = gplPalette({}, "empty.json");
    EXPECT_EQ(gpl.bytes.rfind("GIMP Palette\nName: empty\n# The colours of empty.json: ", 0), 0u)
        << gpl.bytes;
    EXPECT_EQ(gpl.notes,
              std::vector<std::string>{"the palette holds no colour, and GIMP loads none without one"});
}

TEST(PaletteWriters, CssHoldsColoursAndGradients) {
    std::vector<RowFacts> rows = byHand();
    rows[4].label = "R=234 */ G=112"; // a comment cannot hold "*/"
    const PaletteText css = cssPalette(rows, "folder/drawing.json");
    EXPECT_EQ(css.bytes,
              "@charset \"UTF-8\";\n"
              "/* The colours of drawing.json: a custom property a row of its Vyn\u2022Colors chart, in the "
              "colour the row's box shows. */\n"
              ":root {\n"
              "  --c-2-m-66-y-96-k-0: #fa570a; /* C=2 M=66 Y=96 K=0 */\n"
              "  --spot-color-brand-red-82: #ff434d; /* Spot color Brand red 82 % */\n"
              "  --gradient-radial-sunset: radial-gradient(circle closest-side, #000000 0%, #ffffff 100%); "
              "/* Gradient Radial Sunset */\n"
              "  --r-234-g-112: #ea7017; /* R=234 * / G=112 */\n"
              "  --row-7: #000000; /* Row 7 */\n"
              "}\n");
    EXPECT_EQ(css.notes.size(), 2u); // the pattern and the empty row
}

TEST(PaletteWriters, CsvHoldsEveryRow) {
    EXPECT_EQ(csvPalette(byHand()).bytes,
              "label,kind,name,type,values,display,uses,fill,stroke,overprint\r\n"
              "C=2 M=66 Y=96 K=0,process,,,0.02 0.66 0.96 0,#fa570a,3,3,0,false\r\n"
              "Spot color Brand red 82 %,custom,Brand red,spot,0.18,#ff434d,2,2,0,false\r\n"
              "Gradient Radial Sunset,gradient,Sunset,radial,,,1,1,0,false\r\n"
              "Pattern Dots,pattern,Dots,,,,1,0,1,false\r\n"
              "R=234 G=112 B=23,rgb,,,0.9176471 0.4392157 0.0901961,#ea7017,1,0,1,false\r\n"
              "Empty ,none,,,,,1,1,0,false\r\n"
              ",gray,,,NaN,#000000,0,0,0,false\r\n");
}

TEST(PaletteWriters, AseHoldsTheSwatchesInOneGroup) {
    const PaletteText ase = asePalette(byHand(), "drawing.json");
    const std::string &b = ase.bytes;
    ASSERT_GE(b.size(), 12u);
    EXPECT_EQ(b.substr(0, 4), "ASEF");
    EXPECT_EQ(b.substr(4, 4), std::string("\0\1\0\0", 4)); // version 1.0
    EXPECT_EQ(b.substr(8, 4), std::string("\0\0\0\6", 4)); // the group's start and end, and 4 colours
    // The group: its name, "drawing" and a zero, 8 units.
    EXPECT_EQ(b.substr(12, 6), std::string("\xc0\x01\0\0\0\x12", 6));
    EXPECT_EQ(b.substr(18, 2), std::string("\0\x08", 2));
    EXPECT_EQ(b.substr(b.size() - 6), std::string("\xc0\x02\0\0\0\0", 6)) << "the group's end, empty";
    EXPECT_EQ(ase.notes,
              (std::vector<std::string>{
                  "row 2 \"Spot color Brand red 82 %\" is written as Brand red at full strength: a "
                  "swatch exchange file holds no tints",
                  "row 3 \"Gradient Radial Sunset\" is left out: a gradient, and a swatch exchange "
                  "file holds colours only",
                  "row 4 \"Pattern Dots\" is left out: a pattern, and a swatch exchange file holds "
                  "colours only",
                  "row 6 \"Empty \" is left out: no paint, and a swatch exchange file holds colours "
                  "only",
              }));
}

TEST(Palettes, ByExtensionInAnyCase) {
    EXPECT_EQ(paletteFormatOf("a.gpl"), PaletteFormat::Gpl);
    EXPECT_EQ(paletteFormatOf("dir.x/A.ASE"), PaletteFormat::Ase);
    EXPECT_EQ(paletteFormatOf("a.Css"), PaletteFormat::Css);
    EXPECT_EQ(paletteFormatOf("a.csv"), PaletteFormat::Csv);
    EXPECT_EQ(paletteFormatOf("a.txt"), std::nullopt);
    EXPECT_EQ(paletteFormatOf("gpl"), std::nullopt);
}

} // namespace
} // namespace vyn::app
