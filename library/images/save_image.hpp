// save_image.hpp - a rectangle of the current drawing target saved on the clipboard or as a BMP,
// PCX or PNG file (yysaveimage, Win32), and the file encoders of its device-independent copy,
// which are portable (library-internal).
//
// The device-independent copy is one block: a 40-byte information header (width, a positive
// height: rows bottom-up, one plane, the bits per pixel, the compression), the colour table (with
// the three mask words of a bit-field capture), then the rows, each padded to 4 bytes.
#pragma once

#include <cstddef>
#include <string_view>

// The image file types of the saver.
constexpr int saveClipboard = 0, saveBmp = 1, savePcx = 2, savePng = 15;

// type 0 clipboard, 1 BMP, 2 PCX, 15 PNG (any other does nothing, status 0); the rectangle x1..x2,
// y1..y2 in device pixels of the drawing target. status: 0 or 1 the file cannot be created,
// 2 a write failed, 1044 compression failed (syserror zlib's status), 1072 the capture failed,
// 1094 the clipboard cannot be opened; syserror the system's code. What was written before a
// failure stays in the file.
void yysaveimage(int type, int x1, int y1, int x2, int y2, int& status, int& syserror, std::string_view filename);

// Writes one PCX run of count bytes value to the file handle; 2 when the write fails, else 0.
int yyencput(int value, int count, int handle);
// The colour-table size in bytes of a BMP header (a 12-byte core header or an information
// header): 3 or 4 bytes an entry, the header's colour count or else 2, 16 or 256 entries at 1, 4
// or 8 bits per pixel, none otherwise.
int yypalettesize(const void* header);
// The colour table's bytes in a device-independent copy: yypalettesize and, for a bit-field
// capture, its three mask words.
int yydibtablebytes(const unsigned char* header);

// The file encoders; each writes to the open handle and returns false with status 2 and the
// system's code in syserror when a write fails (PNG also 1044 with zlib's status).
// BMP: the 14-byte file header, then the whole copy.
bool yysavebmpfile(int handle, const unsigned char* copy, int& status, int& syserror);
// PCX: the 128-byte header of a width x height picture (lines of the even width, 8 bits a
// plane, 75 dots per inch) with 1 or 3 planes.
bool yysavepcxheader(int handle, int width, int height, int planes, int& status, int& syserror);
// PCX: the copy's rows from the top as run-length coded plane lines, and with one plane the
// 256-colour table (entries beyond the copy's table 0).
bool yysavepcxrows(int handle, const unsigned char* copy, int planes, int& status, int& syserror);
// PNG of the copy's first width columns: 4 and 8 bits a palette image, else RGB; one IDAT.
bool yysavepngfile(int handle, const unsigned char* copy, int width, int& status, int& syserror);
