// metafile_gdi_posix.cpp - native stand-in of the enhanced-metafile GDI layer: no recording can
// be made, so every entry stays empty and only CGM memory slots take drawing.
#include "graphics/metafiles.hpp"

void yymetafilecreate(int, int, int, int& hres, int& vres, int& hsize, int& vsize) { hres = vres = hsize = vsize = 0; }

void yymetafiledestroy(int) {}

void yymetafileload(int, int, int& error, int& systemError, std::string_view) {
    error = 1;
    systemError = 2;  // the file cannot be found, as the system would say
}

void yymetafileplay(int, int, int, int, int) {}

void yymetafilesave(int, int& error, int& systemError, std::string_view) {
    error = 1;
    systemError = 6;  // no metafile behind the entry
}

void yymetafileselect2(int, int, int, int& status) { status = 1; }

bool yymetafilerecording(int) { return false; }
