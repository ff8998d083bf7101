// image_driver.hpp - the image-file driver, hardcopy driver number 6, which images puts into the
// hardcopy frame (yysethardcopydriver), and its writers (library-internal).
#pragma once

#include <string_view>

// The driver routine: the software raster sized from the page, each drawn page written as an image.
void xximag(int opcode);

// The writer of a page, chosen by hardcopy option 26: 1 or 2 BMP, 3 PNG, any other value PCX.
enum class ImageFormat { Bmp, Png, Pcx };
using ImageWriter = void (*)();
// The size patch of a closed run-length BMP file.
using ImagePatch = void (*)(std::string_view name, int length);

// Put a writer or the patch in place (null: the library's own); return the one replaced. For
// tests that watch what the driver calls.
ImageWriter yysetimagewriter(ImageFormat format, ImageWriter writer);
ImagePatch yysetimagepatch(ImagePatch patch);
