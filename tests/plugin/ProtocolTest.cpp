// The protocols written in docs/protocols.md, replayed: each documented
// trace line must appear in the host's trace, in the documented order.
#include <map>
#include <regex>
#include <sstream>

#include "PluginHarness.h"
#include "dialog/DialogEngine.h"
#include "support/FileText.h"

namespace vyn::test {
namespace {

// The `code` lines of each numbered list, by section title.
std::map<std::string, std::vector<std::string>> documentedProtocols() {
    std::istringstream in(readFile(std::filesystem::path(VYN_SOURCE_DIR) / "docs" / "protocols.md"));
    std::map<std::string, std::vector<std::string>> protocols;
    std::string line, section;
    const std::regex step(R"(^\d+\. `([^`]+)`)");
    while (std::getline(in, line)) {
        std::smatch m;
        if (line.rfind("## ", 0) == 0)
            section = line.substr(3);
        else if (std::regex_search(line, m, step))
            protocols[section].push_back(m[1]);
    }
    return protocols;
}

// Whether `expected` occurs in `trace` in order, each as a line's start.
::testing::AssertionResult followsProtocol(const std::vector<std::string> &trace,
                                           const std::vector<std::string> &expected) {
    std::size_t at = 0;
    for (const auto &step : expected) {
        while (at < trace.size() && trace[at].rfind(step, 0) != 0)
            ++at;
        if (at == trace.size()) return ::testing::AssertionFailure() << "missing, or out of order: " << step;
        ++at;
    }
    return ::testing::AssertionSuccess();
}

TEST(Protocols, TheTraceFollowsTheDocumentedProtocols) {
    auto protocols = documentedProtocols();
    ASSERT_EQ(protocols.size(), 4u) << "start-up, menu command, unload and reload, shut-down";

    PluginHarness h;
    ASSERT_TRUE(h.start().empty());
    EXPECT_TRUE(followsProtocol(h.host().trace().lines(), protocols["Start-up"]));

    h.host().trace().clear();
    h.host().dialogs().user().pressOK();
    ASSERT_EQ(h.host().chooseMenuItem({"About Vyn•Tools…", "Vyn•Colors…"}), kNoErr);
    EXPECT_TRUE(followsProtocol(h.host().trace().lines(), protocols["Menu command"]));

    h.host().trace().clear();
    ASSERT_EQ(h.host().plugins().unload(*h.plugin()), kNoErr);
    ASSERT_EQ(h.host().plugins().reload(*h.plugin()), kNoErr);
    EXPECT_TRUE(followsProtocol(h.host().trace().lines(), protocols["Unload and reload"]));

    h.host().trace().clear();
    h.host().shutdown();
    EXPECT_TRUE(followsProtocol(h.host().trace().lines(), protocols["Shut-down"]));
}

} // namespace
} // namespace vyn::test
