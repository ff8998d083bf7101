// menu_prompts.cpp - reading menu prompt resources.
// Records follow each other directly, so an identifier may start at an odd offset.
#include <cstring>

#include "dialogs/menu_prompts.hpp"

const char* yypromptlookup(const unsigned char* resource, unsigned identifier) {
    if (resource == nullptr) return nullptr;
    const unsigned char* p = resource;
    for (;;) {
        const unsigned id = p[0] | (p[1] << 8);
        if (id == 0) return nullptr;
        const char* text = reinterpret_cast<const char*>(p + 2);
        if (id == identifier) return text;
        p += 2 + std::strlen(text) + 1;
    }
}
