// printer_settings.hpp - raster printer type, HP-GL/2 variant, plotter model and window-dump
// settings (public routines); the state is gravim.hardcopy.
#pragma once

#include <optional>

// Chooses the raster printer type 2..38 (27 excepted; anything else chooses 28) and decodes its
// descriptor: family, colour planes and kind, mode limit, pass geometry and resolutions.
void iprinter(int printerType);
// Chooses the HP-GL/2 printer variant 1..5; any other value derives it from the printer type.
void iprinter2(int variant);
// Chooses the HP-GL plotter model 1..10; 11..15 choose model 1 and variant 1..5.
void iplotter(int plotterModel);
// Window-dump target: 2 a PostScript dump file; anything else (or absent) the Windows printer.
void igrprintimageselect(std::optional<int> target = std::nullopt);


// Start-up's clean slate: every printer, plotter and dump word 0, the names blank.
void yyclearprintersettings();
// The printer type, plotter model and HP-GL/2 variant of the options file (0 where the file has
// none), and the Windows printer as the window-dump target.
void yyhardcopychoices(int printer, int plotter, int hpgl2);
