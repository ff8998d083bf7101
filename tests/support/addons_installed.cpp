// addons_installed.cpp - compiled into every test executable: hardcopy and images answer the
// layers below them from the start, as in a program, whichever of their files the tests link.
#include "hardcopy/hardcopy_drivers.hpp"
#include "images/image_files.hpp"

namespace {

[[maybe_unused]] const bool installed = (yyhardcopyinstallport(), yyimagesinstallport(), true);

}  // namespace
