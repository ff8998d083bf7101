// grid_csv.cpp - fuzz target: random bytes as a grid CSV file, loaded into a small grid of every
// column type (with labels and growth when the first byte says so), and split into fields with
// small blocks; no field is longer than the input, and the rows in use stay inside the grid.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "../grid/grid_file_table.hpp"
#include "base/gravim.hpp"
#include "grid/grid_files_internal.hpp"

namespace {

GridCsvReader::Source sourceOf(const std::uint8_t* data, std::size_t size, std::size_t& at) {
    return [data, size, &at](char* buffer, int count) {
        const std::size_t n = std::min(static_cast<std::size_t>(count), size - at);
        std::copy_n(data + at, n, buffer);
        at += n;
        return static_cast<int>(n);
    };
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    yyresetgravim();
    const int mode = size > 0 ? data[0] : 0;
    TableGrid grid({GridText, GridInteger, GridReal, GridDouble, GridCheckBox, GridMenu}, 3, 6);
    grid.lengths[0] = 40;
    grid.menus[5] = {"one", "two"};
    grid.lows[1] = -50;
    grid.highs[1] = 50;
    grid.cases[0] = mode & 3;
    std::size_t at = 0;
    yygridloadcsv(grid, sourceOf(data, size, at), static_cast<long long>(size), (mode >> 2) & 1, mode & 2);
    if (grid.rowsInUse() < 3 || grid.rowsInUse() > 6 || grid.repaintsOn != 1) std::abort();
    for (int r = 0; r < grid.rowsAllocated(); ++r)
        if (grid.cell(0, r).text.size() > 40 || grid.rowLabelTexts[static_cast<std::size_t>(r)].size() >= GridLabelSize)
            std::abort();

    // Small blocks read the same fields as one block holding everything.
    std::string whole, blocks;
    for (const bool small : {false, true}) {
        const std::size_t block = small ? 7 : size + 1;
        std::size_t from = 0;
        GridCsvReader reader(sourceOf(data, size, from), static_cast<long long>(size), block);
        GridCsvField field;
        std::string& out = small ? blocks : whole;
        while (reader.next(field)) {
            if (field.text.size() > size) std::abort();
            out += field.text + (field.endsLine ? "$" : "|");
        }
        if (reader.failed() || from != size) std::abort();
    }
    // A field of a block or more is cut, so the two agree where no field is that long.
    std::size_t longest = 0, length = 0, quotes = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n' || (data[i] == ',' && quotes % 2 == 0)) {
            length = quotes = 0;
            continue;
        }
        if (data[i] == '"') ++quotes;
        longest = std::max(longest, ++length);
    }
    if (longest < 7 && whole != blocks) std::abort();
    return 0;
}
