// printer_settings.cpp - the raster printer descriptors, the HP-GL/2 variant, the plotter model
// and the window-dump page.
#include "hardcopy/printer_settings.hpp"

#include <algorithm>
#include <string_view>

#include "base/addon_hooks.hpp"
#include "base/gravim.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/printer_layer.hpp"

namespace {

// Descriptor of each printer type 0..38: family letter, colour planes, colour kind ("R", "C" or
// other), mode limit, and "2" when the type implies an HP-GL/2 variant. Blank: no such type.
constexpr std::string_view descriptors[39] = {
    "     ", "     ", "M1M0 ", "F1M0 ", "F1M0 ", "F1M0 ", "F1M0 ", "M1M0 ", "M1M0 ", "S1M0 ",
    "L1M0 ", "L1M0 ", "M1M0 ", "P3R1 ", "D1M2 ", "M1M0 ", "M1M0 ", "Q1M0 ", "Q1M0 ", "X1M0 ",
    "X1M0 ", "D3R2 ", "D1M2 ", "F3C0 ", "F3C0 ", "Q3C0 ", "Q3C0 ", "     ", "L1M22", "41M22",
    "33R1 ", "D3C2 ", "D3C22", "51M2 ", "53C2 ", "L3C22", "21M1 ", "23C1 ", "43C22",
};
constexpr std::string_view familyLetters = "MFSXQ2LDP345";
constexpr int defaultPrinterType = 28;

// Resolutions and pass geometry of each family letter, in the order of familyLetters. A pass
// advance of 0 leaves the advance as it was (page printers have none).
struct FamilyGeometry {
    int resolutions[4];
    int count;
    int passRows;
    int passAdvance;
    int becomes;  // the family that letters "4" and "5" end as; 0: their own
};
constexpr FamilyGeometry families[12] = {
    {{240, 120, 60, 0}, 3, 8, 23, 0},      // M
    {{240, 120, 90, 80}, 4, 8, 23, 0},     // F
    {{160, 80, 0, 0}, 2, 8, 22, 0},        // S
    {{360, 180, 120, 60}, 4, 24, 29, 0},   // X
    {{360, 180, 120, 90}, 4, 24, 24, 0},   // Q
    {{720, 360, 180, 0}, 3, 1, 0, 0},      // 2
    {{300, 150, 100, 75}, 4, 1, 0, 0},     // L
    {{300, 150, 100, 75}, 4, 1, 0, 0},     // D
    {{180, 90, 0, 0}, 2, 1, 0, 0},         // P
    {{300, 150, 100, 75}, 4, 1, 0, 0},     // 3
    {{600, 300, 200, 150}, 4, 1, 0, 7},    // 4
    {{300, 150, 75, 0}, 3, 1, 0, 8},       // 5
};

bool validPrinterType(int type) { return type >= 2 && type <= 38 && descriptors[type][0] != ' '; }

// The variant an HP-GL/2 printer type implies.
int derivedVariant(int printerType) {
    switch (printerType) {
    case 32:
    case 35: return 2;
    case 29: return 3;
    case 38: return 5;
    default: return 1;
    }
}

}  // namespace

void iprinter(int printerType) {
    HardcopyState& h = gravim.hardcopy;
    if (validPrinterType(printerType)) {
        h.printerType = printerType;
        h.printerTypeGiven = 1;
    } else {
        h.printerType = defaultPrinterType;
    }
    const std::string_view descriptor = descriptors[h.printerType];
    h.printerFamily = static_cast<int>(familyLetters.find(descriptor[0])) + 1;
    h.printerPlanes = descriptor[1] - '0';
    const std::size_t kind = std::string_view("RC").find(descriptor[2]);
    h.printerColourKind = kind == std::string_view::npos ? 0 : static_cast<int>(kind) + 1;
    h.printerModeLimit = descriptor[3] - '0';
    if (descriptor[4] == '2' && h.printerVariantGiven == 0) iprinter2(0);

    // Resolutions beyond a family's count keep whatever an earlier type left there.
    const FamilyGeometry& family = families[h.printerFamily - 1];
    std::copy_n(family.resolutions, family.count, h.printerResolutions);
    h.printerResolutionCount = family.count;
    h.printerPassRows = family.passRows;
    if (family.passAdvance != 0) h.printerPassAdvance = family.passAdvance;
    if (family.becomes != 0) h.printerFamily = family.becomes;
}

void iprinter2(int variant) {
    HardcopyState& h = gravim.hardcopy;
    if (variant >= 1 && variant <= 5) {
        h.printerVariant = variant;
        h.printerVariantGiven = 1;
    } else {
        h.printerVariant = derivedVariant(h.printerType);
    }
}

void iplotter(int plotterModel) {
    HardcopyState& h = gravim.hardcopy;
    if (plotterModel >= 1 && plotterModel <= 10) {
        h.plotterModel = plotterModel;
        h.plotterModelGiven = 1;
    } else if (plotterModel >= 11 && plotterModel <= 15) {
        h.plotterModel = 1;
        h.printerVariant = plotterModel - 10;
        h.printerVariantGiven = 1;
    } else {
        h.plotterModel = 1;
    }
}

void igrprintimageselect(std::optional<int> target) {
    HardcopyState& h = gravim.hardcopy;
    int* const dump = h.printImageOptions;
    h.printImageTarget = target == 2 ? 2 : 10;
    if (h.printImageTarget == 2) {
        dump[1] = 756;
        dump[2] = 540;
        dump[3] = 42;
        dump[4] = -20;
        dump[5] = 1;
        dump[8] = 1;
        h.printImageFile.assign("gravdump.ps");
    } else {
        int colours = 0, error = 0;
        yywprinfo(h.printerRefresh, h.paperLongSide, h.paperShortSide, dump[1], dump[2], dump[3],
                  dump[4], dump[5], dump[8], colours, error);
        h.printerAvailable = error == 0 ? 1 : 0;
    }
    dump[6] = 0;
    dump[7] = 1;
    dump[13] = 0;
    dump[19] = 3;
    dump[20] = 0;
    dump[24] = std::min(h.printerModeLimit, 2);
}

void yyclearprintersettings() {
    gravim.hardcopy = HardcopyState{};
    gravim.graphics.driverNumber = 0;
}

void yyhardcopychoices(int printer, int plotter, int hpgl2) {
    gravim.hardcopy.printerVariant = 0;
    iprinter(printer);
    iplotter(plotter);
    if (hpgl2 != 0 || gravim.hardcopy.printerVariant == 0) iprinter2(hpgl2);
    igrprintimageselect(0);
}

void yyhardcopyinstallhooks() {
    AddonHooks hooks;
    hooks.startupDefaults = yyclearprintersettings;
    hooks.startupChoices = [](const OptionsFileChoices& choices) {
        yyhardcopychoices(choices.printer, choices.plotter, choices.hpgl2);
    };
    hooks.closeStarting = yyhardcopystop;
    yysetaddonhooks(HooksHardcopy, hooks);
}
