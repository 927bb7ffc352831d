#pragma once
// Menus and accelerator tables by resource id.

#include <span>
#include <string_view>

#include "resources/Resource.h"

struct MENU_ITEM {
  enum Kind { Command, Separator, Popup, EndPopup };
  Kind kind;
  RESOURCE_ID nID;  // commands only
  const char16_t* text;
};

// Keys in Qt's portable text ("Ctrl+N").
struct ACCEL_ENTRY {
  const char* keys;
  RESOURCE_ID nID;
};

// Empty when there is no such menu or table.
std::span<const MENU_ITEM> FindMenu(RESOURCE_ID nIDMenu);
// The text of a command's item in a menu; null when the menu has no such item.
const char16_t* FindMenuItemText(RESOURCE_ID nIDMenu, RESOURCE_ID nIDCommand);
std::span<const ACCEL_ENTRY> FindAccelerators(RESOURCE_ID nIDTable);
