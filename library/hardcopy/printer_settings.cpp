// printer_settings.cpp - printer, plotter and window-dump choices.
// Until the drivers exist these only record what start-up and applications chose.
#include "hardcopy/printer_settings.hpp"

#include "core/gravim.hpp"

void iprinter(int printerType) { gravim.hardcopy.printerType = printerType; }

void iplotter(int plotterModel) { gravim.hardcopy.plotterModel = plotterModel; }

void iprinter2(int variant) { gravim.hardcopy.printerVariant = variant; }

void igrprintimageselect(std::optional<int> target) {
    gravim.hardcopy.printImageTarget = target.value_or(0);
}
