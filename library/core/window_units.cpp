// window_units.cpp - window units, 0..9999 across the current client area, and small services.
// The scale is the current window's client size in gravim.windows.
#include <cstring>

#include "core/gravim.hpp"
#include "core/windows.hpp"
#include "core/windows_internal.hpp"

void WindowUnitsToPixels(int ix, int iy, int& px, int& py) {
    px = ix * (gravim.windows.clientWidth - 1) / 9999;
    py = iy * (gravim.windows.clientHeight - 1) / 9999;
}

namespace {

// The pixel's centre measured against the full extent, so this is not the exact inverse of
// WindowUnitsToPixels.
int unitsOf(int pixel, int extent) {
    if (extent <= 1) return 0;
    return static_cast<int>((static_cast<double>(pixel) + 0.5) * 9999.0 / extent);
}

}  // namespace

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

int yysizeofmenuiteminfo() { return 44; }
