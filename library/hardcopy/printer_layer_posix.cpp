// printer_layer_posix.cpp - native stand-in of the Windows printer layer: there is no printer.
#include "hardcopy/printer_layer.hpp"

namespace {
constexpr int noPrinter = 1801;  // the system's "invalid printer name"
}

void yywprinfo(int, int& longSide, int& shortSide, int& width, int& height, int& xOffset,
               int& yOffset, int& landscape, int& copies, int& colours, int& error) {
    longSide = shortSide = width = height = xOffset = yOffset = landscape = copies = colours = 0;
    error = noPrinter;
}

void yywindumpstart(int, int, int, int, int& error, int, int, const char*) { error = 1; }
void yywindumpblit(int, int, int, int, int& error) { error = 1; }
void yywindumpend() {}
bool yyprinternames(std::string&, std::string&) { return false; }
