// printer_layer_win.hpp - the Windows printer output layer: the printer document, its drawing
// routines in device pixels, the printer query and device context, and the page-setup words.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include "base/text.hpp"
#include "hardcopy/printer_layer.hpp"

// The open printer document's context (the image drawer draws into it too), its clip region, and
// the window origin of its pages: the printable offset less the page offsets, in pixels.
extern HDC gPrDC;
extern HRGN gPrRegion;
extern int origin[2];

// The printer: device name, driver name and port, NUL-terminated. The printer query reads them
// from the system profile (and sets GotPrName); page setup writes them when the user picks one.
extern char lpPrintType[260];
extern char lpPrintDriver[260];
extern char lpPrintPort[260];
extern int GotPrName;

// Page setup's choices: PageDlgShown 1 once page setup was confirmed (the printer query then
// takes the paper from psHardcopy, the device context the thirteen settings below); the query
// clears it whenever it reads the default printer afresh.
extern int PageDlgShown;
extern PAGESETUPDLGA psHardcopy;
extern short prSize, prLength, prWidth, prScale, prSource, prQuality, prColor, prDuplex, prYRes,
    prTTOption, prCollate;
extern DWORD prMedia, prDither;

// The document: open (or reuse the open one), pages, close.
void yywpropen(int width, int height, int xOffset, int yOffset, int& resolutionX, int& resolutionY,
               int& colours, int& failed, int& systemError, int landscape, int copies,
               const char* documentName);
void yywprstartpage();
void yywprdump();
void yywprclose();

// Drawing state: colour (r, g, b 0..255), line type 0..7, pen width in pixels.
void yywprcolour(int red, int green, int blue);
void yywprlinetype(int type);
void yywprlinewidth(int width);
void yywprcreatepen();
void yywprlinestyles();

// Drawing, in printer pixels. Polylines and polygons take the graphics core's point buffer.
void yywprline(int x1, int y1, int x2, int y2);
void yywprpolyline(int count);
void yywprpoint(int x, int y);
void yywprellipse(int cx, int cy, int rx, int ry, int fillStyle);
void yywprrectangle(int x1, int y1, int x2, int y2);
void yywprarc(int cx, int cy, int rx, int ry, int x1, int y1, int x2, int y2);
void yywproutlinearc(int cx, int cy, int rx, int ry, int x1, int y1, int x2, int y2, int outlineMode);
void yywprpolygon(int count, int outline);
void yywprselectfont(int width, int& height, int& ascent, int angle, int family, int style,
                     const char* faceName);
void yywprdrawstring(int x1, int y1, int x2, int y2, int justification, int boxed, const char* text,
                     int length);
void yywprtextlength(int& width, const char* text, int length);
void yywprclip(int left, int top, int right, int bottom);
// The gradient routine's callbacks: one pixel, and whole triangles through the system routine.
void yywprpointrgb(int x, int y, int colour);
void yywprgradfill(const int* x, const int* y, const int* colours, const int* triangles,
                   int vertexCount, int triangleCount, int& failed);

// The printer's device context with orientation, copies and (after page setup) its settings;
// null when the printer cannot be opened.
HDC yywprgetdc(int landscape, int copies);
// Size in bytes of a bitmap header's colour table.
int yywprpalsize(const BITMAPINFOHEADER* header);
// The printer name (code 4) or port (code 5); other codes leave text alone.
void yywprname(int code, TextRef text);

// The x87 control word, which some printer drivers change.
void yygetcw(unsigned short& word);
void yysetcw(unsigned short word);

// The dash pattern of a line type 1..7 on the open printer (for tests): its entry count.
int yywprdashes(int type, DWORD entries[6]);
