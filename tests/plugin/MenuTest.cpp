// The two menu commands: where they are installed, and where the dialogs
// they open are placed on the screen.
#include "frontend/MenuModel.h"
#include "PluginHarness.h"
#include "ADMIcon.h"
#include "dialog/DialogEngine.h"

namespace vyn::test {
namespace {

const std::vector<std::string> kSettings = {"Vyn•Tools", "Vyn•Colors…"};
const std::vector<std::string> kAbout = {"About Vyn•Tools…", "Vyn•Colors…"};
const std::vector<std::string> kListing = {"Tool Palettes › Vyn•Tools › Vyn•Colors…",
                                           "About › About Vyn•Tools… › Vyn•Colors…"};

int itemsOwnedBy(const MenuModel &menus, SPPluginRef owner) {
    int n = 0;
    for (const auto &path : {kSettings, kAbout})
        n += menus.findByPath(path)->owner == owner;
    return n;
}

TEST(Menus, MakesTheMakersSubmenusWhenNoneExist) {
    PluginHarness h;
    ASSERT_TRUE(h.start().empty());
    EXPECT_EQ(h.host().menus().listing(), kListing);
    EXPECT_EQ(h.host().menus().groups().size(), 4u) << "the host's two groups and the plug-in's two";
    EXPECT_EQ(h.host().menus().groupNamed("Vyn\xA5Tools")->owner, h.plugin()->ref);
    EXPECT_EQ(h.traced("call AI Menu Suite.AddMenuItem"), 4) << "two parent items, two commands";
}

TEST(Menus, AddsToTheMakersSubmenusWhenAnotherPlugInMadeThem) {
    PluginHarness h;
    auto other = reinterpret_cast<SPPluginRef>(0x99);
    MenuModel &menus = h.host().menus();
    menus.addSubmenuGroup("Vyn\xA5Tools", 1, menus.addItem(other, "", "Tool Palettes", u"Vyn•Tools", 0));
    menus.addSubmenuGroup("About Vyn\xA5Tools\xC9", 1,
                          menus.addItem(other, "", "About", u"About Vyn•Tools…", 0));

    ASSERT_TRUE(h.start().empty());
    EXPECT_EQ(menus.listing(), kListing);
    EXPECT_EQ(h.traced("call AI Menu Suite.AddMenuItem"), 2) << "only the two commands";
    EXPECT_EQ(h.traced("call AI Menu Suite.AddMenuGroupAsSubMenu"), 0);
    EXPECT_EQ(itemsOwnedBy(menus, h.plugin()->ref), 2);
}

TEST(Menus, AMenuErrorFailsStartUpButAFailedAboutInstallDoesNot) {
    {
        PluginHarness h;
        h.host().faults().failCall("AI Menu Suite", "AddMenuGroupAsSubMenu", 1, kCantHappenErr);
        EXPECT_TRUE(h.start().empty()) << "the About submenu's failure is ignored";
        EXPECT_EQ(h.host().menus().findByPath(kAbout), nullptr);
        EXPECT_EQ(h.host().menus().listing(),
                  (std::vector<std::string>{kListing[0], "About › About Vyn•Tools…"}))
            << "the parent item added before the failure stays";
    }
    {
        PluginHarness h;
        h.host().faults().failCall("AI Menu Suite", "AddMenuGroupAsSubMenu", 2, kCantHappenErr);
        auto failures = h.start();
        ASSERT_EQ(failures.size(), 1u);
        EXPECT_NE(failures[0].find("'CANT'"), std::string::npos);
        EXPECT_EQ(h.host().blocks().liveBlocks(), 0u);
        EXPECT_EQ(h.host().registry().outstanding(), 0);
    }
}

// The bounds the dialog of `command` had when the user closed it at once.
ADMRect openedBounds(ADMRect screen, const std::vector<std::string> &command) {
    PluginHarness h(kPluginsFolder, screen);
    EXPECT_TRUE(h.start().empty());
    h.host().dialogs().user().close();
    EXPECT_EQ(h.host().chooseMenuItem(command), kNoErr);
    const DialogSnapshot *last = h.host().dialogs().lastFinished();
    return last ? last->model.bounds : ADMRect{};
}

bool sameRect(const ADMRect &a, const ADMRect &b) {
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}

TEST(Menus, PlacesTheDialogsOnTheScreen) {
    struct Case {
        const char *what;
        ADMRect screen;
        const std::vector<std::string> &command;
        ADMRect expected;
    } cases[] = {
        {"settings, 1440 × 900", {0, 0, 900, 1440}, kSettings, {220, 490, 460, 950}},
        {"settings, a screen lower than the dialog", {0, 0, 200, 1440}, kSettings, {-13, 490, 227, 950}},
        {"settings, an odd free width", {0, 0, 900, 1025}, kSettings, {220, 282, 460, 742}},
        {"settings, a screen not at the origin", {100, 50, 1000, 1490}, kSettings, {220, 490, 460, 950}},
        {"About, 1440 × 900", {0, 0, 900, 1440}, kAbout, {176, 454, 546, 986}},
        {"About, a screen narrower than the box", {0, 0, 900, 501}, kAbout, {176, -16, 546, 516}},
    };
    for (const auto &c : cases) {
        ADMRect got = openedBounds(c.screen, c.command);
        EXPECT_TRUE(sameRect(got, c.expected))
            << c.what << ": got " << got.top << ", " << got.left << ", " << got.bottom << ", " << got.right;
    }
}

TEST(Menus, TheAboutCommandAnswersZeroHoweverItsBoxCloses) {
    PluginHarness h;
    ASSERT_TRUE(h.start().empty());
    h.host().dialogs().user().pressOK();
    EXPECT_EQ(h.host().chooseMenuItem(kAbout), kNoErr);
    h.host().dialogs().user().close();
    EXPECT_EQ(h.host().chooseMenuItem(kAbout), kNoErr);
    EXPECT_EQ(h.host().chooseMenuItem(kAbout), kNoErr) << "an empty queue closes it like Escape";
    EXPECT_GT(h.host().faults().calls(kADMIconSuite, "GetFromResource"), 0);
    EXPECT_EQ(h.host().dialogs().handles().liveIcons(), 0u) << "each drawing gives its picture back";
    ASSERT_EQ(h.host().dialogs().finished().size(), 3u);
    const DialogModel &about = h.host().dialogs().finished()[0].model;
    EXPECT_EQ(about.title, "About Vyn•Colors");
    ASSERT_EQ(about.items.size(), 1u);
    EXPECT_EQ(about.items[0].id, 1);
    EXPECT_EQ(about.items[0].font, 5);
    EXPECT_EQ(about.items[0].justify, 1);
}

} // namespace
} // namespace vyn::test
