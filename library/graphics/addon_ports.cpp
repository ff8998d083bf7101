// addon_ports.cpp - the hardcopy and image ports that graphics owns and the layers above install,
// and their answers where a layer is absent.
#include "graphics/addon_ports.hpp"

#include "core/errors_internal.hpp"

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

template <typename Entry> void fill(Entry& entry, Entry given, Entry absent) { entry = given != nullptr ? given : absent; }

}  // namespace

void yysethardcopyport(const HardcopyPort& port) {
    HardcopyPort& to = installedHardcopy;
    const HardcopyPort& absent = absentHardcopy;
    fill(to.driver, port.driver, absent.driver);
    fill(to.stop, port.stop, absent.stop);
    fill(to.option, port.option, absent.option);
    fill(to.windowDumpStart, port.windowDumpStart, absent.windowDumpStart);
    fill(to.windowDumpBlit, port.windowDumpBlit, absent.windowDumpBlit);
    fill(to.windowDumpEnd, port.windowDumpEnd, absent.windowDumpEnd);
    fill(to.printerNames, port.printerNames, absent.printerNames);
}

void yysetimageport(const ImagePort& port) {
    ImagePort& to = installedImages;
    const ImagePort& absent = absentImages;
    fill(to.loadImageData, port.loadImageData, absent.loadImageData);
    fill(to.drawImage, port.drawImage, absent.drawImage);
    fill(to.selectBitmap, port.selectBitmap, absent.selectBitmap);
    fill(to.createDialogBitmap, port.createDialogBitmap, absent.createDialogBitmap);
    fill(to.destroyDialogBitmap, port.destroyDialogBitmap, absent.destroyDialogBitmap);
    fill(to.bitmapViewerInfo, port.bitmapViewerInfo, absent.bitmapViewerInfo);
}

const HardcopyPort& yyhardcopyport() { return installedHardcopy; }
const ImagePort& yyimageport() { return installedImages; }
