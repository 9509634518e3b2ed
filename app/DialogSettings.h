// DialogSettings.h — the settings dialog's settings as the command line
// gives them, and the dialog items they go into.
//
// The command plays its options into the dialog in the order of its items,
// so that a text size is in place before the box sizes it limits, and
// "Custom" before the "Tints" it enables.
#pragma once

#include <optional>
#include <string>

#include "dialog/DialogUnits.h"

namespace vyn::app {

// A length as given ("30", "4 pt"): the text is typed into the field as
// it stands; `points` is what the field reads from it.
struct TypedLength {
    std::string text;
    double points = 0;
};

// Every setting is optional: one not given keeps what the dialog shows,
// which is the stored preference.
struct DialogSettings {
    std::optional<std::string> font;
    std::optional<TypedLength> textSize, boxLength, gap, boxHeight, offsetX, offsetY;
    std::optional<bool> selection, patterns, gradients, custom, tints, other;

    bool any() const {
        return font || textSize || boxLength || gap || boxHeight || offsetX || offsetY || selection ||
               patterns || gradients || custom || tints || other;
    }
};

// The settings dialog's item numbers, as the plug-in's dialog creates them,
// stated here once. The command may know them because it works the dialog
// as a person would: it types into the fields and clicks the check boxes
// by item, then reads back what the dialog shows, and never reaches the
// plug-in's settings any other way.
enum SettingsItem : int {
    kFontListItem = 2, // an editable text with a pop-up list of the fonts
    kTextSizeItem = 4,
    kBoxLengthItem = 5,
    kGapItem = 7,
    kBoxHeightItem = 9,
    kOffsetXItem = 11,
    kOffsetYItem = 13,
    // The check boxes; the chart build reads "Selection" and "Tints" besides
    // the kinds of paint.
    kSelectionItem = 15,
    kPatternsItem = 16,
    kGradientsItem = 17,
    kCustomItem = 18,
    kOtherItem = 19,
    kTintsItem = 20,
};

// One spin edit. `unit` is the field's display unit, in which a bare
// number is read.
struct FieldOption {
    const char *option;
    int item;
    host::Unit unit;
    std::optional<TypedLength> DialogSettings::*setting;
};

inline constexpr FieldOption kFieldOptions[] = {
    {"--text-size", kTextSizeItem, host::Unit::Points, &DialogSettings::textSize},
    {"--box-length", kBoxLengthItem, host::Unit::Millimetres, &DialogSettings::boxLength},
    {"--gap", kGapItem, host::Unit::Points, &DialogSettings::gap},
    {"--box-height", kBoxHeightItem, host::Unit::Millimetres, &DialogSettings::boxHeight},
    {"--offset-x", kOffsetXItem, host::Unit::Points, &DialogSettings::offsetX},
    {"--offset-y", kOffsetYItem, host::Unit::Points, &DialogSettings::offsetY},
};

// One check box, given as --NAME (ticked) or --no-NAME (clear).
struct BoxOption {
    const char *name;
    int item;
    std::optional<bool> DialogSettings::*setting;
};

inline constexpr BoxOption kBoxOptions[] = {
    {"selection", kSelectionItem, &DialogSettings::selection},
    {"patterns", kPatternsItem, &DialogSettings::patterns},
    {"gradients", kGradientsItem, &DialogSettings::gradients},
    {"custom", kCustomItem, &DialogSettings::custom},
    {"tints", kTintsItem, &DialogSettings::tints},
    {"other", kOtherItem, &DialogSettings::other},
};

// The smallest text size the text-size field takes, in points.
inline constexpr double kSmallestTextSize = 0.1;

} // namespace vyn::app
