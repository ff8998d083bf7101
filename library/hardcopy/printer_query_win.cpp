// printer_query_win.cpp - the default printer: its names, the paper query, the device context
// with page setup's choices, and the x87 guard around printer driver code.
#include <windows.h>
#include <winspool.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "base/gravim.hpp"
#include "hardcopy/printer_layer_win.hpp"

char lpPrintType[260] = "";
char lpPrintDriver[260] = "";
char lpPrintPort[260] = "";
int GotPrName = 0;

int PageDlgShown = 0;
PAGESETUPDLGA psHardcopy = {};
short prSize = 0, prLength = 0, prWidth = 0, prScale = 0, prSource = 0, prQuality = 0, prColor = 0,
      prDuplex = 0, prYRes = 0, prTTOption = 0, prCollate = 0;
DWORD prMedia = 0, prDither = 0;

bool yyprinternames(std::string& driver, std::string& device) {
    if (GotPrName == 0) return false;
    driver = lpPrintDriver;
    device = lpPrintType;
    return true;
}

namespace {

constexpr int invalidPrinterName = 1801;  // ERROR_INVALID_PRINTER_NAME

// The last system error, never 0: a failed query must not read as a printer found.
int lastErrorOfFailure() {
    const DWORD code = GetLastError();
    return code != 0 ? static_cast<int>(code) : invalidPrinterName;
}

void copyName(char (&target)[260], std::string_view value) {
    const std::size_t n = std::min(value.size(), sizeof target - 1);
    std::memcpy(target, value.data(), n);
    target[n] = '\0';
}

// "device,driver,port": the parts after the first lose their leading blanks; missing ones are empty.
void takeProfilePrinter(std::string_view device) {
    std::string_view parts[3];
    for (int i = 0; i < 3; ++i) {
        const std::size_t comma = device.find(',');
        parts[i] = device.substr(0, comma);
        device = comma == std::string_view::npos ? std::string_view() : device.substr(comma + 1);
        if (i < 2) {
            const std::size_t first = device.find_first_not_of(' ');
            device = first == std::string_view::npos ? std::string_view() : device.substr(first);
        }
    }
    copyName(lpPrintType, parts[0]);
    copyName(lpPrintDriver, parts[1]);
    copyName(lpPrintPort, parts[2]);
}

// Page setup's paper, in points: thousandths of an inch or hundredths of a millimetre.
int pagePoints(LONG value) {
    const double unit = (psHardcopy.Flags & PSD_INTHOUSANDTHSOFINCHES) != 0 ? 0.001 : 1.0 / 2540.0;
    return static_cast<int>(value * 72 * unit + 0.5);
}

}  // namespace

void yygetcw(unsigned short& word) {
    unsigned short value = 0;
    __asm__ __volatile__("fnstcw %0" : "=m"(value));
    word = value;
}

void yysetcw(unsigned short word) { __asm__ __volatile__("fwait\n\tfldcw %0" : : "m"(word)); }

void yywprinfo(int refresh, int& longSide, int& shortSide, int& width, int& height, int& xOffset,
               int& yOffset, int& landscape, int& copies, int& colours, int& error) {
    longSide = shortSide = width = height = xOffset = yOffset = landscape = copies = colours = 0;
    error = 0;
    unsigned short controlWord = 0;
    yygetcw(controlWord);

    if (refresh == 1 || GotPrName == 0) {
        char device[553] = "";
        SetLastError(0);
        GetProfileStringA("windows", "Device", "", device, sizeof device);
        if (device[0] == '\0') {
            error = lastErrorOfFailure();
        } else {
            takeProfilePrinter(device);
            GotPrName = 1;
            PageDlgShown = 0;
        }
    }
    if (error == 0) {
        SetLastError(0);
        HDC info = CreateICA(lpPrintDriver, lpPrintType, nullptr, nullptr);
        if (info == nullptr) {
            error = lastErrorOfFailure();
        } else {
            int across = 0, down = 0;
            if (PageDlgShown != 0) {
                across = pagePoints(psHardcopy.ptPaperSize.x);
                down = pagePoints(psHardcopy.ptPaperSize.y);
            } else {
                across = GetDeviceCaps(info, PHYSICALWIDTH) * 72 / std::max(1, GetDeviceCaps(info, LOGPIXELSX));
                down = GetDeviceCaps(info, PHYSICALHEIGHT) * 72 / std::max(1, GetDeviceCaps(info, LOGPIXELSY));
            }
            longSide = std::max(across, down);
            shortSide = across > down ? down : across;
            width = longSide - 144;
            height = shortSide - 144;
            xOffset = yOffset = 72;
            landscape = 1;
            copies = 1;
            colours = GetDeviceCaps(info, NUMCOLORS);
            DeleteDC(info);
        }
    }
    yysetcw(controlWord);
}

HDC yywprgetdc(int landscape, int copies) {
    HANDLE printer = nullptr;
    if (!OpenPrinterA(lpPrintType, &printer, nullptr)) return nullptr;
    const LONG size = DocumentPropertiesA(nullptr, printer, lpPrintType, nullptr, nullptr, 0);
    HGLOBAL memory = size > 0 ? GlobalAlloc(GHND, static_cast<SIZE_T>(size)) : nullptr;
    DEVMODEA* mode = memory != nullptr ? static_cast<DEVMODEA*>(GlobalLock(memory)) : nullptr;
    if (mode == nullptr) {
        if (memory != nullptr) GlobalFree(memory);
        ClosePrinter(printer);
        return nullptr;
    }
    DocumentPropertiesA(nullptr, printer, lpPrintType, mode, nullptr, DM_OUT_BUFFER);

    // Only what is asked for here is merged; each field only when the printer has it.
    const DWORD supported = mode->dmFields;
    DWORD fields = 0;
    auto take = [&](DWORD bit) {
        if ((supported & bit) == 0) return false;
        fields |= bit;
        return true;
    };
    if (take(DM_ORIENTATION)) mode->dmOrientation = landscape != 0 ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    if (take(DM_COPIES)) mode->dmCopies = static_cast<short>(copies);
    if (PageDlgShown != 0) {
        if (take(DM_PAPERSIZE)) mode->dmPaperSize = prSize;
        if (take(DM_PAPERLENGTH)) mode->dmPaperLength = prLength;
        if (take(DM_PAPERWIDTH)) mode->dmPaperWidth = prWidth;
        if (take(DM_SCALE)) mode->dmScale = prScale;
        if (take(DM_DEFAULTSOURCE)) mode->dmDefaultSource = prSource;
        if (take(DM_PRINTQUALITY)) mode->dmPrintQuality = prQuality;
        if (take(DM_COLOR)) mode->dmColor = prColor;
        if (take(DM_DUPLEX)) mode->dmDuplex = prDuplex;
        if (take(DM_YRESOLUTION)) mode->dmYResolution = prYRes;
        if (take(DM_TTOPTION)) mode->dmTTOption = prTTOption;
        if (take(DM_COLLATE)) mode->dmCollate = prCollate;
        if (take(DM_MEDIATYPE)) mode->dmMediaType = prMedia;
        if (take(DM_DITHERTYPE)) mode->dmDitherType = prDither;
    }
    mode->dmFields = fields;
    if (fields != 0)
        DocumentPropertiesA(nullptr, printer, lpPrintType, mode, mode, DM_IN_BUFFER | DM_OUT_BUFFER);

    HDC context = CreateDCA(lpPrintDriver, lpPrintType, lpPrintPort, mode);
    GlobalUnlock(memory);
    GlobalFree(memory);
    ClosePrinter(printer);
    return context;
}

int yywprpalsize(const BITMAPINFOHEADER* header) {
    const bool core = header->biSize == sizeof(BITMAPCOREHEADER);
    int bits = 0, used = 0;
    if (core) {
        bits = reinterpret_cast<const BITMAPCOREHEADER*>(header)->bcBitCount;
    } else {
        used = static_cast<int>(header->biClrUsed);
        bits = used != 0 ? 0 : header->biBitCount;
    }
    int colours = 0;
    switch (bits) {
    case 0: colours = used; break;
    case 1: colours = 2; break;
    case 4: colours = 16; break;
    case 8: colours = 256; break;
    default: colours = 0; break;
    }
    return colours * (core ? 3 : 4);
}

void yywprname(int code, TextRef text) {
    if (code == 4) text.assign(lpPrintType);
    if (code == 5) text.assign(lpPrintPort);
}
