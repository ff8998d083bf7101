// startup_internal.hpp - the pieces of start-up and the command-line scanner (library-internal).
// WInitialise runs them in order; tests call the portable ones directly.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

#include "base/text.hpp"

// Length of the command-line buffer kept for the whole run.
constexpr int commandLineLength = 2048;

// Argument N of the process command line into arg (N >= 1), the program file's full path (N = 0);
// returns N when argument N exists, else the number of arguments after the program name. The
// buffer is loaded on the first call only. N = -1 only loads it (arg may be empty).
int yyargs(int n, TextRef arg);
// The scan of yyargs over a given command line (cut at 2048 characters); N = 0 gives argument 0.
int yyargsfrom(std::string_view commandLine, int n, TextRef arg);

// pathSeparator, decimalMark, homeDirectory and lfnGen.
void yywinitialise();
// Scratch directory (TEMP, TMP, else C:\) and the two scratch file names, each numbered with the
// first NN of 00..99 (then 100..999) whose file does not exist; blank when every number is taken.
void yytmpprn();
// Display facts and the window manager's copies; the three further integers receive 3, 0 and 0.
void yygetdisplayinfo(int& width, int& height, int& colours, int& graphicsColours, int& further1,
                      int& further2, int& further3);
// The graphics colours the root window takes on a palette display (256 display colours), the
// window manager's copy when the root window is created and the start-up fact once it is open;
// on any other display both keep what start-up gave them.
void yysetwindowgraphicscolours(int colours);
void yysetgraphicscolours(int colours);
// The desktop's resolution, horizontal pixels per inch, colour planes and bits per pixel.
void yydisplaycaps(int& width, int& height, int& dpi, int& planes, int& bitsPerPixel);
// The locale decimal character, also stored in wDecimal.
void yygetdecimal(char& decimal);

// What the options file asked for beyond the fields it sets directly.
struct OptionsFileChoices {
    int printer = 0;         // "PRINTER"
    int plotter = 0;         // "PLOTTER"
    int hpgl2 = 0;           // "HPGL2"
    bool version = false;    // a key starting with "VER" was read
};
// Applies one line of the options file (its line end already removed).
void yyoptionsline(std::string_view line, OptionsFileChoices& choices);
// One line of the options file without its line end, read no further than OptionsLineLength
// characters: Cut when the line goes on beyond them (the next read returns its rest), End at the
// end of the file or on a read error.
constexpr std::size_t OptionsLineLength = 270;
enum class OptionsLineRead { End, Whole, Cut };
OptionsLineRead yyreadoptionsline(std::FILE* file, std::string& line);
// Reads the options file line by line, the part of a line beyond OptionsLineLength dropped;
// false when it cannot be opened.
bool yyreadoptions(const std::string& path, OptionsFileChoices& choices);
