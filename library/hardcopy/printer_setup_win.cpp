// printer_setup_win.cpp - the printer settings page setup works on: the printer's paper and
// source lists, size and source in its device mode, and the system's print-setup dialog.
#include <windows.h>

#include <commdlg.h>

#include <cstring>

#include "dialogs/modal_win.hpp"
#include "hardcopy/page_setup.hpp"
#include "hardcopy/page_setup_win.hpp"
#include "hardcopy/printer_layer_win.hpp"

PAGESETUPDLGA* yypagesetuprecord = &psHardcopy;

HGLOBAL yycopyglobal(HGLOBAL block) {
    if (block == nullptr) return nullptr;
    const SIZE_T size = GlobalSize(block);
    const void* from = GlobalLock(block);
    if (from == nullptr) return nullptr;
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    void* to = copy != nullptr ? GlobalLock(copy) : nullptr;
    if (to != nullptr) {
        std::memcpy(to, from, size);
        GlobalUnlock(copy);
    } else if (copy != nullptr) {
        GlobalFree(copy);
        copy = nullptr;
    }
    GlobalUnlock(block);
    return copy;
}

namespace {

// The device and port of the record's device names; false without any.
bool printerNames(std::string& device, std::string& port) {
    if (yypagesetuprecord == nullptr || yypagesetuprecord->hDevNames == nullptr) return false;
    auto* names = static_cast<DEVNAMES*>(GlobalLock(yypagesetuprecord->hDevNames));
    if (names == nullptr) return false;
    const char* base = reinterpret_cast<const char*>(names);
    device = base + names->wDeviceOffset;
    port = base + names->wOutputOffset;
    GlobalUnlock(yypagesetuprecord->hDevNames);
    return true;
}

// Asks the record's printer for one capability: count entries of entrySize bytes each.
std::vector<char> capability(WORD which, std::size_t entrySize, int& count) {
    count = 0;
    std::string device, port;
    if (!printerNames(device, port)) return {};
    const int found = DeviceCapabilitiesA(device.c_str(), port.c_str(), which, nullptr, nullptr);
    if (found <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(found) * entrySize, '\0');
    if (DeviceCapabilitiesA(device.c_str(), port.c_str(), which, buffer.data(), nullptr) <= 0) return {};
    count = found;
    return buffer;
}

class SystemQueries : public PrinterQueries {
public:
    std::vector<std::string> names(int which) override {
        const std::size_t length = which == 1 ? PaperNameLength : SourceNameLength;
        int count = 0;
        const std::vector<char> buffer = capability(which == 1 ? DC_PAPERNAMES : DC_BINNAMES, length, count);
        std::vector<std::string> result;
        for (int k = 0; k < count; ++k) result.emplace_back(buffer.data() + k * length, length);
        return result;
    }
    std::vector<int> codes(int which) override {
        int count = 0;
        const std::vector<char> buffer = capability(which == 3 ? DC_PAPERS : DC_BINS, sizeof(WORD), count);
        std::vector<int> result;
        for (int k = 0; k < count; ++k) {
            WORD code = 0;
            std::memcpy(&code, buffer.data() + k * sizeof code, sizeof code);
            result.push_back(code);
        }
        return result;
    }
    std::vector<POINT> paperSizes() override {
        int count = 0;
        const std::vector<char> buffer = capability(DC_PAPERSIZE, sizeof(POINT), count);
        std::vector<POINT> result(static_cast<std::size_t>(count));
        if (count > 0) std::memcpy(result.data(), buffer.data(), result.size() * sizeof(POINT));
        return result;
    }
};

SystemQueries systemQueries;
PrinterQueries* queries = &systemQueries;

// The record's device mode, locked; unlockMode() after use.
DEVMODEA* lockMode() {
    if (yypagesetuprecord == nullptr || yypagesetuprecord->hDevMode == nullptr) return nullptr;
    return static_cast<DEVMODEA*>(GlobalLock(yypagesetuprecord->hDevMode));
}
void unlockMode() { GlobalUnlock(yypagesetuprecord->hDevMode); }

// The print-setup request, prepared on first use: the setup form, no page range.
PRINTDLGA printSetup;

}  // namespace

void yysetprinterqueries(PrinterQueries* replacement) { queries = replacement != nullptr ? replacement : &systemQueries; }

void yypsdprintercapint(int which, int& count) {
    count = which == 1 || which == 2 ? static_cast<int>(queries->names(which).size()) : 0;
}

void yypsdprintercapchar(int which, void* buffer) {
    if (which == 1 || which == 2) {
        const std::size_t length = which == 1 ? PaperNameLength : SourceNameLength;
        char* out = static_cast<char*>(buffer);
        for (const std::string& name : queries->names(which)) {
            std::memset(out, 0, length);
            std::memcpy(out, name.data(), name.size() < length ? name.size() : length);
            out += length;
        }
    } else if (which == 3 || which == 4) {
        // As many codes as there are names, so that the caller's buffer sized by the count holds them.
        const std::size_t count = queries->names(which - 2).size();
        const std::vector<int> codes = queries->codes(which);
        auto* out = static_cast<WORD*>(buffer);
        for (std::size_t k = 0; k < count; ++k) out[k] = static_cast<WORD>(k < codes.size() ? codes[k] : 0);
    }
}

void yypsdgetsizesource(int& size, int& source) {
    if (DEVMODEA* mode = lockMode()) {
        size = mode->dmPaperSize;
        source = mode->dmDefaultSource;
        unlockMode();
    }
}

void yypsdsetsizesource(int size, int source) {
    if (DEVMODEA* mode = lockMode()) {
        mode->dmPaperSize = static_cast<short>(size);
        mode->dmDefaultSource = static_cast<short>(source);
        mode->dmFields |= DM_PAPERSIZE | DM_DEFAULTSOURCE;
        unlockMode();
    }
}

void yypsdpaperwh(int index, int count, int& width, int& height) {
    const std::vector<POINT> sizes = queries->paperSizes();
    if (index < 0 || index >= count || index >= static_cast<int>(sizes.size())) return;
    width = sizes[static_cast<std::size_t>(index)].x;
    height = sizes[static_cast<std::size_t>(index)].y;
}

void yyprintdlg(int& orientation, int& copies, int& ok) {
    ok = 0;
    if (yypagesetuprecord == nullptr) return;
    if (printSetup.lStructSize == 0) {
        printSetup.lStructSize = sizeof printSetup;
        printSetup.Flags = PD_PRINTSETUP | PD_NOPAGENUMS;
    }
    // The dialog works on copies: a cancel leaves the record's settings as they were.
    printSetup.nCopies = static_cast<WORD>(copies);
    printSetup.hDevMode = yycopyglobal(yypagesetuprecord->hDevMode);
    printSetup.hDevNames = yycopyglobal(yypagesetuprecord->hDevNames);
    if (auto* mode = printSetup.hDevMode ? static_cast<DEVMODEA*>(GlobalLock(printSetup.hDevMode)) : nullptr) {
        mode->dmFields |= DM_ORIENTATION | DM_COPIES;
        mode->dmOrientation = static_cast<short>(orientation == 1 ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT);
        mode->dmCopies = static_cast<short>(copies);
        GlobalUnlock(printSetup.hDevMode);
    }
    BOOL accepted = FALSE;
    {
        ModalBracket bracket;
        printSetup.hwndOwner = bracket.owner();
        accepted = PrintDlgA(&printSetup);
    }
    printSetup.hwndOwner = nullptr;
    if (!accepted) {
        if (printSetup.hDevMode != nullptr) GlobalFree(printSetup.hDevMode);
        if (printSetup.hDevNames != nullptr) GlobalFree(printSetup.hDevNames);
        printSetup.hDevMode = printSetup.hDevNames = nullptr;
        return;
    }
    if (yypagesetuprecord->hDevMode != nullptr) GlobalFree(yypagesetuprecord->hDevMode);
    if (yypagesetuprecord->hDevNames != nullptr) GlobalFree(yypagesetuprecord->hDevNames);
    yypagesetuprecord->hDevMode = printSetup.hDevMode;
    yypagesetuprecord->hDevNames = printSetup.hDevNames;
    printSetup.hDevMode = printSetup.hDevNames = nullptr;
    if (DEVMODEA* mode = lockMode()) {
        orientation = mode->dmOrientation == DMORIENT_LANDSCAPE ? 1 : 0;
        copies = mode->dmCopies;
        unlockMode();
    }
    ok = 1;
}
