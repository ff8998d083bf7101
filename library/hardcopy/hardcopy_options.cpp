// hardcopy_options.cpp - the hardcopy option array.
// Until the drivers exist an option is only stored; the drivers give options their effects.
#include "core/gravim.hpp"
#include "hardcopy/hardcopy.hpp"

void IGrHardCopyOptions(int option, int value) {
    if ((option >= 1 && option <= 29) || (option >= 101 && option <= 109))
        gravim.hardcopy.HardcopyOptions[option] = value;
}
