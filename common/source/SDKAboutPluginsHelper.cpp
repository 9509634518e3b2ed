// SDKAboutPluginsHelper.cpp — the maker's shared About submenu.
#include "SDKAboutPluginsHelper.h"

#include <cstring>

#include "MenuItemData.h"

ASErr SDKAboutPluginsHelper::AddAboutPluginsMenuItem(SPInterfaceMessage *message, const char *groupName,
                                                     const ai::UnicodeString &parentText,
                                                     const char *itemText, AIMenuItemHandle *aboutItem) {
    SPBasicSuite *basic = message->d.basic;
    ASErr error = kNoErr;
    try {
        if (fAIMenu == nullptr)
            error = basic->AcquireSuite(kAIMenuSuite, kAIMenuSuiteVersion,
                                        static_cast<const void **>(static_cast<void *>(&fAIMenu)));
        if (error == kNoErr) {
            bool exists = false;
            error = GroupExists(groupName, exists);
            if (error == kNoErr && !exists) {
                AIPlatformAddMenuItemDataUS parent;
                parent.groupName = kAboutMenuGroup;
                parent.itemText = parentText;
                AIMenuItemHandle parentItem = nullptr;
                error = fAIMenu->AddMenuItem(message->d.self, nullptr, parent.AsRecord(), kMenuItemNoOptions,
                                             &parentItem);
                if (error == kNoErr) {
                    AIMenuGroup group = nullptr;
                    error = fAIMenu->AddMenuGroupAsSubMenu(groupName, kMenuGroupSortedAlphabeticallyOption,
                                                           parentItem, &group);
                }
            }
        }
        if (error == kNoErr) {
            AIPlatformAddMenuItemDataUS item;
            item.groupName = groupName;
            item.itemText = ai::UnicodeString(itemText);
            AIMenuItemHandle newItem = nullptr;
            error =
                fAIMenu->AddMenuItem(message->d.self, nullptr, item.AsRecord(), kMenuItemNoOptions, &newItem);
            if (error == kNoErr) *aboutItem = newItem;
        }
    } catch (const ai::Error &e) {
        // A host string that could not be made: report it like any other
        // host error, after giving the menu suite back.
        if (error == kNoErr) error = static_cast<ASErr>(static_cast<long>(e));
    }

    if (fAIMenu != nullptr) {
        basic->ReleaseSuite(kAIMenuSuite, kAIMenuSuiteVersion);
        fAIMenu = nullptr;
    }
    return error;
}

ASErr SDKAboutPluginsHelper::GroupExists(const char *name, bool &exists) {
    exists = false;
    ASInt32 count = 0;
    if (ASErr error = fAIMenu->CountMenuGroups(&count)) return error;
    for (ASInt32 i = 0; i < count; ++i) {
        AIMenuGroup group = nullptr;
        if (ASErr error = fAIMenu->GetNthMenuGroup(i, &group)) return error;
        const char *groupName = nullptr;
        if (ASErr error = fAIMenu->GetMenuGroupName(group, &groupName)) return error;
        if (groupName != nullptr && std::strcmp(groupName, name) == 0) {
            exists = true;
            break;
        }
    }
    return kNoErr;
}
