// startup_posix.cpp - display and locale facts for native builds: a fixed 1280 x 1024 display.
#include "base/gravim.hpp"
#include "base/startup_internal.hpp"

void yydisplaycaps(int& width, int& height, int& dpi, int& planes, int& bitsPerPixel) {
    width = 1280;
    height = 1024;
    dpi = 96;
    planes = 1;
    bitsPerPixel = 32;
}

void yygetdecimal(char& decimal) {
    decimal = '.';
    gravim.system.wDecimal = decimal;
}
