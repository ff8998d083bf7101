// page_setup.hpp - the portable rules of page setup (library-internal): paper and source lists,
// paper dimensions in the caller's unit, margins turned with the orientation, the conversions
// between paper size with margins and printable area, and the preview's page shape.
#pragma once

#include <string>
#include <vector>

constexpr int PaperNameLength = 64, SourceNameLength = 24;

// One entry of the paper or source list: its name (blank-padded to the list's name length), the
// system's code, and for papers the driver's 0-based position (dimensions are asked by it).
struct PageSetupEntry {
    std::string name;
    int code = 0;
    int index = 0;
};

// Builds a list from the driver's names (raw, cut at their first NUL) and codes: papers lose their
// all-blank entries, both are sorted by name (character codes over the whole name), and the
// selection (1-based) is the last entry whose code is `current`, else 1.
std::vector<PageSetupEntry> yypagesetuplist(const std::vector<std::string>& names, const std::vector<int>& codes,
                                            int nameLength, bool dropBlank);
int yypagesetupselect(const std::vector<PageSetupEntry>& list, int current);

// Paper dimensions of the driver (tenths of a millimetre) in the caller's unit: units below 2
// thousandths of an inch (cut toward zero), else hundredths of a millimetre.
void yypaperinunits(int tenthsWide, int tenthsHigh, int units, int& width, int& height);

// The four margins as the fields show them, turned for the new orientation (0 portrait, 1
// landscape).
struct Margins {
    float left = 0, right = 0, top = 0, bottom = 0;
};
Margins yyturnmargins(const Margins& old, int orientation);

// The page as the orientation shows it: portrait the smaller dimension across, landscape the larger.
void yyorientedpaper(int first, int second, int orientation, int& width, int& height);

// What the own dialog returns on OK: margins (field values) times the scale, cut toward zero.
struct PageResult {
    int paperWidth = 0, paperHeight = 0, printableWidth = 0, printableHeight = 0, left = 0, top = 0;
};
PageResult yypageresult(int paperWidth, int paperHeight, const Margins& margins, float scale);

// The preview's area on the unit square for a page shape: x1, y1, x2, y2.
void yypreviewarea(float pageWidth, float pageHeight, int orientation, float area[4]);
