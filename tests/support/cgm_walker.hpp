// cgm_walker.hpp - a test-side reader of binary CGM: splits a byte stream into its elements
// (header words, short and long forms, partitions, pads) and decodes the parameters the
// library's CGM writers use, cell-array runs included. Independent of the library's encoder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct CgmElementRead {
    int elementClass = 0;
    int id = 0;
    bool longForm = false;
    std::vector<int> partitions;         // declared length of each partition (long form)
    std::vector<std::uint8_t> params;    // the declared parameter bytes of every partition
    std::size_t offset = 0;              // where its header word starts
    std::size_t size = 0;                // bytes from the header to the next element

    // 16-bit signed integer at byte position `at` of the parameters.
    int integer(std::size_t at) const;
    // The string whose count byte is at `at` (short or long string form); `at` moves past it.
    std::string string(std::size_t& at) const;
};

struct CgmWalk {
    std::vector<CgmElementRead> elements;
    bool complete = false;   // the bytes end exactly after the last element
    std::string problem;     // why the walk stopped early, empty when complete

    // The elements of class/id, in order.
    std::vector<const CgmElementRead*> find(int elementClass, int id) const;
};

CgmWalk walkCgm(const std::uint8_t* bytes, std::size_t size);
inline CgmWalk walkCgm(const std::vector<std::uint8_t>& bytes) {
    return walkCgm(bytes.data(), bytes.size());
}

// A cell array's header and its rows decoded from run-length lists (packed colours,
// red + 256 green + 65536 blue), each row's partition length as declared.
struct CgmCellArrayRead {
    int px = 0, py = 0, qx = 0, qy = 0, rx = 0, ry = 0;
    int columns = 0, rows = 0, precision = 0, mode = 0;
    std::vector<std::vector<int>> cells;
    std::vector<std::vector<std::pair<int, int>>> runs;  // (count, colour) per row
    std::vector<int> rowLengths;
    bool ok = false;
};
CgmCellArrayRead readCellArray(const CgmElementRead& element);
