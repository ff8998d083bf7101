// image_files_least.cpp - image decoding until it is built: every file counts as a format that
// is not supported (error 27), so callers draw nothing.
#include "images/image_files.hpp"

#include "core/errors_internal.hpp"

void IGrLoadImageData(std::string_view, std::span<int>, std::span<int>, std::optional<int>) {
    yyerror(27, "IGrLoadImageData");
}
