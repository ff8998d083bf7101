// raster_dump.hpp - the raster printer's page: its control sequences and the dump of the software
// raster into the printer's byte stream (library-internal; the page record is gravim.raster).
#pragma once

#include <vector>

// Fills the page record for a page of width x height printer dots: page start and end, row
// commands, pass spacing and colour selection of the printer's family.
void yypcod(int width, int height);

// A pixel fetcher: 1 when a dot is printed at printed column c and row r (both from 0).
using PixelFetcher = int (*)(int c, int r);
// Writes the page to the output unit: start, the raster as bands or rows, end.
void yydump(int unit, PixelFetcher fetcher);

// The fetchers by printer family, colour and orientation (see the driver's table).
int yyras1(int c, int r);
int yyras2(int c, int r);
int yyras3(int c, int r);
int yyras4(int c, int r);
int yyras5(int c, int r);
int yyras6(int c, int r);
int yyras7(int c, int r);
int yyras8(int c, int r);
int yyras9(int c, int r);

// ESC/P2 run-length (PackBits) of the first count bytes of row, with a work buffer of at least
// 2 * count + 2 bytes: replaces the row and count when shorter and sets the row command's
// compression byte to 1, else leaves them and sets it to 0.
void yycmprp2(std::vector<unsigned char>& row, int& count, std::vector<unsigned char>& work);
// PCL method 1 or 2 (PrinterCompression) of the first count bytes of row; always replaces them,
// writes the count into row command `prefix` and its length into PrinterRowPrefixLength.
void yycmpr(std::vector<unsigned char>& row, int& count, int prefix);
// The column count of a dot-matrix band row of `bytes` bytes into the row command (24-pin rows
// round the bytes up to a multiple of 3).
void yybitimg(int& bytes);
