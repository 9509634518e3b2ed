// Line and column of a byte offset, as every reader's error and warning
// gives them: from 1, the column in bytes, only '\n' ending a line.
#include <gtest/gtest.h>

#include <string_view>

#include "files/TextPosition.h"

namespace vyn::host::testing {
namespace {

TEST(TextPosition, CountsLinesAndBytesFromOne) {
    const std::string_view text = "ab\ncd\r\n\n\xE2\x80\xA2x";
    struct Case {
        std::size_t offset, line, column;
    };
    const Case cases[] = {
        {0, 1, 1},  {2, 1, 3},              // the first line's end is still on it
        {3, 2, 1},  {5, 2, 3},  {6, 2, 4},  // '\r' is a byte of its line
        {7, 3, 1},  {8, 4, 1},  {11, 4, 4}, // a column counts bytes, not characters
        {12, 4, 5}, {99, 4, 5},             // the end, and past it
    };
    const LineStarts starts(text);
    for (const Case &c : cases) {
        const TextPosition many = starts.positionOf(c.offset), one = textPositionOf(text, c.offset);
        EXPECT_EQ(many.line, c.line) << c.offset;
        EXPECT_EQ(many.column, c.column) << c.offset;
        EXPECT_EQ(one.line, c.line) << c.offset;
        EXPECT_EQ(one.column, c.column) << c.offset;
    }
}

} // namespace
} // namespace vyn::host::testing
