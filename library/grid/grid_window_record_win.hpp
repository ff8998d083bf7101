// grid_window_record_win.hpp - the record of a grid window, the state kept after a modal grid
// window has closed, and the grid window's internal routines (library-internal, Win32).
#pragma once

#include <windows.h>

#include <cstddef>

struct GridControlRecord;

// The grid window's commands and the item identifiers of its three pop-up menus.
enum GridWindowCommand : int {
    GridWinFileMenu = 32100, GridWinNew = 32101, GridWinOpen = 32102, GridWinSave = 32103, GridWinSaveAs = 32104,
    GridWinPrint = 32105, GridWinPrintSelection = 32106, GridWinExit = 32107, GridWinSaveHTML = 32108,
    GridWinSaveSelection = 32109,
    GridWinEditMenu = 32120, GridWinCut = 32122, GridWinCopy = 32123, GridWinPaste = 32124, GridWinDelete = 32125,
    GridWinSelectAll = 32126, GridWinSort = 32127, GridWinInsertBefore = 32128, GridWinInsertAfter = 32129,
    GridWinDeleteRow = 32130,
    GridWinSearchMenu = 32140, GridWinFind = 32141, GridWinFindNext = 32142, GridWinGotoCell = 32144,
    GridWinGotoRow = 32145, GridWinGotoColumn = 32146,
};

// The record attached to a grid window's frame. Its first six members are the 32-bit words the
// window manager reads too (the kind, the frame's four docked bars, the grid), handles kept in
// them by wordOf/handleOf; the rest is the grid window's own.
struct GridWindowRecord {
    int iWindowKind = 4;  // KindGrid
    int TopBar = 0, LeftBar = 0, RightBar = 0, BottomBar = 0;  // none in mode 1
    int Grid = 0;         // the window's own "KBNGRID" control (identifier 1002)
    HWND hGridToolbar = nullptr;  // identifier 1001, none with option 0x20
    HWND hTooltips = nullptr;
    HWND hStatusBar = nullptr;
    HMENU hMenuBar = nullptr;
    HMENU hFileMenu = nullptr, hEditMenu = nullptr, hSearchMenu = nullptr;
    HACCEL hGridAccelerators = nullptr;
    HACCEL hUserAccelerators = nullptr;
    int iMode = 0;  // 1 modal, 2 modeless, 3 semi-modeless
    int bMoveRowLabels = 0;
    int bGrowRows = 0;
    int bFileLabels = 0;
    char szFileName[260] = {};
    char szTitle[1024] = {};
    char szFindText[1024] = {};
    char szInfoText[1024] = {};
    char szFilter[1001] = {};
    int iFilterIndex = 0;
    int bFindMatchCase = 0, bFindNumeric = 0;
    int bModalDone = 0;
    int bCanNew = 0;
    int bReadOnly = 0;
    int bCanOpen = 0, bCanSave = 0, bCanSaveAs = 0, bCanSaveHTML = 0, bCanPrint = 0, bCanFind = 0, bCanEditRows = 0;
    int bIgnoreLockedCells = 0;
    int bBackup = 0;
    int iLastCell = 0x40001;
};
static_assert(offsetof(GridWindowRecord, Grid) == 5 * sizeof(int), "the window manager reads the grid as word 5");

inline HWND gridWindowGrid(const GridWindowRecord& w) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(w.Grid)); }

// What a modal grid window leaves behind when it closes; zeros and empty texts before that.
struct LastModalGridState {
    int bUnsaved = 0;
    int bModified = 0;
    char szFindText[1024] = {};
    char szInfoText[1024] = {};
    char szFileName[260] = {};
    int bFindMatchCase = 0;
    int bFindNumeric = 0;
};
extern LastModalGridState LastModalGridWindow;

// The grid-window record of the window with that number, or of the current window for -2; null
// when that window is not a grid window.
GridWindowRecord* yygridwindowrecord(int windowNumber);
// The record of a frame, or null when it is no grid window.
GridWindowRecord* yygridwindowofframe(HWND frame);

// The find options as WGridFind takes its flags: 2 ignoring case, plus 4 with numeric cells.
inline int yygridfindoptions(int matchCase, int numeric) { return (matchCase ? 0 : 2) + (numeric ? 4 : 0); }

// Turns the current child window into a grid window showing a copy of grid field `field` of the
// current dialog. status is written only when something is wrong (the caller sets 0): 1 the root
// window is current, 2 an application menu with mode 1 (left out), 3 the menu resource is
// missing (an empty menu instead), 4 a modeless window with a menu inside a window that is no
// top-level host (no menu bar), 5 an inside window cannot be modal or semi-modeless (mode := 2),
// 6 no memory, 8 another special window, 11 no grid of that identifier, 12 the client area holds
// windows. Warnings 2..5 still build the window. fileName and filter are NUL-terminated.
void yygridedit(int& status, int& field, int& mode, int& menu, int& options, int& filterIndex, int& hostWindow,
                const char* fileName, const char* filter);
// Marks the current grid window's copy saved and unchanged; a modal one then runs its own loop
// until it closes.
void yygridedit2();
// Shows the file name in the frame's title, or in status-bar part 4 of a frame without caption.
void yyGridTitle(HWND frame);
// The current cell's editor when it is an edit or numeric edit control, else null.
HWND yyGridGetEditCell(const GridControlRecord* g);
// The save prompt: result 1 lets the caller go on (nothing to save, saved, not wanted), 0 when
// the user cancelled or saving failed. fileName holds 260 characters, filter 1001.
void yygridwinsaveprompt(int window, int unsaved, int& result, int& filterIndex, int backup, int fileLabels,
                         char* fileName, const char* filter);
// Lays out the frame's bars (the status bar repainted when resizing) and returns the rectangle
// left for the grid.
RECT yygridwindowlayout(HWND frame, const GridWindowRecord& w, bool resizing);
LRESULT CALLBACK yyGridWindowWndProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);
