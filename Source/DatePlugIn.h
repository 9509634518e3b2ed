// DatePlugIn.h — the Vyn•Colors plug-in object.
//
// One object per running plug-in, made at start-up from the host's block
// allocator and kept in the globals slot of the message header until
// shut-down; it survives unloads of the code. It installs the two menu
// commands and answers them.
#pragma once

#include <cstddef>

#include "Plugin.h"

class DatePlugIn : public Plugin {
  public:
    explicit DatePlugIn(SPPluginRef pluginRef);
    // Sets nothing but the dynamic type; see FixupVTable.
    explicit DatePlugIn(long);
    ~DatePlugIn() override;

    static void *operator new(std::size_t size) noexcept;
    static void operator delete(void *p) noexcept;
    // Placement at an existing object's address, for FixupVTable.
    static void *operator new(std::size_t size, DatePlugIn *where) noexcept;
    static void operator delete(void *p, DatePlugIn *where) noexcept;

    // After the code was unloaded and loaded again, the object's virtual
    // table pointer still points into the old code: re-create the dynamic
    // type in place, keeping every field.
    static void FixupVTable(DatePlugIn *plugin);

    ASErr StartupPlugin(SPInterfaceMessage *message) override;
    ASErr ShutdownPlugin(SPInterfaceMessage *message) override;
    // A reload that opened the code anew finds its globals fresh: the
    // settings dialog is placed again as at start-up.
    ASErr ReloadPlugin(SPInterfaceMessage *message) override;
    // Plugin::Message, with any exception turned into a result code.
    ASErr Message(const char *caller, const char *selector, void *message) override;
    ASErr Notify(AINotifierMessage *message) override;
    // The two menu commands (Menu.cpp).
    ASErr GoMenuItem(AIMenuMessage *message) override;

    // Installs the menu items and places the settings dialog (Menu.cpp).
    ASErr AddMenus(SPInterfaceMessage *message);

  private:
    AIMenuItemHandle fColorsMenuItem; // the settings command
    AIMenuItemHandle fAboutMenuItem;  // the item in the maker's About submenu
};
