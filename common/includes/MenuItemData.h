// MenuItemData.h — AIPlatformAddMenuItemDataUS, the record handed to the AI
// Menu suite when adding a menu item: the group that receives the item and
// the item's text as a host Unicode string.
//
// It is passed to the host as the suite's C record, so its layout must stay
// exactly that of AIPlatformAddMenuItemDataUS_C (checked below).
#pragma once

#include <cstddef>

#include "AIMenu.h"
#include "IAIUnicodeString.h"

class AIPlatformAddMenuItemDataUS {
  public:
    AIPlatformAddMenuItemDataUS() noexcept : groupName(nullptr), itemText() {}

    // The record as the AI Menu suite reads it.
    const AIPlatformAddMenuItemDataUS_C *AsRecord() const noexcept {
        return reinterpret_cast<const AIPlatformAddMenuItemDataUS_C *>(this);
    }

    const char *groupName;      // borrowed; a constant string
    ai::UnicodeString itemText; // owned
};

static_assert(sizeof(AIPlatformAddMenuItemDataUS) == sizeof(AIPlatformAddMenuItemDataUS_C),
              "the menu item record must have the host's layout");
static_assert(offsetof(AIPlatformAddMenuItemDataUS, groupName) ==
                  offsetof(AIPlatformAddMenuItemDataUS_C, groupName),
              "group name first");
static_assert(offsetof(AIPlatformAddMenuItemDataUS, itemText) ==
                  offsetof(AIPlatformAddMenuItemDataUS_C, itemText),
              "item text second");
static_assert(sizeof(ai::UnicodeString) == sizeof(AIUnicodeStringRef), "a string is just its reference");
