// Numbers and text as they go into every SVG the host writes: documents at
// the model's precision and escaped strictly, dialog pictures in hundredths
// of a pixel and escaped leniently.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "render/SvgMarkup.h"

namespace vyn::host::testing {
namespace {

TEST(SvgMarkup, WritesNumbersAtEitherPrecision) {
    struct Case {
        double value;
        const char *single, *hundredths;
    };
    const Case cases[] = {
        {841.89, "841.89", "841.89"},
        {0.1, "0.1", "0.1"},
        {-0.0, "0", "0"},
        {4.2333333, "4.233333", "4.23"},
        {-3.5e-05, "-3.5e-05", "0"},
        {16777217, "16777216", "16777217"}, // past a float's integers
        {0.005, "0.005", "0.01"},
        {std::numeric_limits<double>::infinity(), "0", "0"},
        {std::numeric_limits<double>::quiet_NaN(), "0", "0"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(svgNumber(c.value), c.single) << c.value;
        EXPECT_EQ(svgNumber(c.value, SvgPrecision::Hundredths), c.hundredths) << c.value;
    }
}

TEST(SvgMarkup, EscapesTextForWhereItGoes) {
    struct Case {
        std::string text, asText, asAttribute, lenient;
    };
    const Case cases[] = {
        {"Fish & Chips", "Fish &amp; Chips", "Fish &amp; Chips", "Fish &amp; Chips"},
        {"<\"a\">", "&lt;\"a\"&gt;", "&lt;&quot;a&quot;&gt;", "&lt;&quot;a&quot;&gt;"},
        {"a\tb\nc\rd", "a&#9;b&#10;c&#13;d", "a&#9;b&#10;c&#13;d", "a\tbcd"},
        {std::string("x\x01y\0z", 5), "xyz", "xyz", "xyz"},
        {"bad \xFF byte", "bad \xEF\xBF\xBD byte", "bad \xEF\xBF\xBD byte", "bad \xFF byte"},
        {"no \xEF\xBF\xBE", "no ", "no ", "no \xEF\xBF\xBE"},
        {"Vyn\xE2\x80\xA2"
         "Colors",
         "Vyn\xE2\x80\xA2"
         "Colors",
         "Vyn\xE2\x80\xA2"
         "Colors",
         "Vyn\xE2\x80\xA2"
         "Colors"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(xmlEscaped(c.text), c.asText) << c.text;
        EXPECT_EQ(xmlEscaped(c.text, true), c.asAttribute) << c.text;
        EXPECT_EQ(xmlEscaped(c.text, XmlEscaping::Lenient), c.lenient) << c.text;
    }
}

} // namespace
} // namespace vyn::host::testing
