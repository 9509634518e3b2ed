// The alert shown when start-up fails: which codes are shown, and how the
// message is found in the error string list and formatted.
#include "PluginHarness.h"

namespace vyn::test {
namespace {

const std::string kThreePairs = "MEM!\nOut of memory (%s).\n-108\nSystem error %s.\nCANT\nCannot complete.\n";

struct AlertCase {
    const char *what;
    std::string errorList;
    ASErr code;
    std::vector<std::string> alerts;
};

// Makes start-up fail with `code` right after the suites are acquired.
std::vector<std::string> alertsForFailedStartup(const AlertCase &c, int *listReads = nullptr) {
    BundleCopy bundle(c.errorList);
    PluginHarness h(bundle.folder());
    h.host().faults().failCall("SP Plug-ins Suite", "SetPluginName", 1, c.code);
    auto failures = h.start();
    EXPECT_EQ(failures.size(), 1u) << c.what;
    EXPECT_EQ(h.host().blocks().liveBlocks(), 0u) << c.what;
    EXPECT_EQ(h.host().registry().outstanding(), 0) << c.what << ": the borrowed ADM Basic is given back";
    if (listReads) *listReads = h.host().faults().calls("ADM Basic Suite", "GetIndexString");
    return h.alerts();
}

TEST(ErrorAlert, FindsAndFormatsTheMessageForTheCode) {
    // " code %s." is 9 characters.
    const std::string exactly120 = "ABCD\n" + std::string(111, 'x') + " code %s.\n";
    const std::string just119 = "ABCD\n" + std::string(110, 'x') + " code %s.\n";
    AlertCase cases[] = {
        {"a four-character code", kThreePairs, kOutOfMemoryErr, {"Out of memory (MEM!)."}},
        {"a negative system code", kThreePairs, -108, {"System error -108."}},
        {"a code without a pair: the last message",
         kThreePairs,
         AS_FOURCC('W', 'X', 'Y', 'Z'),
         {"Cannot complete."}},
        {"a small positive code", "ABCD\nCode %s.\n", 300, {"Code 300."}},
        {"a 120-character template is not formatted",
         exactly120,
         AS_FOURCC('A', 'B', 'C', 'D'),
         {std::string(111, 'x') + " code %s."}},
        {"a 119-character template is",
         just119,
         AS_FOURCC('A', 'B', 'C', 'D'),
         {std::string(110, 'x') + " code ABCD."}},
        {"an empty list shows nothing", "", kOutOfMemoryErr, {}},
        {"a stray percent sign is shown as it is",
         "MEM!\n100% sure: %s\n",
         kOutOfMemoryErr,
         {"100% sure: MEM!"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(alertsForFailedStartup(c), c.alerts) << c.what;
}

TEST(ErrorAlert, FilteredCodesShowNothingAndReadNoList) {
    for (ASErr code : {AS_FOURCC('S', 'T', 'O', 'P'), AS_FOURCC('p', 'F', 'l', 's'), ASErr(361),
                       AS_FOURCC('F', 'M', 'T', '?')}) {
        int reads = -1;
        EXPECT_TRUE(alertsForFailedStartup({"filtered", kThreePairs, code, {}}, &reads).empty()) << code;
        EXPECT_EQ(reads, 0) << code;
    }
}

TEST(ErrorAlert, TheShippedListHasAGeneralMessage) {
    PluginHarness h;
    h.host().faults().failCall("SP Plug-ins Suite", "SetPluginName", 1, AS_FOURCC('Q', 'Q', 'Q', 'Q'));
    h.start();
    ASSERT_EQ(h.alerts().size(), 1u) << "every unlisted code gets the general message";
    EXPECT_NE(h.alerts()[0].find("QQQQ"), std::string::npos) << h.alerts()[0];
}

} // namespace
} // namespace vyn::test
