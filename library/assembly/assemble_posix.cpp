// assemble_posix.cpp - the library assembled natively: hardcopy and images answer graphics and
// put the image-file driver into the hardcopy frame.
#include "assembly/assemble.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "images/image_files.hpp"

void yyassemblelibrary() {
    yyhardcopyinstallport();
    yyimagesinstallport();
}
