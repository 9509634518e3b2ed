// DialogModel.h — a dialog and its items as plain state.
//
// The model knows nothing of handles, drawing or the user: the suites and
// the dialog engine change it, the renderer reads it. Text is UTF-8 (the
// suites convert from the platform encoding). Numeric values are points.
// Items are kept in creation order in a deque, so that references to them
// stay valid while items are added.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "ADMDialog.h"
#include "ADMDrawer.h"
#include "ADMItem.h"
#include "dialog/DialogUnits.h"

namespace vyn::host {

enum class ItemKind { TextPushButton, PicturePushButton, SpinEdit, TextCheckBox, TextEditPopup };

// The kind behind one of the host's item type names, if it offers it.
std::optional<ItemKind> itemKindFromName(std::string_view typeName);
const char *itemKindName(ItemKind kind);
// The word the user-action queue uses for the kind: "button", "icon",
// "field", "checkbox", "list".
const char *itemKindWord(ItemKind kind);
bool isPushButton(ItemKind kind);

struct ListEntry {
    std::string text;
    int id = 0;
    bool selected = false;
};

struct DialogItem {
    ItemKind kind = ItemKind::TextPushButton;
    int id = 0;
    ADMRect rect{}; // dialog pixels
    std::string text;
    std::string tooltip;
    int font = kADMDefaultFont;
    int justify = kADMLeftJustify;
    bool enabled = true;
    bool checked = false;

    // Numeric state, in points.
    float value = 0;
    Unit unit = Unit::Points;
    float smallStep = 1;
    float largeStep = 10;
    std::optional<float> minimum; // unset: the host's own minimum
    float maximum = kADMHostMaximumValue;

    std::deque<ListEntry> entries; // pop-up items only

    ADMItemNotifyProc notifyProc = nullptr;
    ADMItemDrawProc drawProc = nullptr;
    ADMUserData userData = nullptr;
    ASInt32 options = 0;
    bool invalid = false; // its drawing procedure must run again

    int width() const { return rect.right - rect.left; }
    int height() const { return rect.bottom - rect.top; }
    float lowest() const { return minimum.value_or(kADMHostMinimumValue); }
    // `points` held within the item's limits; the minimum wins over the
    // maximum when they cross.
    float clamp(double points) const;
    const ListEntry *selectedEntry() const;
    // What a field shows: a spin edit its value in its unit, every other
    // kind its text.
    std::string shownText() const;
};

struct DialogModel {
    std::string name;
    ASInt32 resourceId = 0;
    ADMDialogStyle style = kADMModalDialogStyle;
    ASInt32 options = 0;
    SPPluginRef plugin = nullptr;
    ADMUserData userData = nullptr;
    ADMRect bounds{}; // screen pixels, the content area
    std::string title;
    ADMDialogDrawProc drawProc = nullptr;

    std::deque<DialogItem> items;
    std::optional<std::size_t> focus; // index into items

    bool ended = false;
    bool cancelled = false;
    ASInt32 result = kADMNoModalResult;

    int width() const { return bounds.right - bounds.left; }
    int height() const { return bounds.bottom - bounds.top; }

    std::size_t add(ItemKind kind, int id, ADMRect rect);
    // Index of the first item with `id`, among those of `kind` when given.
    std::optional<std::size_t> find(int id) const;
    std::optional<std::size_t> find(int id, bool (*fits)(ItemKind)) const;

    void setValue(std::size_t index, double points);
    void enable(std::size_t index, bool enabled);
    // A dimmed item does not take the focus.
    void activate(std::size_t index, bool active);
    // Selects one entry of a pop-up (deselecting the others) and shows its
    // text in the field, or deselects it.
    void selectEntry(std::size_t index, std::size_t entry, bool select);
    // The text the user typed into a pop-up: selects the first entry with
    // exactly that text, or none.
    void typeIntoPopup(std::size_t index, const std::string &text);
    // Ends the dialog with `resultId` unless it has already ended; true
    // when this call ended it.
    bool end(ASInt32 resultId, bool cancelling);
    void move(int dv, int dh);
};

} // namespace vyn::host
