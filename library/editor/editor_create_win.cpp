// editor_create_win.cpp - turning the current child window into an editor (or opening one more
// buffer in it): record, menus, toolbar, status bar, command line, font, rich-edit control, and
// the modal loop.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "windows/menus_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/modal_win.hpp"
#include "editor/editor_record_win.hpp"
#include "editor/editor_text.hpp"

namespace {

bool isChildStyle(HWND frame) { return (GetWindowLongA(frame, GWL_STYLE) & WS_CHILD) != 0; }

void copyText(char* destination, std::size_t size, const char* text) {
    const std::size_t n = text == nullptr ? 0 : strnlen(text, size - 1);
    if (n > 0) std::memcpy(destination, text, n);
    destination[n] = '\0';
}

std::string absolutePath(const char* name) {
    if (name == nullptr || *name == '\0') return {};
    char full[MAX_PATH] = "";
    const DWORD n = GetFullPathNameA(name, sizeof full, full, nullptr);
    if (n == 0 || n >= sizeof full) return std::string(name).substr(0, EditorPathLength);
    return full;
}

void deriveOptions(EditorWindowRecord& r, int options) {
    r.Options = options;
    r.AllowNew = (options & (EditNoNewOpen | EditReadOnly)) == 0;
    r.AllowOpen = (options & EditNoNewOpen) == 0;
    r.AllowSave = (options & (EditNoSave | EditReadOnly)) == 0;
    r.AllowSaveAs = (options & (EditNoSaveAs | EditNoSave)) == 0;
    r.AllowPrint = (options & EditNoPrint) == 0;
    r.ReadOnly = (options & EditReadOnly) != 0;
    r.RichText = (options & EditRichText) != 0;
    r.MultiBuffer = (options & EditMultiBuffer) != 0;
    r.HideFileName = (options & EditHideFileName) != 0;
    r.QuietOpen = (options & EditQuietOpen) != 0;
    r.ApplicationPrints = (options & EditApplicationPrints) != 0;
    r.HelpMode = (options & EditHelpMode) != 0;
    r.RawPositions = (options & EditRawPositions) != 0;
    r.BackupOnSave = (options & EditBackup) != 0;
    r.ShowModified = (options & EditShowModified) != 0;
}

void buildFilter(EditorWindowRecord& r, const char* filter) {
    const std::string list = yyeditfilterlist(filter != nullptr ? filter : "", r.RichText != 0);
    std::memset(r.FileFilter, 0, sizeof r.FileFilter);
    std::memcpy(r.FileFilter, list.data(), std::min(list.size(), sizeof r.FileFilter - 1));
}

// ---- menus ----

void append(HMENU menu, int id, const char* text, UINT flags = MF_STRING) {
    AppendMenuA(menu, flags, static_cast<UINT_PTR>(id), text);
}
void separator(HMENU menu) { AppendMenuA(menu, MF_SEPARATOR, 0, nullptr); }

HMENU fileMenu(const EditorWindowRecord& r, bool table) {
    HMENU menu = CreatePopupMenu();
    if (r.AllowNew) append(menu, CmdNew, table ? "&New\bCtrl+N" : "&New");
    if (r.AllowOpen) append(menu, CmdOpen, table ? "&Open\bCtrl+O" : "&Open");
    if (r.MultiBuffer && !(table && (r.Options & EditNoClose))) {
        append(menu, CmdClose, "&Close");
        if (r.AllowSave || r.AllowSaveAs) separator(menu);
    }
    if (r.AllowSave) append(menu, CmdSave, table ? "&Save\bCtrl+S" : "&Save");
    if (r.AllowSaveAs) append(menu, CmdSaveAs, table ? "Save &As\bF12" : "Save &As");
    if (r.AllowNew || r.AllowOpen || r.AllowSave || r.AllowSaveAs) separator(menu);
    if (r.AllowPrint) {
        append(menu, CmdPrint, table ? "&Print\bCtrl+P" : "&Print");
        append(menu, CmdPrintSelection, table ? "Prin&t Selection\bCtrl+Shift+P" : "Prin&t Selection");
        separator(menu);
    }
    append(menu, CmdExit, "E&xit");
    return menu;
}

HMENU editMenu(const EditorWindowRecord& r) {
    HMENU menu = CreatePopupMenu();
    if (!r.ReadOnly) {
        append(menu, CmdUndo, "&Undo\bCtrl+Z");
        if (iVerRTF > 1) append(menu, CmdRedo, "&Redo\bCtrl+Y");
        separator(menu);
        append(menu, CmdCut, "Cu&t\bCtrl+X");
    }
    append(menu, CmdCopy, "&Copy\bCtrl+C");
    if (!r.ReadOnly) {
        append(menu, CmdPaste, "&Paste\bCtrl+V");
        append(menu, CmdDelete, "&Delete\bDel");
    }
    separator(menu);
    append(menu, CmdSelectAll, "Select &All\bCtrl+A");
    return menu;
}

HMENU searchMenu(const EditorWindowRecord& r, bool table) {
    HMENU menu = CreatePopupMenu();
    append(menu, CmdFind, table ? "&Find\bCtrl+F" : "&Find");
    append(menu, CmdFindNext, table ? "Find &Next\bF3" : "Find &Next");
    if (!r.ReadOnly) append(menu, CmdReplace, table ? "&Replace\bCtrl+H" : "&Replace");
    separator(menu);
    append(menu, CmdSetBookmark, table ? "&Set Bookmark\bShift+F2" : "&Set Bookmark");
    append(menu, CmdGotoBookmark, table ? "Goto &Bookmark\bF2" : "Goto &Bookmark", MF_STRING | MF_GRAYED);
    return menu;
}

HMENU formatMenu(const EditorWindowRecord& r) {
    HMENU menu = CreatePopupMenu();
    append(menu, CmdFont, "&Font");
    append(menu, CmdBullet, "&Bullet Style");
    separator(menu);
    append(menu, CmdAlignLeft, r.HelpMode ? "Align &Left\bCtrl+Shift+L" : "Align &Left\bCtrl+L");
    append(menu, CmdAlignCentre, r.HelpMode ? "Align &Centre\bCtrl+Shift+E" : "Align &Centre\bCtrl+E");
    append(menu, CmdAlignRight, r.HelpMode ? "Align &Right\bCtrl+Shift+R" : "Align &Right\bCtrl+R");
    return menu;
}

// The menu bar: the application's menu (or an empty one) with the editor's pop-ups in front.
void buildMenus(EditorWindowRecord& r, int& status, int mode, int menu) {
    HMENU bar = yyspecialmenubar(status, mode, menu);
    const bool table = r.EditorAccelerators != nullptr;
    r.FileMenu = fileMenu(r, table);
    r.EditMenu = editMenu(r);
    r.SearchMenu = searchMenu(r, table);
    yyinsertpopup(bar, 0, r.FileMenu, FileMenuId, "&File");
    yyinsertpopup(bar, 1, r.EditMenu, EditMenuId, "&Edit");
    yyinsertpopup(bar, 2, r.SearchMenu, SearchMenuId, "&Search");
    int position = 3;
    if (r.RichText && !r.ReadOnly) {
        r.FormatMenu = formatMenu(r);
        yyinsertpopup(bar, position++, r.FormatMenu, FormatMenuId, "F&ormat");
    }
    if (r.MultiBuffer) {
        r.ViewMenu = CreatePopupMenu();
        yyinsertpopup(bar, position, r.ViewMenu, ViewMenuId, "&View");
        const std::string label = yyeditviewlabel(1, r.FileName);
        AppendMenuA(r.ViewMenu, MF_STRING | MF_CHECKED, CmdViewBase + 1, label.c_str());
    }
    r.MenuBar = bar;
}

// The menu bar goes to a top-level frame; inside a chain of hosts, to every host without one.
void attachMenus(EditorWindowRecord& r, HWND frame, int n, int hostWindow) {
    if (!isChildStyle(frame)) {
        yyreplacemenubar(n, r.MenuBar);
        SetMenu(frame, r.MenuBar);
        DrawMenuBar(frame);
        return;
    }
    yysetwindowmenu(n, r.MenuBar);
    if (!yylendmenubar(frame, r.MenuBar, hostWindow)) return;
    r.InsideParentAccelerators = LoadAcceleratorsA(wInstance, MAKEINTRESOURCEA(32102));
}

// ---- toolbar ----

struct ButtonSpec {
    int id;
    int image;
    int standard;
    bool enabled;
};

// Adds a bitmap strip of the program; the index of its first image, or -1 when absent.
int addStrip(HWND toolbar, int deep, int shallow, int images) {
    const int number = gravim.system.wScreenCols > 256 ? deep : shallow;
    HBITMAP bitmap = LoadBitmapA(wInstance, MAKEINTRESOURCEA(number));
    if (bitmap == nullptr) return -1;
    TBADDBITMAP add = {nullptr, reinterpret_cast<UINT_PTR>(bitmap)};
    return static_cast<int>(SendMessageA(toolbar, TB_ADDBITMAP, static_cast<WPARAM>(images), reinterpret_cast<LPARAM>(&add)));
}

void buildToolbar(EditorWindowRecord& r, HWND frame) {
    HWND toolbar = yyspecialtoolbar(frame, EditorToolbarId, CCS_TOP, 22);
    if (toolbar == nullptr) return;
    int first = addStrip(toolbar, 32109, 32102, 11);
    const bool standard = first < 0;
    if (standard) {
        TBADDBITMAP add = {HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
        first = static_cast<int>(SendMessageA(toolbar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&add)));
    }
    auto image = [&](int index, int standardImage) { return first + (standard ? standardImage : index); };
    const ButtonSpec buttons[] = {
        {r.AllowNew ? CmdNew : 0, 0, STD_FILENEW, true},
        {r.AllowOpen ? CmdOpen : 0, 1, STD_FILEOPEN, true},
        {r.AllowSave ? CmdSave : 0, 2, STD_FILESAVE, true},
        {r.AllowPrint ? CmdPrint : 0, 3, STD_PRINT, true},
        {CmdFind, 4, STD_FIND, true},
    };
    for (const ButtonSpec& b : buttons)
        if (b.id != 0) yyaddtoolbutton(toolbar, b.id, image(b.image, b.standard), TBSTATE_ENABLED);
    yyaddtoolseparator(toolbar);
    if (!r.ReadOnly) yyaddtoolbutton(toolbar, CmdCut, image(5, STD_CUT), 0);
    yyaddtoolbutton(toolbar, CmdCopy, image(6, STD_COPY), 0);
    if (!r.ReadOnly) {
        yyaddtoolbutton(toolbar, CmdPaste, image(7, STD_PASTE), TBSTATE_ENABLED);
        yyaddtoolbutton(toolbar, CmdUndo, image(8, STD_UNDO), 0);
        if (iVerRTF > 1) yyaddtoolbutton(toolbar, CmdRedo, image(9, STD_REDOW), 0);
    }
    if (r.RichText && !r.ReadOnly) {
        const int format = addStrip(toolbar, 32108, 32101, 7);
        if (format >= 0) {
            yyaddtoolseparator(toolbar);
            yyaddtoolbutton(toolbar, CmdBold, format + 0, TBSTATE_ENABLED);
            yyaddtoolbutton(toolbar, CmdItalic, format + 1, TBSTATE_ENABLED);
            if (!r.HelpMode) yyaddtoolbutton(toolbar, CmdUnderline, format + 2, TBSTATE_ENABLED);
            yyaddtoolbutton(toolbar, CmdAlignLeft, format + 3, TBSTATE_ENABLED | TBSTATE_CHECKED);
            yyaddtoolbutton(toolbar, CmdAlignCentre, format + 4, TBSTATE_ENABLED);
            yyaddtoolbutton(toolbar, CmdAlignRight, format + 5, TBSTATE_ENABLED);
            yyaddtoolbutton(toolbar, CmdBullet, format + 6, TBSTATE_ENABLED);
        }
        if (r.HelpMode) {
            const int help = addStrip(toolbar, 2002, 2001, 3);
            if (help >= 0) {
                yyaddtoolbutton(toolbar, CmdInsertPicture, help + 0, TBSTATE_ENABLED);
                yyaddtoolbutton(toolbar, CmdInsertLink, help + 1, TBSTATE_ENABLED);
                yyaddtoolbutton(toolbar, CmdHelp, help + 2, TBSTATE_ENABLED);
            }
        }
    }
    SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
    r.Toolbar = editorWord(toolbar);
    r.ToolTips = editorWord(reinterpret_cast<HWND>(SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0)));
}

void setupStatusBar(HWND frame, HWND bar) {
    const bool caption = (GetWindowLongA(frame, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    int ends[5] = {140, 170, 210, 250, -1};
    SendMessageA(bar, SB_SETPARTS, caption ? 4 : 5, reinterpret_cast<LPARAM>(ends));
    SendMessageA(bar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("Line:1   Col:1"));
    SendMessageA(bar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>((GetKeyState(VK_CAPITAL) & 1) ? "\tCAPS" : ""));
    SendMessageA(bar, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>((GetKeyState(VK_NUMLOCK) & 1) ? "\tNUM" : ""));
    SendMessageA(bar, SB_SETTEXTA, 3, reinterpret_cast<LPARAM>("\tINS"));
}

// ---- command line ----

void buildCommandLine(EditorWindowRecord& r, HWND frame, RECT& area) {
    const bool history = (r.Options & EditCommandHistory) != 0 && gravim.system.WinVerMajor >= 4;
    const bool clientEdge = gravim.system.WinVerMajor >= 4;
    RECT adjust = {0, 0, 0, r.LineHeight};
    AdjustWindowRectEx(&adjust, WS_CHILD | (clientEdge ? 0 : WS_BORDER), FALSE, clientEdge ? WS_EX_CLIENTEDGE : 0);
    int height = adjust.bottom - adjust.top + (clientEdge ? 2 : 6);
    const DWORD exStyle = clientEdge ? WS_EX_CLIENTEDGE : 0;
    const DWORD border = clientEdge ? 0 : WS_BORDER;
    HWND line;
    HWND edit;
    HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(EditorCommandLineId));
    if (history) {
        line = CreateWindowExA(exStyle, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL | border,
                               0, area.bottom - height, area.right - area.left, height * 10, frame, id, wInstance, nullptr);
        edit = line != nullptr ? FindWindowExA(line, nullptr, "EDIT", nullptr) : nullptr;
        if (line != nullptr) {
            RECT rect;
            GetWindowRect(line, &rect);
            height = rect.bottom - rect.top;
        }
    } else {
        line = CreateWindowExA(exStyle, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | border, 0,
                               area.bottom - height, area.right - area.left, height, frame, id, wInstance, nullptr);
        edit = line;
    }
    if (line == nullptr || edit == nullptr) return;
    HMENU promptId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(EditorPromptId));
    HWND promptFrame = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_CENTER, 0, area.bottom - height, 0,
                                       height, frame, promptId, wInstance, nullptr);
    HWND promptText = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 0, 0, height,
                                      promptFrame, promptId, wInstance, nullptr);
    RECT plain = {0, 0, 0, r.LineHeight};
    AdjustWindowRectEx(&plain, WS_CHILD, FALSE, 0);
    r.PromptOffset = (height - (plain.bottom - plain.top)) / 2;
    if (promptText != nullptr) MoveWindow(promptText, 0, r.PromptOffset, 0, height - r.PromptOffset, FALSE);
    const WPARAM font = reinterpret_cast<WPARAM>(r.Font);
    SendMessageA(r.FontType == 1 ? edit : line, WM_SETFONT, font, 0);
    if (promptFrame != nullptr) SendMessageA(promptFrame, WM_SETFONT, font, 0);
    if (promptText != nullptr) SendMessageA(promptText, WM_SETFONT, font, 0);
    SetWindowLongPtrA(edit, GWLP_USERDATA, GetWindowLongPtrA(edit, GWLP_WNDPROC));
    SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yyEditSubCommand));
    r.CommandLine = editorWord(line);
    r.CommandEdit = editorWord(edit);
    r.PromptFrame = editorWord(promptFrame);
    r.PromptText = editorWord(promptText);
    r.CommandLineHeight = height;
    area.bottom -= height;
}

// ---- the rich-edit control ----

HWND buildControl(EditorWindowRecord& r, HWND frame, const RECT& area) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_NOHIDESEL | ES_AUTOVSCROLL | ES_MULTILINE;
    if (r.ReadOnly) style |= ES_READONLY;
    if ((r.Options & EditWordWrap) == 0) style |= WS_HSCROLL | ES_AUTOHSCROLL;
    HWND control = CreateWindowExA(WS_EX_CLIENTEDGE, iVerRTF == 1 ? "RICHEDIT" : "RichEdit20A", "", style, area.left,
                                   area.top, area.right - area.left, area.bottom - area.top, frame,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(EditorControlId)), wInstance, nullptr);
    if (control == nullptr) return nullptr;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(r.Font), 0);
    SendMessageA(control, EM_EXLIMITTEXT, 0, EditorTextLimit);
    r.TextLimit = EditorTextLimit;
    r.FindText[0] = r.ReplaceText[0] = '\0';
    FINDREPLACEA& f = r.FindReplace;
    f.lStructSize = sizeof f;
    f.hwndOwner = frame;
    f.hInstance = wInstance;
    f.Flags = FR_DOWN;
    if (isChildStyle(frame)) {
        f.Flags |= FR_ENABLEHOOK;
        f.lpfnHook = yyEditFindHook;
    }
    if (iVerRTF == 1) f.Flags |= FR_NOUPDOWN | FR_HIDEUPDOWN;
    f.lpstrFindWhat = r.FindText;
    f.lpstrReplaceWith = r.ReplaceText;
    f.wFindWhatLen = f.wReplaceWithLen = 1024;
    LPARAM mask = ENM_CHANGE | ENM_SCROLL | ENM_MOUSEEVENTS | ENM_SELCHANGE | ENM_PROTECTED;
    if (r.StatusBar != 0) mask |= ENM_KEYEVENTS;
    SendMessageA(control, EM_SETEVENTMASK, 0, mask);
    return control;
}

// The rectangle of the frame's client area left for the text: less toolbar, status bar and bars.
RECT textArea(const EditorWindowRecord& r, HWND frame, int n) {
    RECT area;
    GetClientRect(frame, &area);
    area.top += heightOf(editorWindow(r.Toolbar));
    area.bottom -= heightOf(editorWindow(r.StatusBar));
    if (HWND top = hToolbar[n][0]) area.top += heightOf(top);
    if (HWND bottom = hToolbar[n][3]) area.bottom -= heightOf(bottom);
    area.left += iToolSize[n][1];
    area.right -= iToolSize[n][2];
    return area;
}

// The further-buffer request on a window that already is an editor.
void openFurtherBuffer(int& status, HWND frame, EditorWindowRecord& r, const std::string& path, int filterIndex) {
    const int n = yygetwindowindex(frame);
    HWND control = richEditOf(r);
    const bool onlyEmpty = r.BufferCount == 1 && r.FileName[0] == '\0' && r.BufferFile[1] == nullptr &&
                           SendMessageA(control, EM_GETMODIFY, 0, 0) == 0 && GetWindowTextLengthA(control) == 0;
    if (r.MultiBuffer && !onlyEmpty) {
        yyeditstorebuffername(n, r.CurrentBuffer, r.FileName, 260);
        for (int k = 1; k <= r.BufferCount; ++k) {
            char stored[261] = "";
            yyeditgetbuffername(n, k, stored, 260);
            if (!path.empty() && lstrcmpiA(stored, path.c_str()) == 0) {
                yyEditSwitchBuffer(frame, k);
                return;
            }
        }
        if (r.BufferCount >= EditorBuffers) {
            status = 12;
            return;
        }
        if (r.ViewMenu != nullptr) CheckMenuItem(r.ViewMenu, static_cast<UINT>(CmdViewBase + r.CurrentBuffer), MF_UNCHECKED);
        const int old = r.CurrentBuffer;
        r.BufferFilterIndex[r.BufferCount + 1] = r.BufferFilterIndex[old];
        copyText(r.FileName, sizeof r.FileName, path.c_str());
        yyeditstorebuffer(n, old);
        r.BufferCount += 1;
        r.CurrentBuffer = r.BufferCount;
        r.Bookmark[r.CurrentBuffer] = -1;
        if (path.empty() || yyEditOpenFile(frame, 1) == 0) {
            r.ProtectActive = 0;
            yyEditResetFormat(r);
            SendMessageA(control, EM_SETMODIFY, FALSE, 0);
            yyEditUpdateBIU(r);
            r.ChangedFlag = 0;
            r.ProtectActive = 1;
        }
        yyeditstorebuffername(n, r.CurrentBuffer, r.FileName, 260);
        yyeditsetviewitem(r, r.CurrentBuffer, r.FileName, true);
    } else {
        copyText(r.FileName, sizeof r.FileName, path.c_str());
        if (!path.empty()) {
            yyEditCloseFile(frame);
            if (yyEditOpenFile(frame, 1) == 0) r.FileName[0] = '\0';
            else if (r.MultiBuffer) yyeditsetviewitem(r, 1, r.FileName, true);
        }
    }
    r.BufferFilterIndex[r.CurrentBuffer] = filterIndex == -1 ? 1 : filterIndex;
    yyEditTitle(frame);
}

void modalLoop(EditorWindowRecord& r, HWND frame) {
    yymodalwindowloop(r.ModalDone, frame, r.EditorAccelerators, [&r](MSG& message) {
        HWND find = editorWindow(r.FindDialog);
        return find != nullptr && IsDialogMessageA(find, &message) != 0;
    });
}

}  // namespace

EditorWindowRecord* yyeditrecord(HWND frame) {
    if (frame == nullptr) return nullptr;
    int* words = yywindowrecord(frame);
    return words != nullptr && words[0] == KindEditor ? reinterpret_cast<EditorWindowRecord*>(words) : nullptr;
}

EditorWindowRecord* yyeditcurrent(HWND* frame) {
    const int n = gravim.windows.wIndex;
    HWND window = n >= 0 && n < MaxWindows ? wWindow[n] : nullptr;
    if (frame != nullptr) *frame = window;
    return yyeditrecord(window);
}

void yyEditCreateFont(EditorWindowRecord& r, int fontType, int fontSize) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    int points = fontSize;
    if (points == 0 && (iVerRTF > 1 || gravim.system.WinVerMajor >= 5)) points = 12;
    int height = points == 0 ? 0 : -MulDiv(points, dpi, 72);
    HFONT font = nullptr;
    auto make = [&](const char* face, DWORD charset, DWORD pitchFamily) {
        return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, pitchFamily, face);
    };
    switch (fontType) {
    case 1: font = static_cast<HFONT>(GetStockObject(SYSTEM_FIXED_FONT)); break;
    case 2: font = make("Times New Roman", DEFAULT_CHARSET, VARIABLE_PITCH | FF_ROMAN); break;
    case 3: font = make("Arial", DEFAULT_CHARSET, VARIABLE_PITCH | FF_SWISS); break;
    case 4: font = make("Courier New", DEFAULT_CHARSET, VARIABLE_PITCH | FF_MODERN); break;
    case 7:
    case 8:
    case 9:
    case 10: {
        static const int sizes[] = {10, 11, 13, 14};
        height = -MulDiv(sizes[fontType - 7], dpi, 72);
        font = make("Lucida Console", OEM_CHARSET, FIXED_PITCH | FF_MODERN);
        break;
    }
    default: font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT)); break;
    }
    if (font == nullptr) font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    r.Font = font;
    r.FontType = fontType;
    r.FontSize = fontSize;
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    r.LineHeight = metrics.tmHeight;
    r.CharHeight = metrics.tmHeight - metrics.tmInternalLeading;
}

int yyGetWindowTextLength(HWND control, int frozen) {
    if (frozen != 0) return GetWindowTextLengthA(control);
    const int first = static_cast<int>(SendMessageA(control, EM_GETFIRSTVISIBLELINE, 0, 0));
    POINTL before = {};
    SendMessageA(control, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&before), 0);
    const bool focused = GetFocus() == control;
    if (focused) {
        HideCaret(control);
        SetFocus(GetParent(control));
    }
    ShowWindow(control, SW_HIDE);
    const int length = GetWindowTextLengthA(control);
    const int now = static_cast<int>(SendMessageA(control, EM_GETFIRSTVISIBLELINE, 0, 0));
    if (now != first) SendMessageA(control, EM_LINESCROLL, 0, first - now);
    ShowWindow(control, SW_SHOW);
    if (focused) {
        SetFocus(control);
        ShowCaret(control);
    }
    POINTL after = {};
    SendMessageA(control, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&after), 0);
    if (after.x == before.x && after.y == before.y) ValidateRect(control, nullptr);
    return length;
}

void yyeditfilterindex(int& index, int& status) {
    EditorWindowRecord* r = yyeditcurrent();
    if (r == nullptr) {
        status = 1;
        return;
    }
    r->BufferFilterIndex[r->CurrentBuffer] = index;
    status = 0;
}

void yyeditfile(int& status, int& mode, int& menu, int& options, int& fontType, int& fontSize, int& filterIndex,
                int& hostWindow, const char* fileName, const char* filter) {
    const int n = gravim.windows.wIndex;
    if (n <= 0 || n >= MaxWindows || wWindow[n] == nullptr) {
        status = 1;
        return;
    }
    HWND frame = wWindow[n];
    const std::string path = absolutePath(fileName);
    if (EditorWindowRecord* existing = yyeditrecord(frame)) {
        openFurtherBuffer(status, frame, *existing, path, filterIndex);
        return;
    }
    if (GetWindow(hClient[n], GW_CHILD) != nullptr) {
        status = 11;
        return;
    }
    if (yywindowrecord(frame) != nullptr) {
        status = 8;
        return;
    }

    // A frame placed inside a parent: the chain of hosts above it.
    bool notTopLevel = false;
    HWND host = nullptr;
    std::vector<HWND> clean;  // windows of the host with nothing to repaint
    if (isChildStyle(frame)) {
        HWND parent = yyparentframe(frame);
        notTopLevel = yyembeddedframe(frame);
        if (mode == 2 && menu != 0 && notTopLevel) status = 4;
        yyinsidewindowmode(status, mode);
        if (yyissplitwindow(parent)) {
            host = parent;
            for (HWND w = GetWindow(host, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
                RECT dirty;
                if (!GetUpdateRect(w, &dirty, FALSE)) clean.push_back(w);
            }
        }
    }

    auto* r = new (std::nothrow) EditorWindowRecord{};
    if (r == nullptr) {
        status = 6;
        return;
    }
    r->Kind = KindEditor;
    yysetwindowrecord(frame, reinterpret_cast<int*>(r));
    r->ProtectActive = 1;
    r->CurrentBuffer = r->BufferCount = 1;
    r->PositionCacheInternal = r->PositionCacheExternal = -1;
    for (int k = 0; k <= EditorBuffers; ++k) r->Bookmark[k] = r->BookmarkTextLength[k] = -1;
    deriveOptions(*r, options);
    buildFilter(*r, filter);
    r->BufferFilterIndex[1] = filterIndex == -1 ? 1 : filterIndex;
    r->EditorAccelerators = LoadAcceleratorsA(wInstance, MAKEINTRESOURCEA(32101));
    copyText(r->FileName, sizeof r->FileName, path.c_str());
    ShowWindow(hClient[n], SW_HIDE);

    if ((options & EditNoMenu) == 0 && !(isChildStyle(frame) && notTopLevel)) {
        buildMenus(*r, status, mode, menu);
        attachMenus(*r, frame, n, hostWindow);
    } else if (menu != 0 && mode == 1) {
        status = 2;
    }

    if (mode == 1) {
        yydropdockedbars(n);
        RECT outer;
        GetWindowRect(frame, &outer);
        SetWindowPos(frame, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    } else {
        r->TopBar = wordOf(hToolbar[n][0]);
        r->LeftBar = wordOf(hToolbar[n][1]);
        r->RightBar = wordOf(hToolbar[n][2]);
        r->BottomBar = wordOf(hToolbar[n][3]);
        if (menu != 0) {
            r->ApplicationAccelerators = LoadAcceleratorsA(wInstance, MAKEINTRESOURCEA(menu));
            yysetmenuprompts(n, yyloadmenustring(menu));
        }
    }

    if ((options & EditNoToolbar) == 0) buildToolbar(*r, frame);
    if (wMessLine[n] != nullptr) {
        r->StatusBar = editorWord(wMessLine[n]);
        setupStatusBar(frame, wMessLine[n]);
    }
    yyEditCreateFont(*r, fontType, fontSize);
    RECT area = textArea(*r, frame, n);
    if ((options & (EditCommandLine | EditCommandHistory)) != 0) {
        if (mode == 1) status = 7;
        else buildCommandLine(*r, frame, area);
    }
    yyRestackToolbars(n);
    r->InsertMode = 1;

    HWND control = buildControl(*r, frame, area);
    r->RichEdit = editorWord(control);
    MoveWindow(hClient[n], area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);
    SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yyEditWndProc));
    char title[1024] = "";
    GetWindowTextA(frame, title, sizeof title);
    copyText(r->WindowTitle, sizeof r->WindowTitle, title);
    if (!path.empty()) yyEditOpenFile(frame, 1);
    yyEditTitle(frame);

    HWND focus = r->CommandEdit != 0 ? editorWindow(r->CommandEdit) : control;
    r->FocusControl = editorWord(focus);
    SendMessageA(control, EM_SETMODIFY, FALSE, 0);
    r->ChangedFlag = 0;
    r->Mode = mode;
    if (mode == 3) yysemimodalwindowshown();
    if (!IsWindowEnabled(frame)) EnableWindow(frame, TRUE);
    ShowWindow(frame, SW_SHOW);
    SetFocus(focus);
    yytitlecolour(frame);
    if (mode == 1 || mode == 3) yyDisableDialogs(frame, 1);
    for (HWND w : clean) ValidateRect(w, nullptr);

    if (mode == 1) {
        modalLoop(*r, frame);
        delete r;
        HWND keep = hLastSemi != nullptr ? hLastSemi : wWindow[0];
        yyEnableDialogs(keep, 1);
        if (hLastSemi == nullptr && wWindow[0] != nullptr) {
            SetActiveWindow(wWindow[0]);
            SetFocus(wWindow[0]);
        }
    }
}
