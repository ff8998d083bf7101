// grid_edit_win.cpp - turning the current child window into a grid window: the record, the host
// chain, menus, toolbar and status bar, the copy of the dialog's grid with storage of its own,
// the initial file, the modal loop and the public routine.
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <new>
#include <span>
#include <string>
#include <vector>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "windows/menus_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/control_classes_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/modal_win.hpp"
#include "grid/grid.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_window_commands_win.hpp"
#include "grid/grid_window_win.hpp"
#include "resources/library_ids.h"

namespace {

constexpr int GridToolbarId = 1001, GridWindowGridId = 1002;
constexpr int NoToolbar = 0x20, NoNewOpen = 0x100, NoSaveAs = 0x200, NoPrint = 0x400, MoveRowLabels = 0x800,
              NoFind = 0x1000, NoSave = 0x2000, Backup = 0x20000, NoSaveHTML = 0x40000, IgnoreLockedCells = 0x80000,
              GrowRows = 0x100000, NoRowEditing = 0x200000, NoMenuBar = 0x800000, FileLabels = 0x2000000;
constexpr UINT GridStyleAdded = GridKeepHeight | GridEnterMovesDown | GridTabMoves;

bool isChildStyle(HWND frame) { return (GetWindowLongA(frame, GWL_STYLE) & WS_CHILD) != 0; }

void copyText(char* destination, std::size_t size, const char* text) {
    const std::size_t n = text == nullptr ? 0 : strnlen(text, size - 1);
    if (n > 0) std::memcpy(destination, text, n);
    destination[n] = '\0';
}

void deriveOptions(GridWindowRecord& w, int options, bool readOnly) {
    w.bReadOnly = readOnly ? 1 : 0;
    w.bMoveRowLabels = (options & MoveRowLabels) != 0;
    w.bGrowRows = (options & GrowRows) != 0;
    w.bFileLabels = (options & FileLabels) != 0;
    w.bBackup = (options & Backup) != 0;
    w.bIgnoreLockedCells = (options & IgnoreLockedCells) != 0;
    w.bCanNew = (options & NoNewOpen) == 0 && !readOnly;
    w.bCanOpen = (options & NoNewOpen) == 0;
    w.bCanSave = (options & NoSave) == 0 && !readOnly;
    w.bCanSaveAs = (options & (NoSaveAs | NoSave)) == 0;
    w.bCanSaveHTML = (options & (NoSaveHTML | NoSave)) == 0;
    w.bCanPrint = (options & NoPrint) == 0;
    w.bCanFind = (options & NoFind) == 0;
    w.bCanEditRows = (options & NoRowEditing) == 0 && !readOnly;
}

// ---- menus ----

void append(HMENU menu, int id, const char* text) { AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(id), text); }
void separator(HMENU menu) { AppendMenuA(menu, MF_SEPARATOR, 0, nullptr); }

HMENU fileMenu(const GridWindowRecord& w, bool table) {
    HMENU menu = CreatePopupMenu();
    if (w.bCanNew) append(menu, GridWinNew, table ? "&New\bCtrl+N" : "&New");
    if (w.bCanOpen) append(menu, GridWinOpen, table ? "&Open\bCtrl+O" : "&Open");
    if (w.bCanSave) append(menu, GridWinSave, table ? "&Save\bCtrl+S" : "&Save");
    if (w.bCanSaveAs) {
        append(menu, GridWinSaveAs, table ? "Save &As\bF12" : "Save &As");
        append(menu, GridWinSaveSelection, "Save S&election");
    }
    if (w.bCanSaveHTML) append(menu, GridWinSaveHTML, "Save As &HTML");
    if (w.bCanNew || w.bCanOpen || w.bCanSave || w.bCanSaveAs || w.bCanSaveHTML) separator(menu);
    if (w.bCanPrint) {
        append(menu, GridWinPrint, table ? "&Print\bCtrl+P" : "&Print");
        append(menu, GridWinPrintSelection, "Prin&t Selection");
        separator(menu);
    }
    append(menu, GridWinExit, "E&xit");
    return menu;
}

HMENU editMenu(const GridWindowRecord& w) {
    HMENU menu = CreatePopupMenu();
    if (!w.bReadOnly) append(menu, GridWinCut, "Cu&t\bCtrl+X");
    append(menu, GridWinCopy, "&Copy\bCtrl+C");
    if (!w.bReadOnly) {
        append(menu, GridWinPaste, "&Paste\bCtrl+V");
        append(menu, GridWinDelete, "&Delete\bDel");
    }
    separator(menu);
    append(menu, GridWinSelectAll, "Select &All");
    if (!w.bReadOnly) {
        separator(menu);
        append(menu, GridWinSort, "&Sort");
    }
    if (w.bCanEditRows) {
        append(menu, GridWinInsertBefore, "&Insert Row Before Current\bCtrl+I");
        append(menu, GridWinInsertAfter, "&Insert Row After Current\bCtrl+Shift+I");
        append(menu, GridWinDeleteRow, "D&elete Row\bCtrl+E");
    }
    return menu;
}

HMENU searchMenu(const GridWindowRecord& w, bool table) {
    HMENU menu = CreatePopupMenu();
    if (w.bCanFind) {
        append(menu, GridWinFind, table ? "&Find\bCtrl+F" : "&Find");
        append(menu, GridWinFindNext, table ? "Find &Next\bF3" : "Find &Next");
        separator(menu);
    }
    append(menu, GridWinGotoCell, "&Goto Cell");
    append(menu, GridWinGotoRow, "Goto Ro&w");
    append(menu, GridWinGotoColumn, "Goto &Column");
    return menu;
}

void buildMenus(GridWindowRecord& w, int& status, int mode, int menu) {
    const bool table = w.hGridAccelerators != nullptr;
    w.hFileMenu = fileMenu(w, table);
    w.hEditMenu = editMenu(w);
    w.hSearchMenu = searchMenu(w, table);
    HMENU bar = yyspecialmenubar(status, mode, menu);
    yyinsertpopup(bar, 0, w.hFileMenu, GridWinFileMenu, "&File");
    yyinsertpopup(bar, 1, w.hEditMenu, GridWinEditMenu, "&Edit");
    yyinsertpopup(bar, 2, w.hSearchMenu, GridWinSearchMenu, "&Search");
    w.hMenuBar = bar;
}

// The bar goes on the frame and into the window manager's table; a window inside hosts lends it
// to every host on the way up to the one named that has no menu of its own.
void attachMenus(GridWindowRecord& w, HWND frame, int n, int hostWindow) {
    SetMenu(frame, w.hMenuBar);
    yyreplacemenubar(n, w.hMenuBar);
    DrawMenuBar(frame);
    yylendmenubar(frame, w.hMenuBar, hostWindow);
}

// ---- toolbar and status bar ----

void buildToolbar(GridWindowRecord& w, HWND frame) {
    HWND toolbar = yyspecialtoolbar(frame, GridToolbarId, WS_CLIPSIBLINGS, 21);
    if (toolbar == nullptr) return;
    const int strip = gravim.system.wScreenCols > 256 ? IDB_GRID_TOOLBAR_24 : IDB_GRID_TOOLBAR_16;
    int first = -1;
    if (HBITMAP bitmap = LoadBitmapA(wInstance, MAKEINTRESOURCEA(strip))) {
        TBADDBITMAP add = {nullptr, reinterpret_cast<UINT_PTR>(bitmap)};
        first = static_cast<int>(SendMessageA(toolbar, TB_ADDBITMAP, 11, reinterpret_cast<LPARAM>(&add)));
    }
    const bool standard = first < 0;
    if (standard) {
        TBADDBITMAP add = {HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
        first = static_cast<int>(SendMessageA(toolbar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&add)));
    }
    struct Button {
        int id, own, system;
        bool present;
    };
    const Button buttons[] = {
        {GridWinNew, 0, STD_FILENEW, w.bCanNew != 0},      {GridWinOpen, 1, STD_FILEOPEN, w.bCanOpen != 0},
        {GridWinSave, 2, STD_FILESAVE, w.bCanSave != 0},   {GridWinPrint, 3, STD_PRINT, w.bCanPrint != 0},
        {GridWinFind, 4, STD_FIND, w.bCanFind != 0},       {GridWinCut, 5, STD_CUT, !w.bReadOnly},
        {GridWinCopy, 6, STD_COPY, true},                  {GridWinPaste, 7, STD_PASTE, !w.bReadOnly},
    };
    for (const Button& b : buttons) {
        if (!b.present) continue;
        yyaddtoolbutton(toolbar, b.id, first + (standard ? b.system : b.own), TBSTATE_ENABLED);
        if (b.id == GridWinFind) yyaddtoolseparator(toolbar);
    }
    SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
    w.hGridToolbar = toolbar;
    w.hTooltips = reinterpret_cast<HWND>(SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0));
}

void setupStatusBar(HWND frame, HWND bar) {
    const bool caption = (GetWindowLongA(frame, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    int ends[5] = {30, 90, 140, 200, -1};
    SendMessageA(bar, SB_SETPARTS, caption ? 4 : 5, reinterpret_cast<LPARAM>(ends));
    SendMessageA(bar, SB_SETTEXTA, 0 | SBT_NOBORDERS, reinterpret_cast<LPARAM>("Row"));
    SendMessageA(bar, SB_SETTEXTA, 2 | SBT_NOBORDERS, reinterpret_cast<LPARAM>("\tColumn"));
    const std::string one = yygridstatusnumber(1);
    SendMessageA(bar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(one.c_str()));
    SendMessageA(bar, SB_SETTEXTA, 3, reinterpret_cast<LPARAM>(one.c_str()));
}

// ---- the copy of the grid ----

// The dialog grid's font with output precision 4; a font equal to the last one made is reused.
HFONT gridWindowFontFor(HFONT dialogFont) {
    static HFONT made = nullptr;
    static LOGFONTA madeFrom{};
    LOGFONTA font{};
    if (dialogFont == nullptr || GetObjectA(dialogFont, sizeof font, &font) == 0)
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfEscapement = font.lfOrientation = 0;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    if (made != nullptr && std::memcmp(&font, &madeFrom, sizeof font) == 0) return made;
    HFONT fresh = CreateFontIndirectA(&font);
    if (fresh == nullptr) return dialogFont;
    made = fresh;  // earlier fonts may still serve open grid windows: they stay
    madeFrom = font;
    return made;
}

// A hidden copy of a column control in the new cell area with the source's settings.
HWND copyColumnControl(HWND source, HWND cells, HFONT font) {
    if (source == nullptr) return nullptr;
    char className[64] = "";
    GetClassNameA(source, className, sizeof className);
    const FieldRecord* from = yyfieldrecord(source);
    RECT r;
    GetWindowRect(source, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    LONG style = (GetWindowLongA(source, GWL_STYLE) | WS_BORDER) & ~(WS_VISIBLE | WS_DISABLED);
    const bool combo = yyisclass(source, atomCombo);
    if (combo) {
        RECT dropped{};
        SendMessageA(source, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        if (dropped.bottom - dropped.top > height) height = dropped.bottom - dropped.top;
        style |= WS_VSCROLL;
    }
    if (from != nullptr && from->spinBuddy != nullptr) {
        RECT s;
        GetWindowRect(from->spinBuddy, &s);
        width = s.right - r.left;
    }
    HWND control = CreateWindowExA(GetWindowLongA(source, GWL_EXSTYLE), className, "", style, 0, 0, width, height, cells,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)), wInstance, nullptr);
    if (control == nullptr) return nullptr;
    if (font != nullptr) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    FieldRecord* record = yygridcontrolrecord(control);
    if (record == nullptr) return nullptr;
    if (from != nullptr) {
        yygridcopynumericsettings(*record, *from);
        record->textColour = from->textColour;
        record->backColour = from->backColour;
        record->maxLength = from->maxLength;
        delete[] record->format;
        record->format = yygridcopyformat(from->format);
        if (yyisclass(control, atomEdit) || yyisnumericclass(control))
            SendMessageA(control, EM_LIMITTEXT, static_cast<WPARAM>(from->maxLength > 0 ? from->maxLength : 0), 0);
        if (record->spinBuddy != nullptr && from->spinBuddy != nullptr) {
            UDACCEL steps[2] = {};
            const LRESULT count = SendMessageA(from->spinBuddy, UDM_GETACCEL, 2, reinterpret_cast<LPARAM>(steps));
            if (count > 0) SendMessageA(record->spinBuddy, UDM_SETACCEL, static_cast<WPARAM>(count < 2 ? count : 2), reinterpret_cast<LPARAM>(steps));
            ShowWindow(record->spinBuddy, IsWindowVisible(from->spinBuddy) ? SW_SHOWNA : SW_HIDE);
        }
    }
    if (combo) yygridcopymenuitems(control, source, 0);
    return control;
}

// The copy takes the dialog grid's layout through the modal copy's route, then columns, cells,
// labels and column controls of its own.
bool ownStorage(HWND grid, HWND source) {
    GridControlRecord* d = yygridrecord(grid);
    const GridControlRecord* s = yygridrecord(source);
    if (d == nullptr || s == nullptr) return false;
    yyGridDestroyCurrent(d, false);
    const int columns = s->nColumns, rows = s->nRowsAllocated;
    auto* copied = new (std::nothrow) GridColumnRecord[static_cast<std::size_t>(columns > 0 ? columns : 1)]();
    char* labels = nullptr;
    bool whole = copied != nullptr;
    for (int c = 0; whole && c < columns; ++c) whole = yygridduplicatecells(copied[c], s->pColumns[c], rows);
    if (whole && s->pRowLabels != nullptr) {
        const std::size_t bytes = static_cast<std::size_t>(rows > 0 ? rows : 1) * GridLabelSize;
        labels = new (std::nothrow) char[bytes];
        if (labels != nullptr) std::memcpy(labels, s->pRowLabels, bytes);
        whole = labels != nullptr;
    }
    if (!whole) {
        for (int c = 0; copied != nullptr && c < columns; ++c) yygridfreecells(copied[c]);
        delete[] copied;
        d->pColumns = nullptr;
        d->pRowLabels = nullptr;
        d->nColumns = 0;
        d->bSharesStorage = 0;
        return false;
    }
    for (int c = 0; c < columns; ++c) copied[c].hControl = copyColumnControl(s->pColumns[c].hControl, d->hCells, d->hFont);
    d->pColumns = copied;
    d->pRowLabels = labels;
    d->bSharesStorage = 0;
    d->bDesignMode = 0;
    return true;
}

HWND copyGrid(HWND frame, HWND source, const RECT& area, HFONT font) {
    const LONG style = GetWindowLongA(source, GWL_STYLE) | static_cast<LONG>(GridStyleAdded);
    HWND grid = CreateWindowExA(WS_EX_CLIENTEDGE, "KBNGRID", "", static_cast<DWORD>(style), area.left, area.top,
                                area.right - area.left, area.bottom - area.top, frame,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(GridWindowGridId)), wInstance, nullptr);
    if (grid == nullptr) return nullptr;
    if (const FieldRecord* from = yyfieldrecord(source)) {
        if (auto* record = new (std::nothrow) FieldRecord(*from)) {
            record->format = yygridcopyformat(from->format);
            record->tabStops = nullptr;
            record->tabStopCount = 0;
            record->nextProcedure = nullptr;
            yyattachfieldrecord(grid, record);
        }
    }
    SendMessageA(grid, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    yygridcopy(grid, source);
    // The copy took the dialog's font, which goes with the dialog: its own copy instead.
    if (GridControlRecord* g = yygridrecord(grid)) {
        g->hFont = font;
        if (g->hHeader != nullptr) SendMessageA(g->hHeader, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        for (int i = 0; i < g->nRowLabelWindowsAllocated && g->pRowLabelWindows != nullptr; ++i)
            if (g->pRowLabelWindows[i] != nullptr) SendMessageA(g->pRowLabelWindows[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (!ownStorage(grid, source)) {
        yyfreefieldrecord(grid, false);
        DestroyWindow(grid);
        return nullptr;
    }
    SendMessageA(grid, GM_LAYOUT, 0, 0);
    yygridcellsresized(grid);
    if (GridControlRecord* g = yygridrecord(grid)) yyGridUpdateRowLabels(g);
    return grid;
}

}  // namespace

void yygridedit(int& status, int& field, int& mode, int& menu, int& options, int& filterIndex, int& hostWindow,
                const char* fileName, const char* filter) {
    const int n = gravim.windows.wIndex;
    if (n <= 0 || n >= MaxWindows || wWindow[n] == nullptr) {
        status = 1;
        return;
    }
    HWND frame = wWindow[n];
    if (yywindowrecord(frame) != nullptr) {
        status = 8;
        return;
    }
    if (hClient[n] != nullptr && GetWindow(hClient[n], GW_CHILD) != nullptr) {
        status = 12;
        return;
    }

    // A frame placed inside a parent: the chain of hosts above it.
    const bool embedded = yyembeddedframe(frame);
    HWND host = nullptr;
    if (isChildStyle(frame)) {
        if (mode == 2 && menu != 0 && embedded) status = 4;
        yyinsidewindowmode(status, mode);
        if (yyissplitwindow(yyparentframe(frame))) host = yyparentframe(frame);
    }

    HWND dialog = yycurrentdialogwindow();
    HWND source = dialog != nullptr ? GetDlgItem(dialog, field) : nullptr;
    GridControlRecord* s = yygridrecord(source);
    if (s == nullptr) {
        status = 11;
        return;
    }
    std::vector<HWND> clean;  // client windows of the host with nothing waiting to be repainted
    if (host != nullptr) {
        for (HWND client : hClient) {
            RECT dirty;
            if (client != nullptr && !GetUpdateRect(client, &dirty, FALSE)) clean.push_back(client);
        }
    }

    auto* w = new (std::nothrow) GridWindowRecord{};
    if (w == nullptr) {
        status = 6;
        return;
    }
    yysetwindowrecord(frame, reinterpret_cast<int*>(w));
    deriveOptions(*w, options, (GetWindowLongA(source, GWL_STYLE) & GridReadOnly) != 0);
    copyText(w->szFilter, sizeof w->szFilter, filter);
    w->iFilterIndex = filterIndex == -1 ? 1 : filterIndex;
    w->hGridAccelerators = LoadAcceleratorsA(wInstance, MAKEINTRESOURCEA(IDR_GRID_KEYS));
    if (hClient[n] != nullptr) ShowWindow(hClient[n], SW_HIDE);

    if ((options & NoMenuBar) == 0 && !embedded) {
        buildMenus(*w, status, mode, menu);
        attachMenus(*w, frame, n, hostWindow);
    }

    if (mode == 1) {
        if (yydropdockedbars(n)) {
            if (!IsIconic(frame)) {
                RECT client;
                GetClientRect(frame, &client);
                SendMessageA(frame, WM_SIZE, IsZoomed(frame) ? SIZE_MAXIMIZED : SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
            }
        }
    } else {
        w->TopBar = wordOf(hToolbar[n][0]);
        w->LeftBar = wordOf(hToolbar[n][1]);
        w->RightBar = wordOf(hToolbar[n][2]);
        w->BottomBar = wordOf(hToolbar[n][3]);
    }
    if (menu != 0) {
        w->hUserAccelerators = LoadAcceleratorsA(wInstance, MAKEINTRESOURCEA(menu));
        if (HGLOBAL prompts = yyloadmenustring(menu)) yysetmenuprompts(n, prompts);
    }

    if ((options & NoToolbar) == 0) buildToolbar(*w, frame);
    if (wMessLine[n] != nullptr) {
        w->hStatusBar = wMessLine[n];
        setupStatusBar(frame, wMessLine[n]);
    }
    const RECT area = yygridwindowlayout(frame, *w, false);
    yyRestackToolbars(n);
    SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yyGridWindowWndProc));

    HFONT font = gridWindowFontFor(s->hFont);
    SendMessageA(frame, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    HWND grid = copyGrid(frame, source, area, font);
    w->Grid = wordOf(grid);
    if (hClient[n] != nullptr && grid != nullptr) {
        RECT r;
        GetWindowRect(grid, &r);
        MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&r), 2);
        MoveWindow(hClient[n], r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
    }
    yyGridWinSize(w);

    char title[1024] = "";
    GetWindowTextA(frame, title, sizeof title);
    copyText(w->szTitle, sizeof w->szTitle, title);
    w->szFileName[0] = '\0';
    if (fileName != nullptr && fileName[0] != '\0' && grid != nullptr) {
        char name[260] = "";
        copyText(name, sizeof name, fileName);
        int result = 0;
        yygridwinload(n, 0, w->bGrowRows, result, w->iFilterIndex, w->bFileLabels, name, w->szFilter);
        if (result == 1) {
            copyText(w->szFileName, sizeof w->szFileName, name);
            yyGridTitle(frame);
        }
    }

    if (GridControlRecord* g = yygridrecord(grid); g != nullptr && IsWindowEnabled(grid)) {
        if (g->hEditor == nullptr) yyGridCreateCurrent(g);
    }
    if (grid != nullptr) SetFocus(grid);
    w->iMode = mode;
    if (mode == 3) yysemimodalwindowshown();
    if (!IsWindowEnabled(frame)) {
        EnableWindow(frame, TRUE);
        if (grid != nullptr) SetFocus(grid);
    }
    ShowWindow(frame, SW_SHOW);
    yytitlecolour(frame);
    if (mode != 2) yyDisableDialogs(frame, 1);
    for (HWND client : clean) ValidateRect(client, nullptr);
}

void yygridedit2() {
    const int n = gravim.windows.wIndex;
    GridWindowRecord* w = yygridwindowrecord(n);
    if (w == nullptr) return;
    if (GridControlRecord* g = yygridrecord(gridWindowGrid(*w))) g->bUnsaved = g->bModified = 0;
    if (w->iMode != 1) return;
    w->bModalDone = 0;
    yymodalwindowloop(w->bModalDone, wWindow[n], w->hGridAccelerators, nullptr);
    delete w;
    HWND keep = hLastSemi != nullptr ? hLastSemi : wWindow[0];
    yyEnableDialogs(keep, 1);
    if (keep != nullptr) {
        SetActiveWindow(keep);
        SetFocus(keep);
    }
}

void WGridEdit(int field, int mode, int menu, int options, int filterIndex, int hostWindow, std::string_view fileName,
               std::string_view filter) {
    constexpr std::string_view name = "WGridEdit";
    if (mode < 1 || mode > 3) {
        yyerror(1052, name);
        return;
    }
    const std::string file(fileName.substr(0, 259));
    const std::string filters(filter.substr(0, 1000));
    int status = 0;
    yygridedit(status, field, mode, menu, options, filterIndex, hostWindow, file.c_str(), filters.c_str());
    switch (status) {
    case 1: yyerror(1022, name); break;
    case 2: yyerror(1026, name); break;
    case 3: yyerror(1002, name); break;
    case 4: yyerror(1051, name); break;
    case 6: yyerror(1053, name); break;
    case 8: yyerror(1038, name); break;
    case 11: yyerror(1006, name); break;
    case 12: yyerror(1057, name); break;
    default: break;  // 0, and 5: a warning only
    }
    if (status == 0 || (status >= 2 && status <= 5)) yygridedit2();
}
