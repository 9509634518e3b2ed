// The digits of the box labels, as the loaded module writes them.
#include "PluginHarness.h"

namespace vyn::test {
namespace {

class NumberTextTest : public ::testing::Test {
  protected:
    NumberTextTest() { EXPECT_TRUE(h_.start().empty()); }

    // The text and count that the module writes for `value` at `decimals`.
    std::string format(const char *value, int decimals) {
        h_.host().frontend().clear();
        const std::string probe = std::string("Probe Number ") + value + " " + std::to_string(decimals);
        EXPECT_EQ(h_.notify(probe.c_str()), kNoErr);
        auto shown = h_.host().frontend().texts(FrontendEvent::Kind::Alert);
        return shown.size() == 1 ? shown[0] : "(no alert)";
    }

    PluginHarness h_{kProbePluginsFolder};
};

TEST_F(NumberTextTest, WorkedValues) {
    struct Case {
        const char *value;
        int decimals;
        const char *shown;
    };
    const Case cases[] = {
        {"0", 0, "0|1"},
        {"0.4", 0, "0|1"},
        {"0.5", 0, "1|1"},
        {"2.5", 0, "3|1"},
        {"99.5", 0, "100|3"},
        {"127.5", 0, "128|3"},
        {"255", 0, "255|3"},
        {"0.5", 1, "0,5|3"},
        {"9.96", 1, "10,0|4"},
        {"3", 2, "3,00|4"},
        {"0.125", 2, "0,13|4"},
        {"12.345", 2, "12,35|5"},
        // What no label asks for still writes safely within the buffer.
        {"nan", 0, "?|1"},
        {"inf", 0, "?|1"},
        {"1e30", 0, "?|1"},
        {"-2.5", 0, "-3|2"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(format(c.value, c.decimals), c.shown) << c.value << " at " << c.decimals;
}

TEST_F(NumberTextTest, EveryWholeNumberUpTo200000IsItsUsualDigits) {
    EXPECT_EQ(h_.notify("Probe Whole Numbers"), kNoErr)
        << "first wrong number: "
        << ::testing::PrintToString(h_.host().frontend().texts(FrontendEvent::Kind::Alert));
}

} // namespace
} // namespace vyn::test
