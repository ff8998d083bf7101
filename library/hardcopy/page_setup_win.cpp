// page_setup_win.cpp - page setup for the library's callers: the state kept between calls, the
// conversions between paper with margins and printable area, the choice between the system's
// dialog and the library's own, and the printer globals a successful page setup leaves for the
// hardcopy drivers.
#include <windows.h>

#include <commdlg.h>

#include <utility>

#include "base/os_internal.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/modal_win.hpp"
#include "hardcopy/page_setup_win.hpp"
#include "hardcopy/printer_layer_win.hpp"
#include "resources/library_ids.h"

namespace {

constexpr int OwnDialog = IDD_PAGESETUP;

// The unit flag of the last call. The printer settings of the last success are psHardcopy's.
DWORD lastUnitFlag = 0;

DWORD unitFlag(int units) { return units < 2 ? PSD_INTHOUSANDTHSOFINCHES : PSD_INHUNDREDTHSOFMILLIMETERS; }

void freeSettings(PAGESETUPDLGA& record) {
    if (record.hDevMode != nullptr) GlobalFree(record.hDevMode);
    if (record.hDevNames != nullptr) GlobalFree(record.hDevNames);
    record.hDevMode = record.hDevNames = nullptr;
}

// Asks the system for the default printer's page setup without showing anything (and without
// its "No default printer defined." box when there is none); the record gets new settings.
void askDefaults(PAGESETUPDLGA& record) {
    record.lStructSize = sizeof record;
    record.hDevMode = record.hDevNames = nullptr;
    const DWORD flags = record.Flags;
    record.Flags = (flags & (PSD_INTHOUSANDTHSOFINCHES | PSD_INHUNDREDTHSOFMILLIMETERS)) | PSD_RETURNDEFAULT | PSD_NOWARNING;
    if (!PageSetupDlgA(&record)) record.hDevMode = record.hDevNames = nullptr;
    record.Flags = flags;
}

// Orientation (0, 1) and copies of a device mode; unchanged without one.
void readMode(HGLOBAL handle, int& orientation, int& copies) {
    auto* mode = handle != nullptr ? static_cast<DEVMODEA*>(GlobalLock(handle)) : nullptr;
    if (mode == nullptr) return;
    orientation = mode->dmOrientation == DMORIENT_LANDSCAPE ? 1 : 0;
    copies = mode->dmCopies;
    GlobalUnlock(handle);
}

void writeMode(HGLOBAL handle, int orientation, int copies) {
    auto* mode = handle != nullptr ? static_cast<DEVMODEA*>(GlobalLock(handle)) : nullptr;
    if (mode == nullptr) return;
    mode->dmFields |= DM_ORIENTATION | DM_COPIES;
    mode->dmOrientation = static_cast<short>(orientation + 1);
    mode->dmCopies = static_cast<short>(copies);
    GlobalUnlock(handle);
}

void copyName(char (&target)[260], const char* source) { lstrcpynA(target, source, sizeof target); }

// The printer globals of the hardcopy drivers from the record's printer settings.
void storePrinterGlobals(const PAGESETUPDLGA& record) {
    if (auto* names = record.hDevNames ? static_cast<DEVNAMES*>(GlobalLock(record.hDevNames)) : nullptr) {
        const char* base = reinterpret_cast<const char*>(names);
        copyName(lpPrintDriver, base + names->wDriverOffset);
        copyName(lpPrintType, base + names->wDeviceOffset);
        copyName(lpPrintPort, base + names->wOutputOffset);
        GotPrName = 1;
        GlobalUnlock(record.hDevNames);
    }
    if (auto* mode = record.hDevMode ? static_cast<DEVMODEA*>(GlobalLock(record.hDevMode)) : nullptr) {
        prLength = mode->dmPaperLength;
        prWidth = mode->dmPaperWidth;
        prScale = mode->dmScale;
        prSource = mode->dmDefaultSource;
        prQuality = mode->dmPrintQuality;
        prSize = mode->dmPaperSize;
        prColor = mode->dmColor;
        prDuplex = mode->dmDuplex;
        prYRes = mode->dmYResolution;
        prTTOption = mode->dmTTOption;
        prCollate = mode->dmCollate;
        prMedia = mode->dmMediaType;
        prDither = mode->dmDitherType;
        GlobalUnlock(record.hDevMode);
    }
}

// The number of colours of the chosen printer; false when no information context opens.
bool colourCount(int& colours) {
    HDC info = CreateICA(lpPrintDriver, lpPrintType, nullptr, nullptr);
    if (info == nullptr) return false;
    colours = GetDeviceCaps(info, NUMCOLORS);
    DeleteDC(info);
    return true;
}

bool ownDialogAvailable() {
    int major = 0, minor = 0;
    yyosver(major, minor);
    return major >= 6 &&
           FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(OwnDialog), MAKEINTRESOURCEA(5)) != nullptr;
}

}  // namespace

int yyPageSetupDlg(PAGESETUPDLGA* record) {
    if (record == nullptr) return 0;
    if (!ownDialogAvailable()) return PageSetupDlgA(record) ? 1 : 0;
    PAGESETUPDLGA* previous = yypagesetuprecord;
    yypagesetuprecord = record;
    int width = record->ptPaperSize.x, height = record->ptPaperSize.y;
    int printableWidth = width - record->rtMargin.left - record->rtMargin.right;
    int printableHeight = height - record->rtMargin.top - record->rtMargin.bottom;
    int left = record->rtMargin.left, top = record->rtMargin.top;
    int orientation = 0, copies = 1;
    readMode(record->hDevMode, orientation, copies);
    const int units = (record->Flags & PSD_INTHOUSANDTHSOFINCHES) != 0 ? 0 : 2;
    int ok = 0;
    yypagesetupsub(width, height, printableWidth, printableHeight, left, top, orientation, copies, units, ok);
    yypagesetuprecord = previous;
    if (ok != 1) return 0;
    record->ptPaperSize.x = width;
    record->ptPaperSize.y = height;
    record->rtMargin.left = left;
    record->rtMargin.top = top;
    record->rtMargin.right = width - left - printableWidth;
    record->rtMargin.bottom = height - top - printableHeight;
    writeMode(record->hDevMode, orientation, copies);
    return 1;
}

void yypagesetup(int& paperWidth, int& paperHeight, int& printableWidth, int& printableHeight, int& left, int& top,
                 int& orientation, int& copies, int units, int& colours, int& ok) {
    ok = 0;
    HWND dialog = yyactivemodelessdialog();
    {
        ModalBracket bracket;  // other dialogs and windows disabled until the end
        // The dialogs work on a record of this call with printer settings of its own: psHardcopy and
        // its settings change only when the user accepts.
        const DWORD flag = unitFlag(units);
        PAGESETUPDLGA record = {};
        if (PageDlgShown == 0) {
            record.Flags = flag;
            askDefaults(record);
        } else {
            record = psHardcopy;
            record.Flags = flag;
            record.hDevMode = yycopyglobal(psHardcopy.hDevMode);
            record.hDevNames = yycopyglobal(psHardcopy.hDevNames);
            if (flag != lastUnitFlag) {  // the paper size in the new unit
                freeSettings(record);
                askDefaults(record);
            }
        }
        lastUnitFlag = flag;
        record.lStructSize = sizeof record;
        record.hwndOwner = bracket.owner();
        record.hInstance = nullptr;

        int width = record.ptPaperSize.x, height = record.ptPaperSize.y;
        if ((orientation == 0 && width > height) || (orientation == 1 && width < height)) std::swap(width, height);
        record.ptPaperSize.x = width;
        record.ptPaperSize.y = height;
        writeMode(record.hDevMode, orientation, copies);
        record.Flags |= PSD_MARGINS;
        record.rtMargin.left = left;
        record.rtMargin.top = top;
        record.rtMargin.right = width - printableWidth - left;
        record.rtMargin.bottom = height - printableHeight - top;

        if (yyPageSetupDlg(&record) == 1) {
            freeSettings(psHardcopy);
            psHardcopy = record;
            paperWidth = record.ptPaperSize.x;
            paperHeight = record.ptPaperSize.y;
            printableWidth = paperWidth - record.rtMargin.left - record.rtMargin.right;
            printableHeight = paperHeight - record.rtMargin.top - record.rtMargin.bottom;
            left = record.rtMargin.left;
            top = record.rtMargin.top;
            readMode(record.hDevMode, orientation, copies);
            storePrinterGlobals(record);
            PageDlgShown = 1;
            colourCount(colours);
            ok = 1;
        } else {
            freeSettings(record);
        }
    }
    yysetactivemodelessdialog(dialog);
}
