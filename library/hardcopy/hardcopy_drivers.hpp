// hardcopy_drivers.hpp - the hardcopy driver frame: the dispatcher, the driver routines and what
// every driver shares at its initialisation and opening (library-internal).
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

// Delivers one DeviceOpcode to the selected hardcopy driver; driver numbers without a driver
// (5, 7, outside 1..12) do nothing. Callers that draw go through yyhdrv (graphics/devices.hpp).
void xxhcif(int opcode);

// The driver routines, by number: 1 HP-GL, 2 PostScript, 3 SVG, 4 raster printer, 8 DXF, 9 CGM,
// 10 Windows printer, 11 Windows metafile, 12 HP-GL/2. Number 6, the image file, is images'
// (images/image_driver.hpp), which puts it in its place while the program starts.
void xxhpgl(int opcode);
void xxpost(int opcode);
void xxsvg(int opcode);
void xxrast(int opcode);
void xxdxf(int opcode);
void xxcgm(int opcode);
void xxwin(int opcode);
void xxwmf(int opcode);
void xxhpgl2(int opcode);

// Puts a routine in the place of driver number 1..12 (null: none); returns the one it replaces.
// For tests that record what a driver receives.
using HardcopyDriver = void (*)(int opcode);
HardcopyDriver yysethardcopydriver(int number, HardcopyDriver driver);
// The routine in the place of driver number 1..12, null for none (or another number).
HardcopyDriver yyhardcopydriver(int number);

// The drivers' memory between calls back to its values at program start.
void yyresethpgldriver();
void yyresethpgl2driver();
void yyresetdxfdriver();
void yyresetpostscriptdriver();
void yyresetsvgdriver();
void yyresetcgmdriver();
// Everything the graphics core and hardcopy output keep between calls back to its values at
// program start (open output files closed): a fuzz input or a test starts from a clean state.
void yyresethardcopy();

// Installs hardcopy's answers to graphics (graphics/addon_ports.hpp): the frame above, the stop,
// the options, the window dump and the chosen printer. Called by the library's assembly
// (`yyassemblelibrary`); again is harmless.
void yyhardcopyinstallport();

// Installs hardcopy's start-up and close hooks with the base (base/addon_hooks.hpp): the printer
// settings cleared and then chosen by the options file, any hardcopy in progress ended when the
// root window closes. Called by the library's assembly.
void yyhardcopyinstallhooks();
// Ends any hardcopy in progress.
void yyhardcopystop();

// What every driver's OpInitialise does first: answers the driver query (true when it was one),
// else stores the common option defaults (yydefh) and goes on with its own.
bool yyhardcopyquery(int driver);
void yydefh();
// The last steps of a full OpInitialise: print commands allowed or not, the default output name
// (none for the Windows printer), and the driver as the initialised one.
void yyhardcopyinitialised(int driver, int printCommandAllowed, std::optional<std::string_view> defaultFile);
// The device description of a full OpInitialise: words 1..8 and the real.
void yyhardcopydevice(const std::array<int, 8>& words, float real);
// The device of the vector file drivers (PostScript, SVG, CGM) at their OpInitialise: the
// resolution in units per inch, 256 colours and palette entries, the device-description words
// 1..8 with the real 1.7e38, and the capability mask.
void yyvectordevice(int resolution, const std::array<int, 8>& words, std::string_view mask);
// Scale factors that map the surface onto a page of option 1 x option 2 units (PostScript, SVG).
void yypagescales();
// A file driver's OpOpen: opens the output name on the output unit; on failure the error stays
// reported and hardcopy output is off. True when the file is open.
bool yyhardcopyopenfile();

// An image driver's load of the OpImage file (OperandText) into width x height RGBValues, the
// loader silenced: on failure OperandValue takes the error number and OperandCount the system's
// code, the error stays recorded and the result is false; else the error before the load is
// back, OperandValue is 0 and the page counts as drawn.
bool yyhardcopyloadimage(int width, int height, std::vector<int>& pixels);

// The page aspect from options 1 and 2 for the current rotation (when both are positive).
void yyasprath();

