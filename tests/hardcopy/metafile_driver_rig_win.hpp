// metafile_driver_rig_win.hpp - the metafile driver's tests' common part: the records of a
// Windows or an enhanced metafile read back, and a fixture drawing on a surface of one unit a point.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/gdi_drivers.hpp"
#include "hardcopy/hardcopy.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/metafile_layer_win.hpp"
#include "drivers_test_support_win.hpp"
#include "printed_path_win.hpp"

inline std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline unsigned word(const std::vector<std::uint8_t>& bytes, std::size_t at) { return bytes[at] | (bytes[at + 1] << 8); }
inline std::uint32_t dword(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return word(bytes, at) | (static_cast<std::uint32_t>(word(bytes, at + 2)) << 16);
}
inline std::int32_t signedDword(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::int32_t>(dword(bytes, at));
}

// The records of a Windows metafile starting at `at` (after any placeable header): function
// number and offset of each record's parameters.
struct WmfRecord {
    unsigned function;
    std::size_t parameters;
    std::uint32_t words;
};
inline std::vector<WmfRecord> wmfRecords(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    std::vector<WmfRecord> records;
    at += word(bytes, at + 2) * 2u;  // the header's own size in words
    while (at + 6 <= bytes.size()) {
        const std::uint32_t words = dword(bytes, at);
        const unsigned function = word(bytes, at + 4);
        records.push_back({function, at + 6, words});
        if (function == 0 || words < 3) break;
        at += words * 2u;
    }
    return records;
}

// The records of an enhanced metafile: type and offset.
inline std::vector<std::pair<std::uint32_t, std::size_t>> emfRecords(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::pair<std::uint32_t, std::size_t>> records;
    std::size_t at = 0;
    while (at + 8 <= bytes.size()) {
        const std::uint32_t type = dword(bytes, at), size = dword(bytes, at + 4);
        records.emplace_back(type, at);
        if (size < 8 || type == EMR_EOF) break;
        at += size;
    }
    return records;
}

class MetafileDriver : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        drawing::surface(756, 540);  // one unit a point on the default page of 756 x 540 points
    }
    void TearDown() override {
        IGrHardCopy("S");
        yyresetgravim();
    }
    // Selects the metafile driver with metafile kind `kind` and starts output.
    void start(int kind, std::optional<std::string> file, const char* title = "metafile test") {
        IGrHardCopySelect(1, 11);
        IGrHardCopyOptions(27, kind);
        if (file) DeleteFileA(file->c_str());
        if (file) {
            IGrHardCopy(*file, title);
        } else {
            IGrHardCopy(std::nullopt, title);
        }
    }
    // The test drawing: a red line, a blue solid rectangle, a style-3 fill in the mean of red and
    // blue, green text.
    void testDrawing() {
        drawing::colour(Red);
        drawing::line(50, 480, 700, 480);
        drawing::colour(Blue);
        drawing::rectangle(50, 300, 200, 420, 4);
        drawing::colour(Red);
        drawing::colour(Blue);
        drawing::polygon({{300, 300}, {450, 300}, {450, 420}, {300, 420}}, 3);
        drawing::colour(Green);
        drawing::text(50, 150, "Gravimonder");
    }
    GraphicsState& g = gravim.graphics;
    int* options = gravim.hardcopy.HardcopyOptions;
};
