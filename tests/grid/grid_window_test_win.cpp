// grid_window_test_win.cpp - grid windows under Wine: a child window turned into a grid window in
// each mode over the fixture dialog's grid, its statuses, menus and toolbar by option word, the
// copy with storage of its own, the status bar and field-change events on real clicks, menu
// states, spin steps with real clicks, the modal loop with what it leaves behind, the save prompt
// on closing, the fitted size and the size limits.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/errors.hpp"
#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/dialogs.hpp"
#include "grid/grid.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_window_win.hpp"
#include "event_wait_win.hpp"
#include "grid_fixture_win.hpp"
#include "gui_driver_win.hpp"
#include "scratch.hpp"

namespace {

constexpr int Framed = WinSystemMenu | WinMinimiseBox | WinMaximiseBox | WinStatusBar;
constexpr int NoToolbars[4] = {0, 0, 0, 0};
constexpr char PromptTitle[] = "Gravimonder Grid Editor";

void pump(int ms = 80) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    pumpUntil([&] { return GetTickCount() >= end; }, ms + 50);
}

std::string statusText(HWND bar, int part) {
    char text[128] = "";
    SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
    return text;
}

bool grayed(HMENU menu, int id) { return (GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) & MF_GRAYED) != 0; }

// Runs an action from a thread timer: inside a modal loop the test cannot reach otherwise.
struct Later {
    static std::function<void()> action;
    static void CALLBACK fire(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        if (action) action();
    }
    static void after(int ms, std::function<void()> a) {
        action = std::move(a);
        SetTimer(nullptr, 0, static_cast<UINT>(ms), fire);
    }
};
std::function<void()> Later::action;

class GridWindow : public ::testing::Test {
protected:
    void SetUp() override {
        source = openGridFixture([] { WMessageEnable(EvFieldChanged, 1); });
        WDialogPutString(1001, "fixture");
        collectEvents();
    }
    void TearDown() override {
        Later::action = nullptr;
        closeGridFixture();
    }
    // A top-level child window of the root, current, with a status bar; the fixture dialog stays current.
    int openChild(int flags = Framed, int parent = 0, const char* title = "Grid") {
        int result = 0, dialog = 0;
        yyopenchild(60, 60, 700, 600, result, flags, 0, NoToolbars, dialog, parent, -1, title);
        WindowSelect(result);
        WDialogSelect(501);
        return result;
    }
    GridWindowRecord& record(int n) { return *yygridwindowrecord(n); }
    HWND gridOf(int n) { return gridWindowGrid(record(n)); }
    GridControlRecord* g(int n) { return yygridrecord(gridOf(n)); }
    std::string cell(HWND grid, int column, int row) {
        char text[256] = "";
        yyGridGetString(yygridrecord(grid), column, row, text, sizeof text, 0);
        return text;
    }
    POINT cellPoint(int n, int column, int row) {
        GridControlRecord* r = g(n);
        int x = 0;
        for (int c = r->iFirstColumn; c < column; ++c) x += r->pColumns[c].cxWidth - 1;
        POINT p{x + 5, (row - r->iFirstRow) * (r->cyRow - 1) + 5};
        ClientToScreen(r->hCells, &p);
        return p;
    }
    void closeChild(int n) {
        int dialog = 0;
        yyclosechild(n, dialog);
    }
    HWND source = nullptr;
};

TEST_F(GridWindow, PublicRoutineReportsEveryStatus) {
    struct Case {
        const char* what;
        int field, mode, menu, error;
        std::function<void(int)> prepare;
    };
    const Case cases[] = {
        {"mode 0", GridId, 0, 0, 1052, nullptr},
        {"mode 4", GridId, 4, 0, 1052, nullptr},
        {"no grid of that field", 1001, 2, 0, 1006, nullptr},
        {"client area holds a window",
         GridId, 2, 0, 1057,
         [](int n) { CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, hClient[n], nullptr, nullptr, nullptr); }},
        {"another special window", GridId, 2, 0, 1038, [](int n) {
             static int fake[8] = {KindDialog};
             yysetwindowrecord(wWindow[n], fake);
         }},
    };
    for (const Case& c : cases) {
        const int n = openChild();
        if (c.prepare) c.prepare(n);
        WInfoError(1);
        WGridEdit(c.field, c.mode, c.menu);
        EXPECT_EQ(WInfoError(1), c.error) << c.what;
        EXPECT_EQ(yygridwindowrecord(n), nullptr) << c.what;
        yysetwindowrecord(wWindow[n], nullptr);
        closeChild(n);
    }
    WindowSelect(0);
    WGridEdit(GridId, 2);
    EXPECT_EQ(WInfoError(1), 1022);

    // A missing menu resource: built with the grid window's three menus only (a warning).
    const int n = openChild();
    WGridEdit(GridId, 2, 30999);
    EXPECT_EQ(WInfoError(1), 1002);
    ASSERT_NE(yygridwindowrecord(n), nullptr);
    EXPECT_EQ(menuTexts(GetMenu(wWindow[n])), (std::vector<std::string>{"&File", "&Edit", "&Search"}));
    closeChild(n);

    // A modeless window with a menu inside a window that is no split window: no menu bar, 1051.
    {
        const int outer = openChild();
        const int inner = openChild(Framed | WinInside, outer);
        WGridEdit(GridId, 2, 30999);
        EXPECT_EQ(WInfoError(1), 1051);
        ASSERT_NE(yygridwindowrecord(inner), nullptr);
        EXPECT_EQ(record(inner).hMenuBar, nullptr);
        closeChild(outer);
    }

    // An inside window cannot be semi-modeless: mode 2 with status 5, and no error.
    const int outer = openChild();
    const int inner = openChild(Framed | WinInside, outer);
    int status = 0, field = GridId, mode = 3, menu = 0, options = 0, index = -1, host = -1;
    yygridedit(status, field, mode, menu, options, index, host, "", "");
    EXPECT_EQ(status, 5);
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(record(inner).iMode, 2);
    closeChild(outer);
}

TEST_F(GridWindow, CopyKeepsStorageOfItsOwnAndOutlivesNothing) {
    int f = GridId;
    yygridputcellstring(f, Name, 0, 0.0, "alpha", nullptr, 6, 0);
    WGridPutCellInteger(GridId, Count + 1, 2, 42);
    const int n = openChild();
    WGridEdit(GridId, 2);
    ASSERT_EQ(WInfoError(1), 0);
    HWND copy = gridOf(n);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(GetDlgCtrlID(copy), 1002);
    EXPECT_EQ(GetParent(copy), wWindow[n]);
    EXPECT_EQ(GetWindowLongA(copy, GWL_STYLE) & 0x5100, 0x5100);
    EXPECT_EQ(cell(copy, Name, 0), "alpha");
    EXPECT_EQ(cell(copy, Count, 1), "42");
    EXPECT_NE(g(n)->pColumns, yygridrecord(source)->pColumns);
    EXPECT_EQ(g(n)->bSharesStorage, 0);
    EXPECT_EQ(record(n).iLastCell, 0x40001);
    EXPECT_NE(g(n)->hFont, yygridrecord(source)->hFont);  // a font of its own, outliving the dialog's

    // Field 0 names the window's grid; the dialog's grid keeps its own cells.
    int zero = 0;
    yygridputcellstring(zero, Name, 0, 0.0, "beta", nullptr, 5, 0);
    EXPECT_EQ(cell(copy, Name, 0), "beta");
    EXPECT_EQ(cell(source, Name, 0), "alpha");
    EXPECT_EQ(statusText(wMessLine[n], 0), "Row");
    EXPECT_EQ(statusText(wMessLine[n], 1), "\t\t1");
    EXPECT_EQ(statusText(wMessLine[n], 2), "\tColumn");
    EXPECT_EQ(SendMessageA(wMessLine[n], SB_GETPARTS, 0, 0), 4);

    // Closing the window frees the copy; the dialog's grid goes on working.
    closeChild(n);
    EXPECT_EQ(cell(source, Name, 0), "alpha");
    yygridputcellstring(f, Name, 1, 0.0, "gamma", nullptr, 6, 0);
    EXPECT_EQ(cell(source, Name, 1), "gamma");
}

TEST_F(GridWindow, MenusAndToolbarFollowTheOptionWord) {
    struct Case {
        int options;
        bool readOnly;
        std::vector<std::string> file;
        std::vector<int> buttons;
    };
    const std::vector<std::string> allFile = {"&New", "&Open", "&Save", "Save &As", "Save S&election", "Save As &HTML", "-",
                                              "&Print", "Prin&t Selection", "-", "E&xit"};
    const Case cases[] = {
        {0, false, allFile, {32101, 32102, 32103, 32105, 32141, 0, 32122, 32123, 32124}},
        {0x100, false, {"&Save", "Save &As", "Save S&election", "Save As &HTML", "-", "&Print", "Prin&t Selection", "-", "E&xit"},
         {32103, 32105, 32141, 0, 32122, 32123, 32124}},
        {0x2000, false, {"&New", "&Open", "-", "&Print", "Prin&t Selection", "-", "E&xit"},
         {32101, 32102, 32105, 32141, 0, 32122, 32123, 32124}},
        {0x2000 | 0x100 | 0x400 | 0x1000, false, {"E&xit"}, {32122, 32123, 32124}},
        {0x40000 | 0x200, false, {"&New", "&Open", "&Save", "-", "&Print", "Prin&t Selection", "-", "E&xit"},
         {32101, 32102, 32103, 32105, 32141, 0, 32122, 32123, 32124}},
        {0, true, {"&Open", "Save &As", "Save S&election", "Save As &HTML", "-", "&Print", "Prin&t Selection", "-", "E&xit"},
         {32102, 32105, 32141, 0, 32123}},
    };
    for (const Case& c : cases) {
        WDialogSelect(501);
        WDialogFieldState(GridId, c.readOnly ? 2 : 1);
        const int n = openChild();
        WGridEdit(GridId, 2, 0, c.options);
        ASSERT_NE(yygridwindowrecord(n), nullptr) << c.options;
        const GridWindowRecord& w = record(n);
        std::vector<std::string> file = menuTexts(w.hFileMenu);
        for (std::string& text : file) text = text.substr(0, text.find('\b'));
        EXPECT_EQ(file, c.file) << std::hex << c.options;
        EXPECT_EQ(buttonIds(w.hGridToolbar), c.buttons) << std::hex << c.options;
        const std::vector<std::string> edit = menuTexts(w.hEditMenu);
        if (c.readOnly) {
            EXPECT_EQ(edit, (std::vector<std::string>{"&Copy\bCtrl+C", "-", "Select &All"}));
        } else {
            EXPECT_EQ(edit.front(), "Cu&t\bCtrl+X");
            EXPECT_EQ(edit.back(), "D&elete Row\bCtrl+E");
        }
        closeChild(n);
    }
    // No toolbar, no menu bar at all.
    WDialogFieldState(GridId, 1);
    const int n = openChild();
    WGridEdit(GridId, 2, 0, 0x20 | 0x800000);
    EXPECT_EQ(record(n).hGridToolbar, nullptr);
    EXPECT_EQ(GetMenu(wWindow[n]), nullptr);
    closeChild(n);
}

TEST_F(GridWindow, CellChangesReachTheStatusBarAndTheEvents) {
    const int n = openChild();
    WGridEdit(GridId, 2);
    SetForegroundWindow(wWindow[n]);
    pump();
    collectEvents();
    // Two changes in one wait: the first carries the previous cell, the second only the new one.
    clickAt(cellPoint(n, Level, 3));
    WMessageRecord event{};
    ASSERT_EQ(nextEvent(event, {EvFieldChanged}), EvFieldChanged);
    EXPECT_EQ(event.Win, n);
    EXPECT_EQ(event.Value3, 0);
    EXPECT_EQ(event.Value4, -1);
    EXPECT_EQ(event.PosX, 0x40001);
    EXPECT_EQ(event.PosY, yypackcell(Level, 3));
    EXPECT_EQ(statusText(wMessLine[n], 1), "\t\t4");
    EXPECT_EQ(statusText(wMessLine[n], 3), "\t\t3");
    EXPECT_EQ(record(n).iLastCell, yypackcell(Level, 3));

    // Cursor keys move the current cell too.
    pressKeys({VK_DOWN});
    ASSERT_EQ(nextEvent(event, {EvFieldChanged}), EvFieldChanged);
    EXPECT_EQ(event.PosY, yypackcell(Level, 4));
    EXPECT_EQ(event.PosX, yypackcell(Level, 3));  // a new wait: the cell reported last
    EXPECT_EQ(statusText(wMessLine[n], 1), "\t\t5");
    closeChild(n);
}

TEST_F(GridWindow, ModalWindowRunsItsOwnLoopAndLeavesItsState) {
    const int n = openChild();
    bool cancelled = false;
    std::string rowShown;
    Later::after(150, [&] {
        HWND frame = wWindow[n];
        GridWindowRecord* w = yygridwindowofframe(frame);
        if (w == nullptr) return;
        // A cell change in a modal window: the status bar, no event.
        SetForegroundWindow(frame);
        clickAt(cellPoint(n, Name, 2));
        pumpUntil([&] { return statusText(w->hStatusBar, 1) == "\t\t3"; }, 2000);
        rowShown = statusText(w->hStatusBar, 1);
        std::strcpy(w->szFindText, "needle");
        w->bFindNumeric = 1;
        g(n)->bUnsaved = g(n)->bModified = 1;
        {
            AutoAnswer cancel(IDCANCEL, PromptTitle);
            SendMessageA(frame, WM_COMMAND, GridWinExit, 0);
            cancelled = cancel.answered() == 1 && IsWindow(frame);
        }
        AutoAnswer no(IDNO, PromptTitle);
        SendMessageA(frame, WM_COMMAND, GridWinExit, 0);
    });
    WGridEdit(GridId, 1);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(rowShown, "\t\t3");
    EXPECT_EQ(wWindow[n], nullptr);
    EXPECT_EQ(LastModalGridWindow.bUnsaved, 1);
    int field = -2, value = -1;
    yygridgetinfo(field, 6, value);
    EXPECT_EQ(value, 0);  // not saved
    field = -2;
    yygridgetinfo(field, 7, value);
    EXPECT_EQ(value, 1);
    char text[64] = "";
    yygridgetinfostring(-1, 1, text, sizeof text);
    EXPECT_STREQ(text, "needle");
    field = -2;
    yygridgetinfo(field, 14, value);
    EXPECT_EQ(value, 2 + 4);
    for (const Seen& e : collectEvents()) EXPECT_NE(e.type, EvFieldChanged) << e;

    // A modal window with an application menu: 1026, built without it; it still closes.
    const int m = openChild();
    Later::after(100, [&] { PostMessageA(wWindow[m], WM_CLOSE, 0, 0); });
    WGridEdit(GridId, 1, 30999);
    EXPECT_EQ(WInfoError(1), 1026);
    EXPECT_EQ(wWindow[m], nullptr);
}

TEST_F(GridWindow, ClosingAModelessWindowAsksToSave) {
    const int n = openChild();
    WGridEdit(GridId, 2);
    collectEvents();
    HWND frame = wWindow[n];
    // Nothing changed: no question, a close request at once.
    {
        AutoAnswer any(IDCANCEL, PromptTitle);
        PostMessageA(frame, WM_CLOSE, 0, 0);
        WMessageRecord event{};
        ASSERT_EQ(nextEvent(event, {EvCloseRequest}), EvCloseRequest);
        EXPECT_EQ(event.Win, n);
        EXPECT_EQ(any.answered(), 0);
    }
    g(n)->bUnsaved = 1;
    {
        AutoAnswer cancel(IDCANCEL, PromptTitle);
        PostMessageA(frame, WM_CLOSE, 0, 0);
        pumpUntil([&] { return cancel.answered() == 1; }, 3000);
        EXPECT_EQ(cancel.lastText().find("Do you want to save changes?") != std::string::npos, true) << cancel.lastText();
        for (const Seen& e : collectEvents()) EXPECT_NE(e.type, EvCloseRequest) << e;
        EXPECT_TRUE(IsWindow(frame));
    }
    std::strcpy(record(n).szFileName, "data.csv");
    {
        AutoAnswer no(IDNO, PromptTitle);
        PostMessageA(frame, WM_CLOSE, 0, 0);
        WMessageRecord event{};
        ASSERT_EQ(nextEvent(event, {EvCloseRequest}), EvCloseRequest);
        EXPECT_EQ(no.answered(), 1);
        EXPECT_NE(no.lastText().find("Do you want to save changes to data.csv?"), std::string::npos) << no.lastText();
    }
    closeChild(n);
}

TEST_F(GridWindow, MenuStatesFollowSelectionLocksAndFindText) {
    const int n = openChild();
    WGridEdit(GridId, 2);
    GridWindowRecord& w = record(n);
    auto open = [&](HMENU menu) { SendMessageA(wWindow[n], WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0); };
    open(w.hFileMenu);
    EXPECT_TRUE(grayed(w.hFileMenu, GridWinSaveSelection));
    EXPECT_TRUE(grayed(w.hFileMenu, GridWinPrintSelection));
    SendMessageA(wWindow[n], WM_COMMAND, GridWinSelectAll, 0);
    open(w.hFileMenu);
    EXPECT_FALSE(grayed(w.hFileMenu, GridWinSaveSelection));
    EXPECT_FALSE(grayed(w.hFileMenu, GridWinPrintSelection));

    // The fixture's Note column is read-only: its locked cells gray Sort and the row items.
    open(w.hEditMenu);
    EXPECT_TRUE(grayed(w.hEditMenu, GridWinSort));
    EXPECT_TRUE(grayed(w.hEditMenu, GridWinInsertBefore));
    EXPECT_TRUE(grayed(w.hEditMenu, GridWinDeleteRow));
    EXPECT_FALSE(grayed(w.hEditMenu, GridWinCopy));
    open(w.hSearchMenu);
    EXPECT_TRUE(grayed(w.hSearchMenu, GridWinFindNext));
    std::strcpy(w.szFindText, "x");
    open(w.hSearchMenu);
    EXPECT_FALSE(grayed(w.hSearchMenu, GridWinFindNext));
    closeChild(n);

    // Ignoring locked cells: Sort and the row items open; Insert After on the last row in use
    // only while rows grow.
    for (int grow : {0, 1}) {
        const int m = openChild();
        WGridEdit(GridId, 2, 0, 0x80000 | (grow ? 0x100000 : 0));
        GridWindowRecord& v = record(m);
        SendMessageA(wWindow[m], WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(v.hEditMenu), 0);
        EXPECT_FALSE(grayed(v.hEditMenu, GridWinSort));
        EXPECT_FALSE(grayed(v.hEditMenu, GridWinInsertBefore));
        int zero = 0;
        WGridRows(0, 5);
        yygridcellfocus(zero, 0, 4, -1);
        SendMessageA(wWindow[m], WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(v.hEditMenu), 0);
        EXPECT_EQ(grayed(v.hEditMenu, GridWinInsertAfter), grow == 0) << grow;
        closeChild(m);
    }
}

TEST_F(GridWindow, SpinArrowsStepAndSnapTheIntegerEditor) {
    int f = GridId;
    yygridspinstepi(f, Count, 5, 20, 0);
    const int n = openChild();
    WGridEdit(GridId, 2);
    SetForegroundWindow(wWindow[n]);
    int zero = 0;
    yygridcellfocus(zero, Count, 0, -1);
    pump();
    HWND editor = g(n)->hEditor;
    ASSERT_NE(editor, nullptr);
    const FieldRecord* field = yyfieldrecord(editor);
    ASSERT_NE(field, nullptr);
    ASSERT_NE(field->spinBuddy, nullptr);
    auto upArrow = [&] {
        RECT r;
        GetWindowRect(field->spinBuddy, &r);
        return POINT{(r.left + r.right) / 2, r.top + (r.bottom - r.top) / 4};
    };
    auto text = [&] {
        char t[32] = "";
        GetWindowTextA(editor, t, sizeof t);
        return std::string(t);
    };
    struct Case {
        const char* typed;
        const char* after;
    } cases[] = {{"7", "10"}, {"10", "15"}, {"99", "100"}, {"98", "100"}};
    for (const Case& c : cases) {
        SetWindowTextA(editor, c.typed);
        SendMessageA(editor, EM_SETMODIFY, TRUE, 0);
        clickAt(upArrow());
        EXPECT_TRUE(pumpUntil([&] { return text() == c.after; }, 2000)) << c.typed << " gave " << text();
    }
    closeChild(n);
}

TEST_F(GridWindow, SizeIsFittedToTheGridAndLimitedByIt) {
    const int n = openChild();
    RECT before;
    GetWindowRect(wWindow[n], &before);
    WGridEdit(GridId, 2);
    const GridWindowSize fitted = yygridwindowouter(record(n), false);
    RECT after;
    GetWindowRect(wWindow[n], &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right - after.left, std::min<LONG>(700, fitted.width));
    EXPECT_EQ(after.bottom - after.top, std::min<LONG>(600, fitted.height));

    // Maximised it takes no more than the grid needs; dragged it stays within its limits.
    ShowWindow(wWindow[n], SW_MAXIMIZE);
    pump();
    RECT maximised;
    GetWindowRect(wWindow[n], &maximised);
    EXPECT_LE(maximised.right - maximised.left, fitted.width);
    EXPECT_LE(maximised.bottom - maximised.top, fitted.height);
    ShowWindow(wWindow[n], SW_RESTORE);
    pump();
    MINMAXINFO info{};
    info.ptMaxSize = {5000, 5000};
    SendMessageA(wWindow[n], WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    const GridWindowSize smallest = yygridwindowouter(record(n), true);
    EXPECT_EQ(info.ptMaxTrackSize.x, std::min<LONG>(fitted.width, GetSystemMetrics(SM_CXSCREEN) + 2 * GetSystemMetrics(SM_CXEDGE)));
    EXPECT_EQ(info.ptMinTrackSize.x, smallest.width);
    EXPECT_EQ(info.ptMinTrackSize.y, smallest.height);
    EXPECT_LT(smallest.height, fitted.height);
    closeChild(n);
}

TEST_F(GridWindow, APaneOfASplitWindowTakesTheSplitWindowsMenuCommands) {
    const int n = openChild();
    int panes[2] = {0, 0};
    const int flags[2] = {WinSystemMenu | WinStatusBar | WinNoCaption, WinSystemMenu};
    const int menus[2] = {0, 0};
    const int toolbars[2][4] = {};
    int dialogs[2] = {0, 0};
    const int backgrounds[2] = {-1, -1};
    yywindowsplit(panes, SplitStacked, flags, -1, menus, toolbars, dialogs, backgrounds, "first", "second");
    ASSERT_GT(panes[0], 0);
    WindowSelect(panes[0]);
    WDialogSelect(501);
    WGridEdit(GridId, 2, 0, 0, -1, n);
    ASSERT_EQ(WInfoError(1), 0);
    GridWindowRecord& w = record(panes[0]);
    HWND split = wWindow[n];
    EXPECT_EQ(GetMenu(split), w.hMenuBar);

    // A pane without caption: five status-bar parts, the file name in the last.
    EXPECT_EQ(SendMessageA(wMessLine[panes[0]], SB_GETPARTS, 0, 0), 5);
    std::strcpy(w.szFileName, "pane.csv");
    yyGridTitle(wWindow[panes[0]]);
    EXPECT_EQ(statusText(wMessLine[panes[0]], 4), "pane.csv");

    // The split window's menu commands and pop-ups reach the pane's grid window.
    SendMessageA(split, WM_COMMAND, GridWinSelectAll, 0);
    EXPECT_EQ(g(panes[0])->iSelFirstRow, 0);
    EXPECT_EQ(g(panes[0])->iSelLastRow, g(panes[0])->nRows - 1);
    SendMessageA(split, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(w.hFileMenu), 0);
    EXPECT_FALSE(grayed(w.hFileMenu, GridWinSaveSelection));
    collectEvents();
    PostMessageA(split, WM_COMMAND, 40001, 0);  // not a grid command: the pane's menu event
    WMessageRecord event{};
    ASSERT_EQ(nextEvent(event, {EvMenu}), EvMenu);
    EXPECT_EQ(event.Win, panes[0]);
    EXPECT_EQ(event.Value1, 40001);
    closeChild(n);
}

TEST_F(GridWindow, TitlePromptsAndTooltips) {
    const int n = openChild(Framed, 0, "Stations");
    WGridEdit(GridId, 2);
    HWND frame = wWindow[n];
    GridWindowRecord& w = record(n);
    std::strcpy(w.szFileName, "c:\\data\\grid.csv");
    yyGridTitle(frame);
    char title[128] = "";
    GetWindowTextA(frame, title, sizeof title);
    EXPECT_STREQ(title, "Stations - [c:\\data\\grid.csv]");

    SendMessageA(frame, WM_ENTERMENULOOP, 0, 0);
    struct Case {
        WPARAM wParam;
        HMENU menu;
        const char* prompt;
    } cases[] = {
        {MAKEWPARAM(GridWinSort, MF_STRING), w.hEditMenu, "Sorts the rows of the grid"},
        {MAKEWPARAM(GridWinExit, MF_STRING), w.hFileMenu, "Closes the grid; prompts you to save changes"},
        {MAKEWPARAM(1, MF_POPUP), w.hMenuBar, "Commands for Editing and Sorting cells"},
        {MAKEWPARAM(2, MF_POPUP), w.hMenuBar, "Commands for Searching and Navigation"},
        {MAKEWPARAM(0, MF_SEPARATOR), w.hEditMenu, ""},
    };
    for (const Case& c : cases) {
        SendMessageA(frame, WM_MENUSELECT, c.wParam, reinterpret_cast<LPARAM>(c.menu));
        EXPECT_EQ(statusText(wMessLine[n], 0), c.prompt);  // the simple part, read as part 0
    }
    SendMessageA(frame, WM_EXITMENULOOP, 0, 0);
    EXPECT_EQ(statusText(wMessLine[n], 1), "\t\t1");

    for (const auto& [id, text] : std::vector<std::pair<int, std::string>>{{GridWinPrint, "Print"}, {GridWinFind, "Find"}, {GridWinPaste, "Paste"}}) {
        NMTTDISPINFOA info{};
        info.hdr.hwndFrom = w.hTooltips;
        info.hdr.idFrom = static_cast<UINT_PTR>(id);
        info.hdr.code = TTN_GETDISPINFOA;
        SendMessageA(frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(std::string(info.lpszText), text);
    }
    closeChild(n);
}

TEST_F(GridWindow, SemiModelessWindowCountsItselfAndDisablesTheDialog) {
    const int before = nSemi;
    const int n = openChild();
    WGridEdit(GridId, 3);
    EXPECT_EQ(nSemi, before + 1);
    EXPECT_FALSE(IsWindowEnabled(GetParent(source)));
    EXPECT_TRUE(IsWindowEnabled(wWindow[n]));
    closeChild(n);
    EXPECT_EQ(nSemi, before);
    EXPECT_TRUE(IsWindowEnabled(GetParent(source)));
}

TEST_F(GridWindow, RevertingLeavesAPlainChild) {
    const int n = openChild();
    WGridEdit(GridId, 2);
    ASSERT_NE(yygridwindowrecord(n), nullptr);
    int dialog = 0, result = -1;
    yywindowrevert(dialog, 0, result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(yygridwindowrecord(n), nullptr);
    EXPECT_EQ(GetMenu(wWindow[n]), nullptr);
    EXPECT_EQ(GetDlgItem(wWindow[n], 1002), nullptr);
    EXPECT_TRUE(IsWindowVisible(hClient[n]));
    closeChild(n);
}

TEST_F(GridWindow, AnApplicationMenuFollowsTheGridMenusAndItsKeysWork) {
    const int n = openChild();
    WGridEdit(GridId, 2, 30100);
    ASSERT_EQ(WInfoError(1), 0);
    EXPECT_EQ(menuTexts(GetMenu(wWindow[n])), (std::vector<std::string>{"&File", "&Edit", "&Search", "&Stations"}));
    SetForegroundWindow(wWindow[n]);
    SetFocus(gridOf(n));
    pump();
    collectEvents();
    // The application's key, through the window manager's loop: a menu event of the window.
    pressKeys({'Q'}, false, true);
    WMessageRecord event{};
    ASSERT_EQ(nextEvent(event, {EvMenu}), EvMenu);
    EXPECT_EQ(event.Win, n);
    EXPECT_EQ(event.Value1, 30101);
    closeChild(n);
}

TEST_F(GridWindow, AFileGivenAtCreationLoadsTitlesAndIsSavedFromThePrompt) {
    ScratchFolder folder;
    {
        std::ofstream out("stations.csv", std::ios::binary);
        out << "alpha,3,1.5,2.25,Yes,blue,x\r\nbeta,4,2.5,3.25,No,red,y\r\n";
    }
    const int n = openChild(Framed, 0, "Stations");
    WGridEdit(GridId, 2, 0, 0, -1, -1, "stations.csv");
    ASSERT_EQ(WInfoError(1), 0);
    EXPECT_STREQ(record(n).szFileName, "stations.csv");
    char title[128] = "";
    GetWindowTextA(wWindow[n], title, sizeof title);
    EXPECT_STREQ(title, "Stations - [stations.csv]");
    EXPECT_EQ(cell(gridOf(n), Name, 1), "beta");
    EXPECT_EQ(cell(gridOf(n), Count, 0), "3");
    EXPECT_EQ(g(n)->bUnsaved, 0);

    // A change, then Yes to the save prompt on closing: written under its name, then the close request.
    int zero = 0;
    yygridputcellstring(zero, Name, 0, 0.0, "gamma", nullptr, 6, 0);
    g(n)->bUnsaved = 1;
    collectEvents();
    AutoAnswer yes(IDYES, PromptTitle);
    PostMessageA(wWindow[n], WM_CLOSE, 0, 0);
    WMessageRecord event{};
    ASSERT_EQ(nextEvent(event, {EvCloseRequest}), EvCloseRequest);
    EXPECT_EQ(yes.answered(), 1);
    const std::string saved = readWholeFile("stations.csv");
    EXPECT_EQ(saved.rfind("\"gamma\",3,", 0), 0u) << saved;
    EXPECT_NE(saved.find("\r\n\"beta\",4,"), std::string::npos) << saved;

    // New clears the copy and the name; Open through the file dialog loads and names it again.
    g(n)->bUnsaved = 0;
    collectEvents();
    PostMessageA(wWindow[n], WM_COMMAND, GridWinNew, 0);
    ASSERT_EQ(nextEvent(event, {EvMenu}), EvMenu);
    EXPECT_EQ(event.Value1, GridWinNew);
    EXPECT_EQ(cell(gridOf(n), Name, 0), "");
    GetWindowTextA(wWindow[n], title, sizeof title);
    EXPECT_STREQ(title, "Stations");
    AutoAct open("", [](HWND dialog) {
        constexpr int FileNameBox = 0x47C;
        if (GetDlgItem(dialog, FileNameBox) == nullptr) return;
        SetDlgItemTextA(dialog, FileNameBox, "stations.csv");
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    PostMessageA(wWindow[n], WM_COMMAND, GridWinOpen, 0);
    ASSERT_EQ(nextEvent(event, {EvMenu}, 5000), EvMenu);
    EXPECT_EQ(event.Value1, GridWinOpen);
    EXPECT_EQ(cell(gridOf(n), Name, 0), "gamma");
    EXPECT_NE(std::string(record(n).szFileName).find("stations.csv"), std::string::npos) << record(n).szFileName;
    EXPECT_EQ(g(n)->bUnsaved, 0);
    closeChild(n);
}

}  // namespace
