// page_setup_rig_win.hpp - page setup as a test calls it: one call of yypagesetup with the
// caller's variables, and a printer whose lists Wine's driver cannot give.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "hardcopy/page_setup_win.hpp"

// The caller's variables of one page setup; colours and ok start at values no call leaves.
struct PageSetupCall {
    int paperWidth = 0, paperHeight = 0, printableWidth = 0, printableHeight = 0, left = 0, top = 0;
    int orientation = 0, copies = 1, colours = -7, ok = -1;
    void run(int units) {
        yypagesetup(paperWidth, paperHeight, printableWidth, printableHeight, left, top, orientation, copies, units,
                    colours, ok);
    }
};

// A driver with an unnamed paper between Letter (code 1, 2159 x 2794) and A4 (code 9,
// 2100 x 2970) and no paper sources. The Letter name carries bytes after its NUL.
class GivenPapers : public PrinterQueries {
public:
    std::vector<std::string> names(int which) override {
        if (which == 2) return {};
        return {std::string("Letter\0junk", 11), "", "A4"};
    }
    std::vector<int> codes(int which) override { return which == 3 ? std::vector<int>{1, 99, 9} : std::vector<int>{}; }
    std::vector<POINT> paperSizes() override { return {{2159, 2794}, {1, 1}, {2100, 2970}}; }
};
