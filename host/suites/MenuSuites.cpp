// AI Menu, AI Notifier and AI Context over the menu and notifier models.
#include "AIMenu.h"
#include "AINotifier.h"
#include "gate/CallGate.h"
#include "Host.h"
#include "frontend/MenuModel.h"
#include "frontend/NotifierModel.h"
#include "loader/PluginSet.h"
#include "gate/SuiteRegistry.h"
#include "text/UnicodeStrings.h"

namespace vyn::host {
namespace {

constexpr const char *kMenu = kAIMenuSuite;
constexpr const char *kNotifier = kAINotifierSuite;
constexpr const char *kContext = kAIAppContextSuite;

void requirePlugin(Host &host, SPPluginRef ref) {
    require(host.plugins().find(ref) != nullptr, "unknown plug-in reference");
}

AIErr ASAPI addMenuItem(SPPluginRef self, const char *keyName, const AIPlatformAddMenuItemDataUS_C *data,
                        ASInt32 options, AIMenuItemHandle *item) {
    if (item) *item = nullptr;
    return gate({kMenu, "AddMenuItem", CallContext::DuringMessage}, [&](Host &host) {
        requirePlugin(host, self);
        require(data && data->groupName, "null menu item record");
        std::u16string text = host.strings().text(data->itemText);
        AIMenuItemHandle h =
            host.menus().addItem(self, keyName ? keyName : "", data->groupName, std::move(text), options);
        if (item) *item = h;
        return kNoErr;
    });
}

AIErr ASAPI addMenuGroupAsSubMenu(const char *name, ASInt32 options, AIMenuItemHandle parentItem,
                                  AIMenuGroup *group) {
    if (group) *group = nullptr;
    return gate({kMenu, "AddMenuGroupAsSubMenu", CallContext::DuringMessage}, [&](Host &host) {
        require(name != nullptr, "null group name");
        AIMenuGroup g = host.menus().addSubmenuGroup(name, options, parentItem);
        if (group) *group = g;
        return kNoErr;
    });
}

AIErr ASAPI countMenuGroups(ASInt32 *count) {
    return gate({kMenu, "CountMenuGroups", CallContext::AnyTime}, [&](Host &host) {
        require(count != nullptr, "null count address");
        *count = static_cast<ASInt32>(host.menus().groups().size());
        return kNoErr;
    });
}

AIErr ASAPI getNthMenuGroup(ASInt32 n, AIMenuGroup *group) {
    if (group) *group = nullptr;
    return gate({kMenu, "GetNthMenuGroup", CallContext::AnyTime}, [&](Host &host) {
        const auto &groups = host.menus().groups();
        require(group != nullptr, "null group address");
        require(n >= 0 && static_cast<std::size_t>(n) < groups.size(), "menu group index out of range");
        *group = groups[static_cast<std::size_t>(n)].handle;
        return kNoErr;
    });
}

AIErr ASAPI getMenuGroupName(AIMenuGroup group, const char **name) {
    if (name) *name = nullptr;
    return gate({kMenu, "GetMenuGroupName", CallContext::AnyTime}, [&](Host &host) {
        const MenuGroup *g = host.menus().group(group);
        require(g != nullptr && name != nullptr, "stale menu group");
        *name = g->name.c_str();
        return kNoErr;
    });
}

AIErr ASAPI addNotifier(SPPluginRef self, const char *name, const char *type, AINotifierHandle *notifier) {
    if (notifier) *notifier = nullptr;
    return gate({kNotifier, "AddNotifier", CallContext::DuringMessage}, [&](Host &host) {
        requirePlugin(host, self);
        require(name && type, "null notifier name or type");
        AINotifierHandle h = host.notifiers().add(self, name, type);
        if (notifier) *notifier = h;
        return kNoErr;
    });
}

AIErr ASAPI pushAppContext(SPPluginRef plugin, AIAppContextHandle *context) {
    if (context) *context = nullptr;
    return gate({kContext, "PushAppContext", CallContext::DuringMessage}, [&](Host &host) {
        requirePlugin(host, plugin);
        require(context != nullptr, "null context address");
        *context = host.notifiers().pushContext(plugin);
        return kNoErr;
    });
}

AIErr ASAPI popAppContext(AIAppContextHandle context) {
    return gate({kContext, "PopAppContext", CallContext::DuringMessage}, [&](Host &host) {
        require(host.notifiers().popContext(context), "pop of a context that is not the innermost");
        return kNoErr;
    });
}

const AIMenuSuite kMenuTable = {
    .AddMenuItem = addMenuItem,
    .AddMenuGroupAsSubMenu = addMenuGroupAsSubMenu,
    .CountMenuGroups = countMenuGroups,
    .GetNthMenuGroup = getNthMenuGroup,
    .GetMenuGroupName = getMenuGroupName,
};
const AINotifierSuite kNotifierTable = {
    .AddNotifier = addNotifier,
};
const AIAppContextSuite kContextTable = {
    .PushAppContext = pushAppContext,
    .PopAppContext = popAppContext,
};

} // namespace

void registerMenuAndNotifierSuites(SuiteRegistry &registry) {
    registry.add(kAIMenuSuite, kAIMenuSuiteVersion, &kMenuTable);
    registry.add(kAINotifierSuite, kAINotifierSuiteVersion, &kNotifierTable);
    registry.add(kAIAppContextSuite, kAIAppContextSuiteVersion, &kContextTable);
}

} // namespace vyn::host
