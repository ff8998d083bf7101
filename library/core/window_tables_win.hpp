// window_tables_win.hpp - the window manager's Win32 tables and process words (library-internal).
// One entry per WindowNumber (0 the root, 1..50 child windows); owned by the window manager.
#pragma once

#include <windows.h>

constexpr int MaxWindows = 51;
constexpr int StatusParts = 255;
constexpr int StatusBarId = 999;  // control identifier of every status bar
constexpr int WaitTimerId = 999;  // timer identifier of IOsWait on the root client area

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
extern HWND hDlgCur;                // current modeless dialog (dialog manager)
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

// The record attached to a frame, or null; its first word is the WindowKind.
int* yywindowrecord(HWND frame);
int yywindowkind(HWND frame);
void yysetwindowrecord(HWND frame, int* record);
