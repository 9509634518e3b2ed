// The dialog engine driven through the ADM suites by C procedures, the way a
// plug-in drives it: queue replay, typed values, default handling, closing,
// redrawing, nesting and stale handles.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "DialogFixture.h"
#include "frontend/Frontend.h"
#include "dialog/DialogUnits.h"

namespace vyn::host::testing {
namespace {

constexpr float kMillimetre = 2.8346457f;

int gPreviewDraws = 0;
ADMItemRef gSavedItem = nullptr;
ADMDrawerRef gSavedDrawer = nullptr;
ADMRect gCancelBounds{};

ADMItemRef create(ADMDialogRef d, int id, ADMItemType type, ADMRect r, ADMItemNotifyProc notify = nullptr) {
    return gADM.item->Create(d, id, type, &r, notify, nullptr, 0);
}

ADMItemRef sibling(ADMItemRef item, int id) { return gADM.dialog->GetItem(gADM.item->GetDialog(item), id); }

void logValue(ADMItemRef item, ADMNotifierRef) {
    char line[64];
    std::snprintf(line, sizeof line, "%d=%g", gADM.item->GetID(item), gADM.item->GetFloatValue(item));
    gLog.push_back(line);
}

void checkBoxChanged(ADMItemRef item, ADMNotifierRef notifier) {
    if (gADM.notifier->IsNotifierType(notifier, kADMUserChangedNotifier))
        gLog.push_back(std::to_string(gADM.item->GetID(item)) +
                       (gADM.item->GetBooleanValue(item) ? " on" : " off"));
    gADM.item->Invalidate(sibling(item, 21));
}

void listChanged(ADMItemRef item, ADMNotifierRef) {
    ADMEntryRef active = gADM.list->GetActiveEntry(gADM.item->GetList(item));
    gLog.push_back("3=" + (active ? std::to_string(gADM.entry->GetID(active)) : std::string("none")));
}

void iconClicked(ADMItemRef item, ADMNotifierRef) {
    gLog.push_back("icon");
    gADM.item->Activate(sibling(item, 7), true);
}

void drawPreview(ADMItemRef, ADMDrawerRef drawer) {
    ++gPreviewDraws;
    gSavedDrawer = drawer;
    ADMRGBColor red{0xFFFF, 0, 0};
    ADMRect box{0, 0, 10, 10};
    gADM.drawer->SetRGBColor(drawer, &red);
    gADM.drawer->FillRect(drawer, &box);
}

void okPressed(ADMItemRef item, ADMNotifierRef notifier) {
    gLog.push_back("ok");
    gADM.item->DefaultNotify(item, notifier);
}

void cancelPressed(ADMItemRef item, ADMNotifierRef notifier) {
    gLog.push_back("cancel");
    gADM.item->DefaultNotify(item, notifier);
    gADM.dialog->GetBoundsRect(gADM.item->GetDialog(item), &gCancelBounds);
}

ADMItemRef spinEdit(ADMDialogRef d, int id, ADMRect r, ADMUnits units, float minimum, float value) {
    ADMItemRef item = create(d, id, kADMSpinEditType, r, logValue);
    gADM.item->SetUnits(item, units);
    gADM.item->SetSmallIncrement(item, 1);
    gADM.item->SetLargeIncrement(item, 10);
    gADM.item->SetMinFloatValue(item, minimum);
    gADM.item->SetFloatValue(item, value);
    return item;
}

// A settings-like dialog: two fields, two check boxes (one dimmed), a
// pop-up, an icon, a picture drawn by the plug-in, Cancel and OK.
ADMErr ASAPI settingsInit(ADMDialogRef d) {
    ADMRect bounds{100, 100, 300, 480};
    gADM.dialog->SetBoundsRect(d, &bounds);
    gADM.dialog->SetText(d, "Test \xA5 Settings"); // Mac Roman bullet
    gSavedItem = spinEdit(d, 7, {10, 40, 32, 105}, kADMPointUnits, 0, 2);
    spinEdit(d, 5, {40, 40, 62, 105}, kADMMillimeterUnits, 12, 30 * kMillimetre);
    ADMItemRef patterns = create(d, 16, kADMTextCheckBoxType, {70, 10, 85, 90}, checkBoxChanged);
    gADM.item->SetText(patterns, "Patterns");
    gADM.item->SetBooleanValue(patterns, true);
    ADMItemRef tints = create(d, 20, kADMTextCheckBoxType, {90, 10, 105, 90}, checkBoxChanged);
    gADM.item->SetText(tints, "Tints");
    gADM.item->Enable(tints, false);
    ADMItemRef fonts = create(d, 3, kADMTextEditScrollingPopupType, {110, 10, 132, 150}, listChanged);
    ADMListRef list = gADM.item->GetList(fonts);
    const char *names[] = {"Alpha", "Beta", "Gamma"};
    for (int i = 0; i < 3; ++i) {
        ADMEntryRef entry = gADM.entry->Create(list);
        gADM.entry->SetText(entry, names[i]);
        gADM.entry->SetID(entry, i);
    }
    gADM.entry->Select(gADM.list->IndexEntry(list, 0), true);
    create(d, 6, kADMPicturePushButtonType, {10, 10, 32, 35}, iconClicked);
    ADMItemRef preview = create(d, 21, kADMPicturePushButtonType, {40, 300, 80, 360});
    gADM.item->SetDrawProc(preview, drawPreview);
    gADM.item->SetTipString(preview, "Example & more");
    ADMItemRef cancel = create(d, 2, kADMTextPushButtonType, {160, 10, 180, 100}, cancelPressed);
    gADM.item->SetText(cancel, "Cancel");
    ADMItemRef ok = create(d, 1, kADMTextPushButtonType, {160, 280, 180, 370}, okPressed);
    gADM.item->SetText(ok, "OK");
    gADM.item->SetJustify(ok, kADMCenterJustify);
    return kNoErr;
}

class DialogEngineTest : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        gPreviewDraws = 0;
        gSavedItem = nullptr;
        gSavedDrawer = nullptr;
        gCancelBounds = {};
    }

    const DialogItem &item(int id, ItemKind kind) {
        const DialogModel &model = engine().lastFinished()->model;
        auto index = model.find(id);
        for (std::size_t i = 0; i < model.items.size(); ++i)
            if (model.items[i].id == id && model.items[i].kind == kind) index = i;
        return model.items.at(*index);
    }
};

TEST_F(DialogEngineTest, ReplaysTheQueueThroughTheNotificationProcedures) {
    user()
        .type(7, "4 pt")
        .type(5, "40")
        .clickCheckBox(16)
        .choose(3, "Gamma")
        .clickIcon(6)
        .move(10, -20)
        .pressOK();
    const std::string queue = user().print();

    ASInt32 result = run(settingsInit);

    SCOPED_TRACE(replayed());
    EXPECT_EQ(result, kADMDefaultItemID);
    EXPECT_EQ(gLog, (std::vector<std::string>{"7=4", "5=113.386", "16 off", "3=2", "icon", "ok"}));
    const DialogSnapshot &last = *engine().lastFinished();
    EXPECT_EQ(last.replayLog(), queue);
    EXPECT_EQ(last.model.title, "Test \u2022 Settings");
    EXPECT_FALSE(item(16, ItemKind::TextCheckBox).checked);
    EXPECT_EQ(item(3, ItemKind::TextEditPopup).text, "Gamma");
    EXPECT_EQ(last.model.focus, last.model.find(7)); // the icon moved the focus to its field
    EXPECT_EQ(last.model.bounds.top, 110);
    EXPECT_EQ(last.model.bounds.left, 80);
    EXPECT_TRUE(user().empty());
    EXPECT_TRUE(engine().problems().empty());
}

TEST_F(DialogEngineTest, TypedTextIsReadInTheFieldsUnitAndHeldWithinItsLimits) {
    struct Case {
        int field;
        const char *typed;
        float points; // the field's value afterwards
        const char *shown;
        bool heard; // the field's procedure was notified
    };
    const Case cases[] = {
        {7, "4 pt", 4, "4 pt", true},
        {7, "+2.5", 2.5f, "2.5 pt", true},
        {7, "-3", 0, "0 pt", true},                         // minimum 0
        {7, "1e9", kADMHostMaximumValue, "16383 pt", true}, // the host's own maximum
        {7, "1 in", 72, "72 pt", true},
        {5, "30", 30 * kMillimetre, "30 mm", true},
        {5, "4 pt", 12, "4.23 mm", true}, // minimum 12 pt
        {5, " 2 CM ", 20 * kMillimetre, "20 mm", true},
        {7, "abc", 2, "2 pt", false},
        {7, "12 px", 2, "2 pt", false},
        {7, "", 2, "2 pt", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\" into field " + std::to_string(c.field));
        gLog.clear();
        host.frontend().clear();
        user().type(c.field, c.typed).pressOK();
        run(settingsInit);
        const DialogItem &field = item(c.field, ItemKind::SpinEdit);
        EXPECT_NEAR(field.value, c.points, 1e-3);
        EXPECT_EQ(field.shownText(), c.shown);
        EXPECT_EQ(gLog.size(), c.heard ? 2u : 1u) << "log: " << (gLog.empty() ? "" : gLog.front());
        EXPECT_EQ(host.frontend().texts(FrontendEvent::Kind::Beep).size(), c.heard ? 0u : 1u);
    }
}

TEST_F(DialogEngineTest, StepsMoveTheValueAndStopAtTheMinimum) {
    user().step(7, 3).step(7, -1, true).pressOK();
    run(settingsInit);
    SCOPED_TRACE(replayed());
    EXPECT_EQ(gLog, (std::vector<std::string>{"7=5", "7=0", "ok"}));
}

TEST_F(DialogEngineTest, TypingIntoThePopUpSelectsTheEntryOfThatNameOrNone) {
    struct Case {
        const char *typed, *heard;
    } cases[] = {
        {"Beta", "3=1"}, {"Bet", "3=none"}, {"beta", "3=none"}, {"Gamma ", "3=none"}, {"", "3=none"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
        gLog.clear();
        user().type(3, c.typed).pressOK();
        run(settingsInit);
        EXPECT_EQ(gLog, (std::vector<std::string>{c.heard, "ok"}));
        const DialogItem &list = item(3, ItemKind::TextEditPopup);
        EXPECT_EQ(list.text, c.typed) << "the field shows what was typed";
        EXPECT_EQ(list.selectedEntry() ? list.selectedEntry()->text : "none",
                  std::string(c.heard) == "3=1" ? "Beta" : "none");
    }
}

TEST_F(DialogEngineTest, SetClicksACheckBoxOnlyWhenItShowsTheOtherState) {
    // 16 starts ticked; 20 starts clear and dimmed.
    user()
        .setCheckBox(16, true)
        .setCheckBox(16, false)
        .setCheckBox(20, false)
        .setCheckBox(20, true)
        .pressOK();
    run(settingsInit);
    SCOPED_TRACE(replayed());
    EXPECT_EQ(gLog, (std::vector<std::string>{"16 off", "ok"}));
    ASSERT_EQ(engine().problems().size(), 1u);
    EXPECT_EQ(engine().problems()[0], "dialog \"Test\": set(checkbox 20, on): the check box is dimmed");
}

TEST_F(DialogEngineTest, ConfirmPressesOKWhenItsCheckApprovesAndCancelOtherwise) {
    for (bool approve : {true, false}) {
        gLog.clear();
        float seen = 0;
        user().type(7, "3").confirm("the gap is in", [&](const DialogSnapshot &s) {
            seen = s.model.items[*s.model.find(7)].value;
            return approve;
        });
        EXPECT_EQ(run(settingsInit), approve ? kADMDefaultItemID : kADMCancelItemID);
        EXPECT_EQ(seen, 3.0f) << "the check sees the dialog as it stands";
        EXPECT_EQ(gLog, (std::vector<std::string>{"7=3", approve ? "ok" : "cancel"}));
        EXPECT_EQ(engine().lastFinished()->replayLog(),
                  std::string("type(field 7, \"3\")\nconfirm(\"the gap is in\")\n") +
                      (approve ? "press(OK)\n" : "press(Cancel)\n"));
    }
}

// How a dialog ends, for dialogs with and without their own buttons.
ADMErr ASAPI aboutInit(ADMDialogRef d) {
    ADMItemRef button = create(d, 1, kADMTextPushButtonType, {10, 10, 30, 200});
    gADM.item->SetText(button, "Credits");
    return kNoErr;
}
ADMErr ASAPI endsAtOnce(ADMDialogRef d) {
    gLog.push_back(gADM.dialog->EndModal(d, 7, false) ? "ended" : "not ended");
    gLog.push_back(gADM.dialog->EndModal(d, 8, false) ? "ended" : "not ended");
    return kNoErr;
}
ADMErr ASAPI refuses(ADMDialogRef) { return kCantHappenErr; }
void okIgnored(ADMItemRef, ADMNotifierRef) { gLog.push_back("ok ignored"); }
ADMErr ASAPI stubbornInit(ADMDialogRef d) {
    create(d, 1, kADMTextPushButtonType, {10, 10, 30, 100}, okIgnored);
    create(d, 2, kADMTextPushButtonType, {10, 110, 30, 200}, okIgnored);
    return kNoErr;
}

TEST_F(DialogEngineTest, EndsAsTheButtonsAndTheClosedQueueSay) {
    struct Case {
        const char *name;
        ADMDialogInitProc init;
        std::vector<UserAction::Kind> actions;
        ASInt32 result;
        std::vector<std::string> log;
    };
    using K = UserAction::Kind;
    const std::vector<Case> cases = {
        {"OK through the button's procedure", settingsInit, {K::PressOK}, 1, {"ok"}},
        {"Cancel through the button's procedure", settingsInit, {K::PressCancel}, 2, {"cancel"}},
        {"close presses Cancel", settingsInit, {K::Close}, 2, {"cancel"}},
        {"an empty queue presses Cancel", settingsInit, {}, 2, {"cancel"}},
        {"OK by default handling", aboutInit, {K::PressOK}, 1, {}},
        {"Escape without a Cancel button", aboutInit, {}, 2, {}},
        {"buttons that do not end the dialog", stubbornInit, {K::PressOK}, 2, {"ok ignored", "ok ignored"}},
        {"ended by its initialisation", endsAtOnce, {}, 7, {"ended", "not ended"}},
        {"refused by its initialisation", refuses, {K::PressOK}, kADMNoModalResult, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        gLog.clear();
        user().clear();
        for (K kind : c.actions) {
            UserAction a;
            a.kind = kind;
            user().push(a);
        }
        EXPECT_EQ(run(c.init), c.result) << replayed();
        EXPECT_EQ(gLog, c.log) << replayed();
    }
}

TEST_F(DialogEngineTest, CancelSeesTheBoundsTheUserMovedTheDialogTo) {
    user().move(-30, 45);
    run(settingsInit);
    SCOPED_TRACE(replayed());
    EXPECT_EQ(engine().lastFinished()->replayLog(), "move(dialog, -30, +45)\nclose() [queue empty]\n");
    EXPECT_EQ(gCancelBounds.top, 70);
    EXPECT_EQ(gCancelBounds.left, 145);
    EXPECT_EQ(gCancelBounds.bottom, 270);
    EXPECT_EQ(gCancelBounds.right, 525);
}

TEST_F(DialogEngineTest, ActionsOnMissingOrDimmedItemsAreRefusedWithAWarning) {
    user().clickCheckBox(20).clickCheckBox(99).choose(3, "Omega").clickIcon(16).pressOK();
    run(settingsInit);
    SCOPED_TRACE(replayed());
    EXPECT_EQ(gLog, (std::vector<std::string>{"ok"}));
    ASSERT_EQ(engine().problems().size(), 4u);
    EXPECT_EQ(engine().problems()[0], "dialog \"Test\": click(checkbox 20): the check box is dimmed");
    EXPECT_EQ(engine().problems()[1], "dialog \"Test\": click(checkbox 99): the dialog has no check box 99");
    EXPECT_EQ(host.frontend().texts(FrontendEvent::Kind::Warning).size(), 4u);
    EXPECT_FALSE(item(20, ItemKind::TextCheckBox).checked);
}

TEST_F(DialogEngineTest, OnlyInvalidatedItemsAreRedrawnAfterAnAction) {
    std::vector<int> draws;
    auto count = [&draws](const DialogSnapshot &) { draws.push_back(gPreviewDraws); };
    user()
        .inspect("shown", count)
        .type(7, "3")
        .inspect("after typing", count)
        .clickCheckBox(16)
        .inspect("after the check box", count);
    run(settingsInit);
    SCOPED_TRACE(replayed());
    EXPECT_EQ(draws, (std::vector<int>{1, 1, 2}));
}

// Dialogs nest: the outer OK opens an inner dialog, which takes the next
// action from the same queue.
void openInner(ADMItemRef item, ADMNotifierRef notifier) {
    gLog.push_back("inner " +
                   std::to_string(gADM.dialog->Modal(nullptr, "Inner", 101, 0, aboutInit, nullptr, 0)));
    gADM.item->DefaultNotify(item, notifier);
}
ADMErr ASAPI outerInit(ADMDialogRef d) {
    create(d, 1, kADMTextPushButtonType, {10, 10, 30, 100}, openInner);
    return kNoErr;
}

TEST_F(DialogEngineTest, NestedDialogsTakeTheNextActionsAndEndFirst) {
    user().pressOK().move(5, 5).pressOK();
    EXPECT_EQ(run(outerInit), 1);
    ASSERT_EQ(engine().finished().size(), 2u);
    EXPECT_EQ(engine().finished()[0].model.name, "Inner");
    EXPECT_EQ(engine().finished()[0].replayLog(), "move(dialog, +5, +5)\npress(OK)\n");
    EXPECT_EQ(engine().finished()[1].model.name, "Test");
    EXPECT_EQ(engine().finished()[1].replayLog(), "press(OK)\n");
    EXPECT_EQ(gLog, (std::vector<std::string>{"inner 1"}));
    EXPECT_FALSE(engine().running());
}

// Uses the handles the previous dialog left behind, from the procedures of
// the next one.
ADMErr ASAPI staleHandlesInit(ADMDialogRef d) {
    gLog.push_back("id " + std::to_string(gADM.item->GetID(gSavedItem)));
    gLog.push_back(gADM.item->GetDialog(gSavedItem) ? "dialog" : "no dialog");
    gLog.push_back("end " + std::to_string(gADM.dialog->EndModal(nullptr, 1, true)));
    gADM.dialog->SetDrawProc(d, [](ADMDialogRef, ADMDrawerRef) {
        ADMRect box{0, 0, 5, 5};
        gADM.drawer->FillRect(gSavedDrawer, &box);
    });
    return kNoErr;
}

TEST_F(DialogEngineTest, HandlesOfAnEndedDialogAreRejectedSafely) {
    run(settingsInit);
    ASSERT_NE(gSavedItem, nullptr);
    ASSERT_NE(gSavedDrawer, nullptr);
    gLog.clear();
    run(staleHandlesInit);
    EXPECT_EQ(gLog, (std::vector<std::string>{"id 0", "no dialog", "end 0"}));
    EXPECT_EQ(host.misbehaviour().size(), 3u)
        << "item twice and drawer once; a null dialog in EndModal is not misuse";
}

TEST_F(DialogEngineTest, CallsOutsideTheirProceduresAreRefused) {
    run(settingsInit);
    ADMRect box{0, 0, 5, 5};
    gADM.drawer->FillRect(gSavedDrawer, &box);
    EXPECT_EQ(gADM.item->GetID(gSavedItem), 0);
    EXPECT_EQ(gADM.dialog->Modal(nullptr, "Outside", 1, 0, settingsInit, nullptr, 0), kADMNoModalResult)
        << "a modal dialog runs only inside a message";
    ASSERT_EQ(host.misbehaviour().size(), 3u);
    EXPECT_NE(host.misbehaviour()[0].find("outside a drawing procedure"), std::string::npos);
    EXPECT_NE(host.misbehaviour()[1].find("outside a dialog procedure"), std::string::npos);
    EXPECT_NE(host.misbehaviour()[2].find("outside a message"), std::string::npos);
}

ADMErr ASAPI throwingInit(ADMDialogRef) { throw std::runtime_error("init"); }
ADMErr ASAPI throwingNotifyInit(ADMDialogRef d) {
    create(d, 1, kADMTextPushButtonType, {10, 10, 30, 100},
           [](ADMItemRef, ADMNotifierRef) { throw std::runtime_error("notify"); });
    return kNoErr;
}

TEST_F(DialogEngineTest, AnExceptionEscapingAProcedureIsTheModulesMisbehaviour) {
    EXPECT_EQ(run(throwingInit), kADMNoModalResult) << "a throwing initialisation refuses the dialog";
    user().pressOK();
    EXPECT_EQ(run(throwingNotifyInit), kADMCancelItemID) << "the host survives and the closed queue ends it";
    ASSERT_EQ(host.misbehaviour().size(), 2u);
    EXPECT_EQ(host.misbehaviour()[0], "an exception escaped the initialisation procedure of dialog \"Test\"");
    EXPECT_EQ(host.misbehaviour()[1], "an exception escaped the notification procedure of item 1");
    EXPECT_FALSE(engine().inProcedure());
}

TEST_F(DialogEngineTest, BasicSuiteShowsAlertsInUtf8AndGivesTheScreen) {
    host.setScreen({0, 0, 900, 1440});
    gADM.basic->MessageAlert("You have to select at least one box!");
    gADM.basic->ErrorAlert("Vyn\xA5"
                           "Colors failed \xC9");
    gADM.basic->Beep();
    ADMRect screen{};
    EXPECT_EQ(gADM.basic->GetScreenDimensions(&screen), kNoErr);
    EXPECT_EQ(screen.bottom, 900);
    EXPECT_EQ(screen.right, 1440);
    EXPECT_EQ(host.frontend().texts(FrontendEvent::Kind::Alert),
              std::vector<std::string>{"You have to select at least one box!"});
    EXPECT_EQ(host.frontend().texts(FrontendEvent::Kind::ErrorAlert),
              std::vector<std::string>{"Vyn\u2022Colors failed \u2026"});
    EXPECT_EQ(host.frontend().texts(FrontendEvent::Kind::Beep).size(), 1u);
    EXPECT_EQ(host.registry().offers(kADMBasicSuite, kADMBasicSuiteVersion11), true);
}

TEST(DialogUnits, ReadsWhatPeopleTypeAndShowsTwoDecimalsAtMost) {
    struct Case {
        const char *typed;
        Unit unit;
        std::optional<double> points;
    };
    const Case cases[] = {
        {"12", Unit::Points, 12},
        {"12", Unit::Millimetres, 12 * 72 / 25.4},
        {".5 mm", Unit::Points, 0.5 * 72 / 25.4},
        {"1pc", Unit::Points, 12},
        {"2 PT", Unit::Millimetres, 2},
        {"-1.5", Unit::Inches, -108},
        {"3", Unit::None, 3},
        {"1,5", Unit::Points, std::nullopt},
        {"mm", Unit::Points, std::nullopt},
        {"- 3", Unit::Points, std::nullopt},
        {"inf", Unit::Points, std::nullopt},
        {"4 pt pt", Unit::Points, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        auto points = parseTypedValue(c.typed, c.unit);
        ASSERT_EQ(points.has_value(), c.points.has_value());
        if (points) {
            EXPECT_NEAR(*points, *c.points, 1e-9);
        }
    }
    EXPECT_EQ(formatValue(12, Unit::Millimetres), "4.23 mm");
    EXPECT_EQ(formatValue(85.03937, Unit::Millimetres), "30 mm");
    EXPECT_EQ(formatValue(-0.001, Unit::Points), "0 pt");
    EXPECT_EQ(formatValue(2.5, Unit::None), "2.5");
}

} // namespace
} // namespace vyn::host::testing
