// DialogHandles.h — the handles the dialog suites give plug-ins, and the
// running dialogs they lead to.
//
// Every handle is a HandleTable number, never an address: a dialog's
// handles (its own, its items', lists' and entries') are withdrawn when the
// dialog ends, a notifier's when its notification procedure returns, a
// drawer's when its drawing procedure returns. Using one afterwards is
// rejected without touching freed memory: the lookups throw HostError
// (kBadParameterErr), which the call gate reports as misuse.
#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ASTypes.h"
#include "gate/HandleTable.h"
#include "dialog/DialogModel.h"
#include "dialog/RecordingDrawer.h"

namespace vyn::host {

struct RunningDialog;
struct EntryBinding;

struct ItemBinding {
    RunningDialog *dialog = nullptr;
    std::size_t index = 0; // into dialog->model.items
    ADMItemRef handle = nullptr;
    ADMListRef list = nullptr; // pop-up items only
    std::vector<EntryBinding *> entries;

    DialogItem &item() const;
    DialogModel &model() const;
};

struct EntryBinding {
    ItemBinding *item = nullptr;
    std::size_t index = 0; // into the item's entries
    ADMEntryRef handle = nullptr;

    ListEntry &entry() const;
};

struct NotifierBinding {
    std::string type;
    ItemBinding *item = nullptr;
};

struct DrawerBinding {
    RecordingDrawer drawer;
    RunningDialog *dialog = nullptr;
};

struct IconBinding {
    std::shared_ptr<const IconPicture> picture;
    SPPluginRef owner = nullptr;
};

// One modal dialog while it runs: its model, its latest drawings, the user
// actions it has been given, and the bindings behind its handles.
struct RunningDialog {
    DialogModel model;
    DialogDrawings drawings;
    std::vector<std::string> replayed;
    ADMDialogRef handle = nullptr;
    std::deque<ItemBinding> items; // parallel to model.items
    std::deque<EntryBinding> entries;
};

class DialogHandles {
  public:
    ADMDialogRef addDialog(RunningDialog &dialog);
    // Binds model item `index` of `dialog`, with a list handle for a pop-up.
    ItemBinding &addItem(RunningDialog &dialog, std::size_t index);
    // Binds entry `index` of the item's list.
    EntryBinding &addEntry(ItemBinding &item, std::size_t index);
    // Withdraws the dialog's handle and every handle of its items.
    void removeDialog(RunningDialog &dialog);

    ADMNotifierRef addNotifier(NotifierBinding &notifier) { return notifiers_.add(&notifier); }
    void removeNotifier(ADMNotifierRef notifier) { notifiers_.remove(notifier); }
    ADMDrawerRef addDrawer(DrawerBinding &drawer) { return drawers_.add(&drawer); }
    void removeDrawer(ADMDrawerRef drawer) { drawers_.remove(drawer); }

    // Icons live until destroyed or until their plug-in is forgotten.
    ADMIconRef addIcon(std::shared_ptr<const IconPicture> picture, SPPluginRef owner);
    void destroyIcon(ADMIconRef icon);
    void forgetIcons(SPPluginRef owner);
    std::size_t liveIcons() const { return icons_.size(); }

    RunningDialog &dialog(ADMDialogRef dialog) const;
    ItemBinding &item(ADMItemRef item) const;
    ItemBinding &list(ADMListRef list) const;
    EntryBinding &entry(ADMEntryRef entry) const;
    NotifierBinding &notifier(ADMNotifierRef notifier) const;
    DrawerBinding &drawer(ADMDrawerRef drawer) const;
    const IconBinding &icon(ADMIconRef icon) const;

  private:
    HandleTable<RunningDialog, ADMDialogRef> dialogs_;
    HandleTable<ItemBinding, ADMItemRef> items_;
    HandleTable<ItemBinding, ADMListRef> lists_;
    HandleTable<EntryBinding, ADMEntryRef> entries_;
    HandleTable<NotifierBinding, ADMNotifierRef> notifiers_;
    HandleTable<DrawerBinding, ADMDrawerRef> drawers_;
    HandleTable<IconBinding, ADMIconRef> iconHandles_;
    std::map<ADMIconRef, std::unique_ptr<IconBinding>> icons_;
};

} // namespace vyn::host
