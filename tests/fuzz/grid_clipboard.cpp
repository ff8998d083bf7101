// grid_clipboard.cpp - fuzz target: random bytes as clipboard text pasted into a small grid and
// counted; every stored field lies inside the grid, inside the text and inside the work area.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "grid/grid_clipboard.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::unique_ptr<char[]> exact(new char[size == 0 ? 1 : size]);
    if (size > 0) std::memcpy(exact.get(), data, size);
    std::string_view text(exact.get(), size);
    int rows = 0, columns = 0;
    yygridclipcount(text, rows, columns);
    if (rows < 1 || columns < 1) std::abort();
    const int cls = yygridclipclass(text);
    if (cls == 1 && (rows != 1 || columns != 1)) std::abort();
    int stored = 0;
    yygridpastewalk(text, 1, 1, 4, 3, [&](int r, int c, std::string_view field) {
        if (r < 1 || r >= 4 || c < 1 || c >= 3) std::abort();
        if (field.data() < text.data() || field.data() + field.size() > text.data() + text.size()) std::abort();
        if (field.size() > GridPasteFieldLength) std::abort();
        for (int type = 1; type <= 3; ++type) yygridpastenumber(field, type, 0.0, 100.0);
        ++stored;
    });
    if (stored > rows * columns) std::abort();
    return 0;
}
