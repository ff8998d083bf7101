// menu_resources.hpp - the resource formats behind menus and toolbars: item-identifier lists,
// "KBNMENUSTRING" prompt strings and toolbar item lists, read no further than their size.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// One record of an item-identifier list: the identifier and its path of 1-based positions, the
// first in the menu bar, each next one in the pop-up of the item before.
struct MenuIdentifierRecord {
    unsigned identifier = 0;
    std::vector<unsigned> path;
};

// The records of an item-identifier list (RCDATA of the menu's number). The list ends at a 0
// where an identifier would start, or at the end of the resource; records with an empty path
// are left out, and so is a record cut off by the end of the resource.
std::vector<MenuIdentifierRecord> yyreadidentifierlist(const unsigned char* bytes, std::size_t size);

// The prompt of a menu item in a prompt-string resource (records of a 16-bit identifier and a
// NUL-terminated text, ended by a 16-bit 0), or nothing. A text that runs to the end of the
// resource without its NUL ends there.
std::optional<std::string_view> yypromptlookup(const unsigned char* bytes, std::size_t size, unsigned identifier);

// A toolbar item list (RCDATA of the toolbar's number): image width and height, then command
// identifiers with 0 for a separator, ended by two zeros (or by the end of the resource).
struct ToolbarList {
    int imageWidth = 0;
    int imageHeight = 0;
    std::vector<int> entries;  // command identifiers, 0 a separator
};

// Reads a toolbar list; false when the resource is too short to hold the image size.
bool yyreadtoolbarlist(const unsigned char* bytes, std::size_t size, ToolbarList& list);
