// The settings dialog through the real loaded module: its items from the
// stored settings, its procedures, the live preview, the font list, and what
// OK and Cancel keep.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <optional>

#include "AIPreference.h"
#include "PluginHarness.h"
#include "dialog/DialogEngine.h"
#include "support/FileText.h"
#include "support/SuiteLease.h"

namespace vyn::test {
namespace {

const std::vector<std::string> kSettings = {"Vyn•Tools", "Vyn•Colors…"};
constexpr double kMm = 72.0 / 25.4;

// The settings dialog of one host over one preferences file: prepare the
// stored values, script the user, open the dialog, read what it showed.
class SettingsDialog {
  public:
    explicit SettingsDialog(const std::filesystem::path &prefs,
                            std::optional<std::vector<std::string>> fonts = kTestFonts)
        : h_(options(prefs, std::move(fonts))) {
        EXPECT_TRUE(h_.start().empty());
    }

    PluginHarness &harness() { return h_; }
    Host &host() { return h_.host(); }
    UserActions &user() { return h_.host().dialogs().user(); }

    // Opens the dialog; the queued actions run, and what the dialog looked
    // like just before it ended is returned.
    DialogSnapshot open() {
        std::optional<DialogSnapshot> seen;
        EXPECT_EQ(h_.host().chooseMenuItem(kSettings), kNoErr);
        const DialogSnapshot *last = h_.host().dialogs().lastFinished();
        EXPECT_NE(last, nullptr);
        return last ? *last : DialogSnapshot{};
    }

    void putReal(const char *key, double value) { prefs()->PutRealPreference("VynColors", key, value); }
    void putBoolean(const char *key, bool value) { prefs()->PutBooleanPreference("VynColors", key, value); }
    void putString(const char *key, const char *value) {
        prefs()->PutStringPreference("VynColors", key, value);
    }
    std::optional<double> real(const char *key) {
        double v = 0;
        return prefs()->GetRealPreference("VynColors", key, &v) == kNoErr ? std::optional(v) : std::nullopt;
    }
    std::optional<bool> boolean(const char *key) {
        ASBoolean v = 0;
        return prefs()->GetBooleanPreference("VynColors", key, &v) == kNoErr ? std::optional(v != 0)
                                                                             : std::nullopt;
    }
    std::string string(const char *key) {
        char v[256] = "";
        prefs()->GetStringPreference("VynColors", key, v, sizeof v);
        return v;
    }

    static inline const std::vector<std::string> kTestFonts = {"DejaVu Sans", "DejaVu Sans Bold",
                                                               "DejaVu Serif"};

  private:
    static HostOptions options(const std::filesystem::path &prefs,
                               std::optional<std::vector<std::string>> fonts) {
        HostOptions o;
        o.pluginsFolder = kPluginsFolder;
        o.preferencesFile = prefs;
        o.fonts = std::move(fonts);
        return o;
    }
    SuiteLease<const AIPreferenceSuite> &prefs() {
        if (!lease_) lease_.emplace(h_.host().registry(), kAIPreferenceSuite, kAIPreferenceSuiteVersion);
        return *lease_;
    }

    PluginHarness h_;
    std::optional<SuiteLease<const AIPreferenceSuite>> lease_;
};

const DialogItem &item(const DialogSnapshot &s, int id, ItemKind kind) {
    auto it = std::find_if(s.model.items.begin(), s.model.items.end(),
                           [&](const DialogItem &i) { return i.id == id && i.kind == kind; });
    EXPECT_NE(it, s.model.items.end()) << "no item " << id;
    return *it;
}
const DialogItem &field(const DialogSnapshot &s, int id) { return item(s, id, ItemKind::SpinEdit); }
const DialogItem &box(const DialogSnapshot &s, int id) { return item(s, id, ItemKind::TextCheckBox); }

// The preview's drawing: the index of item 21.
const DrawOps &preview(const DialogSnapshot &s) {
    for (std::size_t i = 0; i < s.model.items.size(); ++i)
        if (s.model.items[i].id == 21) return s.drawings.items.at(i);
    static const DrawOps none;
    ADD_FAILURE() << "no preview";
    return none;
}

// The preview's labels still standing: those no later clear covers.
std::vector<std::string> visibleLabels(const DrawOps &ops) {
    std::vector<std::string> visible;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (ops[i].kind != DrawOp::Kind::Text) continue;
        const int y = ops[i].from.v;
        const bool erased =
            std::any_of(ops.begin() + static_cast<std::ptrdiff_t>(i), ops.end(), [y](const DrawOp &op) {
                return op.kind == DrawOp::Kind::Clear && y >= op.rect.top && y < op.rect.bottom;
            });
        if (!erased) visible.push_back(ops[i].text);
    }
    return visible;
}

class SettingsDialogTest : public ::testing::Test {
  protected:
    TempFolder folder;
    std::filesystem::path prefs = folder / "preferences.json";
};

TEST_F(SettingsDialogTest, AFirstRunShowsTheDefaults) {
    SettingsDialog d(prefs);
    d.user().pressCancel();
    const DialogSnapshot s = d.open();
    EXPECT_EQ(s.model.title, "Vyn•Colors (Settings)");
    std::vector<int> ids;
    for (const auto &i : s.model.items)
        ids.push_back(i.id);
    EXPECT_EQ(ids, (std::vector<int>{2,  4,  3,  5,  6,  7,  8,  9,  10, 11, 12,
                                     13, 14, 15, 16, 17, 18, 20, 19, 21, 2,  1}));

    struct Field {
        int id;
        double points;
        Unit unit;
        std::optional<float> minimum;
    } fields[] = {
        {4, 12, Unit::Points, 0.1f},          {5, 30 * kMm, Unit::Millimetres, 12.0f},
        {7, 2, Unit::Points, 0.0f},           {9, 15 * kMm, Unit::Millimetres, 12.0f},
        {11, 12, Unit::Points, std::nullopt}, {13, 12, Unit::Points, std::nullopt},
    };
    for (const auto &f : fields) {
        EXPECT_FLOAT_EQ(field(s, f.id).value, static_cast<float>(f.points)) << f.id;
        EXPECT_EQ(field(s, f.id).unit, f.unit) << f.id;
        EXPECT_EQ(field(s, f.id).minimum, f.minimum) << f.id;
    }
    EXPECT_FALSE(box(s, 15).checked);
    EXPECT_EQ(box(s, 15).tooltip, "All colors of the document.");
    for (int id : {16, 17, 18, 19, 20})
        EXPECT_TRUE(box(s, id).checked) << id;
    EXPECT_TRUE(box(s, 20).enabled);
    EXPECT_EQ(box(s, 18).tooltip, "Custom colors used will be sought.");
    const DialogItem &fonts = item(s, 2, ItemKind::TextEditPopup);
    ASSERT_EQ(fonts.entries.size(), 3u);
    EXPECT_TRUE(fonts.entries[0].selected) << "the default font is the first";
    EXPECT_EQ(visibleLabels(preview(s)),
              (std::vector<std::string>{"Pattern", "Gradient", "Custom 100%", "Tint 82%", "Tint 48%",
                                        "Tint 32%", "C:2 M:66 Y:96 K:0"}));
    EXPECT_FALSE(d.real("CorpsCase")) << "Cancel saves nothing";
}

TEST_F(SettingsDialogTest, StoredSettingsComeBackAndOKSavesThem) {
    {
        SettingsDialog d(prefs);
        d.putReal("CorpsCase", 9);
        d.putReal("PosXCase", 12.3);
        d.putBoolean("CaseGlobales", false);
        d.putBoolean("CaseTeintes", false);
        d.putBoolean("CaseDegrades", false);
        d.putString("PoliceCase", "DejaVu Serif");
        d.user().pressOK();
        const DialogSnapshot s = d.open();
        EXPECT_FLOAT_EQ(field(s, 4).value, 9.0f);
        EXPECT_EQ(field(s, 5).minimum, 9.0f);
        EXPECT_FALSE(box(s, 20).enabled) << "Tints is dimmed while custom colours are not sought";
        EXPECT_FALSE(box(s, 20).checked);
        EXPECT_EQ(box(s, 17).tooltip, "Gradients used will not be sought.");
        EXPECT_TRUE(item(s, 2, ItemKind::TextEditPopup).entries[2].selected);
        EXPECT_EQ(d.real("PosXCase"), static_cast<double>(12.3f)) << "offsets keep float precision";
        d.host().shutdown();
    }
    SettingsDialog again(prefs);
    EXPECT_EQ(again.real("CorpsCase"), 9.0) << "the next run reads what OK saved";
    EXPECT_EQ(again.boolean("CaseGlobales"), false);
    EXPECT_EQ(again.string("PoliceCase"), "DejaVu Serif");
}

TEST_F(SettingsDialogTest, SavingRepairsABoxSmallerThanItsText) {
    struct Case {
        double text, length, height;
        double savedLength, savedHeight;
    } cases[] = {
        {40, 100, 30, 100, 15 * 72 / 25.4 * 1.0},
        {50, 100, 30, 100, 42.5196850393701}, // the reset size is fixed, even if still too small
        {12, 12, 12, 12, 12},                 // a box exactly as large as the text stays
    };
    for (const auto &c : cases) {
        SettingsDialog d(prefs);
        d.putReal("CorpsCase", c.text);
        d.putReal("LongueurCase", c.length);
        d.putReal("HauteurCase", c.height);
        d.user().pressOK();
        d.open();
        EXPECT_NEAR(*d.real("LongueurCase"), c.savedLength, 1e-9) << c.text;
        EXPECT_NEAR(*d.real("HauteurCase"), c.savedHeight, 1e-9) << c.text;
    }
}

TEST_F(SettingsDialogTest, TheKindRuleWarnsDimsTintsAndEmptiesThePreview) {
    SettingsDialog d(prefs);
    d.user().clickCheckBox(16).clickCheckBox(17).clickCheckBox(19);
    d.user().inspect("three cleared", [](const DialogSnapshot &s) {
        EXPECT_EQ(visibleLabels(preview(s)),
                  (std::vector<std::string>{"Custom 100%", "Tint 82%", "Tint 48%", "Tint 32%"}));
        EXPECT_EQ(box(s, 16).tooltip, "Patterns used will not be sought.");
    });
    d.user().clickCheckBox(18).pressOK();
    const DialogSnapshot s = d.open();
    EXPECT_EQ(d.harness().alerts(), std::vector<std::string>{}) << "error alerts";
    // The dialog warns once; OK then builds on the empty page, which has
    // nothing to list.
    EXPECT_EQ(d.host().frontend().texts(FrontendEvent::Kind::Alert),
              (std::vector<std::string>{"You have to select at least one box!",
                                        "The document has no path or only locked paths."}));
    EXPECT_FALSE(box(s, 20).enabled);
    EXPECT_TRUE(visibleLabels(preview(s)).empty());
    EXPECT_EQ(box(s, 18).tooltip, "Custom colors used will not be sought");
    EXPECT_EQ(d.boolean("CaseMotifs"), false) << "OK stays possible and stores the four false values";
}

TEST_F(SettingsDialogTest, TheTextSizeBecomesTheBoxesMinimum) {
    SettingsDialog d(prefs);
    d.user().type(4, "20").type(5, "5 mm").type(9, "1").pressCancel();
    const DialogSnapshot s = d.open();
    EXPECT_FLOAT_EQ(field(s, 5).value, 20.0f) << "5 mm is below 20 pt: the field holds 20 pt (7.06 mm)";
    EXPECT_FLOAT_EQ(field(s, 9).value, 20.0f);
    EXPECT_EQ(field(s, 5).shownText(), "7.06 mm");
}

TEST_F(SettingsDialogTest, ThePreviewShowsTheGapUpToEightPixels) {
    struct Case {
        const char *gap;
        int pixels;
    } cases[] = {{"0", 0}, {"7.9", 7}, {"100", 8}};
    for (const auto &c : cases) {
        SettingsDialog d(prefs);
        d.user().type(7, c.gap).pressCancel();
        const DialogSnapshot s = d.open();
        std::vector<int> tops;
        for (const DrawOp &op : preview(s))
            if (op.kind == DrawOp::Kind::Frame) tops.push_back(op.rect.top);
        std::vector<int> expected;
        for (int k = 0; k < 7; ++k)
            expected.push_back(k * (c.pixels + 15));
        EXPECT_EQ(tops, expected) << c.gap;
    }
}

TEST_F(SettingsDialogTest, TheFontListPrefersTheExactName) {
    struct Case {
        std::vector<std::string> fonts;
        const char *stored;
        int selected;
    } cases[] = {
        {{"Arial", "Arial Bold"}, "Arial Bold", 1},  {{"Arial", "Arial Bold"}, "Arial", 0},
        {{"Arial Bold", "Arial"}, "Arial Bold", 0},  // the exact name, not the last prefix
        {{"Arial Bold", "Arial"}, "Arial Black", 1}, // no exact name: the last prefix wins
        {{"Helvetica", "Arial"}, "Gone", 0},         // nothing matches: the first font
    };
    for (const auto &c : cases) {
        SettingsDialog d(prefs, c.fonts);
        d.putString("PoliceCase", c.stored);
        d.user().pressOK();
        const DialogSnapshot s = d.open();
        const auto &entries = item(s, 2, ItemKind::TextEditPopup).entries;
        for (int i = 0; i < static_cast<int>(entries.size()); ++i)
            EXPECT_EQ(entries[static_cast<std::size_t>(i)].selected, i == c.selected) << c.stored << " " << i;
        EXPECT_EQ(d.string("PoliceCase"), c.stored) << "OK stores the stored name again until the user picks";
    }
    SettingsDialog d(prefs, std::vector<std::string>{"Arial", "Arial Bold"});
    d.user().choose(2, "Arial Bold").pressOK();
    d.open();
    EXPECT_EQ(d.string("PoliceCase"), "Arial Bold");
}

TEST_F(SettingsDialogTest, AnIconGivesItsFieldTheFocusAndOnlyTheGapRedrawsThePreview) {
    SettingsDialog d(prefs);
    struct Case {
        int icon, field;
    } cases[] = {{3, 4}, {6, 5}, {8, 7}, {10, 9}, {12, 11}, {14, 13}};
    for (const auto &c : cases) {
        d.user().clickIcon(c.icon).inspect("focus", [c](const DialogSnapshot &s) {
            ASSERT_TRUE(s.model.focus);
            EXPECT_EQ(s.model.items[*s.model.focus].id, c.field) << "icon " << c.icon;
        });
    }
    d.user().pressCancel();
    const int before = d.harness().traced("dialog draw item 21");
    d.open();
    const int shown = d.harness().traced("dialog draw item 21") - before;
    EXPECT_EQ(shown, 1) << "drawn once, when the dialog is shown";

    d.user().type(5, "40").type(7, "5").pressCancel();
    const int again = d.harness().traced("dialog draw item 21");
    d.open();
    EXPECT_EQ(d.harness().traced("dialog draw item 21") - again, 2) << "shown, then the gap; not the length";
}

TEST_F(SettingsDialogTest, CancelKeepsThePlaceButNotTheSettings) {
    SettingsDialog d(prefs);
    d.user().move(10, -20).type(4, "30").pressCancel();
    const DialogSnapshot first = d.open();
    d.user().pressCancel();
    const DialogSnapshot second = d.open();
    EXPECT_EQ(second.model.bounds.top, first.model.bounds.top);
    EXPECT_EQ(second.model.bounds.left, first.model.bounds.left);
    EXPECT_EQ(first.model.bounds.top, 230) << "moved 10 down from 220";
    EXPECT_FLOAT_EQ(field(second, 4).value, 12.0f) << "the cancelled text size is forgotten";
}

TEST_F(SettingsDialogTest, ADamagedPreferencesFileIsSetAsideAndTheDefaultsShown) {
    const std::string damaged = "{\"VynColors\": {\"CorpsCase\": 30.0,";
    std::ofstream(prefs) << damaged;
    SettingsDialog d(prefs);
    d.user().pressOK();
    const DialogSnapshot s = d.open();
    EXPECT_FLOAT_EQ(field(s, 4).value, 12.0f) << "the defaults";
    const auto warnings = d.host().frontend().texts(FrontendEvent::Kind::Warning);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find(prefs.string()), std::string::npos) << warnings[0];
    EXPECT_EQ(readFile(prefs.string() + ".damaged-1"), damaged) << "nothing lost";
    EXPECT_EQ(d.real("CorpsCase"), 12.0) << "OK saved a sound file in its place";
}

TEST_F(SettingsDialogTest, AReloadedModulePlacesTheDialogAsStartUpDid) {
    SettingsDialog d(prefs);
    LoadedPlugin &plugin = *d.harness().plugin();
    d.host().plugins().unload(plugin);
    ASSERT_EQ(d.host().plugins().reload(plugin), kNoErr);
    d.user().pressCancel();
    const DialogSnapshot s = d.open();
    EXPECT_EQ(s.model.bounds.top, 220);
    EXPECT_EQ(s.model.bounds.left, 490);
}

TEST_F(SettingsDialogTest, WithoutAnyFontTheDialogSaysWhyAndCloses) {
    SettingsDialog d(prefs, std::vector<std::string>{});
    const DialogSnapshot s = d.open(); // the empty queue closes it
    ASSERT_EQ(s.model.items.size(), 1u);
    EXPECT_EQ(s.model.items[0].text, "Cancel");
    ASSERT_EQ(d.host().frontend().texts(FrontendEvent::Kind::Alert).size(), 1u);
    EXPECT_FALSE(d.real("CorpsCase"));
}

} // namespace
} // namespace vyn::test
