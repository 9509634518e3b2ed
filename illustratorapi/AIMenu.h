/*
 * AIMenu.h — AI Menu: the host's menu groups and the plug-in's menu items.
 *
 * Choosing an item sends its plug-in "AI Menu"/"AI Go" with an AIMenuMessage.
 * The host offers the groups "Tool Palettes" and "About"; plug-ins add items
 * to groups and make groups of their own as submenus of items.
 */
#ifndef VYN_ILLUSTRATORAPI_AIMENU_H
#define VYN_ILLUSTRATORAPI_AIMENU_H

#include "ASTypes.h"

#define kAIMenuSuite "AI Menu Suite"
#define kAIMenuSuiteVersion 1009

#define kToolPalettesMenuGroup "Tool Palettes"
#define kAboutMenuGroup "About"

/* Option flags; their meaning is the host's (docs/host-behaviour.md, "Menus"). */
enum { kMenuItemNoOptions = 0, kMenuGroupSortedAlphabeticallyOption = 1 };

/* The record describing a new item: the group that receives it and its text.
 * The text is a host Unicode string; a plug-in written in C++ passes an
 * ai::UnicodeString, whose only field is that reference. */
typedef struct AIPlatformAddMenuItemDataUS_C {
    const char *groupName;
    AIUnicodeStringRef itemText;
} AIPlatformAddMenuItemDataUS_C;

typedef struct AIMenuSuite {
    /* Adds an item at the end of `data->groupName`. `keyName` is a stable
     * name for the item (null: the host makes one from the text). `options`
     * is passed through. `item` receives the handle, valid until the plug-in
     * is shut down. Returns 0, kNotFoundErr when the group does not exist, or
     * kBadParameterErr for an unknown plug-in or a null record.
     * [during a message] See docs/host-behaviour.md, "Menus". */
    AIErr(ASAPI *AddMenuItem)(SPPluginRef self, const char *keyName,
                              const AIPlatformAddMenuItemDataUS_C *data, ASInt32 options,
                              AIMenuItemHandle *item);

    /* Creates the menu group `name` as the submenu of `parentItem`. `group`
     * receives it (may be null when not wanted). Returns 0, kBadParameterErr
     * for a stale item, or kCantHappenErr when a group of that name exists.
     * [during a message] */
    AIErr(ASAPI *AddMenuGroupAsSubMenu)(const char *name, ASInt32 options, AIMenuItemHandle parentItem,
                                        AIMenuGroup *group);

    /* The number of menu groups, host groups included. Returns 0. [any time] */
    AIErr(ASAPI *CountMenuGroups)(ASInt32 *count);

    /* The n-th menu group, from 0, in order of creation (host groups first).
     * Returns 0 or kBadParameterErr when n is out of range. [any time] */
    AIErr(ASAPI *GetNthMenuGroup)(ASInt32 n, AIMenuGroup *group);

    /* The group's name; `name` receives a pointer owned by the host, valid
     * while the group exists. Returns 0 or kBadParameterErr. [any time] */
    AIErr(ASAPI *GetMenuGroupName)(AIMenuGroup group, const char **name);
} AIMenuSuite;

#endif /* VYN_ILLUSTRATORAPI_AIMENU_H */
