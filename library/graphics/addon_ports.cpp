// addon_ports.cpp - the hardcopy and image ports that graphics owns and the layers above install,
// and their answers where a layer is absent.
#include "graphics/addon_ports.hpp"

#include "base/errors_internal.hpp"

namespace {

constexpr int notAnImage = 27;  // "not a known image"

void noDriver(int) {}
void noStop() {}
void noOption(int, int) {}
void noDumpStart(int, int, int, int, int& error, int, int, const char*) { error = 1; }
void noDumpBlit(int, int, int, int, int& error) { error = 1; }
void noDumpEnd() {}
bool noPrinter(std::string&, std::string&) { return false; }

void noImageData(std::string_view, std::span<int>) { yyerror(notAnImage, "IGrLoadImageData"); }
void noImage(int, int, int, int, int, int, int, int, int, int, int, int& error, int& systemError, const char*) {
    error = notAnImage;
    systemError = 0;
}
void noBitmap(int, int& status, int&, int&) { status = 1; }
void noDialogBitmap(int, int, int, int& identifier) { identifier = 0; }
void noDialogBitmapDestroy(int) {}
int noViewer(int, int) { return 0; }

constexpr HardcopyPort absentHardcopy{noDriver, noStop, noOption, noDumpStart, noDumpBlit, noDumpEnd, noPrinter};
constexpr ImagePort absentImages{noImageData, noImage, noBitmap, noDialogBitmap, noDialogBitmapDestroy, noViewer};

// Constant-initialised, so that a layer installing itself while the program starts finds them set.
constinit HardcopyPort installedHardcopy = absentHardcopy;
constinit ImagePort installedImages = absentImages;
bool hardcopyFilled = false;
bool imagesFilled = false;

// Takes the given entry, or the absent layer's answer for none; true when one was given.
template <typename Entry> bool fill(Entry& entry, Entry given, Entry absent) {
    entry = given != nullptr ? given : absent;
    return given != nullptr;
}

}  // namespace

void yysethardcopyport(const HardcopyPort& port) {
    HardcopyPort& to = installedHardcopy;
    const HardcopyPort& absent = absentHardcopy;
    bool all = true;
    all &= fill(to.driver, port.driver, absent.driver);
    all &= fill(to.stop, port.stop, absent.stop);
    all &= fill(to.option, port.option, absent.option);
    all &= fill(to.windowDumpStart, port.windowDumpStart, absent.windowDumpStart);
    all &= fill(to.windowDumpBlit, port.windowDumpBlit, absent.windowDumpBlit);
    all &= fill(to.windowDumpEnd, port.windowDumpEnd, absent.windowDumpEnd);
    all &= fill(to.printerNames, port.printerNames, absent.printerNames);
    hardcopyFilled = all;
}

void yysetimageport(const ImagePort& port) {
    ImagePort& to = installedImages;
    const ImagePort& absent = absentImages;
    bool all = true;
    all &= fill(to.loadImageData, port.loadImageData, absent.loadImageData);
    all &= fill(to.drawImage, port.drawImage, absent.drawImage);
    all &= fill(to.selectBitmap, port.selectBitmap, absent.selectBitmap);
    all &= fill(to.createDialogBitmap, port.createDialogBitmap, absent.createDialogBitmap);
    all &= fill(to.destroyDialogBitmap, port.destroyDialogBitmap, absent.destroyDialogBitmap);
    all &= fill(to.bitmapViewerInfo, port.bitmapViewerInfo, absent.bitmapViewerInfo);
    imagesFilled = all;
}

const HardcopyPort& yyhardcopyport() { return installedHardcopy; }
const ImagePort& yyimageport() { return installedImages; }

bool yyhardcopyportfilled() { return hardcopyFilled; }
bool yyimageportfilled() { return imagesFilled; }
