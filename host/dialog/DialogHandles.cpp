#include "dialog/DialogHandles.h"

#include "gate/HostError.h"

namespace vyn::host {
namespace {

template <class Object, class Handle>
Object &lookUp(const HandleTable<Object, Handle> &table, Handle handle, const char *what) {
    Object *object = table.find(handle);
    if (!object) throw HostError(kBadParameterErr, std::string(handle ? "stale " : "null ") + what);
    return *object;
}

} // namespace

DialogItem &ItemBinding::item() const { return dialog->model.items[index]; }
DialogModel &ItemBinding::model() const { return dialog->model; }
ListEntry &EntryBinding::entry() const { return item->item().entries[index]; }

ADMDialogRef DialogHandles::addDialog(RunningDialog &dialog) {
    dialog.handle = dialogs_.add(&dialog);
    return dialog.handle;
}

ItemBinding &DialogHandles::addItem(RunningDialog &dialog, std::size_t index) {
    ItemBinding &binding = dialog.items.emplace_back();
    binding.dialog = &dialog;
    binding.index = index;
    binding.handle = items_.add(&binding);
    if (dialog.model.items[index].kind == ItemKind::TextEditPopup) binding.list = lists_.add(&binding);
    return binding;
}

EntryBinding &DialogHandles::addEntry(ItemBinding &item, std::size_t index) {
    EntryBinding &binding = item.dialog->entries.emplace_back();
    binding.item = &item;
    binding.index = index;
    binding.handle = entries_.add(&binding);
    item.entries.push_back(&binding);
    return binding;
}

void DialogHandles::removeDialog(RunningDialog &dialog) {
    for (const auto &entry : dialog.entries)
        entries_.remove(entry.handle);
    for (const auto &item : dialog.items) {
        items_.remove(item.handle);
        if (item.list) lists_.remove(item.list);
    }
    dialogs_.remove(dialog.handle);
}

ADMIconRef DialogHandles::addIcon(std::shared_ptr<const IconPicture> picture, SPPluginRef owner) {
    auto binding = std::make_unique<IconBinding>(IconBinding{std::move(picture), owner});
    ADMIconRef handle = iconHandles_.add(binding.get());
    icons_[handle] = std::move(binding);
    return handle;
}

void DialogHandles::destroyIcon(ADMIconRef icon) {
    (void)lookUp(iconHandles_, icon, "icon");
    iconHandles_.remove(icon);
    icons_.erase(icon);
}

void DialogHandles::forgetIcons(SPPluginRef owner) {
    for (auto it = icons_.begin(); it != icons_.end();) {
        if (it->second->owner == owner) {
            iconHandles_.remove(it->first);
            it = icons_.erase(it);
        } else {
            ++it;
        }
    }
}

RunningDialog &DialogHandles::dialog(ADMDialogRef dialog) const { return lookUp(dialogs_, dialog, "dialog"); }
ItemBinding &DialogHandles::item(ADMItemRef item) const { return lookUp(items_, item, "dialog item"); }
ItemBinding &DialogHandles::list(ADMListRef list) const { return lookUp(lists_, list, "list"); }
EntryBinding &DialogHandles::entry(ADMEntryRef entry) const { return lookUp(entries_, entry, "list entry"); }
NotifierBinding &DialogHandles::notifier(ADMNotifierRef notifier) const {
    return lookUp(notifiers_, notifier, "notifier");
}
DrawerBinding &DialogHandles::drawer(ADMDrawerRef drawer) const { return lookUp(drawers_, drawer, "drawer"); }
const IconBinding &DialogHandles::icon(ADMIconRef icon) const { return lookUp(iconHandles_, icon, "icon"); }

} // namespace vyn::host
