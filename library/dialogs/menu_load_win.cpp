// menu_load_win.cpp - loading a menu resource with its item-identifier list applied: the list
// (RCDATA of the menu's number) gives identifiers to items the template reaches only by position.
#include "dialogs/dialogs_internal_win.hpp"

namespace {

// Little-endian 16-bit words of a resource, bounded by its size.
class Words {
public:
    Words(const unsigned char* bytes, DWORD size) : bytes_(bytes), size_(size) {}
    bool next(unsigned& value) {
        if (pos_ + 2 > size_) return false;
        value = bytes_[pos_] | (bytes_[pos_ + 1] << 8);
        pos_ += 2;
        return true;
    }

private:
    const unsigned char* bytes_;
    DWORD size_;
    DWORD pos_ = 0;
};

void applyIdentifierList(HMENU menu, int number) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(number & 0xFFFF), MAKEINTRESOURCEA(10));
    if (found == nullptr) return;
    HGLOBAL loaded = LoadResource(instance, found);
    const auto* bytes = loaded != nullptr ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
    if (bytes == nullptr) return;
    Words words(bytes, SizeofResource(instance, found));
    unsigned identifier = 0;
    while (words.next(identifier) && identifier != 0) {
        HMENU level = menu;
        HMENU owner = nullptr;
        int position = -1;
        unsigned step = 0;
        while (words.next(step) && step != 0) {
            if (level == nullptr) continue;  // a path into nothing: read to its end
            owner = level;
            position = static_cast<int>(step) - 1;
            level = GetSubMenu(level, position);
        }
        if (owner == nullptr || position < 0) continue;  // an empty path is skipped
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID;
        info.wID = identifier;
        SetMenuItemInfoA(owner, position, TRUE, &info);
    }
}

}  // namespace

HMENU yymnload(int menu) {
    HMENU loaded = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menu & 0xFFFF));
    if (loaded != nullptr) applyIdentifierList(loaded, menu);
    return loaded;
}
