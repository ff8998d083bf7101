// image_writers.hpp - the PNG, BMP and PCX writers of the raster page (library-internal): each
// appends one image of the software raster (gravim.raster) to hardcopy output unit 2 while the
// image-file driver ends a page, and sets the output error flag when a write fails. A buffer
// that cannot be allocated counts as a failed write. Pages appended to one file follow one
// another in it.
#pragma once

#include <cstdint>
#include <string_view>

// PNG: signature, IHDR, PLTE at depths 1, 4 and 8, one IDAT of the whole page, IEND.
void yypng1();
// BMP; run-length coded at depths 4 and 8 when hardcopy option 26 is 2.
void yybmp1();
// Rewrites the file-size and image-size fields of the closed run-length BMP file `name` (its
// first `length` characters, trailing blanks ignored) from the file's length.
void yybmp2(std::string_view name, int length);
// PCX, version 3 at depth 1, else 5.
void yypcx1();
// Encodes bytes 0..last of one plane line of the raster row whose first word is rowbase (plane:
// the raster plane at depth 4, the component at depth 24, else 0) and writes it to the handle,
// using buffer (3 x (last + 1) bytes at least: the encoded line, then the raw one).
void yypcx2(int handle, unsigned char* buffer, std::int64_t rowbase, int plane, int last);
