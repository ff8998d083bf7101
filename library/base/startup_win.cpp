// startup_win.cpp - display and locale facts for start-up (Win32).
#include <windows.h>

#include "base/gravim.hpp"
#include "base/startup_internal.hpp"

void yydisplaycaps(int& width, int& height, int& dpi, int& planes, int& bitsPerPixel) {
    HDC screen = GetDC(nullptr);
    width = GetDeviceCaps(screen, HORZRES);
    height = GetDeviceCaps(screen, VERTRES);
    dpi = GetDeviceCaps(screen, LOGPIXELSX);
    planes = GetDeviceCaps(screen, PLANES);
    bitsPerPixel = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
}

void yygetdecimal(char& decimal) {
    char value[8] = "";
    decimal = '.';
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, value, sizeof value) > 0 && value[0] != '\0')
        decimal = value[0];
    gravim.system.wDecimal = decimal;
}
