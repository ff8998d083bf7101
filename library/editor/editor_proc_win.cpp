// editor_proc_win.cpp - the editor frame's window procedure: commands, closing, destruction,
// layout, focus, the control's notifications, tooltips, context menu, menu states and prompts.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "base/callback_guard.hpp"
#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "windows/menus_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/modal_win.hpp"
#include "editor/editor_record_win.hpp"
#include "editor/editor_text.hpp"
#include "graphics/screen_win.hpp"

namespace {

bool isChildFrame(HWND frame) { return (GetWindowLongA(frame, GWL_STYLE) & WS_CHILD) != 0; }

CHARRANGE selectionOf(HWND control) {
    CHARRANGE range = {0, 0};
    SendMessageA(control, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

// True when the selection's protection is known and off.
bool editable(HWND control) {
    CHARFORMAT2A format = {};
    format.cbSize = sizeof format;
    SendMessageA(control, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return (format.dwMask & CFM_PROTECTED) != 0 && (format.dwEffects & CFE_PROTECTED) == 0;
}

void enableButton(HWND toolbar, int id, bool on) {
    if (toolbar != nullptr) SendMessageA(toolbar, TB_ENABLEBUTTON, static_cast<WPARAM>(id), MAKELONG(on ? TRUE : FALSE, 0));
}

void enableItem(HMENU menu, int id, bool on) {
    if (menu != nullptr) EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

void statusText(const EditorWindowRecord& r, int part, const char* text) {
    if (HWND bar = editorWindow(r.StatusBar)) SendMessageA(bar, SB_SETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
}

void raise(int type, int value, HWND frame) { yyinterpretmessage(type, 0, static_cast<WPARAM>(value), 0, frame); }

// The control emptied for a new text: protection off meanwhile, not modified, buttons refreshed.
void clearControl(EditorWindowRecord& r) {
    r.ProtectActive = 0;
    yyEditResetFormat(r);
    SendMessageA(richEditOf(r), EM_SETMODIFY, FALSE, 0);
    yyEditUpdateBIU(r);
    r.ChangedFlag = 0;
}

// The only buffer emptied (New, Close): file closed, no name, no bookmark; protection stays off.
void emptyBuffer(HWND frame, EditorWindowRecord& r) {
    r.ProtectActive = 0;
    yyEditCloseFile(frame);
    r.FileName[0] = '\0';
    clearControl(r);
    r.Bookmark[1] = -1;
    yyEditTitle(frame);
}

void uncheckCurrentView(EditorWindowRecord& r) {
    if (r.ViewMenu != nullptr) CheckMenuItem(r.ViewMenu, static_cast<UINT>(CmdViewBase + r.CurrentBuffer), MF_UNCHECKED);
}

// ---- commands ----

void commandNew(HWND frame, EditorWindowRecord& r) {
    if (!r.AllowNew) return;
    const int n = yygetwindowindex(frame);
    if (r.MultiBuffer) {
        if (r.BufferCount >= EditorBuffers) return;
        uncheckCurrentView(r);
        yyeditstorebuffer(n, r.CurrentBuffer);
        clearControl(r);
        raise(EvMenu, CmdNew, frame);
        r.ProtectActive = 1;
        r.BufferFilterIndex[r.BufferCount + 1] = r.BufferFilterIndex[r.CurrentBuffer];
        r.BufferCount += 1;
        r.CurrentBuffer = r.BufferCount;
        r.Bookmark[r.CurrentBuffer] = -1;
        r.FileName[0] = '\0';
        yyeditstorebuffername(n, r.CurrentBuffer, r.FileName, 260);
        yyEditTitle(frame);
        yyeditsetviewitem(r, r.CurrentBuffer, "", true);
        return;
    }
    if (yyEditCheckSave(frame, reinterpret_cast<int*>(&r)) == 0) return;
    emptyBuffer(frame, r);
    raise(EvMenu, CmdNew, frame);
    r.ProtectActive = 1;
}

void commandOpen(HWND frame, EditorWindowRecord& r) {
    if (!r.AllowOpen) return;
    const int n = yygetwindowindex(frame);
    if (r.MultiBuffer ? r.BufferCount >= EditorBuffers : yyEditCheckSave(frame, reinterpret_cast<int*>(&r)) == 0)
        return;
    char chosen[261];
    std::memcpy(chosen, r.FileName, sizeof chosen);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = frame;
    dialog.lpstrFilter = yyeditfilter(r);
    dialog.nFilterIndex = static_cast<DWORD>(r.BufferFilterIndex[r.CurrentBuffer]);
    dialog.lpstrFile = chosen;
    dialog.nMaxFile = 260;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    dialog.lpstrDefExt = gravim.system.WinVerMajor >= 4 ? "" : nullptr;
    if (r.Mode == 2) yyDisableDialogs(frame, 1);
    const BOOL ok = GetOpenFileNameA(&dialog);
    if (ok) {
        const int oldBuffer = r.CurrentBuffer;
        char oldName[261];
        std::memcpy(oldName, r.FileName, sizeof oldName);
        HWND control = richEditOf(r);
        const bool single = !r.MultiBuffer ||
                            (r.BufferCount == 1 && r.FileName[0] == '\0' && r.BufferFile[1] == nullptr &&
                             SendMessageA(control, EM_GETMODIFY, 0, 0) == 0 && GetWindowTextLengthA(control) == 0);
        int found = 0;
        bool added = false;
        if (!single) {
            yyeditstorebuffername(n, r.CurrentBuffer, r.FileName, 260);
            for (int k = 1; k <= r.BufferCount && found == 0; ++k) {
                char stored[261] = "";
                yyeditgetbuffername(n, k, stored, 260);
                if (lstrcmpiA(stored, chosen) == 0) found = k;
            }
            if (found == 0) {
                std::memcpy(r.FileName, chosen, sizeof chosen);
                uncheckCurrentView(r);
                yyeditstorebuffer(n, r.CurrentBuffer);
                r.BufferFilterIndex[r.BufferCount + 1] = r.BufferFilterIndex[r.CurrentBuffer];
                r.BufferCount += 1;
                r.CurrentBuffer = r.BufferCount;
                added = true;
            }
        } else {
            std::memcpy(r.FileName, chosen, sizeof chosen);
            yyEditCloseFile(frame);
        }
        r.BufferFilterIndex[r.CurrentBuffer] = static_cast<int>(dialog.nFilterIndex);
        if (found != 0) {
            yyEditSwitchBuffer(frame, found);
            raise(EvMenu, CmdViewBase + found, frame);
        } else if (yyEditOpenFile(frame, 0) != 0) {
            if (added) {
                yyeditstorebuffername(n, r.CurrentBuffer, r.FileName, 260);
                yyeditsetviewitem(r, r.CurrentBuffer, r.FileName, true);
            } else if (r.MultiBuffer) {
                yyeditsetviewitem(r, 1, r.FileName, true);
            }
            raise(EvMenu, CmdOpen, frame);
        } else {
            r.CurrentBuffer = oldBuffer;
            if (added) {
                r.BufferCount -= 1;
                yyeditretrievebuffer(n, r.CurrentBuffer);
                yyeditgetbuffername(n, r.CurrentBuffer, r.FileName, 260);
                if (r.ViewMenu != nullptr)
                    CheckMenuItem(r.ViewMenu, static_cast<UINT>(CmdViewBase + r.CurrentBuffer), MF_CHECKED);
            } else {
                std::memcpy(r.FileName, oldName, sizeof oldName);
            }
            yyEditTitle(frame);
        }
    }
    if (r.Mode == 2) yyEnableDialogs(frame, 1);
    if (isChildFrame(frame)) {
        SetFocus(frame);
        SendMessageA(frame, WM_NCACTIVATE, TRUE, 0);
    }
}

void commandClose(HWND frame, EditorWindowRecord& r) {
    if (!r.MultiBuffer || yyEditCheckSave(frame, reinterpret_cast<int*>(&r)) == 0) return;
    const int n = yygetwindowindex(frame);
    if (r.BufferCount == 1) {
        emptyBuffer(frame, r);
        r.ProtectActive = 1;
        yyeditsetviewitem(r, 1, "", true);
    } else {
        yyEditCloseFile(frame);
        int closing = r.CurrentBuffer;
        yyeditclosebuffer(n, closing);
        for (int i = r.CurrentBuffer; i < r.BufferCount; ++i) {
            r.BufferFile[i] = r.BufferFile[i + 1];
            r.BufferFilterIndex[i] = r.BufferFilterIndex[i + 1];
            r.Bookmark[i] = r.Bookmark[i + 1];
            r.BookmarkTextLength[i] = r.BookmarkTextLength[i + 1];
            char name[261] = "";
            yyeditgetbuffername(n, i, name, 260);
            yyeditsetviewitem(r, i, name, false);
        }
        r.BufferFile[r.BufferCount] = nullptr;
        if (r.ViewMenu != nullptr) DeleteMenu(r.ViewMenu, static_cast<UINT>(CmdViewBase + r.BufferCount), MF_BYCOMMAND);
        r.BufferCount -= 1;
        if (r.CurrentBuffer > r.BufferCount) r.CurrentBuffer = r.BufferCount;
        if (r.ViewMenu != nullptr)
            CheckMenuItem(r.ViewMenu, static_cast<UINT>(CmdViewBase + r.CurrentBuffer), MF_CHECKED);
        yyeditretrievebuffer(n, r.CurrentBuffer);
        yyeditgetbuffername(n, r.CurrentBuffer, r.FileName, 260);
        yyEditTitle(frame);
    }
    raise(EvMenu, CmdClose, frame);
}

void openFindDialog(HWND frame, EditorWindowRecord& r, bool replace) {
    r.FindReplace.Flags &= ~static_cast<DWORD>(FR_DIALOGTERM);
    if (HWND old = editorWindow(r.FindDialog)) DestroyWindow(old);
    r.FindReplace.hwndOwner = frame;
    HWND dialog = replace ? ReplaceTextA(&r.FindReplace) : FindTextA(&r.FindReplace);
    r.FindDialog = editorWord(dialog);
}

void runCommand(HWND frame, EditorWindowRecord& r, int id) {
    HWND control = richEditOf(r);
    const bool formattable = r.RichText && !r.ReadOnly;
    switch (id) {
    case CmdNew: commandNew(frame, r); return;
    case CmdOpen: commandOpen(frame, r); return;
    case CmdSave:
        if (r.AllowSave && yyEditSaveFile(frame, 0)) raise(EvMenu, id, frame);
        return;
    case CmdSaveAs:
        if (r.AllowSaveAs && yyEditSaveFile(frame, 1)) raise(EvMenu, id, frame);
        return;
    case CmdPrint:
    case CmdPrintSelection:
        if (!r.AllowPrint) return;
        if (r.ApplicationPrints || yyEditPrint(frame, r, id == CmdPrintSelection ? 1 : 0, 1, 0, 0, r.WindowTitle))
            raise(EvMenu, id, frame);
        return;
    case CmdClose: commandClose(frame, r); return;
    case CmdExit: SendMessageA(frame, WM_CLOSE, 0, 0); return;
    case CmdUndo: SendMessageA(control, EM_UNDO, 0, 0); return;
    case CmdCut: SendMessageA(control, WM_CUT, 0, 0); return;
    case CmdCopy: SendMessageA(control, WM_COPY, 0, 0); return;
    case CmdPaste: yyEditPaste(r); return;
    case CmdDelete: SendMessageA(control, WM_CLEAR, 0, 0); return;
    case CmdSelectAll:
        SendMessageA(control, EM_SETSEL, 0, -1);
        SendMessageA(control, EM_SCROLLCARET, 0, 0);
        return;
    case CmdRedo: SendMessageA(control, EM_REDO, 0, 0); return;
    case CmdFind: openFindDialog(frame, r, false); return;
    case CmdFindNext: yyEditFind(frame, r, r.FindReplace); return;
    case CmdReplace:
        if (!r.ReadOnly) openFindDialog(frame, r, true);
        return;
    case CmdSetBookmark:
        r.Bookmark[r.CurrentBuffer] = selectionOf(control).cpMax;
        r.BookmarkTextLength[r.CurrentBuffer] = yyeditcontrolchars(control);
        return;
    case CmdGotoBookmark:
        if (const int mark = r.Bookmark[r.CurrentBuffer]; mark >= 0) {
            SendMessageA(control, EM_SETSEL, static_cast<WPARAM>(mark), mark);
            SendMessageA(control, EM_SCROLLCARET, 0, 0);
        }
        return;
    case CmdFont: yyEditFormatFont(frame, r); return;
    case CmdBullet: yyEditFormatBullet(r); return;
    case CmdAlignLeft:
    case CmdAlignCentre:
    case CmdAlignRight:
        if (formattable) yyEditFormatLCR(r, id);
        return;
    case CmdBold:
    case CmdItalic:
    case CmdUnderline:
        if (formattable) yyEditFormatBIU(r, id);
        return;
    default: break;
    }
    if (id > CmdViewBase && id <= CmdViewBase + EditorBuffers) {
        yyEditSwitchBuffer(frame, id - CmdViewBase);
        raise(EvMenu, id, frame);
        return;
    }
    raise(EvMenu, id, frame);
}

// ---- closing and destruction ----

LRESULT closeFrame(HWND frame, EditorWindowRecord& r, WPARAM wParam, LPARAM lParam) {
    int* words = reinterpret_cast<int*>(&r);
    if (yyEditCheckSave(frame, words) == 0 || yyeditcheckotherbuffers(frame, words) == 0) return 0;
    if (r.Mode == 1) {
        r.ModalDone = 1;
        yyeditkeepmodalresults(r);
        return DefWindowProcA(frame, WM_CLOSE, wParam, lParam);
    }
    yyinterpretmessage(EvCloseRequest, 0, wParam, lParam, frame);
    return 0;
}

void destroyed(HWND frame, EditorWindowRecord* r) {
    const int n = yygetwindowindex(frame);
    if (r->Mode == 3) yysemimodalwindowgone(n);
    if (HWND find = editorWindow(r->FindDialog)) DestroyWindow(find);
    r->FindDialog = 0;
    if (n >= 0 && hMenuRoot[n] != nullptr) yyClearMenuPrompt(hMenuRoot[n], n);
    if (r->Mode == 1 && n > 0) {
        // The window goes without the window manager's close: its tables are emptied here.
        if (r->MenuBar != nullptr && GetMenu(frame) != r->MenuBar) DestroyMenu(r->MenuBar);
        r->MenuBar = nullptr;
        yyforgetmodalwindow(frame, n);
    }
    yyeditfreeresources(*r);
    yysetwindowrecord(frame, nullptr);
    if (r->Mode != 1) delete r;  // a modal editor's record goes after its loop
}

// ---- layout ----

void layout(HWND frame, EditorWindowRecord& r) {
    const int n = yygetwindowindex(frame);
    RECT area;
    GetClientRect(frame, &area);
    if (HWND bar = editorWindow(r.StatusBar)) {
        SendMessageA(bar, WM_SIZE, 0, 0);
        area.bottom -= heightOf(bar);
    }
    if (HWND toolbar = editorWindow(r.Toolbar)) {
        SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
        area.top += heightOf(toolbar);
    }
    auto thickness = [&](int position) { return n >= 0 ? iToolSize[n][position] : 0; };
    if (HWND top = editorWindow(r.TopBar)) {
        MoveWindow(top, area.left, area.top, area.right - area.left, thickness(0), TRUE);
        area.top += thickness(0);
    }
    if (HWND bottom = editorWindow(r.BottomBar)) {
        MoveWindow(bottom, area.left, area.bottom - thickness(3), area.right - area.left, thickness(3), TRUE);
        area.bottom -= thickness(3);
    }
    if (HWND left = editorWindow(r.LeftBar)) {
        MoveWindow(left, area.left, area.top, thickness(1), area.bottom - area.top, TRUE);
        area.left += thickness(1);
    }
    if (HWND right = editorWindow(r.RightBar)) {
        MoveWindow(right, area.right - thickness(2), area.top, thickness(2), area.bottom - area.top, TRUE);
        area.right -= thickness(2);
    }
    if (HWND line = editorWindow(r.CommandLine)) {
        const int y = area.bottom - r.CommandLineHeight;
        RECT prompt = {0, 0, 0, 0};
        if (HWND promptFrame = editorWindow(r.PromptFrame)) {
            GetWindowRect(promptFrame, &prompt);
            MoveWindow(promptFrame, area.left, y, prompt.right - prompt.left, r.CommandLineHeight, TRUE);
        }
        const int promptWidth = prompt.right - prompt.left;
        RECT lineRect;
        GetWindowRect(line, &lineRect);
        const int lineHeight = line == editorWindow(r.CommandEdit) ? r.CommandLineHeight : lineRect.bottom - lineRect.top;
        MoveWindow(line, area.left + promptWidth, y, area.right - area.left - promptWidth, lineHeight, TRUE);
        area.bottom = y;
    }
    MoveWindow(richEditOf(r), area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
    if (n >= 0 && hClient[n] != nullptr)
        MoveWindow(hClient[n], area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);
}

void sized(HWND frame, EditorWindowRecord& r, WPARAM wParam) {
    if (!yychildsized(frame, wParam)) layout(frame, r);
}

// ---- focus ----

void focusRecorded(HWND frame, EditorWindowRecord& r, HWND control) {
    r.FocusControl = editorWord(control);
    HWND client = isChildFrame(frame) ? GetParent(frame) : nullptr;
    HWND child = frame;
    HWND top = nullptr;
    HMENU menu = r.MenuBar;
    for (HWND h = client != nullptr ? GetParent(client) : nullptr; h != nullptr;) {
        int* host = yywindowrecord(h);
        if (host == nullptr || host[0] != KindSplit) break;
        host[SplitLastFocused] = wordOf(child);
        const int m = yygetwindowindex(h);
        if (menu == nullptr && m >= 0) menu = hMenuRoot[m];
        top = h;
        child = h;
        if (!isChildFrame(h)) break;
        HWND up = GetParent(h);
        h = up != nullptr ? GetParent(up) : nullptr;
    }
    if (top != nullptr && !isChildFrame(top) && menu != nullptr && GetMenu(top) != menu) {
        SetMenu(top, menu);
        DrawMenuBar(top);
    }
}

void mouseActivated(HWND frame) {
    HWND parent = GetParent(frame);
    if (isChildFrame(frame) && parent != nullptr && GetClassLongA(parent, GCW_ATOM) == atomClient) {
        SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SendMessageA(frame, WM_NCACTIVATE, TRUE, 0);
        if (!IsChild(frame, GetFocus())) SetFocus(frame);
    }
    yytitlecolour(frame);
}

// ---- notifications of the control ----

LRESULT keyFilter(EditorWindowRecord& r, const MSGFILTER& filter) {
    if (filter.msg != WM_KEYDOWN) return 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0, alt = GetKeyState(VK_MENU) < 0;
    switch (filter.wParam) {
    case VK_CAPITAL: statusText(r, 1, (GetKeyState(VK_CAPITAL) & 1) ? "\tCAPS" : ""); return 0;
    case VK_NUMLOCK: statusText(r, 2, (GetKeyState(VK_NUMLOCK) & 1) ? "\tNUM" : ""); return 0;
    case VK_INSERT:
        if (shift && !ctrl && !alt) {
            yyEditPaste(r);
            return 1;
        }
        if (!shift && !ctrl) {
            r.InsertMode = r.InsertMode ? 0 : 1;
            statusText(r, 3, r.InsertMode ? "\tINS" : "\tOVR");
        }
        return 0;
    case 'V':
        if (ctrl && !shift && !alt) {
            yyEditPaste(r);
            return 1;
        }
        return 0;
    case VK_OEM_COMMA:
    case VK_OEM_PERIOD: return ctrl && shift && !r.RichText ? 1 : 0;
    default: return 0;
    }
}

void selectionChanged(EditorWindowRecord& r, const SELCHANGE& change) {
    HWND control = richEditOf(r);
    if (!IsWindowVisible(control)) return;
    const bool some = change.chrg.cpMax > change.chrg.cpMin;
    if (HWND toolbar = editorWindow(r.Toolbar)) {
        enableItem(r.EditMenu, CmdCopy, some);
        const bool cut = some && editable(control);
        enableButton(toolbar, CmdCut, cut);
        enableButton(toolbar, CmdCopy, some);
        yyEditUpdateBIU(r);
        enableButton(editorWindow(r.TopBar), CmdCut, cut);
        enableButton(editorWindow(r.TopBar), CmdCopy, some);
    }
    const int line = static_cast<int>(SendMessageA(control, EM_EXLINEFROMCHAR, 0, change.chrg.cpMax));
    const int start = static_cast<int>(SendMessageA(control, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
    char text[64];
    std::snprintf(text, sizeof text, "Line:%u   Col:%u", static_cast<unsigned>(line + 1),
                  static_cast<unsigned>(change.chrg.cpMax - start + 1));
    statusText(r, 0, text);
}

void textChanged(HWND frame, EditorWindowRecord& r) {
    yyeditundobuttons(r);
    r.ChangedFlag = 1;
    r.PositionCacheInternal = r.PositionCacheExternal = -1;
    if (r.ShowModified) yyEditTitle(frame);
    HWND control = richEditOf(r);
    int& mark = r.Bookmark[r.CurrentBuffer];
    int& recorded = r.BookmarkTextLength[r.CurrentBuffer];
    if (mark < 0) return;
    const int length = yyeditcontrolchars(control);
    const int caret = selectionOf(control).cpMax;
    if (mark >= caret + recorded - length) mark += length - recorded;
    recorded = length;
}

const char* tooltipOf(const EditorWindowRecord& r, UINT_PTR id) {
    switch (id) {
    case CmdNew: return "New";
    case CmdOpen: return "Open";
    case CmdSave: return "Save";
    case CmdPrint: return "Print";
    case CmdPrintSelection: return "Print selected text";
    case CmdUndo: return "Undo";
    case CmdCut: return "Cut";
    case CmdCopy: return "Copy";
    case CmdPaste: return "Paste";
    case CmdRedo: return "Redo";
    case CmdFind: return "Find";
    case CmdBullet: return "Bullets";
    case CmdAlignLeft: return "Align Left";
    case CmdAlignCentre: return "Centre";
    case CmdAlignRight: return "Align Right";
    case CmdBold: return "Bold";
    case CmdItalic: return "Italic";
    case CmdUnderline: return "Underline";
    case CmdInsertPicture: return r.HelpMode ? "Insert Picture" : nullptr;
    case CmdInsertLink: return r.HelpMode ? "Insert Link" : nullptr;
    case CmdHelp: return r.HelpMode ? "Help" : nullptr;
    default: return nullptr;
    }
}

LRESULT notified(HWND frame, EditorWindowRecord& r, WPARAM wParam, LPARAM lParam) {
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->hwndFrom == richEditOf(r)) {
        switch (header->code) {
        case EN_MSGFILTER: return r.StatusBar != 0 ? keyFilter(r, *reinterpret_cast<MSGFILTER*>(lParam)) : 0;
        case EN_SELCHANGE: selectionChanged(r, *reinterpret_cast<SELCHANGE*>(lParam)); return 0;
        case EN_PROTECTED: {
            const ENPROTECTED* query = reinterpret_cast<ENPROTECTED*>(lParam);
            return query->msg == WM_COPY ? 0 : r.ProtectActive;
        }
        default: return 0;
        }
    }
    if (header->code == TTN_GETDISPINFOA) {
        if (header->hwndFrom != editorWindow(r.ToolTips)) return yyWndProc(frame, WM_NOTIFY, wParam, lParam);
        NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
        const char* text = tooltipOf(r, info->hdr.idFrom);
        info->szText[0] = '\0';
        info->lpszText = info->szText;
        if (text != nullptr) lstrcpynA(info->szText, text, sizeof info->szText);
        else return DefWindowProcA(frame, WM_NOTIFY, wParam, lParam);
        return 0;
    }
    return DefWindowProcA(frame, WM_NOTIFY, wParam, lParam);
}

// ---- context menu, menu states and prompts ----

void contextMenu(HWND frame, EditorWindowRecord& r, LPARAM lParam) {
    if (r.EditMenu == nullptr) return;
    POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) {
        HWND control = richEditOf(r);
        POINTL caret = {};
        SendMessageA(control, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&caret), selectionOf(control).cpMax);
        int line = r.LineHeight;
        if (iVerRTF == 3) {
            int numerator = 0, denominator = 0;
            SendMessageA(control, EM_GETZOOM, reinterpret_cast<WPARAM>(&numerator), reinterpret_cast<LPARAM>(&denominator));
            if (numerator > 0 && denominator > 0) line = MulDiv(line, numerator, denominator);
        }
        at = {caret.x, caret.y + line};
        ClientToScreen(control, &at);
    }
    TrackPopupMenu(r.EditMenu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, frame, nullptr);
}

void initialiseMenu(EditorWindowRecord& r, HMENU menu) {
    HWND control = richEditOf(r);
    const CHARRANGE selection = selectionOf(control);
    const bool some = selection.cpMax > selection.cpMin;
    if (menu == r.FileMenu) {
        enableItem(menu, CmdPrintSelection, some);
    } else if (menu == r.EditMenu) {
        const bool canEdit = editable(control);
        enableItem(menu, CmdUndo, SendMessageA(control, EM_CANUNDO, 0, 0) != 0);
        if (iVerRTF > 1) enableItem(menu, CmdRedo, SendMessageA(control, EM_CANREDO, 0, 0) != 0);
        enableItem(menu, CmdCut, some && canEdit);
        enableItem(menu, CmdCopy, some);
        enableItem(menu, CmdDelete, some && canEdit);
        enableItem(menu, CmdPaste, IsClipboardFormatAvailable(CF_TEXT) && canEdit);
    } else if (menu == r.SearchMenu) {
        enableItem(menu, CmdFindNext, r.FindText[0] != '\0');
        enableItem(menu, CmdGotoBookmark, r.Bookmark[r.CurrentBuffer] >= 0);
    } else if (menu == r.FormatMenu) {
        const bool canEdit = editable(control);
        enableItem(menu, CmdFont, canEdit);
        enableItem(menu, CmdBullet, canEdit);
    }
}

const char* itemPrompt(const EditorWindowRecord& r, UINT id) {
    switch (id) {
    case CmdNew: return "Creates a new document";
    case CmdOpen: return "Opens an existing document";
    case CmdSave: return "Saves the active document";
    case CmdSaveAs: return "Saves the active document with a new name";
    case CmdPrint: return "Prints the active document";
    case CmdPrintSelection: return "Prints the selected text";
    case CmdClose:
        return !r.ReadOnly && r.AllowSave ? "Closes the current document; prompts you to save changes"
                                          : "Closes the current document";
    case CmdExit:
        if (r.ReadOnly) return "Closes the browser";
        return r.AllowSave ? "Closes the editor; prompts you to save changes" : "Closes the editor";
    case CmdUndo: return "Reverses the last action";
    case CmdCut: return "Cuts the selected text and places it on the clipboard";
    case CmdCopy: return "Copies the selected text and places it on the clipboard";
    case CmdPaste: return "Inserts clipboard contents";
    case CmdDelete: return "Deletes the selected text";
    case CmdSelectAll: return "Selects the entire document";
    case CmdRedo: return "Redoes the last action that was undone";
    case CmdFind: return "Finds the specified text";
    case CmdFindNext: return "Repeats the last find";
    case CmdReplace: return "Replaces specific text with different text";
    case CmdSetBookmark: return "Bookmarks the current cursor position";
    case CmdGotoBookmark: return "Moves to a previously bookmarked position";
    case CmdFont: return "Selects the font for the selected or new text";
    case CmdBullet: return "Inserts a bullet on this line";
    default:
        if (id > CmdViewBase && id <= CmdViewBase + EditorBuffers) return "Switch to this edit buffer";
        return nullptr;
    }
}

const char* popupPrompt(const EditorWindowRecord& r, HMENU popup) {
    if (popup == nullptr) return nullptr;
    if (popup == r.FileMenu) return "Commands to Load, Save and Print files";
    if (popup == r.EditMenu) return "Commands for editing text";
    if (popup == r.SearchMenu) return "Commands to locate and replace text";
    if (popup == r.FormatMenu) return "Commands to change the formatting of text";
    if (popup == r.ViewMenu) return "Commands to switch between files";
    return nullptr;
}

LRESULT menuSelected(HWND frame, EditorWindowRecord& r, WPARAM wParam, LPARAM lParam) {
    const UINT flags = HIWORD(wParam);
    HMENU menu = reinterpret_cast<HMENU>(lParam);
    if (flags == 0xFFFF && menu == nullptr) return 0;
    const int n = yygetwindowindex(frame);
    HWND bar = r.StatusBar != 0 ? editorWindow(r.StatusBar) : yyGetPromptWindow(n);
    if (bar == nullptr || (flags & MF_SYSMENU)) return yyWndProc(frame, WM_MENUSELECT, wParam, lParam);
    const bool popup = (flags & MF_POPUP) != 0;
    // A prompt the application's menu resource attached to the item wins.
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_DATA | MIIM_SUBMENU | MIIM_ID;
    const UINT key = LOWORD(wParam);
    const bool known = GetMenuItemInfoA(menu, key, popup ? TRUE : FALSE, &item) != 0;
    const char* text = nullptr;
    std::string attached;
    if (known && item.dwItemData != 0) {
        attached = reinterpret_cast<const char*>(item.dwItemData);
        text = attached.c_str();
    } else if (popup) {
        text = popupPrompt(r, known ? item.hSubMenu : nullptr);
        if (text == nullptr) return yyWndProc(frame, WM_MENUSELECT, wParam, lParam);
    } else if (flags & MF_SEPARATOR) {
        text = "";
    } else {
        text = itemPrompt(r, key);
        if (text == nullptr) {
            yyWndProc(frame, WM_MENUSELECT, wParam, lParam);
            return DefWindowProcA(frame, WM_MENUSELECT, wParam, lParam);
        }
    }
    SendMessageA(bar, SB_SETTEXTA, 255 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text));
    return 0;
}

void findNotified(HWND frame, EditorWindowRecord& r) {
    const DWORD flags = r.FindReplace.Flags;
    if (flags & FR_DIALOGTERM) {
        r.FindDialog = 0;
        return;
    }
    if (flags & FR_FINDNEXT) {
        yyEditFind(frame, r, r.FindReplace);
        if (r.ApplicationPrints) raise(EvMenu, CmdFind, frame);
    } else if (flags & FR_REPLACE) {
        yyEditReplace(frame, r, r.FindReplace);
        if (r.ApplicationPrints) raise(EvMenu, CmdReplace, frame);
    } else if (flags & FR_REPLACEALL) {
        SendMessageA(richEditOf(r), EM_SETSEL, 0, 0);
        while (yyEditReplace(frame, r, r.FindReplace) != 0) {
        }
        if (r.ApplicationPrints) raise(EvMenu, CmdReplace, frame);
    }
}

LRESULT commandMessage(HWND frame, EditorWindowRecord& r, WPARAM wParam, LPARAM lParam) {
    HWND from = reinterpret_cast<HWND>(lParam);
    const int code = HIWORD(wParam);
    if (from != nullptr && from == richEditOf(r)) {
        if (code == EN_CHANGE) textChanged(frame, r);
        else if (code == EN_VSCROLL && iVerRTF == 2) InvalidateRect(from, nullptr, TRUE);
        else if (code == EN_SETFOCUS) focusRecorded(frame, r, from);
        return 0;
    }
    if (from != nullptr && (from == editorWindow(r.CommandLine) || from == editorWindow(r.CommandEdit))) {
        if (code == EN_SETFOCUS || code == CBN_SETFOCUS) focusRecorded(frame, r, editorWindow(r.CommandEdit));
        return 0;
    }
    if (from != nullptr && from != editorWindow(r.Toolbar) && GetParent(from) == frame && code != BN_CLICKED) return 0;
    runCommand(frame, r, LOWORD(wParam));
    return 0;
}

LRESULT editorMessage(HWND frame, EditorWindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == uFindMsgString && uFindMsgString != 0) {
        findNotified(frame, r);
        return 0;
    }
    switch (message) {
    case WM_COMMAND: return commandMessage(frame, r, wParam, lParam);
    case WM_NOTIFY: return notified(frame, r, wParam, lParam);
    case WM_CLOSE: return closeFrame(frame, r, wParam, lParam);
    case WM_DESTROY:
        destroyed(frame, &r);
        return DefWindowProcA(frame, message, wParam, lParam);
    case WM_SIZE: sized(frame, r, wParam); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETFOCUS:
        yysettitlewindow(frame);
        yysetactivemodelessdialog(nullptr);
        if (HWND focus = editorWindow(r.FocusControl)) SetFocus(focus);
        return 0;
    case WM_MOUSEACTIVATE:
        mouseActivated(frame);
        return MA_ACTIVATE;
    case WM_PARENTNOTIFY:
        if (const UINT event = LOWORD(wParam); event == WM_LBUTTONDOWN || event == WM_RBUTTONDOWN || event == WM_MBUTTONDOWN)
            mouseActivated(frame);
        return 0;
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_NCHITTEST:
    case WM_EXITSIZEMOVE:
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP: return yyWndProc(frame, message, wParam, lParam);
    case WM_CONTEXTMENU: contextMenu(frame, r, lParam); return 0;
    case WM_INITMENUPOPUP: initialiseMenu(r, reinterpret_cast<HMENU>(wParam)); return 0;
    case WM_MENUSELECT: return menuSelected(frame, r, wParam, lParam);
    default: return DefWindowProcA(frame, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK yyEditWndProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yyEditWndProc",
        [&]() -> LRESULT {
            EditorWindowRecord* r = yyeditrecord(frame);
            if (r == nullptr) return DefWindowProcA(frame, message, wParam, lParam);
            return editorMessage(frame, *r, message, wParam, lParam);
        },
        [&]() -> LRESULT { return DefWindowProcA(frame, message, wParam, lParam); });
}

void yyEditPaste(EditorWindowRecord& r) {
    if (r.ReadOnly) return;
    HWND control = richEditOf(r);
    if (r.RichText) {
        SendMessageA(control, WM_PASTE, 0, 0);
        return;
    }
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(GetParent(control))) return;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* text = static_cast<const char*>(GlobalLock(data))) {
            const std::string copy(text, strnlen(text, GlobalSize(data)));
            GlobalUnlock(data);
            CloseClipboard();
            SendMessageA(control, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(copy.c_str()));
            return;
        }
    }
    CloseClipboard();
}

void yyeditundobuttons(EditorWindowRecord& r) {
    HWND control = richEditOf(r);
    const bool undo = SendMessageA(control, EM_CANUNDO, 0, 0) != 0;
    const bool redo = iVerRTF > 1 && SendMessageA(control, EM_CANREDO, 0, 0) != 0;
    for (HWND toolbar : {editorWindow(r.Toolbar), editorWindow(r.TopBar)}) {
        enableButton(toolbar, CmdUndo, undo);
        if (iVerRTF > 1) enableButton(toolbar, CmdRedo, redo);
    }
}

void yyeditsetviewitem(EditorWindowRecord& r, int buffer, const char* name, bool check) {
    if (r.ViewMenu == nullptr) return;
    const std::string label = yyeditviewlabel(buffer, name != nullptr ? name : "");
    const UINT id = static_cast<UINT>(CmdViewBase + buffer);
    if (GetMenuState(r.ViewMenu, id, MF_BYCOMMAND) == static_cast<UINT>(-1)) {
        AppendMenuA(r.ViewMenu, MF_STRING | (check ? MF_CHECKED : 0), id, label.c_str());
        return;
    }
    const UINT checked = GetMenuState(r.ViewMenu, id, MF_BYCOMMAND) & MF_CHECKED;
    ModifyMenuA(r.ViewMenu, id, MF_BYCOMMAND | MF_STRING | (check ? MF_CHECKED : checked), id, label.c_str());
}
