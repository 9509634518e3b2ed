// Colour values as the SVG reader parses them: the forms that must be
// refused whole, rather than read past their end.
#include <gtest/gtest.h>

#include "svg/SvgColor.h"

namespace vyn::host::svg {
namespace {

TEST(SvgColor, HexColoursOfAnUnknownLengthAreRefused) {
    for (const char *text : {"#", "#1", "#12", "#12345", "#1234567", "#123456789", "#1234567890abcdef0123"})
        EXPECT_FALSE(parseColor(text)) << text;
    for (const char *text : {"#123", "#1234", "#123456", "#12345678"})
        EXPECT_TRUE(parseColor(text)) << text;
}

} // namespace
} // namespace vyn::host::svg
