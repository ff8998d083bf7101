// printer_dashes.cpp - the screen's dash patterns scaled to a printer's resolution.
#include "hardcopy/printer_dashes.hpp"

namespace {

// The screen patterns of line types 1..7 in screen pixels.
struct ScreenDashes {
    unsigned entries[6];
    int count;
};
constexpr ScreenDashes screenDashes[8] = {
    {{}, 0},
    {{1, 4}, 2},
    {{8, 6}, 2},
    {{1, 4, 8, 4}, 4},
    {{1, 4, 1, 4, 8, 4}, 6},
    {{8, 4, 4, 4}, 4},
    {{4, 4}, 2},
    {{8, 4, 4, 4, 4, 4}, 6},
};

}  // namespace

int yyprinterdashes(int type, int printerDpi, int screenDpi, int penWidth, unsigned entries[6]) {
    if (type < 1 || type > 7 || printerDpi <= 0 || screenDpi <= 0) return 0;
    const ScreenDashes& screen = screenDashes[type];
    for (int i = 0; i < screen.count; ++i) {
        entries[i] = screen.entries[i] * static_cast<unsigned>(printerDpi) / static_cast<unsigned>(screenDpi);
        if (i % 2 == 1 && penWidth > 1) entries[i] += static_cast<unsigned>(penWidth - 1);
    }
    return screen.count;
}
