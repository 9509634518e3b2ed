// MenuModel.h — the host's menus: groups, and the items plug-ins add to them.
//
// The host starts with the groups "Tool Palettes" and "About". Group names
// and item key names are kept as the plug-in's 8-bit text (platform
// encoding); item texts as UTF-16, like every host string.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gate/HandleTable.h"
#include "ASTypes.h"

namespace vyn::host {

struct MenuItem {
    AIMenuItemHandle handle = nullptr;
    SPPluginRef owner = nullptr;
    std::string keyName; // platform bytes, empty when none was given
    std::string group;   // platform bytes: the group the item sits in
    std::u16string text;
    ASInt32 options = 0;
    std::string submenu; // platform bytes: the group this item opens, if any
};

struct MenuGroup {
    AIMenuGroup handle = nullptr;
    std::string name;            // platform bytes
    SPPluginRef owner = nullptr; // null for the host's own groups
    AIMenuItemHandle parentItem = nullptr;
    ASInt32 options = 0;
};

class MenuModel {
  public:
    MenuModel();

    // Throws HostError(kNotFoundErr) when the group does not exist.
    AIMenuItemHandle addItem(SPPluginRef owner, std::string keyName, std::string group, std::u16string text,
                             ASInt32 options);
    // Throws HostError for a stale parent item or a group name in use.
    AIMenuGroup addSubmenuGroup(std::string name, ASInt32 options, AIMenuItemHandle parentItem);

    const std::vector<MenuGroup> &groups() const { return groups_; }
    const MenuGroup *group(AIMenuGroup handle) const;
    const MenuGroup *groupNamed(const std::string &name) const;
    const MenuItem *item(AIMenuItemHandle handle) const { return items_.find(handle); }

    // The item reached by following item texts (UTF-8) from a host group's
    // items down through submenus; the host group's own name may lead the path.
    const MenuItem *findByPath(const std::vector<std::string> &path) const;
    // One line per item that opens no submenu, as the path to it
    // ("Tool Palettes › Vyn•Tools › Vyn•Colors…"), in menu order.
    std::vector<std::string> listing() const;

    // Removes the items and groups a plug-in added (at its shut-down).
    void dropPlugin(SPPluginRef owner);

  private:
    std::vector<const MenuItem *> itemsIn(const std::string &group) const;
    void listGroup(const std::string &group, const std::string &prefix,
                   std::vector<std::string> &lines) const;

    std::vector<MenuGroup> groups_;
    OwningHandleTable<MenuItem, AIMenuItemHandle> items_;
    std::vector<AIMenuItemHandle> itemOrder_;
};

} // namespace vyn::host
