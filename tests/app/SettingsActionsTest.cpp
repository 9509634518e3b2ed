// The options played into the settings dialog: the queue they make, and
// what they do to a dialog with the settings dialog's items.
#include <gtest/gtest.h>

#include <string>

#include "SettingsActions.h"
#include "host/ModelSettingsDialog.h"
#include "support/FileText.h"
#include "support/TempFolder.h"

namespace vyn::app {
namespace {

using host::testing::DialogTest;
namespace model = host::testing::model;

TypedLength length(std::string text, double points) { return {std::move(text), points}; }

TEST(SettingsActionsQueue, FollowsTheOrderOfTheDialogsItems) {
    DialogSettings s;
    s.other = false; // given first, played last: "Other" is the dialog's last box
    s.boxHeight = length("20", 20 * model::kMillimetre);
    s.textSize = length("14 pt", 14);
    s.font = "DejaVu Serif";
    s.custom = true;
    s.tints = false;
    s.offsetY = length("-3", -3);
    host::UserActions user;
    SettingsActions actions(s, false, std::nullopt);
    actions.queue(user);
    EXPECT_EQ(user.print(), "type(field 2, \"DejaVu Serif\")\n"
                            "type(field 4, \"14 pt\")\n"
                            "type(field 9, \"20\")\n"
                            "type(field 13, \"-3\")\n"
                            "set(checkbox 18, on)\n"
                            "set(checkbox 20, off)\n"
                            "set(checkbox 19, off)\n"
                            "inspect(\"the settings as the dialog took them\")\n"
                            "confirm(\"OK unless a setting was refused\")\n");
}

TEST(SettingsActionsQueue, CancelAndThePictureEndIt) {
    host::UserActions user;
    SettingsActions actions({}, true, "dialog.png");
    actions.queue(user);
    EXPECT_EQ(user.print(), "inspect(\"the settings as the dialog took them; picture for dialog.png\")\n"
                            "press(Cancel)\n");
}

// The same actions on a dialog with the settings dialog's items and
// procedures (the model in the host's tests).
class SettingsActionsPlayed : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        model::gSettings = {};
    }

    ASInt32 play(SettingsActions &actions) {
        actions.queue(user());
        return run(model::settingsDialogInit);
    }
};

TEST_F(SettingsActionsPlayed, TheDialogsProceduresTakeTheValues) {
    DialogSettings s;
    s.font = "Liberation Mono";
    s.textSize = length("20", 20);
    s.boxLength = length("40", 40 * model::kMillimetre);
    s.gap = length("0", 0);
    s.offsetX = length("1 mm", model::kMillimetre);
    s.patterns = true;  // already ticked: no click
    s.selection = true; // clear: clicked
    s.custom = false;   // clicked, which dims "Tints"
    s.tints = true;     // dimmed, but already ticked: nothing to do
    SettingsActions actions(s, false, std::nullopt);
    EXPECT_EQ(play(actions), kADMDefaultItemID) << replayed();
    SCOPED_TRACE(replayed());
    const model::Settings &got = model::gSettings;
    EXPECT_EQ(got.fontName, "Liberation Mono");
    EXPECT_EQ(got.font, 3);
    EXPECT_FLOAT_EQ(got.textSize, 20);
    EXPECT_FLOAT_EQ(got.length, 40 * model::kMillimetre);
    EXPECT_EQ(got.gap, 0);
    EXPECT_FLOAT_EQ(got.offsetX, model::kMillimetre);
    EXPECT_TRUE(got.patterns);
    EXPECT_TRUE(got.selection);
    EXPECT_FALSE(got.custom);
    EXPECT_TRUE(got.tints);
    EXPECT_TRUE(actions.refusals().empty());
    EXPECT_TRUE(actions.warnings().empty());
    EXPECT_TRUE(engine().problems().empty());
    EXPECT_TRUE(actions.reviewed());
}

TEST_F(SettingsActionsPlayed, AFontTheListDoesNotHoldIsRefusedAndCancelled) {
    for (const char *font : {"Comic Sans", "DejaVu", "dejavu sans"}) {
        SCOPED_TRACE(font);
        model::gSettings = {};
        DialogSettings s;
        s.font = font;
        s.gap = length("5", 5);
        SettingsActions actions(s, false, std::nullopt);
        EXPECT_EQ(play(actions), kADMCancelItemID) << replayed();
        EXPECT_EQ(actions.refusals(),
                  std::vector<std::string>{"--font: \"" + std::string(font) + "\" is not an installed font"});
        EXPECT_EQ(model::gSettings.fontName, "DejaVu Sans") << "the dialog's font stays";
    }
}

TEST_F(SettingsActionsPlayed, ValuesUnderAFieldsMinimumAreHeldThereAndReported) {
    DialogSettings s;
    s.textSize = length("20", 20);
    s.boxLength = length("5", 5 * model::kMillimetre); // under the text size
    s.boxHeight = length("20 pt", 20);                 // exactly the text size
    s.offsetY = length("20000", 20000);                // over the host's largest value
    SettingsActions actions(s, false, std::nullopt);
    EXPECT_EQ(play(actions), kADMDefaultItemID) << replayed();
    EXPECT_FLOAT_EQ(model::gSettings.length, 20);
    EXPECT_FLOAT_EQ(model::gSettings.height, 20);
    EXPECT_EQ(
        actions.warnings(),
        (std::vector<std::string>{"--box-length \"5\": the field's minimum is 7.06 mm, which is used",
                                  "--offset-y \"20000\": the field's maximum is 16383 pt, which is used"}));
}

TEST_F(SettingsActionsPlayed, ThePictureIsTheDialogJustBeforeCancel) {
    vyn::test::TempFolder folder;
    DialogSettings s;
    s.gap = length("7", 7);
    s.patterns = false;
    SettingsActions actions(s, true, folder / "dialog.svg");
    EXPECT_EQ(play(actions), kADMCancelItemID) << replayed();
    const std::string svg = vyn::test::readFile(folder / "dialog.svg");
    EXPECT_NE(svg.find(">7 pt</text>"), std::string::npos);
    EXPECT_NE(svg.find("<title>Patterns used will not be sought.</title>"), std::string::npos);

    // A picture that cannot be written refuses OK.
    SettingsActions unwritable(s, false, folder / "missing" / "dialog.png");
    EXPECT_EQ(play(unwritable), kADMCancelItemID) << replayed();
    ASSERT_EQ(unwritable.refusals().size(), 1u);
    EXPECT_NE(unwritable.refusals()[0].find("cannot write picture"), std::string::npos);
}

} // namespace
} // namespace vyn::app
