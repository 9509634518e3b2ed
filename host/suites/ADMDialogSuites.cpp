// ADM Dialog, Item, List, Entry and Notifier over the dialog engine, and the
// registration of every dialog-manager suite.
#include "ADMAcquired.h"
#include "ADMDialog.h"
#include "ADMEntry.h"
#include "ADMItem.h"
#include "ADMList.h"
#include "ADMNotifier.h"
#include "gate/CallGate.h"
#include "Host.h"
#include "loader/PluginSet.h"
#include "gate/SuiteRegistry.h"
#include "dialog/DialogEngine.h"
#include "suites/ADMSuiteParts.h"

namespace vyn::host {
namespace {

constexpr const char *kDialog = kADMDialogSuite;
constexpr const char *kItem = kADMItemSuite;
constexpr const char *kList = kADMListSuite;
constexpr const char *kEntry = kADMEntrySuite;
constexpr const char *kNotifier = kADMNotifierSuite;

RunningDialog &dialogOf(Host &host, ADMDialogRef dialog) { return host.dialogs().handles().dialog(dialog); }
ItemBinding &itemOf(Host &host, ADMItemRef item) { return host.dialogs().handles().item(item); }

// Runs `change` on the item behind `item`, through the gate.
template <class Change> void changeItem(const char *operation, ADMItemRef item, Change &&change) {
    gateVoid({kItem, operation, CallContext::InsideDialogProcedure}, [&](Host &host) {
        ItemBinding &binding = itemOf(host, item);
        change(binding.model(), binding.index, binding.item());
    });
}

// ---- ADM Dialog -----------------------------------------------------------

ASInt32 ASAPI modal(SPPluginRef plugin, const char *name, ASInt32 dialogID, ADMDialogStyle style,
                    ADMDialogInitProc initProc, ADMUserData userData, ASInt32 options) {
    return gateValue<ASInt32>(
        {kDialog, "Modal", CallContext::DuringMessage}, kADMNoModalResult, [&](Host &host) {
            require(!plugin || host.plugins().find(plugin), "unknown plug-in reference");
            ModalRequest request{plugin, name ? name : "", dialogID, style, initProc, userData, options};
            return host.dialogs().runModal(request, host.screen());
        });
}

void ASAPI setBoundsRect(ADMDialogRef dialog, const ADMRect *bounds) {
    gateVoid({kDialog, "SetBoundsRect", CallContext::InsideDialogProcedure}, [&](Host &host) {
        RunningDialog &d = dialogOf(host, dialog);
        require(bounds != nullptr, "null rectangle");
        d.model.bounds = *bounds;
    });
}

void ASAPI getBoundsRect(ADMDialogRef dialog, ADMRect *bounds) {
    if (bounds) *bounds = {};
    gateVoid({kDialog, "GetBoundsRect", CallContext::InsideDialogProcedure}, [&](Host &host) {
        RunningDialog &d = dialogOf(host, dialog);
        require(bounds != nullptr, "null rectangle address");
        *bounds = d.model.bounds;
    });
}

void ASAPI setDialogText(ADMDialogRef dialog, const char *text) {
    gateVoid({kDialog, "SetText", CallContext::InsideDialogProcedure},
             [&](Host &host) { dialogOf(host, dialog).model.title = admText(text); });
}

void ASAPI setDialogDrawProc(ADMDialogRef dialog, ADMDialogDrawProc proc) {
    gateVoid({kDialog, "SetDrawProc", CallContext::InsideDialogProcedure},
             [&](Host &host) { dialogOf(host, dialog).model.drawProc = proc; });
}

void ASAPI defaultDraw(ADMDialogRef dialog, ADMDrawerRef drawer) {
    gateVoid({kDialog, "DefaultDraw", CallContext::InsideDrawingProcedure}, [&](Host &host) {
        RunningDialog &d = dialogOf(host, dialog);
        DrawerBinding &b = host.dialogs().handles().drawer(drawer);
        require(b.dialog == &d, "drawer of another dialog");
        b.drawer.clearAll();
    });
}

SPPluginRef ASAPI getPluginRef(ADMDialogRef dialog) {
    return gateValue<SPPluginRef>({kDialog, "GetPluginRef", CallContext::InsideDialogProcedure}, nullptr,
                                  [&](Host &host) { return dialogOf(host, dialog).model.plugin; });
}

ADMItemRef ASAPI getItem(ADMDialogRef dialog, ASInt32 itemID) {
    return gateValue<ADMItemRef>({kDialog, "GetItem", CallContext::InsideDialogProcedure}, nullptr,
                                 [&](Host &host) -> ADMItemRef {
                                     RunningDialog &d = dialogOf(host, dialog);
                                     auto index = d.model.find(itemID);
                                     return index ? d.items[*index].handle : nullptr;
                                 });
}

ASBoolean ASAPI endModal(ADMDialogRef dialog, ASInt32 modalResultID, ASBoolean cancelling) {
    return gateValue<ASBoolean>(
        {kDialog, "EndModal", CallContext::InsideDialogProcedure}, 0, [&](Host &host) -> ASBoolean {
            if (!dialog) return 0;
            return dialogOf(host, dialog).model.end(modalResultID, cancelling != 0) ? 1 : 0;
        });
}

// ---- ADM Item -------------------------------------------------------------

ADMItemRef ASAPI createItem(ADMDialogRef dialog, ASInt32 itemID, ADMItemType itemType, const ADMRect *bounds,
                            ADMItemNotifyProc notifyProc, ADMUserData userData, ASInt32 options) {
    return gateValue<ADMItemRef>(
        {kItem, "Create", CallContext::InsideDialogProcedure}, nullptr, [&](Host &host) {
            RunningDialog &d = dialogOf(host, dialog);
            require(itemType != nullptr && bounds != nullptr, "null item kind or rectangle");
            std::optional<ItemKind> kind = itemKindFromName(itemType);
            if (!kind)
                throw HostError(kBadParameterErr,
                                std::string("item kind \"") + itemType + "\" is not offered");
            ItemBinding &binding = host.dialogs().createItem(d, *kind, itemID, *bounds);
            DialogItem &item = binding.item();
            item.notifyProc = notifyProc;
            item.userData = userData;
            item.options = options;
            return binding.handle;
        });
}

void ASAPI setFont(ADMItemRef item, ADMFont font) {
    changeItem("SetFont", item, [&](DialogModel &, std::size_t, DialogItem &it) { it.font = font; });
}

void ASAPI setJustify(ADMItemRef item, ADMJustify justify) {
    changeItem("SetJustify", item, [&](DialogModel &, std::size_t, DialogItem &it) { it.justify = justify; });
}

void ASAPI setItemText(ADMItemRef item, const char *text) {
    changeItem("SetText", item, [&](DialogModel &model, std::size_t index, DialogItem &it) {
        if (it.kind != ItemKind::SpinEdit) {
            it.text = admText(text);
        } else if (auto points = parseTypedValue(admText(text), it.unit)) {
            model.setValue(index, *points);
        }
    });
}

void ASAPI setNotifyProc(ADMItemRef item, ADMItemNotifyProc proc) {
    changeItem("SetNotifyProc", item,
               [&](DialogModel &, std::size_t, DialogItem &it) { it.notifyProc = proc; });
}

void ASAPI setItemDrawProc(ADMItemRef item, ADMItemDrawProc proc) {
    changeItem("SetDrawProc", item, [&](DialogModel &, std::size_t, DialogItem &it) { it.drawProc = proc; });
}

void ASAPI defaultNotify(ADMItemRef item, ADMNotifierRef notifier) {
    gateVoid({kItem, "DefaultNotify", CallContext::InsideDialogProcedure}, [&](Host &host) {
        ItemBinding &binding = itemOf(host, item);
        host.dialogs().defaultNotify(binding, host.dialogs().handles().notifier(notifier));
    });
}

ADMDialogRef ASAPI getDialog(ADMItemRef item) {
    return gateValue<ADMDialogRef>({kItem, "GetDialog", CallContext::InsideDialogProcedure}, nullptr,
                                   [&](Host &host) { return itemOf(host, item).dialog->handle; });
}

ASInt32 ASAPI getID(ADMItemRef item) {
    return gateValue<ASInt32>({kItem, "GetID", CallContext::InsideDialogProcedure}, 0,
                              [&](Host &host) { return itemOf(host, item).item().id; });
}

ASReal ASAPI getFloatValue(ADMItemRef item) {
    return gateValue<ASReal>({kItem, "GetFloatValue", CallContext::InsideDialogProcedure}, 0.0f,
                             [&](Host &host) { return itemOf(host, item).item().value; });
}

void ASAPI setFloatValue(ADMItemRef item, ASReal value) {
    changeItem("SetFloatValue", item,
               [&](DialogModel &model, std::size_t index, DialogItem &) { model.setValue(index, value); });
}

void ASAPI setMinFloatValue(ADMItemRef item, ASReal minimum) {
    changeItem("SetMinFloatValue", item,
               [&](DialogModel &, std::size_t, DialogItem &it) { it.minimum = minimum; });
}

void ASAPI setUnits(ADMItemRef item, ADMUnits units) {
    changeItem("SetUnits", item, [&](DialogModel &, std::size_t, DialogItem &it) {
        if (auto unit = unitFromCode(units)) it.unit = *unit;
    });
}

void ASAPI setSmallIncrement(ADMItemRef item, ASReal increment) {
    changeItem("SetSmallIncrement", item,
               [&](DialogModel &, std::size_t, DialogItem &it) { it.smallStep = increment; });
}

void ASAPI setLargeIncrement(ADMItemRef item, ASReal increment) {
    changeItem("SetLargeIncrement", item,
               [&](DialogModel &, std::size_t, DialogItem &it) { it.largeStep = increment; });
}

void ASAPI setTipString(ADMItemRef item, const char *tip) {
    changeItem("SetTipString", item,
               [&](DialogModel &, std::size_t, DialogItem &it) { it.tooltip = admText(tip); });
}

void ASAPI enable(ADMItemRef item, ASBoolean on) {
    changeItem("Enable", item,
               [&](DialogModel &model, std::size_t index, DialogItem &) { model.enable(index, on != 0); });
}

void ASAPI activate(ADMItemRef item, ASBoolean on) {
    changeItem("Activate", item,
               [&](DialogModel &model, std::size_t index, DialogItem &) { model.activate(index, on != 0); });
}

void ASAPI invalidate(ADMItemRef item) {
    changeItem("Invalidate", item, [&](DialogModel &, std::size_t, DialogItem &it) { it.invalid = true; });
}

void ASAPI setBooleanValue(ADMItemRef item, ASBoolean value) {
    changeItem("SetBooleanValue", item,
               [&](DialogModel &, std::size_t, DialogItem &it) { it.checked = value != 0; });
}

ASBoolean ASAPI getBooleanValue(ADMItemRef item) {
    return gateValue<ASBoolean>(
        {kItem, "GetBooleanValue", CallContext::InsideDialogProcedure}, 0,
        [&](Host &host) -> ASBoolean { return itemOf(host, item).item().checked ? 1 : 0; });
}

ADMListRef ASAPI getList(ADMItemRef item) {
    return gateValue<ADMListRef>({kItem, "GetList", CallContext::InsideDialogProcedure}, nullptr,
                                 [&](Host &host) { return itemOf(host, item).list; });
}

// ---- ADM List -------------------------------------------------------------

ADMEntryRef ASAPI indexEntry(ADMListRef list, ASInt32 index) {
    return gateValue<ADMEntryRef>(
        {kList, "IndexEntry", CallContext::InsideDialogProcedure}, nullptr, [&](Host &host) -> ADMEntryRef {
            const ItemBinding &binding = host.dialogs().handles().list(list);
            if (index < 0 || static_cast<std::size_t>(index) >= binding.entries.size()) return nullptr;
            return binding.entries[static_cast<std::size_t>(index)]->handle;
        });
}

ADMEntryRef ASAPI getActiveEntry(ADMListRef list) {
    return gateValue<ADMEntryRef>({kList, "GetActiveEntry", CallContext::InsideDialogProcedure}, nullptr,
                                  [&](Host &host) -> ADMEntryRef {
                                      for (const EntryBinding *entry :
                                           host.dialogs().handles().list(list).entries)
                                          if (entry->entry().selected) return entry->handle;
                                      return nullptr;
                                  });
}

ASInt32 ASAPI numberOfEntries(ADMListRef list) {
    return gateValue<ASInt32>(
        {kList, "NumberOfEntries", CallContext::InsideDialogProcedure}, 0,
        [&](Host &host) { return static_cast<ASInt32>(host.dialogs().handles().list(list).entries.size()); });
}

// ---- ADM Entry ------------------------------------------------------------

ADMEntryRef ASAPI createEntry(ADMListRef list) {
    return gateValue<ADMEntryRef>(
        {kEntry, "Create", CallContext::InsideDialogProcedure}, nullptr,
        [&](Host &host) { return host.dialogs().createEntry(host.dialogs().handles().list(list)).handle; });
}

void ASAPI setEntryText(ADMEntryRef entry, const char *text) {
    gateVoid({kEntry, "SetText", CallContext::InsideDialogProcedure}, [&](Host &host) {
        EntryBinding &binding = host.dialogs().handles().entry(entry);
        ListEntry &e = binding.entry();
        e.text = admText(text);
        if (e.selected) binding.item->item().text = e.text;
    });
}

void ASAPI setEntryID(ADMEntryRef entry, ASInt32 entryID) {
    gateVoid({kEntry, "SetID", CallContext::InsideDialogProcedure},
             [&](Host &host) { host.dialogs().handles().entry(entry).entry().id = entryID; });
}

ASInt32 ASAPI getEntryID(ADMEntryRef entry) {
    return gateValue<ASInt32>({kEntry, "GetID", CallContext::InsideDialogProcedure}, 0,
                              [&](Host &host) { return host.dialogs().handles().entry(entry).entry().id; });
}

void ASAPI selectEntry(ADMEntryRef entry, ASBoolean select) {
    gateVoid({kEntry, "Select", CallContext::InsideDialogProcedure}, [&](Host &host) {
        EntryBinding &binding = host.dialogs().handles().entry(entry);
        binding.item->model().selectEntry(binding.item->index, binding.index, select != 0);
    });
}

// ---- ADM Notifier ---------------------------------------------------------

ASBoolean ASAPI isNotifierType(ADMNotifierRef notifier, const char *type) {
    return gateValue<ASBoolean>(
        {kNotifier, "IsNotifierType", CallContext::InsideDialogProcedure}, 0, [&](Host &host) -> ASBoolean {
            const NotifierBinding &binding = host.dialogs().handles().notifier(notifier);
            return type && binding.type == type ? 1 : 0;
        });
}

// ---- tables ---------------------------------------------------------------

const ADMDialogSuite kDialogTable = {
    .Modal = modal,
    .SetBoundsRect = setBoundsRect,
    .GetBoundsRect = getBoundsRect,
    .SetText = setDialogText,
    .SetDrawProc = setDialogDrawProc,
    .DefaultDraw = defaultDraw,
    .GetPluginRef = getPluginRef,
    .GetItem = getItem,
    .EndModal = endModal,
};

const ADMItemSuite kItemTable = {
    .Create = createItem,
    .SetFont = setFont,
    .SetJustify = setJustify,
    .SetText = setItemText,
    .SetNotifyProc = setNotifyProc,
    .SetDrawProc = setItemDrawProc,
    .DefaultNotify = defaultNotify,
    .GetDialog = getDialog,
    .GetID = getID,
    .GetFloatValue = getFloatValue,
    .SetFloatValue = setFloatValue,
    .SetMinFloatValue = setMinFloatValue,
    .SetUnits = setUnits,
    .SetSmallIncrement = setSmallIncrement,
    .SetLargeIncrement = setLargeIncrement,
    .SetTipString = setTipString,
    .Enable = enable,
    .Activate = activate,
    .Invalidate = invalidate,
    .SetBooleanValue = setBooleanValue,
    .GetBooleanValue = getBooleanValue,
    .GetList = getList,
};

const ADMListSuite kListTable = {
    .IndexEntry = indexEntry,
    .GetActiveEntry = getActiveEntry,
    .NumberOfEntries = numberOfEntries,
};
const ADMEntrySuite kEntryTable = {
    .Create = createEntry,
    .SetText = setEntryText,
    .SetID = setEntryID,
    .GetID = getEntryID,
    .Select = selectEntry,
};
const ADMNotifierSuite kNotifierTable = {
    .IsNotifierType = isNotifierType,
};
const ASNoOperations kNoOperations = {nullptr};

} // namespace

void registerADMSuites(SuiteRegistry &registry) {
    registerADMBasicSuite(registry);
    registry.add(kADMDialogSuite, kADMDialogSuiteVersion, &kDialogTable);
    registry.add(kADMItemSuite, kADMItemSuiteVersion, &kItemTable);
    registry.add(kADMListSuite, kADMListSuiteVersion, &kListTable);
    registry.add(kADMEntrySuite, kADMEntrySuiteVersion, &kEntryTable);
    registry.add(kADMNotifierSuite, kADMNotifierSuiteVersion, &kNotifierTable);
    registerADMDrawerSuites(registry);
    registry.add(kADMDialogGroupSuite, kADMDialogGroupSuiteVersion, &kNoOperations);
    registry.add(kADMTrackerSuite, kADMTrackerSuiteVersion, &kNoOperations);
}

} // namespace vyn::host
