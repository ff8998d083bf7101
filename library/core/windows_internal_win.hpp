// windows_internal_win.hpp - Win32 internals of the window manager, window procedures and events.
#pragma once

#include <windows.h>

// Window procedures: frames (GRAVIMONDER, GRAVCHILD), client areas (GRAVCLIENT), splitter bars.
LRESULT CALLBACK yyWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yyWndProcClient(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yySplitProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Non-zero when pane (0, 1) of a split record cannot change its width (0) or height (1).
int yySplitFixed(const int* record, int pane, int dimension);
// 1 when the frame may close, 0 when the user cancelled a save prompt.
int yyCloseCheck(HWND frame);
// The status bar that shows window n's menu prompts: its own, else its parents' outwards.
HWND yyGetPromptWindow(int n);

// The event translator every library window procedure calls.
void yyinterpretmessage(int type, int a, WPARAM wParam, LPARAM lParam, HWND window);
// Offers a message to the accelerators of menuWindow (or of a split window's designated pane).
int yyTranslateAccelerator(HWND window, HWND menuWindow, MSG* message);
// The message pumps: blocking (WMessage) and non-blocking (type -1 when the queue is empty).
struct WMessageRecord;
void yydispatchnextmessage(int& type, WMessageRecord& record);
void yydispatchpeekmessage(int& type, WMessageRecord& record);
// Unit conversions and resize bookkeeping of one event record.
void yyevent(int type, WMessageRecord& record);
// Pixel size of a window's client area (kind 1) or of a field of the current dialog (kind 3).
void yydrawablesize(int kind, int ident, int& width, int& height);
// Milliseconds since the system started, 31 bits.
int yycurrenttime();

// Window manager.
int yycreaterootwindow(int x, int y, int& width, int& height, int flags, int menu,
                       const int toolbars[4], int colours, int& dialog, int background,
                       const char* title);
void yyshutdown();
INT_PTR CALLBACK yyWindowSizeDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
int yywindowselect(int& width, int& height, int n);
void yywinsel(int n, int reselect);
int yywindowtest(int n);
void yyclosemcidevice(int n);
void yysetstatustext(int part, const char* text);
void yySetStatusBar2(int n, int parts);
// Installs the status-bar and message-box outputs of debug levels 3 and 4.
void yyinstallerroroutputs();

// Small window services.
int yygetwindowindex(HWND window);
void yystringout(int& x, int& y, const char* text, int length);
void yystringlen(int& width, const char* text, int length);
void yysetfontcolour(int foreground, int background);
void yysetfontcolourrgb(int index, int red, int green, int blue);
void yysetfontunderline(int flag);
void yycreatefont(int family, int bold, int italic, int& width, int& height);
void yyringbell();
void yyringbell2();
void yysetbell(int value);
void yychangecursor(int shape, int scope, int targetKind, int number);
void yysetcursorpos(int x, int y, int target);
void yytitlecolour(HWND window);
void yygrselectnone();
void yydecimal(bool on);
void yygradfilltype(int& type);
int yyIsDwmEnabled();
void yysystime(int& milliseconds);
