// grid_print_test_win.cpp - printing the fixture grid on the Wine test printer: the document's
// title, its pages across and down, an empty block and a page lower than one row.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/errors.hpp"
#include "grid/grid.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_print_win.hpp"
#include "grid_fixture_win.hpp"
#include "test_printer_win.hpp"

namespace {

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
    // Prints rows a..b of every column with print set 1; the PostScript printed, or "" when none.
    std::string print(TestPrinter& printer, int a, int b, const char* title = "") {
        printer.clearOutput();
        int result = -1;
        yygridprint(GridId, result, a, b, 0, g->nColumns - 1, 1, title);
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

}  // namespace
