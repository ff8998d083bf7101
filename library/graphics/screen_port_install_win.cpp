// screen_port_install_win.cpp - graphics' answers to the window manager's screen port: the
// drawing contexts of windows and fields, the root window's opening and closing, the root
// palette, surface sizes and positions in graphics units.
#include <vector>

#include "base/gravim.hpp"
#include "windows/screen_port_win.hpp"
#include "graphics/colours.hpp"
#include "graphics/graphics.hpp"
#include "graphics/graphics_internal.hpp"
#include "graphics/metafiles.hpp"
#include "graphics/screen_win.hpp"

namespace {

constexpr int TextColours = 18;

// The root palette of a palette display: the view of the colour table for `colours` graphics
// colours, then the window-text colours.
void createPalette(int colours, const COLORREF* textColours) {
    const int entries = colours + TextColours;
    std::vector<PALETTEENTRY> palette(static_cast<std::size_t>(entries));
    for (int k = 0; k < entries; ++k) {
        const int colour = k < colours ? yyviewentry(k, colours) : static_cast<int>(textColours[k - colours]);
        palette[static_cast<std::size_t>(k)] = {static_cast<BYTE>(colour & 255), static_cast<BYTE>((colour >> 8) & 255),
                                                static_cast<BYTE>((colour >> 16) & 255), 0};
    }
    yyscreenpalettecreate(palette.data(), entries);
}

void rootOpened(HDC dc, int colours, const COLORREF* textColours) {
    yyscreenopened(dc);
    if (gravim.core.displayColours == 256) createPalette(colours, textColours);
    yyscreenobjectsinit();
}

void rootStarted() {
    yypali();
    IGrInit(" ", 0, 0, 0);
}

void rootClosing() {
    yymetafilesdestroyall();
    yyscreenobjectsdelete();
}

void windowSelected(int window, int reselect, int width, int height) {
    GraphicsState& g = gravim.graphics;
    if (g.surfaceType == 1) g.surfaceIdent = window;
    g.reselecting = reselect;
    yyresn(1, window, width, height);
    g.reselecting = 0;
}

void measureOn(int width, int height) {
    GraphicsState& g = gravim.graphics;
    const float maxX = static_cast<float>(width) - 0.01f, maxY = static_cast<float>(height) - 0.01f;
    g.clipX1 = maxX * g.areaX1;
    g.clipY1 = maxY * g.areaY1;
    g.clipWidth = maxX * (g.areaX2 - g.areaX1);
    g.clipHeight = maxY * (g.areaY2 - g.areaY1);
    g.surfaceHeight = height;
}

void measureDone(const float clip[4], int surfaceHeight) {
    GraphicsState& g = gravim.graphics;
    g.clipX1 = clip[0];
    g.clipY1 = clip[1];
    g.clipWidth = clip[2];
    g.clipHeight = clip[3];
    g.surfaceHeight = surfaceHeight;
}

HWND selectedField() { return hFieldWindow; }
bool usesPalette() { return gPal256 != nullptr; }
void paletteEntrySet(int index, int rgb) { yywinpalette256(index, rgb, 0); }

}  // namespace

void yygraphicsinstallscreenport() {
    yysetscreenport({
        .windowContextReleasing = yyscreenwindowdcreleasing,
        .windowContextSelected = yyscreenwindowdcselected,
        .windowContextGone = yyscreenwindowdcgone,
        .rootOpened = rootOpened,
        .rootStarted = rootStarted,
        .rootClosing = rootClosing,
        .rootClosed = yyscreenclosed,
        .fieldContextSelected = yyscreenfielddcselected,
        .targetReleasing = yygrselectnone,
        .selectedField = selectedField,
        .usesPalette = usesPalette,
        .paletteRealised = yyscreenpalettewindow,
        .paletteEntrySet = paletteEntrySet,
        .surfaceResized = yyresn,
        .windowResized = yyresize,
        .fieldResized = yyresizefield,
        .windowSelected = windowSelected,
        .measureOn = measureOn,
        .measureDone = measureDone,
        .pixelToUnits = yyi2e,
        .viewerPixelToUnits = yybvi2e,
    });
}
