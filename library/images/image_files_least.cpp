// image_files_least.cpp - drawing image files onto a device context until it is built: every
// file counts as a format that is not supported (error 27), so callers draw nothing.
#include "images/image_files.hpp"

void yyloadimage(int, int, int, int, int, int, int, int, int, int, int, int& error, int& systemError, const char*) {
    error = 27;
    systemError = 0;
}
