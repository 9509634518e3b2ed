// DialogSettings.h — the settings dialog's settings as the command line
// gives them, and the dialog items they go into.
//
// The items are those the plug-in's settings dialog creates, in the order
// it creates them; the command plays its options in that order, so that a
// text size is in place before the box sizes it limits, and "Custom" before
// the "Tints" it enables.
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

// The font list: an editable text with a pop-up list of the fonts.
inline constexpr int kFontListItem = 2;

// One spin edit. `unit` is the field's display unit, in which a bare
// number is read.
struct FieldOption {
    const char *option;
    int item;
    host::Unit unit;
    std::optional<TypedLength> DialogSettings::*setting;
};

inline constexpr FieldOption kFieldOptions[] = {
    {"--text-size", 4, host::Unit::Points, &DialogSettings::textSize},
    {"--box-length", 5, host::Unit::Millimetres, &DialogSettings::boxLength},
    {"--gap", 7, host::Unit::Points, &DialogSettings::gap},
    {"--box-height", 9, host::Unit::Millimetres, &DialogSettings::boxHeight},
    {"--offset-x", 11, host::Unit::Points, &DialogSettings::offsetX},
    {"--offset-y", 13, host::Unit::Points, &DialogSettings::offsetY},
};

// The check boxes the chart build reads besides the kinds of paint.
inline constexpr int kSelectionItem = 15;
inline constexpr int kTintsItem = 20;

// One check box, given as --NAME (ticked) or --no-NAME (clear).
struct BoxOption {
    const char *name;
    int item;
    std::optional<bool> DialogSettings::*setting;
};

inline constexpr BoxOption kBoxOptions[] = {
    {"selection", kSelectionItem, &DialogSettings::selection},
    {"patterns", 16, &DialogSettings::patterns},
    {"gradients", 17, &DialogSettings::gradients},
    {"custom", 18, &DialogSettings::custom},
    {"tints", kTintsItem, &DialogSettings::tints},
    {"other", 19, &DialogSettings::other},
};

// The smallest text size the text-size field takes, in points.
inline constexpr double kSmallestTextSize = 0.1;

} // namespace vyn::app
