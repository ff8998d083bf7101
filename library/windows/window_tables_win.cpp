// window_tables_win.cpp - storage of the window manager's Win32 tables and process words, and
// what the window manager answers the base from them.
#include "windows/window_tables_win.hpp"

#include "base/os_window_calls_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal_win.hpp"

HWND wWindow[MaxWindows];
HWND hClient[MaxWindows];
HWND wMessLine[MaxWindows];
HMENU hMenuRoot[MaxWindows];
HACCEL hAccel[MaxWindows];
HGLOBAL hKBNMenuString[MaxWindows];
int nMenuString[MaxWindows];
HWND hToolbar[MaxWindows][4];
int iToolSize[MaxWindows][4];
HBRUSH hWindowColour[MaxWindows];
int iWindowColour[MaxWindows] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                 -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                 -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                 -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
HCURSOR hCursorWin[MaxWindows];
int iCursorWin[MaxWindows];
int partlist[MaxWindows][StatusParts];
UINT uStatusBorder[MaxWindows][StatusParts];
RECT wChildRect[MaxWindows];
HWND hPrevious[MaxWindows];
UINT wDevice[MaxWindows];
HBITMAP hImage[MaxWindows];

HINSTANCE wInstance;
ATOM atomRoot, atomChild, atomClient, atomSplitH, atomSplitV;
int iVerRTF;
UINT uFindMsgString;
UINT cgmFormat;
int wHideRoot;
int bDlgRoot;
HDC wDC;
int wWinWidth, wWinHeight, wWinX, wWinY;
HWND hWinCur;
HWND hWinMenuClick;
HCURSOR wCursor;
int iCursor;
HGLOBAL hFloatPrompt;
int wBlitOn;
int bDecimal;

HFONT wTextFont;
int wForeCol, wBackCol = 15, wUnderline;
COLORREF wColor[18];
int wTextX, wTextY;

HMODULE hMsimg32, hDwmapi;
FARPROC pGradientFill, pDwmIsCompositionEnabled;

int* yywindowrecord(HWND frame) {
    if (frame == nullptr) return nullptr;
    return reinterpret_cast<int*>(GetWindowLongPtrA(frame, GWLP_USERDATA));
}

int yywindowkind(HWND frame) {
    const int* record = yywindowrecord(frame);
    return record != nullptr ? record[0] : 0;
}

void yysetwindowrecord(HWND frame, int* record) {
    SetWindowLongPtrA(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record));
}

void yywindowmanagerinstall() {
    OsWindowCalls calls;
    calls.rootFrame = [] { return wWindow[0]; };
    calls.rootClient = [] { return hClient[0]; };
    calls.closeWindows = WindowClose;
    yysetoswindowcalls(calls);
}
