// Numbers as dialog fields show them and pictures write them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "text/DecimalText.h"
#include "dialog/DialogUnits.h"

namespace vyn::host {
namespace {

TEST(DecimalText, TwoDecimalsAtMostAndNoNegativeZero) {
    // Wider than any fixed printf buffer: every digit is kept.
    const double huge = 1e70;
    const std::string hugeText = "10000000000000000725314363815292351261583744096465219555182101554790400";
    struct Case {
        double value;
        std::string text;
    } cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {-0.001, "0"},
        {2.5, "2.5"},
        {4.2333, "4.23"},
        {-1.996, "-2"},
        {30.004, "30"},
        {1e15, "1000000000000000"},
        {huge, hugeText},
        {std::numeric_limits<double>::infinity(), "inf"},
        {std::nan(""), "nan"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(decimalText(c.value), c.text);
    }
    EXPECT_EQ(formatValue(huge, Unit::None), hugeText) << "a field shows the same text";
}

} // namespace
} // namespace vyn::host
