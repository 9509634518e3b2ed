// Menu.cpp — the plug-in's two menu commands: installing them at start-up,
// placing the settings dialog on the screen, and running a chosen command.
//
// The settings command sits in the maker's submenu "Vyn•Tools" under the
// host's "Tool Palettes" group, the About command in the maker's submenu
// "About Vyn•Tools…" under the host's "About" group. Other plug-ins of the
// same maker may have made either submenu already; it is made only when no
// group of that name exists.
#include <cstring>

#include "About.h"
#include "DatePlugIn.h"
#include "Dialogue.h"
#include "MenuItemData.h"
#include "SDKAboutPluginsHelper.h"
#include "SuiteGlobals.h"

namespace {

// Menu texts and names, 8-bit Mac Roman (0xA5 bullet, 0xC9 ellipsis).
const char kToolsGroup[] = "Vyn\xA5Tools";
const char kColorsItem[] = "Vyn\xA5"
                           "Colors\xC9";
const char kAboutToolsGroup[] = "About Vyn\xA5Tools\xC9";

// The settings dialog's name is stored as UTF-8.
const char kSettingsDialogName[] = "Mod\xC3\xA8leBidon";
constexpr ASInt32 kSettingsDialogID = 26000;
const char kAboutDialogName[] = "About";
constexpr ASInt32 kAboutDialogID = 16500;

// Passed through to the host when adding the settings command.
constexpr ASInt32 kCommandItemOptions = 1;

// The index of the group named `name`, searching from the last group down;
// -1 when there is none.
ASErr FindGroupFromLast(const char *name, ASInt32 &found) {
    found = -1;
    ASInt32 count = 0;
    if (ASErr error = sAIMenu->CountMenuGroups(&count)) return error;
    for (ASInt32 i = count - 1; i >= 0; --i) {
        AIMenuGroup group = nullptr;
        if (ASErr error = sAIMenu->GetNthMenuGroup(i, &group)) return error;
        const char *groupName = nullptr;
        if (ASErr error = sAIMenu->GetMenuGroupName(group, &groupName)) return error;
        if (groupName != nullptr && std::strcmp(groupName, name) == 0) {
            found = i;
            break;
        }
    }
    return kNoErr;
}

void InstallAboutItem(SPInterfaceMessage *message, AIMenuItemHandle *aboutItem) {
    // A failure leaves the About command out; start-up goes on.
    try {
        SDKAboutPluginsHelper aboutHelper;
        ai::UnicodeString parentText(kAboutToolsGroup);
        aboutHelper.AddAboutPluginsMenuItem(message, kAboutToolsGroup, parentText, kColorsItem, aboutItem);
    } catch (const ai::Error &) {
    }
}

} // namespace

// 32-bit arithmetic, stored as 16-bit.
void PlaceSettingsDialog() {
    ADMRect screen = {0, 0, 0, 0};
    sADMBasic->GetScreenDimensions(&screen);
    const ASInt32 freeHeight = screen.bottom - screen.top - kSettingsDialogHeight;
    const ASInt32 freeWidth = screen.right - screen.left - kSettingsDialogWidth;
    PosDialReglages.top = static_cast<ASInt16>(freeHeight / 3);
    PosDialReglages.left = static_cast<ASInt16>(freeWidth >> 1);
}

bool SettingsDialogUnplaced() {
    return PosDialReglages.top == 0 && PosDialReglages.left == 0 && PosDialReglages.bottom == 0 &&
           PosDialReglages.right == 0;
}

ASErr DatePlugIn::AddMenus(SPInterfaceMessage *message) {
    InstallAboutItem(message, &fAboutMenuItem);

    AIPlatformAddMenuItemDataUS toolsItem;
    toolsItem.groupName = kToolPalettesMenuGroup;
    toolsItem.itemText = ai::UnicodeString(kToolsGroup);

    ASInt32 toolsGroup = -1;
    if (ASErr error = FindGroupFromLast(kToolsGroup, toolsGroup)) return error;
    if (toolsGroup < 0) {
        if (ASErr error = sAIMenu->AddMenuItem(message->d.self, kToolsGroup, toolsItem.AsRecord(),
                                               kMenuItemNoOptions, &fColorsMenuItem))
            return error;
        AIMenuGroup group = nullptr;
        if (ASErr error = sAIMenu->AddMenuGroupAsSubMenu(kToolsGroup, kMenuGroupSortedAlphabeticallyOption,
                                                         fColorsMenuItem, &group))
            return error;
    }

    AIPlatformAddMenuItemDataUS colorsItem;
    colorsItem.groupName = kToolsGroup;
    colorsItem.itemText = ai::UnicodeString(kColorsItem);
    ASErr result = sAIMenu->AddMenuItem(message->d.self, kColorsItem, colorsItem.AsRecord(),
                                        kCommandItemOptions, &fColorsMenuItem);

    PlaceSettingsDialog();
    return result;
}

ASErr DatePlugIn::GoMenuItem(AIMenuMessage *message) {
    if (message->menuItem == fAboutMenuItem) {
        sADMDialog->Modal(message->d.self, kAboutDialogName, kAboutDialogID, kADMModalDialogStyle,
                          AboutParDefautProc, nullptr, 0);
        return kNoErr;
    }

    if (message->menuItem == fColorsMenuItem)
        PosDialReglages.bottom = static_cast<ASInt16>(PosDialReglages.top + kSettingsDialogHeight);
    PosDialReglages.right = static_cast<ASInt16>(PosDialReglages.left + kSettingsDialogWidth);

    SPPluginRef plugin = nullptr;
    ASErr result = sSPAccess->GetCurrentPlugin(&plugin);
    // Everything the dialog does happens inside it; its own result says only
    // which button closed it.
    sADMDialog->Modal(plugin, kSettingsDialogName, kSettingsDialogID, kADMModalDialogStyle,
                      ValeursDefautDialogue, nullptr, 0);
    return result;
}
