// hardcopy_options.cpp - the hardcopy option array: accepted values, side effects and the
// defaults common to every driver.
#include <algorithm>
#include <string>

#include "base/gravim.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/hardcopy.hpp"
#include "hardcopy/hardcopy_drivers.hpp"

namespace {

// The default output name with its extension replaced (after the last "." that follows the last
// backslash) or appended; a blank name stays blank.
void replaceExtension(std::string_view extension) {
    Text<260>& name = gravim.hardcopy.outputFile;
    const std::string_view used = name.trimmed();
    if (used.empty()) return;
    const std::size_t dot = used.rfind('.');
    const std::size_t separator = used.rfind('\\');
    const bool hasExtension = dot != std::string_view::npos && (separator == std::string_view::npos || dot > separator);
    name.assign(std::string(used.substr(0, hasExtension ? dot : used.size())) + std::string(extension));
}

bool oneOf(int value, std::initializer_list<int> accepted) {
    return std::find(accepted.begin(), accepted.end(), value) != accepted.end();
}

// Whether the option takes the value (options whose values are raised are not asked).
bool accepts(int option, int value) {
    const HardcopyState& h = gravim.hardcopy;
    switch (option) {
    case 1:
    case 2:
    case 101:
    case 102:
    case 103:
    case 104:
    case 108: return value > 0;
    case 5: return value >= 0 && value <= 3;
    case 6:
    case 10:
    case 11: return value >= 0 && value <= 2;
    case 13: return value >= 1 && value <= h.printerResolutionCount;
    case 14: return false;
    case 16: return value >= 10 && value <= 255;
    case 21: return value >= 1 && value <= 127;
    case 23: {
        const int driver = gravim.graphics.driverNumber;
        return (driver == 6 && oneOf(value, {1, 4, 8, 24})) || (driver == 8 && oneOf(value, {3, 4, 8, 24}));
    }
    case 24: return value >= 0 && value <= h.printerModeLimit;
    case 105: return value >= 1 && value <= 4;
    default: return (option >= 1 && option <= 29) || (option >= 101 && option <= 109);
    }
}

}  // namespace

void yydefh() {
    int* const o = gravim.hardcopy.HardcopyOptions;
    o[6] = 0;
    o[7] = 0;
    o[8] = 1;
    o[9] = 5;
    o[10] = 0;
    o[11] = 0;
    o[17] = 0;
    o[101] = 80;
    o[102] = 60;
    o[103] = 1;
    o[104] = 999999;
    o[105] = 1;
    o[106] = 0;
    o[107] = 0;
    o[108] = 8;
    o[109] = 0;
}

void IGrHardCopyOptions(int option, int value) {
    if (!accepts(option, value)) return;
    HardcopyState& h = gravim.hardcopy;
    int* const o = h.HardcopyOptions;
    const int initialised = gravim.graphics.driverNumber;
    switch (option) {
    case 1:
    case 2:
        o[option] = value;
        yyasprath();
        break;
    case 5:
        o[5] = value % 2;
        if (value == 2 || value == 3) {
            const int smaller = std::min(o[1], o[2]), larger = std::max(o[1], o[2]);
            o[1] = value == 2 ? smaller : larger;
            o[2] = value == 2 ? larger : smaller;
        }
        break;
    case 8: o[8] = std::max(value, 1); break;
    case 9:
        o[9] = std::max(value, 1);
        yyhdrv(OpLineWidth);
        break;
    case 10:
        o[10] = value;
        yyhdrv(OpLineJoin);
        break;
    case 11:
        o[11] = value;
        yyhdrv(OpLineCap);
        break;
    case 12: o[12] = std::max(value, 100); break;
    case 13:
        o[13] = value;
        h.printerResolutionIndex = value;
        break;
    case 22:
        o[22] = value;
        if (initialised == 2) replaceExtension(value != 0 ? ".eps" : ".ps");
        break;
    case 26:
        o[26] = value;
        if (initialised == 6) replaceExtension(value == 1 || value == 2 ? ".bmp" : value == 3 ? ".png" : ".pcx");
        break;
    default: o[option] = value; break;
    }
}
