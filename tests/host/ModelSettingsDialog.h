// ModelSettingsDialog.h — a stand-in for the plug-in's settings dialog,
// written as plain C procedures over the dialog-manager suites: the same
// items, ids, places, units, steps, minimums, tooltips and procedures, with
// the settings in a plain struct. It lets the engine, the renderer and the
// command's actions be tested on that dialog without loading the plug-in.
#pragma once

#include <string>

#include "DialogFixture.h"

namespace vyn::host::testing::model {

constexpr double kMillimetre = 72.0 / 25.4;

struct Settings {
    double textSize = 12, length = 30 * kMillimetre, gap = 2, height = 15 * kMillimetre;
    double offsetX = 12, offsetY = 12;
    bool selection = false, patterns = true, gradients = true, custom = true, tints = true, other = true;
    int font = 0;
    std::string fontName = "DejaVu Sans";
};
inline Settings gSettings;
inline const char *const gFonts[] = {"DejaVu Sans", "DejaVu Sans Bold", "DejaVu Serif", "Liberation Mono"};
inline ADMRect gCancelBounds{};

inline ADMItemRef item(ADMItemRef sibling, int id) {
    return gADM.dialog->GetItem(gADM.item->GetDialog(sibling), id);
}

// ---- check boxes ---------------------------------------------------------

struct Box {
    int id;
    bool Settings::*setting;
    const char *text, *whenSet, *whenClear;
    ADMRect rect;
    bool kind, redraws;
};
inline const Box kBoxes[] = {
    {15,
     &Settings::selection,
     "Selection",
     "Only the colors of the selected paths.",
     "All colors of the document.",
     {136, 250, 151, 330},
     false,
     false},
    {16,
     &Settings::patterns,
     "Patterns",
     "Patterns used will be sought.",
     "Patterns used will not be sought.",
     {10, 10, 25, 90},
     true,
     true},
    {17,
     &Settings::gradients,
     "Gradients",
     "Gradients used will be sought.",
     "Gradients used will not be sought.",
     {10, 90, 25, 170},
     true,
     true},
    {18,
     &Settings::custom,
     "Custom",
     "Custom colors used will be sought.",
     "Custom colors used will not be sought",
     {10, 170, 25, 250},
     true,
     true},
    {20,
     &Settings::tints,
     "Tints",
     "The different tints of custom colors used will be sought.",
     "The different tints of custom colors used will not be sought.",
     {36, 170, 51, 250},
     false,
     true},
    {19,
     &Settings::other,
     "Other",
     "Simple colors used will be sought.",
     "Simple colors used will not be sought.",
     {10, 250, 25, 330},
     true,
     true},
};

inline const Box &boxOf(int id) {
    for (const Box &b : kBoxes)
        if (b.id == id) return b;
    return kBoxes[0];
}

inline void boxChanged(ADMItemRef it, ADMNotifierRef notifier) {
    const Box &box = boxOf(gADM.item->GetID(it));
    bool &setting = gSettings.*box.setting;
    if (gADM.notifier->IsNotifierType(notifier, kADMUserChangedNotifier)) {
        setting = !setting;
        gADM.item->SetTipString(it, setting ? box.whenSet : box.whenClear);
        if (box.id == 18) gADM.item->Enable(item(it, 20), setting);
    }
    if (box.kind && !gSettings.patterns && !gSettings.gradients && !gSettings.custom && !gSettings.other)
        gADM.basic->MessageAlert("You have to select at least one box!");
    if (box.redraws) gADM.item->Invalidate(item(it, 21));
}

// ---- fields and their icons ----------------------------------------------

inline void fieldChanged(ADMItemRef it, ADMNotifierRef) {
    const double value = gADM.item->GetFloatValue(it);
    switch (gADM.item->GetID(it)) {
    case 4:
        gSettings.textSize = value;
        gADM.item->SetMinFloatValue(item(it, 5), static_cast<float>(value));
        gADM.item->SetMinFloatValue(item(it, 9), static_cast<float>(value));
        break;
    case 5: gSettings.length = value; break;
    case 7:
        gSettings.gap = value;
        gADM.item->Invalidate(item(it, 21));
        break;
    case 9: gSettings.height = value; break;
    case 11: gSettings.offsetX = value; break;
    case 13: gSettings.offsetY = value; break;
    }
}

inline void iconClicked(ADMItemRef it, ADMNotifierRef) {
    const int id = gADM.item->GetID(it);
    const int field = id == 3 ? 4 : id == 6 ? 5 : id == 8 ? 7 : id == 10 ? 9 : id == 12 ? 11 : 13;
    gADM.item->Activate(item(it, field), true);
}

// A small glyph standing for the plug-in's icon resources.
inline void drawIcon(ADMItemRef it, ADMDrawerRef drawer) {
    ADMRect r{0, 0, 0, 0};
    const int id = gADM.item->GetID(it);
    r.bottom = id == 3 ? 13 : 22;
    r.right = id == 3 ? 16 : 22;
    ADMRGBColor ink{0x3333, 0x5555, 0x9999};
    gADM.drawer->SetRGBColor(drawer, &ink);
    gADM.drawer->FrameRect(drawer, &r);
    gADM.drawer->SetFont(drawer, kADMSmallDialogFont);
    gADM.drawer->DrawTextCentered(drawer, std::to_string(id).c_str(), &r);
}

inline ADMItemRef spinEdit(ADMDialogRef d, int id, ADMRect r, ADMUnits units, float small, float large,
                           float value, const char *tip) {
    ADMItemRef it = gADM.item->Create(d, id, kADMSpinEditType, &r, nullptr, nullptr, 0);
    gADM.item->SetUnits(it, units);
    gADM.item->SetSmallIncrement(it, small);
    gADM.item->SetLargeIncrement(it, large);
    gADM.item->SetFloatValue(it, value);
    gADM.item->SetNotifyProc(it, fieldChanged);
    gADM.item->SetTipString(it, tip);
    return it;
}

inline void icon(ADMDialogRef d, int id, ADMRect r, const char *tip) {
    ADMItemRef it = gADM.item->Create(d, id, kADMPicturePushButtonType, &r, iconClicked, nullptr, 0);
    gADM.item->SetDrawProc(it, drawIcon);
    gADM.item->SetTipString(it, tip);
}

// ---- the preview ---------------------------------------------------------

inline void drawPreview(ADMItemRef, ADMDrawerRef drawer) {
    const int gap = static_cast<int>(gSettings.gap < 8 ? gSettings.gap : 8);
    const char *labels[] = {"Pattern",  "Gradient", "Custom 100%",      "Tint 82%",
                            "Tint 48%", "Tint 32%", "C:2 M:66 Y:96 K:0"};
    const ADMRGBColor fills[] = {{0xC738, 0x55AA, 0xC738}, {0xFD03, 0xB000, 0x0060}, {0x57A8, 0x55AA, 0xFE01},
                                 {0x758A, 0x738C, 0xFE01}, {0xAE51, 0xAD52, 0xFE01}, {0xC936, 0xC837, 0xFE01},
                                 {0xE916, 0x6F90, 0x16E9}};
    gADM.drawer->Clear(drawer);
    for (int row = 0; row < 7; ++row) {
        const int top = row * (gap + 15);
        ADMRect box{static_cast<ASInt16>(top), 0, static_cast<ASInt16>(top + 15), 24};
        gADM.drawer->SetRGBColor(drawer, &fills[row]);
        gADM.drawer->FillRect(drawer, &box);
        gADM.drawer->SetADMColor(drawer, kADMBlackColor);
        gADM.drawer->FrameRect(drawer, &box);
        gADM.drawer->SetFont(drawer, kADMSmallDialogFont);
        ADMPoint origin{static_cast<ASInt16>(top + 12), static_cast<ASInt16>(24 + gap)};
        gADM.drawer->DrawText(drawer, labels[row], &origin);
    }
    auto erase = [&](bool sought, int top, int bottom) {
        ADMRect rows{static_cast<ASInt16>(top), 0, static_cast<ASInt16>(bottom), 130};
        if (!sought) gADM.drawer->ClearRect(drawer, &rows);
    };
    const int g = gap + 15;
    erase(gSettings.patterns, 0, 15);
    erase(gSettings.gradients, g, g + 15);
    erase(gSettings.custom, 2 * g, 2 * g + 3 * gap + 60);
    erase(gSettings.tints, 3 * g, 3 * g + 2 * gap + 45);
    erase(gSettings.other, 6 * g, 6 * g + 15);
}

// ---- the buttons ---------------------------------------------------------

inline void cancelPressed(ADMItemRef it, ADMNotifierRef notifier) {
    gADM.item->DefaultNotify(it, notifier);
    gADM.dialog->GetBoundsRect(gADM.item->GetDialog(it), &gCancelBounds);
}

inline void fontChosen(ADMItemRef it, ADMNotifierRef notifier) {
    if (!gADM.notifier->IsNotifierType(notifier, kADMUserChangedNotifier)) return;
    ADMEntryRef active = gADM.list->GetActiveEntry(gADM.item->GetList(it));
    if (!active) return;
    gSettings.font = gADM.entry->GetID(active);
    gSettings.fontName = gFonts[gSettings.font];
}

// The initialisation: the items in the order and at the places the
// plug-in's dialog has them.
inline ADMErr ASAPI settingsDialogInit(ADMDialogRef d) {
    ADMRect bounds{100, 200, 340, 660};
    gADM.dialog->SetBoundsRect(d, &bounds);
    gADM.dialog->SetText(d, "Vyn\xA5"
                            "Colors (Settings)");
    ADMRect fontRect{70, 143, 92, 315};
    ADMItemRef fonts =
        gADM.item->Create(d, 2, kADMTextEditScrollingPopupType, &fontRect, nullptr, nullptr, 0);
    gADM.item->SetTipString(fonts, "Choice of font.");
    gADM.item->SetNotifyProc(fonts, fontChosen);
    ADMListRef list = gADM.item->GetList(fonts);
    for (int i = 0; i < 4; ++i) {
        ADMEntryRef entry = gADM.entry->Create(list);
        gADM.entry->SetText(entry, gFonts[i]);
        gADM.entry->SetID(entry, i);
        if (gSettings.fontName == gFonts[i]) gSettings.font = i;
    }
    gADM.entry->Select(gADM.list->IndexEntry(list, gSettings.font), true);

    const float mm = static_cast<float>(kMillimetre);
    const float text = static_cast<float>(gSettings.textSize);
    gADM.item->SetMinFloatValue(spinEdit(d, 4, {70, 36, 92, 101}, kADMPointUnits, 1, 4, text, "Text size."),
                                0.1f);
    icon(d, 3, {73, 16, 86, 32}, "Text size.");
    ADMItemRef length = spinEdit(d, 5, {103, 36, 125, 101}, kADMMillimeterUnits, mm, 10 * mm,
                                 static_cast<float>(gSettings.length), "Length of each box.");
    gADM.item->SetMinFloatValue(length, text);
    icon(d, 6, {103, 9, 125, 34}, "Length of each box.");
    gADM.item->SetMinFloatValue(spinEdit(d, 7, {103, 143, 125, 208}, kADMPointUnits, 1, 10,
                                         static_cast<float>(gSettings.gap), "Gap between the boxes."),
                                0);
    icon(d, 8, {103, 118, 125, 141}, "Gap between the boxes.");
    ADMItemRef height = spinEdit(d, 9, {103, 250, 125, 315}, kADMMillimeterUnits, mm / 2, mm,
                                 static_cast<float>(gSettings.height), "Height of each box.");
    gADM.item->SetMinFloatValue(height, text);
    icon(d, 10, {103, 218, 125, 248}, "Height of each box.");
    spinEdit(d, 11, {133, 36, 155, 101}, kADMPointUnits, 1, 10, static_cast<float>(gSettings.offsetX),
             "Horizontal offset.");
    icon(d, 12, {133, 7, 155, 32}, "Horizontal offset.");
    spinEdit(d, 13, {133, 143, 155, 208}, kADMPointUnits, 1, 10, static_cast<float>(gSettings.offsetY),
             "Vertical offset.");
    icon(d, 14, {133, 114, 155, 139}, "Vertical offset.");

    for (const Box &box : kBoxes) {
        ADMItemRef it = gADM.item->Create(d, box.id, kADMTextCheckBoxType, &box.rect, nullptr, nullptr, 0);
        if (box.id == 20) gADM.item->Enable(it, gSettings.custom);
        gADM.item->SetBooleanValue(it, gSettings.*box.setting);
        gADM.item->SetText(it, box.text);
        gADM.item->SetNotifyProc(it, boxChanged);
        gADM.item->SetTipString(it, gSettings.*box.setting ? box.whenSet : box.whenClear);
    }

    ADMRect previewRect{13, 330, 168, 460};
    ADMItemRef preview =
        gADM.item->Create(d, 21, kADMPicturePushButtonType, &previewRect, nullptr, nullptr, 0);
    gADM.item->SetDrawProc(preview, drawPreview);
    gADM.item->SetTipString(preview, "Example of what you will get.");
    ADMRect cancelRect{182, 13, 202, 105}, okRect{182, 355, 202, 447};
    ADMItemRef cancel =
        gADM.item->Create(d, 2, kADMTextPushButtonType, &cancelRect, cancelPressed, nullptr, 0);
    gADM.item->SetText(cancel, "Cancel");
    gADM.item->SetTipString(cancel, "No modification.");
    ADMItemRef ok = gADM.item->Create(d, 1, kADMTextPushButtonType, &okRect, nullptr, nullptr, 0);
    gADM.item->SetText(ok, "OK");
    gADM.item->SetTipString(ok, "New settings validation.");
    return kNoErr;
}

} // namespace vyn::host::testing::model
