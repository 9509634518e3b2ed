#include "dialog/DialogModel.h"

#include <algorithm>

namespace vyn::host {

std::optional<ItemKind> itemKindFromName(std::string_view typeName) {
    for (ItemKind kind : {ItemKind::TextPushButton, ItemKind::PicturePushButton, ItemKind::SpinEdit,
                          ItemKind::TextCheckBox, ItemKind::TextEditPopup})
        if (typeName == itemKindName(kind)) return kind;
    return std::nullopt;
}

const char *itemKindName(ItemKind kind) {
    switch (kind) {
    case ItemKind::TextPushButton: return kADMTextPushButtonType;
    case ItemKind::PicturePushButton: return kADMPicturePushButtonType;
    case ItemKind::SpinEdit: return kADMSpinEditType;
    case ItemKind::TextCheckBox: return kADMTextCheckBoxType;
    case ItemKind::TextEditPopup: return kADMTextEditScrollingPopupType;
    }
    return "";
}

const char *itemKindWord(ItemKind kind) {
    switch (kind) {
    case ItemKind::TextPushButton: return "button";
    case ItemKind::PicturePushButton: return "icon";
    case ItemKind::SpinEdit: return "field";
    case ItemKind::TextCheckBox: return "checkbox";
    case ItemKind::TextEditPopup: return "list";
    }
    return "item";
}

bool isPushButton(ItemKind kind) {
    return kind == ItemKind::TextPushButton || kind == ItemKind::PicturePushButton;
}

float DialogItem::clamp(double points) const {
    double v = std::min(points, static_cast<double>(maximum));
    v = std::max(v, static_cast<double>(lowest()));
    return static_cast<float>(v);
}

const ListEntry *DialogItem::selectedEntry() const {
    for (const auto &entry : entries)
        if (entry.selected) return &entry;
    return nullptr;
}

std::string DialogItem::shownText() const {
    return kind == ItemKind::SpinEdit ? formatValue(value, unit) : text;
}

std::size_t DialogModel::add(ItemKind kind, int id, ADMRect rect) {
    DialogItem item;
    item.kind = kind;
    item.id = id;
    item.rect = rect;
    // A push button's text sits in its middle unless the plug-in says otherwise.
    if (kind == ItemKind::TextPushButton) item.justify = kADMCenterJustify;
    items.push_back(std::move(item));
    return items.size() - 1;
}

std::optional<std::size_t> DialogModel::find(int id) const {
    return find(id, [](ItemKind) { return true; });
}

std::optional<std::size_t> DialogModel::find(int id, bool (*fits)(ItemKind)) const {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].id == id && fits(items[i].kind)) return i;
    return std::nullopt;
}

void DialogModel::setValue(std::size_t index, double points) {
    DialogItem &item = items.at(index);
    item.value = item.clamp(points);
}

void DialogModel::enable(std::size_t index, bool enabled) {
    items.at(index).enabled = enabled;
    if (!enabled && focus == index) focus.reset();
}

void DialogModel::activate(std::size_t index, bool active) {
    const DialogItem &item = items.at(index);
    if (active && item.enabled)
        focus = index;
    else if (!active && focus == index)
        focus.reset();
}

void DialogModel::selectEntry(std::size_t index, std::size_t entry, bool select) {
    DialogItem &item = items.at(index);
    ListEntry &chosen = item.entries.at(entry);
    if (!select) {
        chosen.selected = false;
        return;
    }
    for (auto &e : item.entries)
        e.selected = false;
    chosen.selected = true;
    item.text = chosen.text;
}

void DialogModel::typeIntoPopup(std::size_t index, const std::string &text) {
    DialogItem &item = items.at(index);
    item.text = text;
    bool found = false;
    for (auto &e : item.entries) {
        e.selected = !found && e.text == text;
        found = found || e.selected;
    }
}

bool DialogModel::end(ASInt32 resultId, bool cancelling) {
    if (ended) return false;
    ended = true;
    result = resultId;
    cancelled = cancelling;
    return true;
}

void DialogModel::move(int dv, int dh) {
    bounds.top = static_cast<ASInt16>(bounds.top + dv);
    bounds.bottom = static_cast<ASInt16>(bounds.bottom + dv);
    bounds.left = static_cast<ASInt16>(bounds.left + dh);
    bounds.right = static_cast<ASInt16>(bounds.right + dh);
}

} // namespace vyn::host
