// editor_colouring_win.cpp - an editor whose application colours the text: the rich-edit
// control's paint is taken over, every visible line drawn by the editor in the colours the
// application's colouring routine gives per column range; the control's zoom keeps its place.
#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/callback_guard.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"
#include "editor/editor_record_win.hpp"
#include "editor/editor_rules.hpp"

namespace {

constexpr int MaxColourRanges = 100;
constexpr int LineReadLimit = 32768;

WNDPROC oldProcedure(HWND control) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_USERDATA)); }

LRESULT callOld(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC old = oldProcedure(control);
    return old != nullptr ? CallWindowProcA(old, control, message, wParam, lParam)
                          : DefWindowProcA(control, message, wParam, lParam);
}

CHARRANGE selectionOf(HWND control) {
    CHARRANGE range = {0, 0};
    SendMessageA(control, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

// Select All leaves the selection at 0..-1, or past the last character with the final line end.
bool wholeTextSelected(HWND control, const CHARRANGE& s) {
    return s.cpMin == 0 && (s.cpMax == -1 || s.cpMax > yyeditcontrolchars(control));
}

// The zoom ratio of a version-3 control, or false.
bool zoomOf(HWND control, int& numerator, int& denominator) {
    numerator = denominator = 0;
    if (iVerRTF < 3) return false;
    SendMessageA(control, EM_GETZOOM, reinterpret_cast<WPARAM>(&numerator), reinterpret_cast<LPARAM>(&denominator));
    return denominator != 0 && numerator != 0;
}

int scaledLineHeight(const EditorWindowRecord& r) {
    int numerator = 0, denominator = 0;
    return zoomOf(richEditOf(r), numerator, denominator) ? MulDiv(r.LineHeight, numerator, denominator) : r.LineHeight;
}

struct Painter {
    EditorWindowRecord& r;
    HWND control;
    HDC dc;
    CHARRANGE selection;
    int lineHeight;
    bool whole;

    void colours(int text, int back) const {
        SetTextColor(dc, static_cast<COLORREF>(text));
        SetBkColor(dc, static_cast<COLORREF>(back));
    }
    void windowColours() const { colours(static_cast<int>(GetSysColor(COLOR_WINDOWTEXT)), static_cast<int>(GetSysColor(COLOR_WINDOW))); }
    void highlightColours() const {
        colours(static_cast<int>(GetSysColor(COLOR_HIGHLIGHTTEXT)), static_cast<int>(GetSysColor(COLOR_HIGHLIGHT)));
    }
    // One highlighted space at a control position.
    void highlightedSpace(int position) const {
        highlightColours();
        yyEditTextOut(r, dc, " ", position, 1);
    }
};

// Draws one line; `line` holds its characters without the line end, from control position `start`.
void paintLine(const Painter& p, const std::string& line, int start, bool hasLineEnd, int window) {
    const int length = static_cast<int>(line.size());
    const CHARRANGE& s = p.selection;
    if (p.whole) {
        if (length == 0) {
            p.highlightedSpace(start);
        } else {
            p.highlightColours();
            yyEditTextOut(p.r, p.dc, line.c_str(), start, length);
        }
        return;
    }
    int selFrom = -1, selTo = -1;
    if (s.cpMin != s.cpMax) {
        const int from = std::max<int>(s.cpMin, start) - start + 1;
        const int to = std::min<int>(s.cpMax, start + length) - start;
        if (from <= to && from >= 1 && to <= length) {
            selFrom = from;
            selTo = to;
        }
    }
    int starts[MaxColourRanges] = {}, ends[MaxColourRanges] = {}, colours[MaxColourRanges] = {};
    int count = 0, maxRanges = MaxColourRanges, lineLength = length, w = window;
    std::string copy = line;  // the application gets its own copy to read
    yyeditparsecallback(w, selFrom, selTo, maxRanges, starts, ends, colours, count, copy.c_str(), lineLength);
    int column = 1;  // the next column to draw
    auto plain = [&](int from, int to) {  // columns from..to in window colours
        if (to < from) return;
        p.windowColours();
        yyEditTextOut(p.r, p.dc, line.c_str() + (from - 1), start + from - 1, to - from + 1);
    };
    for (const ColourRange& range : yyeditclampranges(count, MaxColourRanges, starts, ends, colours, length)) {
        plain(column, range.start - 1);
        if (range.colour == -1)
            p.highlightColours();
        else
            p.colours(range.colour, static_cast<int>(GetSysColor(COLOR_WINDOW)));
        yyEditTextOut(p.r, p.dc, line.c_str() + (range.start - 1), start + range.start - 1, range.end - range.start + 1);
        column = range.end + 1;
    }
    plain(column, length);
    const int lineEnd = start + length;
    if (hasLineEnd && s.cpMin != s.cpMax && lineEnd >= s.cpMin && (lineEnd < s.cpMax || s.cpMax == -1))
        p.highlightedSpace(lineEnd);
}

void paintColoured(HWND control, EditorWindowRecord& r) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(control, &paint);
    if (dc == nullptr) return;
    HWND frame = GetParent(control);
    const int window = yygetwindowindex(frame);
    int numerator = 0, denominator = 0;
    HFONT font = r.Font;
    int lineHeight = r.LineHeight;
    if (zoomOf(control, numerator, denominator)) {
        font = CreateFontA(-MulDiv(r.CharHeight, numerator, denominator), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                           "Courier New");
        lineHeight = MulDiv(r.LineHeight, numerator, denominator);
    }
    HGDIOBJ previousFont = SelectObject(dc, font != nullptr ? font : GetStockObject(ANSI_FIXED_FONT));
    SetBkMode(dc, OPAQUE);
    RECT client;
    GetClientRect(control, &client);
    HBRUSH background = reinterpret_cast<HBRUSH>(GetClassLongPtrA(control, GCLP_HBRBACKGROUND));
    if (background == nullptr) background = GetSysColorBrush(COLOR_WINDOW);
    RECT column = {client.left, client.top, client.left + 1, client.bottom};
    FillRect(dc, &column, background);
    column = {client.right - 1, client.top, client.right, client.bottom};
    FillRect(dc, &column, background);
    IntersectClipRect(dc, client.left + 1, client.top, client.right - 1, client.bottom);

    const CHARRANGE selection = selectionOf(control);
    const Painter painter{r, control, dc, selection, lineHeight, wholeTextSelected(control, selection)};
    const int lines = static_cast<int>(SendMessageA(control, EM_GETLINECOUNT, 0, 0));
    const int first = static_cast<int>(SendMessageA(control, EM_GETFIRSTVISIBLELINE, 0, 0));
    int below = client.top;  // where the drawn lines end
    std::vector<char> buffer(LineReadLimit + sizeof(WORD) + 1);
    for (int index = first; index < lines; ++index) {
        const int start = static_cast<int>(SendMessageA(control, EM_LINEINDEX, static_cast<WPARAM>(index), 0));
        if (start < 0) break;
        POINT origin = {0, 0};
        yyEditPosFromChar(control, start, origin);
        if (origin.y >= client.bottom) break;
        *reinterpret_cast<WORD*>(buffer.data()) = static_cast<WORD>(LineReadLimit);
        const LRESULT got = SendMessageA(control, EM_GETLINE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
        std::string line(buffer.data(), static_cast<std::size_t>(std::clamp<LRESULT>(got, 0, LineReadLimit)));
        // The line end is not part of the line; the last line may have none.
        bool hasLineEnd = false;
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
            line.pop_back();
            hasLineEnd = true;
        }
        RECT strip = {client.left, index == first ? client.top : origin.y, client.right, origin.y + lineHeight + 1};
        FillRect(dc, &strip, background);
        paintLine(painter, line, start, hasLineEnd, window);
        below = std::max<int>(below, origin.y + lineHeight + 1);
    }
    if (below < client.bottom) {
        RECT rest = {client.left, below, client.right, client.bottom};
        FillRect(dc, &rest, background);
    }
    SelectObject(dc, previousFont);
    if (font != r.Font) yyeditdeletefont(font);
    EndPaint(control, &paint);
}

// Ctrl with the wheel: the control zooms, then keeps its first line and selection and lays out again.
LRESULT zoomed(HWND control, EditorWindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam) {
    const int first = static_cast<int>(SendMessageA(control, EM_GETFIRSTVISIBLELINE, 0, 0));
    CHARRANGE selection = selectionOf(control);
    const bool hide = r.DisplayFrozen == 0;
    if (hide) SendMessageA(control, EM_HIDESELECTION, TRUE, 0);
    const LRESULT result = callOld(control, message, wParam, lParam);
    SendMessageA(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    const int now = static_cast<int>(SendMessageA(control, EM_GETFIRSTVISIBLELINE, 0, 0));
    if (now != first) SendMessageA(control, EM_LINESCROLL, 0, first - now);
    if (hide) SendMessageA(control, EM_HIDESELECTION, FALSE, 0);
    RECT area;
    GetWindowRect(control, &area);
    SetWindowPos(control, nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    SetWindowPos(control, nullptr, 0, 0, area.right - area.left, area.bottom - area.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return result;
}

}  // namespace

void yyEditPosFromChar(HWND control, int position, POINT& point) {
    if (iVerRTF == 2) {
        const LRESULT packed = SendMessageA(control, EM_POSFROMCHAR, static_cast<WPARAM>(position), 0);
        point.x = static_cast<short>(LOWORD(packed));
        point.y = static_cast<short>(HIWORD(packed));
        return;
    }
    POINTL at = {0, 0};
    SendMessageA(control, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), position);
    point.x = at.x;
    point.y = at.y;
}

void yyEditTextOut(EditorWindowRecord& r, HDC dc, const char* text, int position, int length) {
    HWND control = richEditOf(r);
    const CHARRANGE s = selectionOf(control);
    int run = 0;  // start of the run without tabs
    for (int k = 0; k <= length; ++k) {
        if (k < length && text[k] != '\t') continue;
        if (k > run) {
            POINT at = {0, 0};
            yyEditPosFromChar(control, position + run, at);
            TextOutA(dc, at.x, at.y, text + run, k - run);
        }
        if (k < length) {  // a tab: only its selection shows
            const int tab = position + k;
            if (wholeTextSelected(control, s) || (tab >= s.cpMin && tab < s.cpMax)) {
                POINT from = {0, 0}, to = {0, 0};
                yyEditPosFromChar(control, tab, from);
                yyEditPosFromChar(control, tab + 1, to);
                RECT fill = {from.x, from.y, std::max(to.x, from.x), from.y + scaledLineHeight(r)};
                FillRect(dc, &fill, GetSysColorBrush(COLOR_HIGHLIGHT));
            }
        }
        run = k + 1;
    }
}

LRESULT CALLBACK yyEditSubRTF(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yyEditSubRTF",
        [&]() -> LRESULT {
            EditorWindowRecord* r = yyeditrecord(GetParent(control));
            if (r != nullptr && r->ColouringOn == 1) {
                if (message == WM_PAINT) {
                    paintColoured(control, *r);
                    return 0;
                }
                if (message == WM_MOUSEWHEEL && (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) != 0)
                    return zoomed(control, *r, message, wParam, lParam);
            }
            return callOld(control, message, wParam, lParam);
        },
        [&]() -> LRESULT { return callOld(control, message, wParam, lParam); });
}

void yyeditsetcallback() {
    EditorWindowRecord* r = yyeditcurrent();
    if (r == nullptr || r->ColouringOn == 1) return;
    HWND control = richEditOf(*r);
    r->ColouringOn = 1;
    SetWindowLongPtrA(control, GWLP_USERDATA, GetWindowLongPtrA(control, GWLP_WNDPROC));
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yyEditSubRTF));
    InvalidateRect(control, nullptr, TRUE);
}
