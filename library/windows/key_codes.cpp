// key_codes.cpp - the library's key codes for virtual keys, and mouse modifier states.
// Virtual keys are numbered as Windows numbers them; the table is data, kept portable.
#include "windows/windows_internal.hpp"

namespace {

struct KeyCode {
    int key;     // virtual key
    int plain;   // code without modifiers
    int shift;   // with Shift
    int ctrl;    // with Ctrl (Ctrl wins over Shift)
};

constexpr KeyCode keyTable[] = {
    {0x26, 258, 262, 266},  // up
    {0x28, 259, 263, 267},  // down
    {0x27, 260, 264, 268},  // right
    {0x25, 261, 265, 269},  // left
    {0x21, 262, 262, 262},  // page up
    {0x22, 263, 263, 263},  // page down
    {0x24, 270, 270, 270},  // home
    {0x23, 271, 271, 271},  // end
    {0x29, 271, 271, 271},  // select
    {0x2D, 272, 272, 272},  // insert
    {0x2E, 273, 273, 273},  // delete
    {0x09, 9, 274, 9},      // tab
    {0x2C, 300, 300, 300},  // print screen
    {0x0C, 285, 285, 285},  // keypad clear (keypad 5 without Num Lock)
    {0x6D, 290, 290, 290},  // keypad minus
    {0x6E, 291, 291, 291},  // keypad decimal point
    {0x6B, 292, 292, 292},  // keypad plus
    {0x6C, 292, 292, 292},  // keypad separator
    {0x6F, 293, 293, 293},  // keypad divide
    {0x6A, 294, 294, 294},  // keypad multiply
};

constexpr int keyF1 = 0x70, keyF20 = 0x83;
constexpr int keyNumpad0 = 0x60, keyNumpad9 = 0x69;

}  // namespace

int yyinterpretkey(int key, int offset) {
    if (key >= keyF1 && key <= keyF20) return 301 + (key - keyF1) + offset;
    if (key >= keyNumpad0 && key <= keyNumpad9) return 280 + (key - keyNumpad0);
    for (const KeyCode& k : keyTable) {
        if (k.key != key) continue;
        if (offset == 40) return k.ctrl;
        if (offset == 20) return k.shift;
        return k.plain;
    }
    return key;
}

bool yyissilentkey(int key) {
    switch (key) {
    case 0x10: case 0x11: case 0x12:  // shift, ctrl, alt
    case 0xA0: case 0xA1: case 0xA2: case 0xA3: case 0xA4: case 0xA5:  // their left/right forms
    case 0x13: case 0x14: case 0x90: case 0x91:  // pause, caps lock, num lock, scroll lock
        return true;
    default: return false;
    }
}

bool yyiskeypadkey(int key) { return (key >= keyNumpad0 && key <= 0x6F) || key == 0x0C; }

int yymousemodifiers(unsigned flags) {
    int state = 0;
    if (flags & 0x0008) state += 1;   // control
    if (flags & 0x0004) state += 2;   // shift
    if (flags & 0x0001) state += 4;   // left button
    if (flags & 0x0010) state += 8;   // middle button
    if (flags & 0x0002) state += 16;  // right button
    return state;
}
