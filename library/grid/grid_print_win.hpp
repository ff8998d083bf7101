// grid_print_win.hpp - printing grids (library-internal): two print sets (1 for a dialog's grid
// field, any other number the grid windows'), each with its page setup and options.
#pragma once

#include <windows.h>

// 0 until both print sets have their defaults; the grid's registration clears it again.
extern int bPrintSetsReady;

// Gives both print sets the default printer's page setup and the default options, once.
void yyGridPrintInit();
void yygridprintgetopt(int& rowLines, int& columnLines, int& labelsEveryPage, int& textColours, int& backColours, int& scale,
                       int set);
void yygridprintsetopt(int rowLines, int columnLines, int labelsEveryPage, int textColours, int backColours, int scale, int set);
// The page-setup dialog for a print set: unit -1 the locale's, 2 and above hundredths of a
// millimetre, else thousandths of an inch.
void yygridprintsetup(int unit, int set);
// Code 1 printable width, 2 height, 3 left and 4 top margin in points; 5 the orientation (0
// portrait, 1 landscape; set 2 and 3 also make the area taller or wider than it is high).
void yygridprintgetpossize(int code, int& value, int set);
void yygridprintsetpossize(int code, int value, int set);
// Prints rows a..b and columns c1..c2 (from 0) of a grid; result 1 when the printer could be opened.
void yygridprint(int field, int& result, int a, int b, int c1, int c2, int set, const char* title);
// The row-label column of one page from x, which moves to its right.
void yyGridPrintRowLabels(HWND grid, int firstRow, int r0, int r1, int& x, int pitch, int height, int averageWidth,
                          HDC printer, HDC screen, int set);
