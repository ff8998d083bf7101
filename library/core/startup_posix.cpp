// startup_posix.cpp - display and locale facts for native builds: a fixed 1280 x 1024 display.
#include "core/gravim.hpp"
#include "core/startup_internal.hpp"

void yygetdisplayinfo(int& width, int& height, int& colours, int& graphicsColours, int& further1,
                      int& further2, int& further3) {
    width = 1280;
    height = 1024;
    colours = 1 << 24;
    graphicsColours = 256;
    further1 = 3;
    further2 = 0;
    further3 = 0;
    SystemState& system = gravim.system;
    system.wScreenWidth = width;
    system.wScreenHeight = height;
    system.wScreenDPI = 96;
    system.wScreenCols = colours;
    system.ngColours = graphicsColours;
    system.WinNT = 1;
    system.WinVerMajor = 6;
    system.WinVerMinor = 1;
}

void yygetdecimal(char& decimal) {
    decimal = '.';
    gravim.system.wDecimal = decimal;
}
