// screen_port_win.cpp - the screen port that the window manager owns and graphics installs, and
// its answers for a library without graphics.
#include "windows/screen_port_win.hpp"

namespace {

void noContext(HDC) {}
void noRootOpened(HDC, int, const COLORREF*) {}
void nothing() {}
// Nobody draws into a field's context: it goes back at once.
void releaseField(HWND field, HDC dc) { ReleaseDC(field, dc); }
HWND noField() { return nullptr; }
bool noPalette() { return false; }
void noRealise(HWND) {}
void noEntry(int, int) {}
void noSurface(int, int, int, int) {}
void noWindow(int, int, int) {}
void noMeasure(int, int) {}
void noMeasureDone(const float*, int) {}
void samePosition(float px, float py, float& ux, float& uy) {
    ux = px;
    uy = py;
}
void sameViewerPosition(float px, float py, float& ux, float& uy, int) { samePosition(px, py, ux, uy); }

constexpr ScreenPort absentGraphics{
    .windowContextReleasing = noContext,
    .windowContextSelected = noContext,
    .windowContextGone = noContext,
    .rootOpened = noRootOpened,
    .rootStarted = nothing,
    .rootClosing = nothing,
    .rootClosed = nothing,
    .fieldContextSelected = releaseField,
    .targetReleasing = nothing,
    .selectedField = noField,
    .usesPalette = noPalette,
    .paletteRealised = noRealise,
    .paletteEntrySet = noEntry,
    .surfaceResized = noSurface,
    .windowResized = noWindow,
    .fieldResized = noSurface,
    .windowSelected = noSurface,
    .measureOn = noMeasure,
    .measureDone = noMeasureDone,
    .pixelToUnits = samePosition,
    .viewerPixelToUnits = sameViewerPosition,
};

// Constant-initialised, so that it is set before anything installs or asks.
constinit ScreenPort installed = absentGraphics;

template <typename Entry> void fill(Entry& entry, Entry given, Entry absent) { entry = given != nullptr ? given : absent; }

}  // namespace

void yysetscreenport(const ScreenPort& port) {
    ScreenPort& to = installed;
    const ScreenPort& absent = absentGraphics;
    fill(to.windowContextReleasing, port.windowContextReleasing, absent.windowContextReleasing);
    fill(to.windowContextSelected, port.windowContextSelected, absent.windowContextSelected);
    fill(to.windowContextGone, port.windowContextGone, absent.windowContextGone);
    fill(to.rootOpened, port.rootOpened, absent.rootOpened);
    fill(to.rootStarted, port.rootStarted, absent.rootStarted);
    fill(to.rootClosing, port.rootClosing, absent.rootClosing);
    fill(to.rootClosed, port.rootClosed, absent.rootClosed);
    fill(to.fieldContextSelected, port.fieldContextSelected, absent.fieldContextSelected);
    fill(to.targetReleasing, port.targetReleasing, absent.targetReleasing);
    fill(to.selectedField, port.selectedField, absent.selectedField);
    fill(to.usesPalette, port.usesPalette, absent.usesPalette);
    fill(to.paletteRealised, port.paletteRealised, absent.paletteRealised);
    fill(to.paletteEntrySet, port.paletteEntrySet, absent.paletteEntrySet);
    fill(to.surfaceResized, port.surfaceResized, absent.surfaceResized);
    fill(to.windowResized, port.windowResized, absent.windowResized);
    fill(to.fieldResized, port.fieldResized, absent.fieldResized);
    fill(to.windowSelected, port.windowSelected, absent.windowSelected);
    fill(to.measureOn, port.measureOn, absent.measureOn);
    fill(to.measureDone, port.measureDone, absent.measureDone);
    fill(to.pixelToUnits, port.pixelToUnits, absent.pixelToUnits);
    fill(to.viewerPixelToUnits, port.viewerPixelToUnits, absent.viewerPixelToUnits);
}

const ScreenPort& yyscreenport() { return installed; }
