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
void noRestart(bool) {}

void noImageData(std::string_view, std::span<int>) { yyerror(notAnImage, "IGrLoadImageData"); }
void noImage(int, int, int, int, int, int, int, int, int, int, int, int& error, int& systemError, const char*) {
    error = notAnImage;
    systemError = 0;
}
void noBitmap(int, int& status, int&, int&) { status = 1; }
void noDialogBitmap(int, int, int, int& identifier) { identifier = 0; }
void noDialogBitmapDestroy(int) {}
int noViewer(int, int) { return 0; }

constexpr HardcopyPort absentHardcopy{noDriver,   noStop,    noOption,  noDumpStart,
                                      noDumpBlit, noDumpEnd, noPrinter, noRestart};
constexpr ImagePort absentImages{noImageData, noImage, noBitmap, noDialogBitmap, noDialogBitmapDestroy, noViewer};

// Constant-initialised, so that a layer installing itself while the program starts finds them set.
constinit HardcopyPort installedHardcopy = absentHardcopy;
constinit ImagePort installedImages = absentImages;
bool hardcopyFilled = false;
bool imagesFilled = false;

// Takes each named entry of the given table into the installed one, or the absent layer's answer
// where none is given; true when every entry was given.
template <typename Port, typename... Entries>
bool fill(Port& to, const Port& given, const Port& absent, Entries Port::*... entries) {
    bool all = true;
    ((to.*entries = given.*entries != nullptr ? given.*entries : absent.*entries, all &= given.*entries != nullptr), ...);
    return all;
}

}  // namespace

void yysethardcopyport(const HardcopyPort& port) {
    using P = HardcopyPort;
    hardcopyFilled = fill(installedHardcopy, port, absentHardcopy, &P::driver, &P::stop, &P::option, &P::windowDumpStart,
                          &P::windowDumpBlit, &P::windowDumpEnd, &P::printerNames, &P::restart);
}

void yysetimageport(const ImagePort& port) {
    using P = ImagePort;
    imagesFilled = fill(installedImages, port, absentImages, &P::loadImageData, &P::drawImage, &P::selectBitmap,
                        &P::createDialogBitmap, &P::destroyDialogBitmap, &P::bitmapViewerInfo);
}

const HardcopyPort& yyhardcopyport() { return installedHardcopy; }
const ImagePort& yyimageport() { return installedImages; }

bool yyhardcopyportfilled() { return hardcopyFilled; }
bool yyimageportfilled() { return imagesFilled; }
