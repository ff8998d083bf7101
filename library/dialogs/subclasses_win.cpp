// subclasses_win.cpp - what the library adds to the standard controls of its dialogs: focus
// notices from buttons and trackbars, graphics-field events, keyboard conveniences, disabled tabs.
#include <windows.h>

#include <commctrl.h>

#include "base/callback_guard.hpp"
#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/control_classes_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"


namespace {

// Focus notification codes the dialog procedure counts as a focus change.
constexpr int ButtonFocusCode = BN_SETFOCUS;
constexpr int TrackFocusCode = EN_SETFOCUS;  // a trackbar announces its focus as an edit would

// 1 except while a button handles its own mouse release.
int buttonGuard = 1;

int controlId(HWND control) { return GetDlgCtrlID(control); }

void notifyFocus(HWND control, int code) {
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(controlId(control), code),
                 reinterpret_cast<LPARAM>(control));
}

bool isGraphicsField(HWND control) {
    const FieldRecord* record = yyfieldrecord(control);
    return record != nullptr && record->graphicsField != 0;
}

// The record a graphics-field event of control writes; null inside a modal copy.
int* graphicsRecord(HWND control) {
    bool modal = false;
    int* record = yyeventrecord(GetParent(control), modal);
    return modal ? nullptr : record;
}

bool controlOrAltDown() { return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0; }

bool controlA(UINT message, WPARAM wParam) {
    return (message == WM_CHAR && wParam == 1) ||
           (message == WM_KEYDOWN && wParam == 'A' && GetKeyState(VK_CONTROL) < 0);
}

// Trackbar: after Delete or Ctrl+A changed the selection, the field changed in place.
void trackSelectionChanged(HWND track) {
    int* record = graphicsRecord(track);
    if (record == nullptr) return;
    HWND dialog = GetParent(track);
    record[DlgPreviousField] = 3;
    record[DlgCurrentField] = controlId(track);
    yyUpdateLast(dialog, track);
    yyinterpretmessage(EvFieldChanged, 0, 0, 0, dialog);
}

// Tab control: items and whether each is disabled.
int tabCount(HWND tab) { return static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0)); }

bool tabDisabled(HWND tab, int item) {
    TabItem data{};
    data.header.mask = TCIF_PARAM;
    return SendMessageA(tab, TCM_GETITEMA, item, reinterpret_cast<LPARAM>(&data)) && data.disabled != 0;
}

bool anyTabDisabled(HWND tab) {
    for (int i = 0; i < tabCount(tab); ++i)
        if (tabDisabled(tab, i)) return true;
    return false;
}

// The nearest enabled tab from the current one in direction step (-1 left, +1 right).
void moveToEnabledTab(HWND tab, int step) {
    int current = static_cast<int>(SendMessageA(tab, TCM_GETCURFOCUS, 0, 0));
    if (current < 0) {
        // No tab has had the keyboard focus yet: the selected one takes it first, quietly, so
        // that the move below selects with the usual notifications.
        current = static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
        SendMessageA(tab, TCM_SETCURFOCUS, current, 0);
    }
    for (int i = current + step; i >= 0 && i < tabCount(tab); i += step) {
        if (tabDisabled(tab, i)) continue;
        SendMessageA(tab, TCM_SETCURFOCUS, i, 0);
        return;
    }
}

void placePages(HWND tab) {
    RECT area;
    GetClientRect(tab, &area);
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(tab, GetParent(tab), reinterpret_cast<POINT*>(&area), 2);
    for (int i = 0; i < tabCount(tab); ++i) {
        HWND page = yytabpagewindow(tab, i);
        if (page == nullptr || GetParent(page) != GetParent(tab)) continue;
        SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// Disabled tabs are drawn embossed by the library; the platform paints everything else.
void paintDisabledTabs(HWND tab) {
    RECT update;
    if (!GetUpdateRect(tab, &update, FALSE)) return;
    HWND page = yytabpagewindow(tab, static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0)));
    if (page != nullptr) {
        RECT pageUpdate = update;
        MapWindowPoints(tab, page, reinterpret_cast<POINT*>(&pageUpdate), 2);
        InvalidateRect(page, &pageUpdate, FALSE);
    }
    if (!anyTabDisabled(tab)) return;
    HDC dc = GetDC(tab);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(tab, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < tabCount(tab); ++i) {
        if (!tabDisabled(tab, i)) continue;
        RECT box;
        SendMessageA(tab, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&box));
        char label[1025] = "";
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = label;
        item.cchTextMax = sizeof label;
        SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        // The label area, cleared, then the text once in the highlight colour shifted by a
        // pixel and once in the shadow colour.
        RECT inner = {box.left + 2, box.top + 3, box.right - 2, box.bottom};
        FillRect(dc, &inner, GetSysColorBrush(COLOR_BTNFACE));
        RECT shifted = {inner.left + 1, inner.top + 1, inner.right + 1, inner.bottom + 1};
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, label, -1, &shifted, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
        DrawTextA(dc, label, -1, &inner, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
        ValidateRect(tab, &inner);
    }
    SelectObject(dc, oldFont);
    ReleaseDC(tab, dc);
}

// Mouse messages over a graphics field give the dialog's surface events.
void graphicsMouse(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    int* record = graphicsRecord(control);
    if (record == nullptr || !isGraphicsField(control)) return;
    HWND dialog = GetParent(control);
    record[DlgGraphicsField] = controlId(control);
    int code = 0;
    switch (message) {
    case WM_MOUSEMOVE: record[DlgMouseButton] = 0; code = 106; break;
    case WM_LBUTTONDOWN: case WM_MBUTTONDOWN: case WM_RBUTTONDOWN: SetCapture(control); code = 104; break;
    case WM_LBUTTONDBLCLK: case WM_MBUTTONDBLCLK: case WM_RBUTTONDBLCLK:
        SetCapture(control);
        code = gravim.events.wMessageEnabled[EvDoubleClick - 1] != 0 ? 116 : 104;
        break;
    default: ReleaseCapture(); code = 105; break;
    }
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: record[DlgMouseButton] = 1; break;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: record[DlgMouseButton] = 2; break;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: record[DlgMouseButton] = 3; break;
    default: break;
    }
    yyinterpretmessage(code, 0, wParam, lParam, dialog);
}

bool isMouseMessage(UINT message) {
    switch (message) {
    case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return true;
    default: return false;
    }
}

}  // namespace

static LRESULT buttonMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS: notifyFocus(button, ButtonFocusCode); break;
    case WM_KILLFOCUS:
        if (buttonGuard == 1 && hBadVal != nullptr) yyselectinvalid(button, hBadVal, 1);
        break;
    case BM_SETSTATE:
        if (isGraphicsField(button)) {
            const LRESULT result = CallWindowProcA(lpNormalButtonProc, button, message, wParam, lParam);
            if (int* record = graphicsRecord(button)) {
                record[DlgGraphicsField] = controlId(button);
                yyinterpretmessage(107, 0, 0, 0, GetParent(button));
            }
            return result;
        }
        break;
    case WM_LBUTTONUP: {
        POINT p = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        RECT box;
        GetClientRect(button, &box);
        if (hBadVal != nullptr && !PtInRect(&box, p)) {
            buttonGuard = 0;
            const LRESULT result = CallWindowProcA(lpNormalButtonProc, button, message, wParam, lParam);
            yyselectinvalid(button, hBadVal, 0);
            buttonGuard = 1;
            return result;
        }
        break;
    }
    default: break;
    }
    return CallWindowProcA(lpNormalButtonProc, button, message, wParam, lParam);
}

LRESULT CALLBACK yysubbutton(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yysubbutton", [&] { return buttonMessage(button, message, wParam, lParam); },
        [&] { return CallWindowProcA(lpNormalButtonProc, button, message, wParam, lParam); });
}

static LRESULT trackMessage(HWND track, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool selectionRange = (GetWindowLongA(track, GWL_STYLE) & TBS_ENABLESELRANGE) != 0;
    switch (message) {
    case WM_SETFOCUS: notifyFocus(track, TrackFocusCode); break;
    case WM_KILLFOCUS: iSelStart = 0; break;
    case WM_KEYDOWN:
        if (!selectionRange) break;
        if (wParam == VK_SHIFT && (lParam & 0x40000000) == 0)
            iSelStart = static_cast<int>(SendMessageA(track, TBM_GETPOS, 0, 0));
        if (wParam == VK_DELETE) {
            SendMessageA(track, TBM_CLEARSEL, TRUE, 0);
            iSelStart = 0;
            trackSelectionChanged(track);
            return 0;
        }
        if (controlA(message, wParam)) {
            const LRESULT low = SendMessageA(track, TBM_GETRANGEMIN, 0, 0);
            const LRESULT high = SendMessageA(track, TBM_GETRANGEMAX, 0, 0);
            SendMessageA(track, TBM_SETSEL, TRUE, MAKELPARAM(low, high));
            trackSelectionChanged(track);
            return 0;
        }
        break;
    case WM_KEYUP:
        if (selectionRange && wParam == VK_SHIFT) {
            if (SendMessageA(track, TBM_GETSELSTART, 0, 0) == SendMessageA(track, TBM_GETSELEND, 0, 0))
                SendMessageA(track, TBM_CLEARSEL, TRUE, 0);
            iSelStart = 0;
        }
        break;
    default: break;
    }
    return CallWindowProcA(lpNormalTrackProc, track, message, wParam, lParam);
}

LRESULT CALLBACK yysubtrack(HWND track, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yysubtrack", [&] { return trackMessage(track, message, wParam, lParam); },
        [&] { return CallWindowProcA(lpNormalTrackProc, track, message, wParam, lParam); });
}

static LRESULT tabMessage(HWND tab, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOVE:
    case WM_SIZE: {
        const LRESULT result = CallWindowProcA(lpNormalTabProc, tab, message, wParam, lParam);
        if (message == WM_MOVE || wParam == SIZE_RESTORED || wParam == SIZE_MAXIMIZED) placePages(tab);
        return result;
    }
    case WM_PAINT: paintDisabledTabs(tab); break;
    case WM_KEYDOWN:
        if (wParam == VK_LEFT || wParam == VK_RIGHT) {
            moveToEnabledTab(tab, wParam == VK_LEFT ? -1 : 1);
            return 0;
        }
        if ((wParam == VK_UP || wParam == VK_DOWN) && anyTabDisabled(tab)) return 0;
        break;
    case WM_LBUTTONDOWN: {
        TCHITTESTINFO hit{};
        hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const int item = static_cast<int>(SendMessageA(tab, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (item >= 0 && tabDisabled(tab, item)) return 0;
        break;
    }
    default: break;
    }
    return CallWindowProcA(lpNormalTabProc, tab, message, wParam, lParam);
}

LRESULT CALLBACK yysubtab(HWND tab, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yysubtab", [&] { return tabMessage(tab, message, wParam, lParam); },
        [&] { return CallWindowProcA(lpNormalTabProc, tab, message, wParam, lParam); });
}

static LRESULT staticMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ENABLE: return 0;  // a static keeps its look
    case WM_SETCURSOR:
        if (isGraphicsField(control) && LOWORD(lParam) == HTCLIENT) {
            const FieldRecord* record = yyfieldrecord(control);
            HCURSOR cursor = record->cursor != nullptr ? record->cursor : wCursor;
            if (cursor != nullptr) {
                SetCursor(cursor);
                return TRUE;
            }
        }
        break;
    case WM_NCHITTEST: {
        const LRESULT hit = CallWindowProcA(lpNormalStaticProc, control, message, wParam, lParam);
        if (hit == HTTRANSPARENT && (GetWindowLongA(control, GWL_STYLE) & SS_NOTIFY) != 0) return HTCLIENT;
        return hit;
    }
    default:
        if (isMouseMessage(message)) {
            graphicsMouse(control, message, wParam, lParam);
            return 0;
        }
        break;
    }
    return CallWindowProcA(lpNormalStaticProc, control, message, wParam, lParam);
}

LRESULT CALLBACK yysubstatic(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yysubstatic", [&] { return staticMessage(control, message, wParam, lParam); },
        [&] { return CallWindowProcA(lpNormalStaticProc, control, message, wParam, lParam); });
}

static LRESULT outerMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const FieldRecord* field = yyfieldrecord(control);
    WNDPROC next = field != nullptr ? field->nextProcedure : nullptr;
    const LRESULT result = next != nullptr ? CallWindowProcA(next, control, message, wParam, lParam)
                                           : DefWindowProcA(control, message, wParam, lParam);
    if ((message != WM_PAINT && message != WM_SIZE) || !isGraphicsField(control)) return result;
    int* record = graphicsRecord(control);
    if (record == nullptr) return result;
    record[DlgGraphicsField] = controlId(control);
    if (message == WM_PAINT) {
        yyinterpretmessage(107, 0, 0, 0, GetParent(control));
    } else {
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        yyinterpretmessage(108, 0, wParam, lParam, GetParent(control));
    }
    return result;
}

LRESULT CALLBACK yysubpaint(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yysubpaint", [&] { return outerMessage(control, message, wParam, lParam); },
        [&] { return DefWindowProcA(control, message, wParam, lParam); });
}

static LRESULT editMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool wantReturn = (GetWindowLongA(edit, GWL_STYLE) & ES_WANTRETURN) != 0;
    switch (message) {
    case WM_GETDLGCODE: {
        LRESULT code = CallWindowProcA(lpNormalEditProc, edit, message, wParam, lParam);
        const MSG* key = reinterpret_cast<const MSG*>(lParam);
        if (key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN && !wantReturn &&
            !controlOrAltDown())
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    case WM_KEYDOWN:
        if (wParam == VK_RETURN && !wantReturn && !controlOrAltDown()) {
            yyDefaultButton(edit);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == 1) {
            SendMessageA(edit, EM_SETSEL, 0, -1);
            return 0;
        }
        if ((wParam == '\r' || wParam == '\n') && !wantReturn) return 0;
        break;
    default: break;
    }
    return CallWindowProcA(lpNormalEditProc, edit, message, wParam, lParam);
}

LRESULT CALLBACK yysubedit(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yysubedit", [&] { return editMessage(edit, message, wParam, lParam); },
        [&] { return CallWindowProcA(lpNormalEditProc, edit, message, wParam, lParam); });
}

static LRESULT upDownMessage(HWND updown, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) {
        HWND buddy = reinterpret_cast<HWND>(SendMessageA(updown, UDM_GETBUDDY, 0, 0));
        if (buddy != nullptr && GetFocus() != buddy) SetFocus(buddy);
    }
    return CallWindowProcA(lpNormalUpDownProc, updown, message, wParam, lParam);
}

LRESULT CALLBACK yysubupdown(HWND updown, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yysubupdown", [&] { return upDownMessage(updown, message, wParam, lParam); },
        [&] { return CallWindowProcA(lpNormalUpDownProc, updown, message, wParam, lParam); });
}

static LRESULT treeMessage(HWND tree, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS && creatingDialog == 0) {
        bool modal = false;
        HWND dialog = GetParent(tree);
        if (int* record = yyeventrecord(dialog, modal)) {
            record[DlgPreviousField] = record[DlgCurrentField];
            record[DlgCurrentField] = controlId(tree);
            if (!modal && record[DlgPreviousField] != record[DlgCurrentField])
                yyinterpretmessage(EvFieldChanged, 0, 0, reinterpret_cast<LPARAM>(tree), dialog);
        }
    }
    return CallWindowProcA(lpNormalTreeProc, tree, message, wParam, lParam);
}

LRESULT CALLBACK yysubtree(HWND tree, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yysubtree", [&] { return treeMessage(tree, message, wParam, lParam); },
        [&] { return CallWindowProcA(lpNormalTreeProc, tree, message, wParam, lParam); });
}

void yymakebitmaptransparent(HBITMAP bitmap) {
    BITMAP facts;
    if (bitmap == nullptr || !GetObjectA(bitmap, sizeof facts, &facts)) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = facts.bmWidth;
    info.bmiHeader.biHeight = -facts.bmHeight;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const int count = facts.bmWidth * facts.bmHeight;
    if (count <= 0) return;
    DWORD* pixels = static_cast<DWORD*>(HeapAlloc(GetProcessHeap(), 0, static_cast<SIZE_T>(count) * sizeof(DWORD)));
    if (pixels == nullptr) return;
    HDC dc = GetDC(nullptr);
    if (GetDIBits(dc, bitmap, 0, facts.bmHeight, pixels, &info, DIB_RGB_COLORS)) {
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        const DWORD replacement = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
        const DWORD background = pixels[0] & 0xFFFFFF;
        for (int i = 0; i < count; ++i)
            if ((pixels[i] & 0xFFFFFF) == background) pixels[i] = replacement;
        SetDIBits(dc, bitmap, 0, facts.bmHeight, pixels, &info, DIB_RGB_COLORS);
    }
    ReleaseDC(nullptr, dc);
    HeapFree(GetProcessHeap(), 0, pixels);
}

int yytrackselectionstart() { return iSelStart; }

void yysubclassfield(HWND control) {
    FieldRecord* record = yyfieldrecord(control);
    if (record == nullptr || record->nextProcedure != nullptr) return;
    // The class's own addition goes beneath the outer one that every control gets.
    WNDPROC inner = nullptr;
    if (yyisclass(control, atomButton)) inner = yysubbutton;
    else if (yyisclass(control, atomTrack)) inner = yysubtrack;
    else if (yyisclass(control, atomTab)) inner = yysubtab;
    else if (yyisclass(control, atomStatic)) inner = yysubstatic;
    else if (yyisclass(control, atomEdit)) inner = yysubedit;
    else if (yyisclass(control, atomTree)) inner = yysubtree;
    if (inner != nullptr) SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(inner));
    record->nextProcedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC));
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yysubpaint));
}
