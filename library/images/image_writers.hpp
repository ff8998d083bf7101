// image_writers.hpp - the PNG, BMP and PCX writers of the raster page (library-internal): each
// appends one image of the software raster (gravim.raster) to hardcopy output unit 2 while the
// image-file driver ends a page, and sets the output error flag when a write fails.
#pragma once

#include <string>
#include <string_view>
#include <vector>

void yypng1();
// BMP; run-length coded at depths 4 and 8 when hardcopy option 26 is 2.
void yybmp1();
// Rewrites the file-size and image-size fields of the closed run-length BMP file `name` (its
// first `length` characters, trailing blanks ignored) from the file's length.
void yybmp2(std::string_view name, int length);
void yypcx1();

// Until the writers are built each only records its call here ("yypng1", "yybmp1",
// "yybmp2 <name>", "yypcx1") and writes nothing.
std::vector<std::string>& yyimagewritercalls();
