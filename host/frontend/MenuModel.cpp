#include "frontend/MenuModel.h"

#include <algorithm>

#include "AIMenu.h"
#include "gate/HostError.h"
#include "text/MacRoman.h"
#include "text/Utf.h"

namespace vyn::host {

MenuModel::MenuModel() {
    for (const char *name : {kToolPalettesMenuGroup, kAboutMenuGroup}) {
        MenuGroup g;
        g.handle = HandleSpace::nextAs<AIMenuGroup>();
        g.name = name;
        groups_.push_back(g);
    }
}

AIMenuItemHandle MenuModel::addItem(SPPluginRef owner, std::string keyName, std::string group,
                                    std::u16string text, ASInt32 options) {
    if (!groupNamed(group)) throw HostError(kNotFoundErr, "no menu group \"" + macRomanToUtf8(group) + "\"");
    auto item = std::make_unique<MenuItem>();
    item->owner = owner;
    item->keyName = std::move(keyName);
    item->group = std::move(group);
    item->text = std::move(text);
    item->options = options;
    MenuItem *raw = item.get();
    raw->handle = items_.add(std::move(item));
    itemOrder_.push_back(raw->handle);
    return raw->handle;
}

AIMenuGroup MenuModel::addSubmenuGroup(std::string name, ASInt32 options, AIMenuItemHandle parentItem) {
    MenuItem *parent = items_.find(parentItem);
    require(parent != nullptr, "stale parent menu item");
    if (groupNamed(name))
        throw HostError(kCantHappenErr, "menu group \"" + macRomanToUtf8(name) + "\" exists");
    require(parent->submenu.empty(), "the parent item already has a submenu");
    MenuGroup g;
    g.handle = HandleSpace::nextAs<AIMenuGroup>();
    g.name = name;
    g.owner = parent->owner;
    g.parentItem = parentItem;
    g.options = options;
    parent->submenu = std::move(name);
    groups_.push_back(g);
    return g.handle;
}

const MenuGroup *MenuModel::group(AIMenuGroup handle) const {
    for (const auto &g : groups_)
        if (g.handle == handle) return &g;
    return nullptr;
}

const MenuGroup *MenuModel::groupNamed(const std::string &name) const {
    for (const auto &g : groups_)
        if (g.name == name) return &g;
    return nullptr;
}

std::vector<const MenuItem *> MenuModel::itemsIn(const std::string &group) const {
    std::vector<const MenuItem *> out;
    for (AIMenuItemHandle h : itemOrder_)
        if (const MenuItem *i = items_.find(h); i && i->group == group) out.push_back(i);
    return out;
}

const MenuItem *MenuModel::findByPath(const std::vector<std::string> &path) const {
    for (const auto &root : groups_) {
        if (root.parentItem) continue; // only the host's own groups are roots
        std::size_t start = !path.empty() && macRomanToUtf8(root.name) == path[0] ? 1 : 0;
        std::string group = root.name;
        const MenuItem *found = nullptr;
        for (std::size_t k = start; k < path.size(); ++k) {
            if (found) {
                if (found->submenu.empty()) {
                    found = nullptr;
                    break;
                }
                group = found->submenu;
            }
            found = nullptr;
            for (const MenuItem *i : itemsIn(group))
                if (utf16ToUtf8(i->text) == path[k]) found = i;
            if (!found) break;
        }
        if (found && start < path.size()) return found;
    }
    return nullptr;
}

void MenuModel::listGroup(const std::string &group, const std::string &prefix,
                          std::vector<std::string> &lines) const {
    for (const MenuItem *i : itemsIn(group)) {
        std::string path = prefix + " \u203A " + utf16ToUtf8(i->text);
        if (i->submenu.empty())
            lines.push_back(path);
        else
            listGroup(i->submenu, path, lines);
    }
}

std::vector<std::string> MenuModel::listing() const {
    std::vector<std::string> lines;
    for (const auto &root : groups_)
        if (!root.parentItem) listGroup(root.name, macRomanToUtf8(root.name), lines);
    return lines;
}

void MenuModel::dropPlugin(SPPluginRef owner) {
    std::vector<AIMenuItemHandle> keep;
    for (AIMenuItemHandle h : itemOrder_) {
        MenuItem *i = items_.find(h);
        if (i && i->owner == owner)
            items_.erase(h);
        else if (i)
            keep.push_back(h);
    }
    itemOrder_ = std::move(keep);
    std::erase_if(groups_, [owner](const MenuGroup &g) { return g.owner == owner && g.owner; });
}

} // namespace vyn::host
