// editor_rules.hpp - the rules of the editor's buffers, command history, colouring hook and
// printing that need no window: the command history kept newest first, the column ranges an
// application's colouring routine hands back, and the print area in points and the printing
// rectangle.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// ---- command history ----

constexpr int EditorHistoryLimit = 100;  // entries kept, index 0 the newest

// What Enter does to the history: nothing for an empty or all-blank line; else the line becomes
// entry 0 unless it equals entry 0 exactly, the oldest entry going first when the list is full.
struct HistoryEnter {
    bool store = false;       // insert the line as entry 0
    bool dropOldest = false;  // delete entry EditorHistoryLimit - 1 first
};
HistoryEnter yyedithistoryenter(std::string_view line, std::string_view newest, int count);
// The same rule applied to a list of entries (newest first).
void yyedithistoryrecord(std::vector<std::string>& entries, std::string_view line);

// The first entry beginning with `typed` in any letter case, or -1.
int yyedithistoryfind(const std::vector<std::string>& entries, std::string_view typed);
// The selection after Up (towards newer entries, never below 0) and Down (towards older ones,
// past the last the entry count); with nothing selected (-1 or the count) both search for the
// first entry beginning with `typed`.
int yyedithistoryup(const std::vector<std::string>& entries, int selected, std::string_view typed);
int yyedithistorydown(const std::vector<std::string>& entries, int selected, std::string_view typed);

// ---- colouring ranges ----

struct ColourRange {
    int start = 0, end = 0;  // columns from 1, end inclusive
    int colour = 0;          // an RGB value, or -1 for the highlight colours
    bool operator==(const ColourRange&) const = default;
};
// The ranges an application's colouring routine returned, made safe to draw: at most
// `maxRanges` of them, each clipped to the line's columns 1..lineLength and to start after the
// previous range; a range going backwards (or empty once clipped) is skipped.
std::vector<ColourRange> yyeditclampranges(int count, int maxRanges, const int* starts, const int* ends,
                                           const int* colours, int lineLength);

// ---- print area ----

// A page-setup set's distances in its own units (1000 or 2540 per inch).
struct PrintArea {
    int paperWidth = 0, paperHeight = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
    int unitsPerInch = 1000;
    bool landscape = false;
};
// Points (1/72 inch) to the area's units and back, rounded to the nearest unit and point so that
// a value set reads back unchanged.
int yyeditpointstounits(int points, int unitsPerInch);
int yyeditunitstopoints(int units, int unitsPerInch);
// Print-area values by code: 1 width, 2 height, 3 left margin, 4 top margin (points), 5 0
// portrait or 1 landscape. Setting code 5: 0 or 2 portrait, 1 or 3 landscape, the paper turned
// when the orientation changes; 2 turns an area wider than high, 3 one higher than wide,
// keeping the left and top margins. Unknown codes read 0 and change nothing.
int yyeditprintareaget(const PrintArea& area, int code);
void yyeditprintareaset(PrintArea& area, int code, int value);

// A page-setup distance converted between thousandths of an inch and hundredths of a
// millimetre (truncated).
int yyeditinchestomillimetres(int thousandths);
int yyeditmillimetrestoinches(int hundredths);

// The printer's unprintable strips, in the area's units, from device pixels.
struct PrinterMargins {
    int left = 0, top = 0, right = 0, bottom = 0;
};
PrinterMargins yyeditprintermargins(int offsetX, int offsetY, int physicalWidth, int physicalHeight,
                                    int printableWidth, int printableHeight, int dpiX, int dpiY, int unitsPerInch);

// The rich-edit formatting rectangle and page rectangle in twips, relative to the printable area.
struct TwipsRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};
struct PrintRectangles {
    TwipsRect format, page;
};
PrintRectangles yyeditprintrectangles(const PrintArea& area, const PrinterMargins& minimum);
