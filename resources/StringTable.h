#pragma once
// The program's string table. A command's string is its status-bar text, then after "\n" its
// tooltip.

#include <string_view>

#include "resources/Resource.h"

// Empty when the table has no string of that id.
std::u16string_view FindResourceString(RESOURCE_ID nID);
