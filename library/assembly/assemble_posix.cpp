// assemble_posix.cpp - the library assembled natively: hardcopy and images answer graphics and
// put the image-file driver into the hardcopy frame; hardcopy and the editor's store install their
// start-up and close hooks with the base.
#include "assembly/assemble.hpp"
#include "editor/buffer_store.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "images/image_files.hpp"

void yyassemblelibrary() {
    yyhardcopyinstallport();
    yyhardcopyinstallhooks();
    yyimagesinstallport();
    yyeditinstallhooks();
}
