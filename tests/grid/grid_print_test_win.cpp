// grid_print_test_win.cpp - printing the fixture grid on the Wine test printer: the document's
// title, its pages across and down, an empty block and a page lower than one row; and jobs left in
// a folder of the build tree whose pages' texts read_grid_printed.py reads with Ghostscript.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "base/errors.hpp"
#include "grid/grid.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_print_win.hpp"
#include "grid_fixture_win.hpp"
#include "test_printer_win.hpp"

namespace {

// The prefix lists no Wingdings of its own; Wine's (fonts-wine) has the check mark. Added before
// any test makes a font: Wine keeps the face it once chose for a font's description.
const int wingdingsAdded = AddFontResourceExA("Z:\\usr\\share\\wine\\fonts\\wingding.ttf", FR_PRIVATE, nullptr);

// A file of the printed folder as a Windows path (drive Z: is the Unix root).
std::string printedPath(const char* name) {
    std::string path = std::string("Z:") + GRAV_GRID_PRINTED_DIR + "/" + name;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

bool keep(const std::string& output, const char* name) {
    FILE* f = std::fopen(printedPath(name).c_str(), "wb");
    if (f == nullptr) return false;
    const bool written = std::fwrite(output.data(), 1, output.size(), f) == output.size();
    return std::fclose(f) == 0 && written;
}

int pagesOf(const std::string& ps) {
    int pages = 0;
    for (std::size_t at = ps.find("%%Page:"); at != std::string::npos; at = ps.find("%%Page:", at + 1)) ++pages;
    return pages;
}

class GridPrinting : public ::testing::Test {
protected:
    void SetUp() override {
        grid = openGridFixture([] {});
        g = yygridrecord(grid);
    }
    void TearDown() override { closeGridFixture(); }
    // Prints rows a..b of columns c1..c2 (every column when c2 is -1) with print set 1; the
    // PostScript printed, or "" when none.
    std::string print(TestPrinter& printer, int a, int b, const char* title = "", int c1 = 0, int c2 = -1, int set = 1) {
        printer.clearOutput();
        int result = -1;
        yygridprint(GridId, result, a, b, c1, c2 < 0 ? g->nColumns - 1 : c2, set, title);
        EXPECT_EQ(result, 1);
        if (!waitForPrintedOutput(printer, 15000)) return {};
        return printer.output();
    }
    HWND grid = nullptr;
    GridControlRecord* g = nullptr;
};

TEST_F(GridPrinting, PagesFollowTheBlockTheScaleAndThePage) {
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, path);
    TestPrinter printer(std::string(path) + "grid_print.ps");
    ASSERT_TRUE(printer.installed()) << printer.error();
    bPrintSetsReady = 0;
    int f = GridId;
    yygridputcellstring(f, Name, 0, 0.0, "first", nullptr, 6, 0);
    yygridprintsetopt(1, 1, 1, 1, 1, 100, 1);

    const std::string plain = print(printer, 0, 19);
    EXPECT_NE(plain.find("%%Title: Untitled"), std::string::npos);
    const int plainPages = pagesOf(plain);
    EXPECT_GE(plainPages, 1);
    EXPECT_NE(print(printer, 0, 19, "Stations").find("%%Title: Stations"), std::string::npos);

    // Four times the scale: the columns need more pages across.
    yygridprintsetopt(1, 1, 1, 1, 1, 400, 1);
    EXPECT_GT(pagesOf(print(printer, 0, 19)), plainPages);
    yygridprintsetopt(1, 1, 0, 1, 1, 100, 1);
    EXPECT_GE(pagesOf(print(printer, 0, 19)), 1);

    // An empty block starts and ends a document without pages.
    int result = -1;
    printer.clearOutput();
    yygridprint(GridId, result, 5, 4, 0, 6, 1, "");
    EXPECT_EQ(result, 1);
    if (waitForPrintedOutput(printer, 5000)) {
        EXPECT_EQ(pagesOf(printer.output()), 0);
    }

    // Margins in points: the printable height is what is left between the margins.
    yygridprintsetpossize(3, 72, 1);
    int value = 0;
    yygridprintgetpossize(3, value, 1);
    EXPECT_EQ(value, 72);
    yygridprintsetpossize(1, 288, 1);  // four inches: exact in both units
    yygridprintgetpossize(1, value, 1);
    EXPECT_EQ(value, 288);
    yygridprintgetpossize(3, value, 1);
    EXPECT_EQ(value, 72);
    // A page lower than one row still prints one row a page.
    yygridprintsetpossize(2, 0, 1);
    yygridprintgetpossize(2, value, 1);
    EXPECT_EQ(value, 0);
    EXPECT_GE(pagesOf(print(printer, 0, 4)), 5);
}

// Jobs for read_grid_printed.py. The printable area is one inch wide, so that each of the columns
// Name, Count and Level takes a page of its own (three pages across), and an inch and a half high,
// a few rows a page.
TEST_F(GridPrinting, JobsForGhostscriptToRead) {
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, path);
    TestPrinter printer(std::string(path) + "grid_print_read.ps");
    ASSERT_TRUE(printer.installed()) << printer.error();
    ASSERT_GT(wingdingsAdded, 0);
    bPrintSetsReady = 0;
    for (int r = 0; r < 20; ++r) {
        char name[8];
        std::snprintf(name, sizeof name, "nm%02d", r + 1);
        int f = GridId;
        yygridputcellstring(f, Name, r, 0.0, name, nullptr, 5, 0);
        WGridPutCellInteger(GridId, Count + 1, r + 1, 41 + r);
        WGridPutCellReal(GridId, Level + 1, r + 1, static_cast<float>(r + 1) + 0.25f);
        f = GridId;
        yygridputcellcheck(f, Valid, r, r % 2 == 0 ? 1 : 0);
    }
    for (int set : {1, 2}) {
        yygridprintsetpossize(3, 72, set);
        yygridprintsetpossize(4, 72, set);
        yygridprintsetpossize(1, 72, set);
        yygridprintsetpossize(2, 108, set);
    }
    struct Job {
        const char* file;
        int labelsEveryPage, c1, c2, set;
    } jobs[] = {
        {"grid-every-page.ps", 1, Name, Level, 1},
        {"grid-first-pages.ps", 0, Name, Level, 1},
        {"grid-check-boxes.ps", 1, Valid, Valid, 1},
        {"grid-window-set.ps", 1, Name, Name, 2},
    };
    for (const Job& job : jobs) {
        yygridprintsetopt(1, 1, job.labelsEveryPage, 1, 1, 100, job.set);
        const std::string output = print(printer, 0, 19, "", job.c1, job.c2, job.set);
        ASSERT_FALSE(output.empty()) << job.file;
        EXPECT_TRUE(keep(output, job.file)) << job.file;
    }
    // An empty block: a document without pages, which may leave no output at all.
    printer.clearOutput();
    int result = -1;
    yygridprint(GridId, result, 5, 4, Name, Level, 1, "Empty");
    EXPECT_EQ(result, 1);
    waitForPrintedOutput(printer, 3000);
    EXPECT_TRUE(keep(printer.output(), "grid-empty.ps"));
}

}  // namespace
