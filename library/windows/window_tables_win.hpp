// window_tables_win.hpp - the window manager's Win32 tables and process words (library-internal).
// One entry per WindowNumber (0 the root, 1..50 child windows); owned by the window manager.
#pragma once

#include <windows.h>

#include "base/os_window_calls_win.hpp"

constexpr int MaxWindows = 51;
constexpr int StatusParts = 255;
constexpr int StatusBarId = 999;  // control identifier of every status bar

// WindowKind: the first word of the record a frame may carry as its window user data.
constexpr int KindEditor = 1;
constexpr int KindBitmapViewer = 2;
constexpr int KindDialog = 3;
constexpr int KindGrid = 4;
constexpr int KindSplit = 5;

extern HWND wWindow[MaxWindows];          // frame windows
extern HWND hClient[MaxWindows];          // client areas (class GRAVCLIENT)
extern HWND wMessLine[MaxWindows];        // status bars
extern HMENU hMenuRoot[MaxWindows];       // menus
extern HACCEL hAccel[MaxWindows];         // accelerator tables loaded with the menus
extern HGLOBAL hKBNMenuString[MaxWindows];  // menu prompt resources
extern int nMenuString[MaxWindows];       // prompt counts
extern HWND hToolbar[MaxWindows][4];      // 0 top, 1 left, 2 right, 3 bottom
extern int iToolSize[MaxWindows][4];      // their thickness in pixels
extern HBRUSH hWindowColour[MaxWindows];  // client background brush, 0 = the class brush
extern int iWindowColour[MaxWindows];     // background colour given at creation, -1 none
extern HCURSOR hCursorWin[MaxWindows];    // cursor of the client area, 0 none
extern int iCursorWin[MaxWindows];        // its shape number
extern int partlist[MaxWindows][StatusParts];         // status part widths, -1 stretches
extern UINT uStatusBorder[MaxWindows][StatusParts];   // status part border styles
extern RECT wChildRect[MaxWindows];       // normal rectangle of a maximised child, left -999 none
extern HWND hPrevious[MaxWindows];        // window that gets activation back when a child closes
extern UINT wDevice[MaxWindows];          // media device opened for the window, 0 none
extern HBITMAP hImage[MaxWindows];        // memory snapshots while wBlitOn is set

extern HINSTANCE wInstance;
extern ATOM atomRoot, atomChild, atomClient, atomSplitH, atomSplitV;
extern int iVerRTF;                 // rich-edit generation 1, 2 or 3
extern UINT uFindMsgString;         // the registered find/replace message
extern UINT cgmFormat;              // the registered clipboard format of CGM pictures
extern int wHideRoot;               // 1 while the root was opened hidden
extern int bDlgRoot;                // 1 while the root is combined with a dialog
extern HDC wDC;                     // drawing context of the current client area
extern int wWinWidth, wWinHeight;   // root geometry while it is built, then a client size
extern int wWinX, wWinY;
extern HWND hWinCur;                // the window whose title shows active
extern HWND hWinMenuClick;          // frame last pressed on its non-client area
extern HCURSOR wCursor;             // cursor that applies everywhere, 0 none
extern int iCursor;
extern HGLOBAL hFloatPrompt;        // floating menu-prompt resource
extern int wBlitOn;                 // 1 while windows repaint from memory snapshots
extern int bDecimal;                // 1: the numeric edit classes accept the locale decimal mark

// Window-text state.
extern HFONT wTextFont;
extern int wForeCol, wBackCol, wUnderline;
extern COLORREF wColor[18];
extern int wTextX, wTextY;          // window-text position in pixels

// Optional system libraries loaded when the root window opens, and their routines.
// (The e-mail library is loaded and freed by the e-mail services.)
extern HMODULE hMsimg32, hDwmapi;
extern FARPROC pGradientFill, pDwmIsCompositionEnabled;

constexpr int KeepValue = -999999;     // a coordinate or size that stays (or centres, when opening)
constexpr int NoChildRect = -999;      // wChildRect left word: no normal rectangle stored

// Words of the record of a frame that hosts one control filling its client area: a window combined
// with a dialog (KindDialog), an editor (KindEditor), a grid (KindGrid) or a bitmap viewer
// (KindBitmapViewer). Word 0 is the kind.
enum HostRecordWord : int {
    HostedWindow = 5,     // the hosted dialog, control or viewer (a handle word, handleOf)
    HostMinWidth = 6,     // combined dialog: the frame's smallest outer size
    HostMinHeight = 7,
};

// The split-window record (WindowKind 5): SplitRecordWords 32-bit words attached to the window
// that was split, zero at first. Word indexes are 0-based.
enum SplitWord : int {
    SplitBar = 5,              // the splitter bar window
    SplitWindow = 6,           // WindowNumber of the split window
    SplitFirstPane = 7,        // WindowNumber of the first pane; the second follows
    SplitFlags = 9,            // SplitStacked, SplitProportional, SplitKeepSecond
    SplitFirstStyle = 10,      // WindowStyleFlags of the first pane; the second follows
    SplitFirstProportion = 12, // client extents across the split at the split (1 and 1 halved)
    SplitAnchor = 14,          // bar-drag anchor, SplitNoAnchor while no drag is under way
    SplitOuterWidth = 15,      // outer size of the split window at the split, then at each size
    SplitOuterHeight = 16,
    SplitLastFocused = 17,     // frame of the pane that last had the focus
    SplitDesignated = 18,      // pane frame that receives commands and accelerators, 0 none
    SplitSizing = 19,          // 1 while the library sizes the split window
    SplitRecordWords = 20,
};
constexpr int SplitStacked = 1, SplitProportional = 2, SplitKeepSecond = 4;
constexpr int SplitNoAnchor = -999;

// Window handles travel in 32-bit record words.
inline HWND handleOf(int word) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(word)); }
inline int wordOf(HWND window) { return static_cast<int>(reinterpret_cast<INT_PTR>(window)); }

// The record attached to a frame, or null; its first word is the WindowKind.
int* yywindowrecord(HWND frame);
int yywindowkind(HWND frame);
void yysetwindowrecord(HWND frame, int* record);
