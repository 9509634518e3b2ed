// SDKAboutPluginsHelper.h — installs a plug-in's item in its maker's shared
// About submenu, creating that submenu under the host's "About" group when no
// plug-in of the same maker has made it yet.
//
// A short-lived object: it acquires its own AI Menu suite for the duration of
// one installation, so it works before or without the plug-in's suite table.
#pragma once

#include "AIMenu.h"
#include "IAIUnicodeString.h"
#include "SPMessages.h"

class SDKAboutPluginsHelper {
  public:
    SDKAboutPluginsHelper() noexcept : fAIMenu(nullptr) {}
    virtual ~SDKAboutPluginsHelper() {}
    SDKAboutPluginsHelper(const SDKAboutPluginsHelper &) = delete;
    SDKAboutPluginsHelper &operator=(const SDKAboutPluginsHelper &) = delete;

    // Adds the item `itemText` to the group `groupName`, first creating that
    // group as the submenu of a new item `parentText` in the host's "About"
    // group when it does not exist. On success *aboutItem receives the new
    // item. Returns the first error met; never throws.
    ASErr AddAboutPluginsMenuItem(SPInterfaceMessage *message, const char *groupName,
                                  const ai::UnicodeString &parentText, const char *itemText,
                                  AIMenuItemHandle *aboutItem);

    // Whether a host menu group named `name` (compared byte for byte) exists.
    ASErr GroupExists(const char *name, bool &exists);

  private:
    AIMenuSuite *fAIMenu;
};
