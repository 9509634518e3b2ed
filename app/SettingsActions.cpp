#include "SettingsActions.h"

#include <stdexcept>

#include "dialog/DialogEngine.h"
#include "dialog/DialogRenderer.h"
#include "picture/Picture.h"

namespace vyn::app {
namespace {

using host::DialogItem;
using host::ItemKind;

bool isSpinEdit(ItemKind kind) { return kind == ItemKind::SpinEdit; }
bool isPopup(ItemKind kind) { return kind == ItemKind::TextEditPopup; }
bool isCheckBox(ItemKind kind) { return kind == ItemKind::TextCheckBox; }

bool ticked(const host::DialogModel &model, int item) {
    auto box = model.find(item, isCheckBox);
    return box && model.items[*box].checked;
}

// Why `field` does not hold what was typed into it, if it does not.
std::optional<std::string> heldAtLimit(const FieldOption &option, const TypedLength &typed,
                                       const DialogItem &field) {
    const char *limit = nullptr;
    if (typed.points < field.lowest())
        limit = "minimum";
    else if (typed.points > field.maximum)
        limit = "maximum";
    if (!limit) return std::nullopt;
    return std::string(option.option) + " \"" + typed.text + "\": the field's " + limit + " is " +
           host::formatValue(field.value, field.unit) + ", which is used";
}

} // namespace

SettingsActions::SettingsActions(DialogSettings settings, bool cancel,
                                 std::optional<std::filesystem::path> picture)
    : settings_(std::move(settings)), cancel_(cancel), picture_(std::move(picture)) {}

void SettingsActions::queue(host::UserActions &user, std::function<void()> beforeOK) {
    beforeOK_ = std::move(beforeOK);
    if (settings_.font) user.type(kFontListItem, *settings_.font);
    for (const FieldOption &field : kFieldOptions)
        if (const auto &length = settings_.*field.setting) user.type(field.item, length->text);
    for (const BoxOption &box : kBoxOptions)
        if (const auto &on = settings_.*box.setting) user.setCheckBox(box.item, *on);
    user.inspect(picture_ ? "the settings as the dialog took them; picture for " + picture_->string()
                          : "the settings as the dialog took them",
                 [this](const host::DialogSnapshot &dialog) { review(dialog); });
    if (cancel_)
        user.pressCancel();
    else
        user.confirm("OK unless a setting was refused", [this](const host::DialogSnapshot &) {
            pressedOK_ = refusals_.empty();
            if (pressedOK_ && beforeOK_) beforeOK_();
            return pressedOK_;
        });
}

void SettingsActions::review(const host::DialogSnapshot &dialog) {
    reviewed_ = true;
    const host::DialogModel &model = dialog.model;
    choices_ = ChartChoices{ticked(model, kSelectionItem), ticked(model, kTintsItem)};
    // A missing item is not judged here: the dialog has already warned
    // that the action found nothing to act on.
    if (settings_.font)
        if (auto list = model.find(kFontListItem, isPopup)) {
            const host::ListEntry *chosen = model.items[*list].selectedEntry();
            if (!chosen || chosen->text != *settings_.font)
                refusals_.push_back("--font: \"" + *settings_.font + "\" is not an installed font");
        }
    for (const FieldOption &field : kFieldOptions) {
        const auto &length = settings_.*field.setting;
        if (!length) continue;
        if (auto item = model.find(field.item, isSpinEdit))
            if (auto why = heldAtLimit(field, *length, model.items[*item])) warnings_.push_back(*why);
    }
    if (picture_) {
        std::string svg;
        try {
            svg = dialog.svg();
        } catch (const std::runtime_error &e) {
            refusals_.push_back(e.what());
            return;
        }
        if (auto failure = host::writePicture(svg, *picture_, host::kDialogPngScale))
            refusals_.push_back(failure->message(*picture_));
    }
}

} // namespace vyn::app
