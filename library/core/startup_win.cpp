// startup_win.cpp - display and locale facts for start-up (Win32).
#include <windows.h>

#include "core/gravim.hpp"
#include "core/os_internal.hpp"
#include "core/startup_internal.hpp"

void yygetdisplayinfo(int& width, int& height, int& colours, int& graphicsColours, int& further1,
                      int& further2, int& further3) {
    HDC screen = GetDC(nullptr);
    width = GetDeviceCaps(screen, HORZRES);
    height = GetDeviceCaps(screen, VERTRES);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    const int planes = GetDeviceCaps(screen, PLANES);
    int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    if (bits > 24) bits = 24;
    const int power = planes * bits;
    colours = power >= 31 ? 0x7fffffff : 1 << power;
    graphicsColours = colours == 2 ? 2 : colours == 16 ? 8 : colours == 256 ? 16 : 256;
    further1 = 3;
    further2 = 0;
    further3 = 0;

    SystemState& system = gravim.system;
    system.wScreenWidth = width;
    system.wScreenHeight = height;
    system.wScreenDPI = dpi;
    system.wScreenCols = colours;
    system.ngColours = graphicsColours;
    system.WinNT = yywinvariant() == 4 ? 1 : 0;
    yyosver(system.WinVerMajor, system.WinVerMinor);
}

void yygetdecimal(char& decimal) {
    char value[8] = "";
    decimal = '.';
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, value, sizeof value) > 0 && value[0] != '\0')
        decimal = value[0];
    gravim.system.wDecimal = decimal;
}
