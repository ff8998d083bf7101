// grid_window_record_win.hpp - the record of a grid window and the state kept after a modal grid
// window has closed (library-internal). The grid window fills them; the grid facts read them.
#pragma once

#include <windows.h>

struct GridWindowRecord {
    int iWindowKind = 4;  // KindGrid: the word the window manager reads first
    HWND hTopBar = nullptr, hLeftBar = nullptr, hRightBar = nullptr, hBottomBar = nullptr;
    HWND hGrid = nullptr;
    HWND hGridToolbar = nullptr;
    HWND hTooltips = nullptr;
    HWND hStatusBar = nullptr;
    HMENU hMenuBar = nullptr;
    HMENU hFileMenu = nullptr, hEditMenu = nullptr, hSearchMenu = nullptr;
    HACCEL hGridAccelerators = nullptr;
    HACCEL hUserAccelerators = nullptr;
    int iMode = 0;
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

// The find options as WGridFind takes its flags: 2 ignoring case, plus 4 with numeric cells.
inline int yygridfindoptions(int matchCase, int numeric) { return (matchCase ? 0 : 2) + (numeric ? 4 : 0); }
