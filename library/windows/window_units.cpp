// window_units.cpp - window units, 0..9999 across the current client area, and small services.
// The scale is the current window's client size in gravim.windows.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

#include "base/gravim.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal.hpp"

namespace {

// Units scaled in 64 bits, so that a caller's value far outside 0..9999 cannot overflow; the
// pixel is cut to the int range.
int pixelsOf(int units, int extent) {
    const long long pixels = static_cast<long long>(units) * (extent - 1) / 9999;
    return static_cast<int>(std::clamp<long long>(pixels, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

// The pixel's centre measured against the full extent, so this is not the exact inverse of
// WindowUnitsToPixels.
int unitsOf(int pixel, int extent) {
    if (extent <= 1) return 0;
    return static_cast<int>((static_cast<double>(pixel) + 0.5) * 9999.0 / extent);
}

}  // namespace

void WindowUnitsToPixels(int ix, int iy, int& px, int& py) {
    px = pixelsOf(ix, gravim.windows.clientWidth);
    py = pixelsOf(iy, gravim.windows.clientHeight);
}

void WindowUnitsFromPixels(int px, int py, int& ix, int& iy) {
    ix = unitsOf(px, gravim.windows.clientWidth);
    iy = unitsOf(py, gravim.windows.clientHeight);
}

int yybellcommand(std::string_view text) {
    char head[3] = {' ', ' ', ' '};
    for (std::size_t i = 0; i < 3 && i < text.size(); ++i)
        head[i] = (text[i] >= 'a' && text[i] <= 'z') ? static_cast<char>(text[i] - 'a' + 'A') : text[i];
    const std::string_view word(head, 3);
    if (word == "OFF") return -1;
    if (word == "ON ") return 1;
    return 0;
}

int yystrlen(const char* text) { return static_cast<int>(trimmedLength(text)); }

int yysubstrlen(const char* text) {
    int n = 0;
    while (text[n] != '\0' && text[n] != ' ') ++n;
    return n;
}

void yystrctof(const char* text, char* buffer, int n) {
    if (n <= 0) return;
    TextRef(buffer, static_cast<std::size_t>(n)).assign(text);
}

int yyAsciiToInt(const char* text) {
    // Beyond the 32-bit range the value wraps, as the unsigned accumulation gives.
    bool negative = *text == '-';
    if (negative) ++text;
    unsigned value = 0;
    while (*text >= '0' && *text <= '9') value = value * 10u + static_cast<unsigned>(*text++ - '0');
    return static_cast<int>(negative ? 0u - value : value);
}

// The menu-item information record as every system version since the first 32-bit one accepts
// it (without the later item-bitmap field): 44 bytes on 32-bit Windows. Its handle, pointer and
// item-data words are pointer-sized, so on 64-bit Windows it is 72 bytes, and the system rejects
// a record announced as 44 there.
namespace {
struct MenuItemRecord {
    unsigned size, mask, type, state, identifier;
    void* subMenu;
    void* checkedBitmap;
    void* uncheckedBitmap;
    std::uintptr_t itemData;
    char* typeData;
    unsigned typeLength;
};
}  // namespace

int yysizeofmenuiteminfo() { return static_cast<int>(sizeof(MenuItemRecord)); }

void yysetclientsize(int width, int height) {
    gravim.windows.clientWidth = width;
    gravim.windows.clientHeight = height;
}

void yysetcurrentwindow(int n) { gravim.windows.wIndex = n; }
