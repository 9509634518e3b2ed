// The host's own pieces, without a plug-in: encodings, the suite registry,
// the block allocator, fault injection, the gate and the menu model.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "memory/BlockAllocator.h"
#include "gate/CallGate.h"
#include "gate/FaultPlan.h"
#include "Host.h"
#include "gate/HostError.h"
#include "text/MacRoman.h"
#include "text/Utf.h"
#include "frontend/MenuModel.h"
#include "loader/PluginSet.h"
#include "model/Document.h"
#include "gate/SuiteRegistry.h"

using namespace vyn::host;

TEST(MacRoman, ConvertsThePlatformBytesBothWays) {
    struct Case {
        const char *macRoman;
        const char *utf8;
    } cases[] = {
        {"Vyn\xA5"
         "Colors\xC9",
         "Vyn•Colors…"},
        {"Mod\x8Fle", "Modèle"},
        {"\x80\xDB\xFF", "Ä€ˇ"},
        {"plain ASCII", "plain ASCII"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(macRomanToUtf8(c.macRoman), c.utf8);
        EXPECT_EQ(utf8ToMacRoman(c.utf8), c.macRoman);
        EXPECT_EQ(utf16ToUtf8(utf8ToUtf16(c.utf8)), c.utf8);
    }
    EXPECT_EQ(utf8ToMacRoman("漢 😀"), "? ?") << "characters Mac Roman lacks become '?'";
}

TEST(SuiteRegistry, CountsAcquisitionsPerRowWithoutVersionFallback) {
    SuiteRegistry registry;
    int table = 0;
    registry.add("AI Menu Suite", 1009, &table);

    EXPECT_EQ(registry.acquire("AI Menu Suite", 1009), &table);
    EXPECT_EQ(registry.acquire("AI Menu Suite", 1009), &table);
    EXPECT_EQ(registry.outstanding("AI Menu Suite", 1009), 2);

    auto codeOf = [](auto &&call) {
        try {
            call();
        } catch (const HostError &e) {
            return e.code();
        }
        return ASErr(kNoErr);
    };
    EXPECT_EQ(codeOf([&] { registry.acquire("AI Menu Suite", 1008); }), kSPSuiteNotFoundError);
    registry.setUnavailable("AI Menu Suite", 1009);
    EXPECT_EQ(codeOf([&] { registry.acquire("AI Menu Suite", 1009); }), kSPSuiteNotFoundError);

    registry.release("AI Menu Suite", 1009);
    registry.release("AI Menu Suite", 1009);
    EXPECT_EQ(registry.outstanding(), 0);
    EXPECT_EQ(codeOf([&] { registry.release("AI Menu Suite", 1009); }), kSPSuiteNotFoundError)
        << "a release without an acquisition is refused";
}

TEST(BlockAllocator, FailsAfterNBlocksAndAccountsPerOwner) {
    BlockAllocator blocks;
    auto owner = reinterpret_cast<SPPluginRef>(0x10);
    blocks.failAfter(2);
    void *a = blocks.allocate(10, owner);
    void *b = blocks.allocate(0, nullptr);
    EXPECT_NE(a, nullptr);
    EXPECT_NE(b, nullptr) << "a zero-sized block is still a block";
    EXPECT_EQ(blocks.allocate(1, owner), nullptr);
    EXPECT_EQ(blocks.liveBlocks(owner), 1u);
    EXPECT_EQ(blocks.liveBytes(owner), 10u);

    int notOurs = 0;
    EXPECT_FALSE(blocks.free(&notOurs));
    EXPECT_TRUE(blocks.free(a));
    EXPECT_FALSE(blocks.free(a)) << "a double free is refused";
    EXPECT_TRUE(blocks.free(b));
    EXPECT_EQ(blocks.liveBlocks(), 0u);
}

TEST(FaultPlan, StrikesAtTheNthCallAndOptionallyAfter) {
    FaultPlan plan;
    plan.failCall("S", "Once", 2, 7);
    plan.failCall("S", "FromThird", 3, 9, true);
    std::vector<std::optional<ASErr>> once, after;
    for (int i = 0; i < 4; ++i) {
        once.push_back(plan.onCall("S", "Once"));
        after.push_back(plan.onCall("S", "FromThird"));
    }
    EXPECT_EQ(once, (std::vector<std::optional<ASErr>>{std::nullopt, 7, std::nullopt, std::nullopt}));
    EXPECT_EQ(after, (std::vector<std::optional<ASErr>>{std::nullopt, std::nullopt, 9, 9}));
    EXPECT_EQ(plan.calls("S", "Once"), 4);
}

TEST(CallGate, TellsPluginMisuseFromHostFaults) {
    struct Case {
        const char *name;
        std::function<ASErr()> body;
        ASErr code;
        bool misuse, hostFault;
    } cases[] = {
        {"Fine", [] { return ASErr(kNoErr); }, kNoErr, false, false},
        {"Absent", []() -> ASErr { throw HostError(kNotFoundErr, "absent"); }, kNotFoundErr, false, false},
        {"Stale", []() -> ASErr { throw HostError(kBadParameterErr, "stale"); }, kBadParameterErr, true,
         false},
        {"Context", []() -> ASErr { throw HostError(kBadContextErr, "ctx"); }, kBadContextErr, true, false},
        {"NotOffered", []() -> ASErr { throw HostError(kCantHappenErr, "no"); }, kCantHappenErr, false, true},
        {"Bug", []() -> ASErr { throw std::runtime_error("oops"); }, kCantHappenErr, false, true},
        {"Foreign", []() -> ASErr { throw 42; }, kCantHappenErr, false, true},
        {"Memory", []() -> ASErr { throw std::bad_alloc(); }, kOutOfMemoryErr, false, true},
    };
    for (const auto &c : cases) {
        Host host;
        EXPECT_EQ(gate({"Test Suite", c.name}, [&](Host &) { return c.body(); }), c.code) << c.name;
        EXPECT_EQ(host.misbehaviour().size(), c.misuse ? 1u : 0u) << c.name;
        EXPECT_EQ(host.hostFaults().size(), c.hostFault ? 1u : 0u) << c.name;
    }
}

TEST(CallGate, InjectsFaultsInsteadOfTheCall) {
    Host host;
    host.faults().failCall("Test Suite", "Fine", 2, kOutOfMemoryErr);
    bool ran = false;
    auto body = [&](Host &) {
        ran = true;
        return ASErr(kNoErr);
    };
    EXPECT_EQ(gate({"Test Suite", "Fine"}, body), kNoErr);
    ran = false;
    EXPECT_EQ(gate({"Test Suite", "Fine"}, body), kOutOfMemoryErr) << "the second call is injected";
    EXPECT_FALSE(ran) << "an injected fault replaces the call";
    EXPECT_EQ(
        gateValue({"Test Suite", "Value"}, 5, [](Host &) -> int { throw HostError(kNotFoundErr, "x"); }), 5);
}

TEST(CallGate, ChecksTheContextOfEachOperation) {
    Host host;
    auto fine = [](Host &) { return ASErr(kNoErr); };
    EXPECT_EQ(gate({"S", "Doc", CallContext::DocumentOpen}, fine), kBadContextErr);
    EXPECT_EQ(gate({"S", "Msg", CallContext::DuringMessage}, fine), kBadContextErr);
    EXPECT_EQ(gate({"S", "Dlg", CallContext::InsideDialogProcedure}, fine), kBadContextErr);
    EXPECT_EQ(gate({"S", "Drw", CallContext::InsideDrawingProcedure}, fine), kBadContextErr);
    EXPECT_EQ(host.misbehaviour().size(), 4u) << "a call out of context is the plug-in's misuse";
    EXPECT_EQ(host.faults().calls("S", "Doc"), 0) << "a refused call does not count";

    PluginSet::MessageScope inside(host.plugins(), nullptr);
    EXPECT_EQ(gate({"S", "Msg", CallContext::DuringMessage}, fine), kNoErr);
    host.documents().open(Document::emptyA4());
    const Document *seen = nullptr;
    EXPECT_EQ(gate({"S", "Doc", CallContext::DocumentOpen},
                   [&](Host &, Document &document) {
                       seen = &document;
                       return ASErr(kNoErr);
                   }),
              kNoErr);
    EXPECT_EQ(seen, host.documents().current()) << "the body receives the open document";
}

TEST(CallGate, CountsCallsByNameWhereverTheNameIsSpelled) {
    // Two arrays with the same text stand for literals of two translation
    // units: they are one operation.
    static const char suiteA[] = "Test Suite", suiteB[] = "Test Suite";
    static const char opA[] = "Op", opB[] = "Op";
    FaultPlan plan;
    plan.failCall("Test Suite", "Op", 3, kOutOfMemoryErr);
    EXPECT_EQ(plan.onCall(suiteA, opA), std::nullopt);
    EXPECT_EQ(plan.onCall(suiteB, opB), std::nullopt);
    EXPECT_EQ(plan.onCall(suiteA, opB), kOutOfMemoryErr);
    EXPECT_EQ(plan.calls("Test Suite", "Op"), 3);
}

TEST(MenuModel, FindsItemsByPathAndListsThem) {
    MenuModel menus;
    auto plugin = reinterpret_cast<SPPluginRef>(0x20);
    const std::string tools = "Vyn\xA5Tools", colors = "Vyn•Colors…";
    AIMenuItemHandle parent = menus.addItem(plugin, tools, "Tool Palettes", u"Vyn•Tools", 0);
    menus.addSubmenuGroup(tools, 1, parent);
    AIMenuItemHandle command = menus.addItem(plugin, "", tools, u"Vyn•Colors…", 1);

    EXPECT_EQ(menus.findByPath({"Vyn•Tools", colors})->handle, command);
    EXPECT_EQ(menus.findByPath({"Tool Palettes", "Vyn•Tools", colors})->handle, command);
    EXPECT_EQ(menus.findByPath({colors}), nullptr) << "a path starts at a host group's items";
    EXPECT_EQ(menus.listing(), (std::vector<std::string>{"Tool Palettes › Vyn•Tools › Vyn•Colors…"}));

    EXPECT_THROW(menus.addItem(plugin, "", "No Such Group", u"x", 0), HostError);
    EXPECT_THROW(menus.addSubmenuGroup(tools, 1, command), HostError) << "the group name is taken";

    menus.dropPlugin(plugin);
    EXPECT_TRUE(menus.listing().empty());
    EXPECT_EQ(menus.groups().size(), 2u) << "the host's own groups stay";
}
