// menu_prompts.hpp - menu prompt texts kept in "KBNMENUSTRING" resources.
#pragma once

// The prompt of a menu item identifier in a prompt resource (records of a 16-bit identifier and
// a NUL-terminated text, ended by a 16-bit 0), or null when it has none.
const char* yypromptlookup(const unsigned char* resource, unsigned identifier);
