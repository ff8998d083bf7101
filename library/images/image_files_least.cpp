// image_files_least.cpp - image decoding and drawing until they are built: every file counts as a
// format that is not supported (error 27), so callers draw nothing.
#include "images/image_files.hpp"

#include "core/errors_internal.hpp"

void IGrLoadImageData(std::string_view, std::span<int>, std::span<int>, std::optional<int>) {
    yyerror(27, "IGrLoadImageData");
}

void yyloadimage(int, int, int, int, int, int, int, int, int, int, int, int& error, int& systemError, const char*) {
    error = 27;
    systemError = 0;
}
