// printer_settings.hpp - printer, plotter and window-dump choices (public routines).
// For now each records its argument in gravim.hardcopy; the drivers complete them.
#pragma once

#include <optional>

void iprinter(int printerType);
void iplotter(int plotterModel);
void iprinter2(int variant);
void igrprintimageselect(std::optional<int> target = std::nullopt);
