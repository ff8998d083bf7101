// editor_find_print_win.cpp - finding and replacing through the system's find and replace
// dialogs, and printing the text page by page on a printer chosen in a page-setup dialog; two
// page-setup sets live for the whole run: set 1 for the editor's Print items, set 0 for the
// application's print requests.
#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "base/callback_guard.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"
#include "hardcopy/page_setup_win.hpp"
#include "editor/editor_record_win.hpp"
#include "editor/editor_rules.hpp"
#include "editor/editor_text.hpp"

namespace {

// ---- finding ----

CHARRANGE selectionOf(HWND control) {
    CHARRANGE range = {0, 0};
    SendMessageA(control, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

int firstLine(HWND control) { return static_cast<int>(SendMessageA(control, EM_GETFIRSTVISIBLELINE, 0, 0)); }

void endOfText(HWND frame, const EditorWindowRecord& r) {
    HWND dialog = editorWindow(r.FindDialog);
    if (dialog != nullptr && IsWindow(dialog)) {
        EnableWindow(frame, FALSE);
        MessageBoxA(dialog, "End of text reached", "Find", MB_OK | MB_ICONINFORMATION);
        EnableWindow(frame, TRUE);
    } else {
        MessageBoxA(frame, "End of text reached", "Find", MB_OK | MB_ICONINFORMATION);
    }
}

// ---- page-setup sets ----

struct PageSetups {
    PAGESETUPDLGA set[2] = {};
    bool initialised = false;
} pageSetups;

int unitsPerInch(const PAGESETUPDLGA& p) { return (p.Flags & PSD_INHUNDREDTHSOFMILLIMETERS) != 0 ? 2540 : 1000; }

PrintArea areaOf(const PAGESETUPDLGA& p) {
    PrintArea a;
    a.paperWidth = p.ptPaperSize.x;
    a.paperHeight = p.ptPaperSize.y;
    a.left = p.rtMargin.left;
    a.top = p.rtMargin.top;
    a.right = p.rtMargin.right;
    a.bottom = p.rtMargin.bottom;
    a.unitsPerInch = unitsPerInch(p);
    if (p.hDevMode != nullptr) {
        if (auto* mode = static_cast<DEVMODEA*>(GlobalLock(p.hDevMode))) {
            a.landscape = (mode->dmFields & DM_ORIENTATION) != 0 && mode->dmOrientation == DMORIENT_LANDSCAPE;
            GlobalUnlock(p.hDevMode);
        }
    }
    return a;
}

void storeArea(PAGESETUPDLGA& p, const PrintArea& a, bool orientation) {
    p.ptPaperSize = {a.paperWidth, a.paperHeight};
    p.rtMargin = {a.left, a.top, a.right, a.bottom};
    if (orientation && p.hDevMode != nullptr) {
        if (auto* mode = static_cast<DEVMODEA*>(GlobalLock(p.hDevMode))) {
            mode->dmFields |= DM_ORIENTATION;
            mode->dmOrientation = static_cast<short>(a.landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT);
            GlobalUnlock(p.hDevMode);
        }
    }
}

// A drawing context for the set's printer; null without one.
HDC printerContext(const PAGESETUPDLGA& p) {
    if (p.hDevNames == nullptr) return nullptr;
    auto* names = static_cast<DEVNAMES*>(GlobalLock(p.hDevNames));
    if (names == nullptr) return nullptr;
    const char* base = reinterpret_cast<const char*>(names);
    const std::string driver = base + names->wDriverOffset, device = base + names->wDeviceOffset,
                      port = base + names->wOutputOffset;
    GlobalUnlock(p.hDevNames);
    auto* mode = p.hDevMode != nullptr ? static_cast<DEVMODEA*>(GlobalLock(p.hDevMode)) : nullptr;
    HDC dc = CreateDCA(driver.c_str(), device.c_str(), port.empty() ? nullptr : port.c_str(), mode);
    if (mode != nullptr) GlobalUnlock(p.hDevMode);
    return dc;
}

// The printer's unprintable strips as the set's minimum margins.
PrinterMargins measureMinimumMargins(PAGESETUPDLGA& p, HDC dc) {
    const PrinterMargins m = yyeditprintermargins(
        GetDeviceCaps(dc, PHYSICALOFFSETX), GetDeviceCaps(dc, PHYSICALOFFSETY), GetDeviceCaps(dc, PHYSICALWIDTH),
        GetDeviceCaps(dc, PHYSICALHEIGHT), GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES),
        GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), unitsPerInch(p));
    p.rtMinMargin = {m.left, m.top, m.right, m.bottom};
    return m;
}

void keepHandles(PAGESETUPDLGA& set, const PAGESETUPDLGA& chosen) {
    set.hDevMode = chosen.hDevMode;
    set.hDevNames = chosen.hDevNames;
}

// ---- printing ----

// The range's plain text drawn page by page in the editor font, where the control formats no page.
void printPlainText(HDC dc, const EditorWindowRecord& r, const std::string& text, const RECT& area) {
    LOGFONTA font = {};
    if (r.Font != nullptr) GetObjectA(r.Font, sizeof font, &font);
    HDC screen = GetDC(nullptr);
    font.lfHeight = MulDiv(font.lfHeight != 0 ? font.lfHeight : -13, GetDeviceCaps(dc, LOGPIXELSY),
                           GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    font.lfWidth = 0;
    HFONT printFont = CreateFontIndirectA(&font);
    HGDIOBJ previous = SelectObject(dc, printFont);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    const int lineHeight = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
    const int width = std::max<int>(1, area.right - area.left);
    int y = area.top;
    bool pageOpen = false;
    auto drawLine = [&](const std::string& piece) {
        if (!pageOpen || y + lineHeight > area.bottom) {
            if (pageOpen) EndPage(dc);
            StartPage(dc);
            SelectObject(dc, printFont);
            pageOpen = true;
            y = area.top;
        }
        if (!piece.empty()) TextOutA(dc, area.left, y, piece.data(), static_cast<int>(piece.size()));
        y += lineHeight;
    };
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        std::replace(line.begin(), line.end(), '\t', ' ');
        // Long lines wrap at the rectangle's width.
        do {
            int fit = 0;
            SIZE extent = {0, 0};
            GetTextExtentExPointA(dc, line.c_str(), static_cast<int>(line.size()), width, &fit, nullptr, &extent);
            fit = std::clamp(fit, line.empty() ? 0 : 1, static_cast<int>(line.size()));
            drawLine(line.substr(0, static_cast<std::size_t>(fit)));
            line.erase(0, static_cast<std::size_t>(fit));
        } while (!line.empty());
        if (end >= text.size()) break;
        at = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    if (pageOpen) EndPage(dc);
    SelectObject(dc, previous);
    DeleteObject(printFont);
}

void printFailed(HWND frame, int set) {
    if (set != 1) return;
    MessageBoxA(frame, "Unable to print text", "Print Error", MB_OK | MB_ICONWARNING);
}

void focusBack(HWND frame) {
    if ((GetWindowLongA(frame, GWL_STYLE) & WS_CHILD) == 0 && GetParent(frame) == nullptr) return;
    SetFocus(frame);
    SendMessageA(frame, WM_NCACTIVATE, TRUE, 0);
}

std::string controlText(HWND control, int from, int to) {
    if (to <= from) return {};
    std::vector<char> buffer(static_cast<std::size_t>(to - from) + 1, '\0');
    TEXTRANGEA range = {{from, to}, buffer.data()};
    const LRESULT got = SendMessageA(control, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    return std::string(buffer.data(), static_cast<std::size_t>(std::clamp<LRESULT>(got, 0, to - from)));
}

PAGESETUPDLGA* setOf(int set) { return set == 0 || set == 1 ? &pageSetups.set[set] : nullptr; }

}  // namespace

int yyEditFind(HWND frame, EditorWindowRecord& r, FINDREPLACEA& f) {
    HWND control = richEditOf(r);
    const CHARRANGE s = selectionOf(control);
    const bool selected = s.cpMin != s.cpMax;
    const bool down = (f.Flags & FR_DOWN) != 0 || iVerRTF == 1;
    FINDTEXTEXA find = {};
    if (down) {
        find.chrg = {s.cpMin + (selected ? 1 : 0), -1};
    } else {
        find.chrg = {std::max<LONG>(0, s.cpMax - (selected ? 1 : 0)), 0};
    }
    find.lpstrText = f.lpstrFindWhat != nullptr ? f.lpstrFindWhat : r.FindText;
    const WPARAM options = (down ? FR_DOWN : 0) | (f.Flags & (FR_WHOLEWORD | FR_MATCHCASE));
    const LRESULT found = find.lpstrText[0] == '\0' ? -1 : SendMessageA(control, EM_FINDTEXTEX, options, reinterpret_cast<LPARAM>(&find));
    if (found < 0) {
        endOfText(frame, r);
        return 0;
    }
    const int before = firstLine(control);
    SendMessageA(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&find.chrgText));
    SendMessageA(control, EM_SCROLLCARET, 0, 0);
    if (firstLine(control) != before) {
        SendMessageA(control, EM_LINESCROLL, 0, 6);
        SendMessageA(control, EM_SCROLLCARET, 0, 0);
    }
    return 1;
}

int yyEditReplace(HWND frame, EditorWindowRecord& r, FINDREPLACEA& f) {
    HWND control = richEditOf(r);
    const CHARRANGE s = selectionOf(control);
    const char* findText = f.lpstrFindWhat != nullptr ? f.lpstrFindWhat : r.FindText;
    const char* replaceText = f.lpstrReplaceWith != nullptr ? f.lpstrReplaceWith : r.ReplaceText;
    if (s.cpMax > s.cpMin && s.cpMax - s.cpMin <= static_cast<LONG>(EditorTitleLength)) {
        char selected[EditorTitleLength + 1] = "";
        SendMessageA(control, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(selected));
        const bool same = (f.Flags & FR_MATCHCASE) != 0 ? std::strcmp(selected, findText) == 0 : lstrcmpiA(selected, findText) == 0;
        if (same) SendMessageA(control, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(replaceText));
    }
    return yyEditFind(frame, r, f);
}

UINT_PTR CALLBACK yyEditFindHook(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return yyguardcallback(
        "yyEditFindHook",
        [&]() -> UINT_PTR {
            if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
                if (HWND frame = GetWindow(dialog, GW_OWNER)) {
                    SetFocus(frame);
                    SendMessageA(frame, WM_NCACTIVATE, TRUE, 0);
                }
            }
            return 0;
        },
        []() -> UINT_PTR { return 0; });
}

void yyeditfindstring(int& which, int& status, const char* text) {
    EditorWindowRecord* r = yyeditcurrent();
    if (r == nullptr) {
        status = 1028;
        return;
    }
    yyeditcopyout(which == 1 ? r->FindText : r->ReplaceText, static_cast<int>(EditorTitleLength) + 1, text != nullptr ? text : "");
    status = 0;
}

void yyeditfindflags(int& flags, int& status) {
    EditorWindowRecord* r = yyeditcurrent();
    if (r == nullptr) {
        status = 1028;
        return;
    }
    DWORD& f = r->FindReplace.Flags;
    f &= ~static_cast<DWORD>(FR_MATCHCASE | FR_DOWN | FR_WHOLEWORD);
    if ((flags & 2) == 0) f |= FR_MATCHCASE;
    if ((flags & 4) == 0) f |= FR_DOWN;
    if ((flags & 16) != 0) f |= FR_WHOLEWORD;
    status = 0;
}

void yyEditPrintInit() {
    if (pageSetups.initialised) return;
    pageSetups.initialised = true;
    for (PAGESETUPDLGA& set : pageSetups.set) {
        set = {};
        set.lStructSize = sizeof set;
        set.hwndOwner = wWindow[0];
        set.hInstance = wInstance;
        set.Flags = PSD_RETURNDEFAULT | PSD_NOWARNING;
        PAGESETUPDLGA query = set;
        if (PageSetupDlgA(&query)) {
            keepHandles(set, query);
            set.ptPaperSize = query.ptPaperSize;
            set.rtMargin = query.rtMargin;
            set.Flags = query.Flags & (PSD_INTHOUSANDTHSOFINCHES | PSD_INHUNDREDTHSOFMILLIMETERS);
        } else {
            set.Flags = 0;
        }
        set.Flags |= PSD_NOWARNING;
    }
}

int yyEditPrint(HWND frame, EditorWindowRecord& r, int selectionOnly, int set, int from, int to, const char* title) {
    PAGESETUPDLGA* p = setOf(set);
    if (p == nullptr) return 0;
    yyEditPrintInit();
    p->hwndOwner = frame;
    p->Flags = (p->Flags & ~static_cast<DWORD>(PSD_RETURNDEFAULT)) | PSD_MARGINS;
    if (set == 1) {
        PAGESETUPDLGA chosen = *p;
        if (yyPageSetupDlg(&chosen) != 1) {
            focusBack(frame);
            return 0;
        }
        *p = chosen;
    }
    HDC dc = printerContext(*p);
    if (dc == nullptr) {
        printFailed(frame, set);
        if (set == 1) focusBack(frame);
        return 0;
    }
    const PrinterMargins minimum = measureMinimumMargins(*p, dc);
    const PrintRectangles rects = yyeditprintrectangles(areaOf(*p), minimum);
    HWND control = richEditOf(r);
    int start = 0, end = yyeditcontrolchars(control);
    if (selectionOnly) {
        if (set == 1) {
            const CHARRANGE s = selectionOf(control);
            start = s.cpMin;
            end = s.cpMax < 0 ? end : std::min<int>(s.cpMax, end);
        } else {
            yyEditAdjustPos(r, from, to, start, end);
        }
    }
    std::string job = set == 1 ? r.FileName : (title != nullptr ? title : "");
    if (job.empty()) job = "Untitled";
    DOCINFOA document = {sizeof document, job.c_str(), nullptr, nullptr, 0};
    if (StartDocA(dc, &document) <= 0) {
        DeleteDC(dc);
        printFailed(frame, set);
        if (set == 1) focusBack(frame);
        return 0;
    }
    FORMATRANGE range = {};
    range.hdc = range.hdcTarget = dc;
    range.rc = {rects.format.left, rects.format.top, rects.format.right, rects.format.bottom};
    range.rcPage = {0, 0, rects.page.right, rects.page.bottom};
    range.chrg = {start, end};
    // The control formats nothing on some systems: then the editor draws the plain text itself.
    const LRESULT measured = start < end ? SendMessageA(control, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&range)) : end;
    SendMessageA(control, EM_FORMATRANGE, FALSE, 0);
    if (start < end && measured <= start) {
        const int dpiX = GetDeviceCaps(dc, LOGPIXELSX), dpiY = GetDeviceCaps(dc, LOGPIXELSY);
        const RECT area = {MulDiv(rects.format.left, dpiX, 1440), MulDiv(rects.format.top, dpiY, 1440),
                           MulDiv(rects.format.right, dpiX, 1440), MulDiv(rects.format.bottom, dpiY, 1440)};
        printPlainText(dc, r, controlText(control, start, end), area);
    } else {
        while (start < end) {
            range.chrg = {start, end};
            StartPage(dc);
            const LRESULT next = SendMessageA(control, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
            EndPage(dc);
            if (next <= start) break;
            start = static_cast<int>(next);
        }
        SendMessageA(control, EM_FORMATRANGE, FALSE, 0);
    }
    EndDoc(dc);
    DeleteDC(dc);
    return 1;
}

void yyeditprintprog(int& status, int& from, int& to, const char* title) {
    HWND frame = nullptr;
    EditorWindowRecord* r = yyeditcurrent(&frame);
    if (r == nullptr) {
        status = 0;
        return;
    }
    const bool part = from >= 0 && from < to;
    status = yyEditPrint(frame, *r, part ? 1 : 0, 0, from, to, title);
}

void yyeditprintsetup(int& units, int& set, int& result) {
    result = 0;
    PAGESETUPDLGA* p = setOf(set);
    if (p == nullptr) return;
    yyEditPrintInit();
    bool millimetres = units >= 2;
    if (units == -1) {
        char system[4] = "";
        GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IMEASURE, system, sizeof system);
        millimetres = std::strcmp(system, "1") != 0;
    }
    const bool wasMillimetres = (p->Flags & PSD_INHUNDREDTHSOFMILLIMETERS) != 0;
    p->Flags &= ~static_cast<DWORD>(PSD_INTHOUSANDTHSOFINCHES | PSD_INHUNDREDTHSOFMILLIMETERS | PSD_RETURNDEFAULT);
    p->Flags |= millimetres ? PSD_INHUNDREDTHSOFMILLIMETERS : PSD_INTHOUSANDTHSOFINCHES;
    HWND owner = yycurrentdialogwindow();
    if (owner == nullptr) {
        const int n = gravim.windows.wIndex;
        owner = n >= 0 && n < MaxWindows ? wWindow[n] : nullptr;
    }
    if (owner != nullptr) owner = GetAncestor(owner, GA_ROOT);
    p->hwndOwner = owner;
    if (millimetres != wasMillimetres) {
        auto convert = [millimetres](LONG& v) {
            v = millimetres ? yyeditinchestomillimetres(static_cast<int>(v)) : yyeditmillimetrestoinches(static_cast<int>(v));
        };
        for (LONG* v : {&p->rtMargin.left, &p->rtMargin.top, &p->rtMargin.right, &p->rtMargin.bottom,
                        &p->ptPaperSize.x, &p->ptPaperSize.y})
            convert(*v);
    }
    p->Flags |= PSD_MARGINS;
    PAGESETUPDLGA chosen = *p;
    if (yyPageSetupDlg(&chosen) != 1) return;
    *p = chosen;
    result = 1;
    if (HDC dc = printerContext(*p)) {
        measureMinimumMargins(*p, dc);
        DeleteDC(dc);
    }
}

void yyeditprintgetpossize(int& code, int& value, int& set) {
    const PAGESETUPDLGA* p = setOf(set);
    if (p == nullptr) return;
    yyEditPrintInit();
    value = yyeditprintareaget(areaOf(*p), code);
}

void yyeditprintsetpossize(int& code, int& value, int& set) {
    PAGESETUPDLGA* p = setOf(set);
    if (p == nullptr) return;
    yyEditPrintInit();
    PrintArea area = areaOf(*p);
    yyeditprintareaset(area, code, value);
    storeArea(*p, area, code == 5);
}
