// windows_internal_win.hpp - Win32 internals of the window manager, window procedures and events.
#pragma once

#include <windows.h>

#include <functional>

// Window procedures: frames (GRAVIMONDER, GRAVCHILD), client areas (GRAVCLIENT), splitter bars.
LRESULT CALLBACK yyWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yyWndProcClient(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yySplitProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Non-zero when pane (0, 1) of a split record cannot change its width (0) or height (1).
int yySplitFixed(const int* record, int pane, int dimension);
// 1 when the frame may close, 0 when the user cancelled a save prompt.
int yyCloseCheck(HWND frame);
// A frame's size change as the placement sees it: a maximised child keeps its normal rectangle
// (wChildRect), a restored one gets it back, a minimised one shows its parent active. True when
// minimised (nothing to lay out).
bool yychildsized(HWND frame, WPARAM sizeType);
// The status bar that shows window n's menu prompts: its own, else its parents' outwards.
HWND yyGetPromptWindow(int n);

// The event translator every library window procedure calls.
void yyinterpretmessage(int type, int a, WPARAM wParam, LPARAM lParam, HWND window);
// A field change that a control of an add-on reports itself (the grid's), stored in the
// current-event slot as taken: window is a window number or DialogId, value 4 is -1, the time the
// message's.
void yystorefieldchanged(int window, int value1, int value2, int value3, int x, int y);
// The x word of a wait's field change: cell when the wait asked for the first change's cell
// (which is then given), else what the slot holds.
int yyfieldchangedx(int cell);
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
int yycreaterootwindow(int x, int y, int& width, int& height, int& flags, int menu,
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

// Building a library frame (root, child windows and panes alike).
DWORD yyframestyle(int flags);  // caption, clipping and the bits of WindowStyleFlags
// Outer size of a frame of that style around a client area, with the menu bar when menu is set.
void yyoutersize(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, bool menu,
                 int& width, int& height);
// The item list, accelerators and menu prompts that come with window n's menu resource.
void yyloadmenuextras(int n, int menu);
// Creates window n's toolbars and status bar and grows its frame (x, y, width, height: its
// outer rectangle) to hold them, moving a centred frame by half. True when it grew.
bool yyframebars(int n, int flags, const int toolbars[4], int& x, int& y, int& width, int& height,
                 bool centreX, bool centreY);
// The client area, in the frame's client rectangle less toolbars and status bar.
void yycreateclient(int n, int flags);
// Gives window n's new frame its menu (with its extras), toolbars, status bar and client area;
// x and y become its position (in the parent's client coordinates for an inner frame). False
// when the client area could not be made.
bool yyfinishframe(int n, HMENU menuHandle, int menu, int flags, const int toolbars[4], int& x, int& y,
                   bool centreX, bool centreY);
// Probes a dialog to be combined with a window: 0, or -1 no template, -2 wrong style, -4 not
// creatable. Gives its outer size; a fixed-size dialog sets WinFixedSize and clears the maximise
// bits of flags.
int yyprobecombineddialog(int dialog, HWND owner, int& flags, int& width, int& height,
                          bool* resizable);
// The same for a child window or pane, which also refuses -5 (loaded) and -3 (100 loaded).
int yycombineddialogstatus(int dialog, int& flags, int& width, int& height, bool* resizable);
// Loads the dialog into window n and attaches the kind-3 record; false when it did not load.
bool yycombinedialog(int n, int dialog, int flags);

// The split record of the window that holds this pane frame, or null when it is no pane.
int* yysplitrecordofpane(HWND pane);

// Opening. result: the new WindowNumber, or -1 none free or not created, -2 parent not visible,
// -3 parent combined with a dialog, -4 parent another special window, -5 no parent window.
// dialog: unchanged, or -1 no template, -2 wrong style, -3 100 dialogs loaded, -4 not created,
// -5 already loaded (the window then opens without it).
void yyopenchild(int x, int y, int width, int height, int& result, int flags, int menu,
                 const int toolbars[4], int& dialog, int parent, int background, const char* title);
// Splits the current window into two panes: result receives both pane numbers, or twice -3
// (combined with a dialog), -4 (another special window), -6 (holds inner children), -1.
void yywindowsplit(int result[2], int splitFlags, const int paneFlags[2], int position,
                   const int menus[2], const int toolbars[2][4], int dialogs[2],
                   const int backgrounds[2], const char* firstTitle, const char* secondTitle);
int yygetnextfree();
void yywindowcheckinside(int& result);
int yyedittest();

// Closing: n becomes -1 when it is no child window; currentDialog becomes 0 when the closing
// unloaded that dialog.
void yyclosechild(int& n, int& currentDialog);
void yyCloseChild2(int n, int& currentDialog);
void yyCloseChild3(int n, int& currentDialog);
// Empties window n's table entries, deletes its brush and drops its parked event; its windows
// are gone or go with their parent.
void yyforgetwindow(int n);
// result: 0 done, 1 no current window, 2 the window has no special record.
void yywindowrevert(int& currentDialog, int flags, int& result);

// The current window: placement (KeepValue keeps; state -1 keep, 0 minimised, 1 normal,
// 2 maximised, 3 hidden; returns the client size), title and icon, raising.
void yywindowsizepos(int x, int y, int& width, int& height, int state);
void yywindowtitle(int& icon, int mode, const char* title);
void yywindowraise();

// Status-bar parts of the current window: border 0 none, 2 raised, else sunken.
void yysetstatuspart(int part, int width, int border);
void yysetstatusbar(int parts);

// The current client area: scroll its contents, or fill pixels x1..x2, y1..y2 (inclusive).
// Colour -1 the window-text background, other negative values the window's background.
void yyscrollarea(int dx, int dy, int colour);
void yycleararea(int x1, int y1, int x2, int y2, int colour);

// For the special windows that take over a child frame (editor, grid window).
// The library frame whose client area holds an inside frame, or null; a split window or not.
HWND yyparentframe(HWND frame);
bool yyissplitwindow(HWND frame);
// True for a frame inside another window that does not lie in a chain of split windows ending
// in a top-level one (it can show no menu bar of its own).
bool yyembeddedframe(HWND frame);
// Destroys window n's docked toolbars with their tooltip texts; true when it had any.
bool yydropdockedbars(int n);
// Places window n's docked toolbars inside area (top and bottom across, left and right between)
// and returns what is left.
RECT yyplacedockedbars(int n, RECT area);
// Window n's menu bar becomes bar; a different one it had goes with its accelerators and prompts.
void yyreplacemenubar(int n, HMENU bar);
// Lends a pane's menu bar to every split window without one from the pane up to hostWindow
// (designating the pane for their commands) and shows it on a top-level one; false when the
// frame does not lie inside hostWindow.
bool yylendmenubar(HWND frame, HMENU bar, int hostWindow);
// Window n's menu bar goes: taken back from every window that shows it, n's own frame included,
// then destroyed with its prompts.
void yydestroymenubar(int n, HMENU bar);
// Window n's menu bar (a child frame's, which the frame itself cannot show), and the prompt
// resource of the menu number it was built from; the caller keeps what they replace.
void yysetwindowmenu(int n, HMENU bar);
void yysetmenuprompts(int n, HGLOBAL prompts);
// Window n's menu bar, accelerators and prompts are forgotten (the caller destroyed the menu or
// lets its frame take it along).
void yyforgetmenubar(int n);
// Window n's status bar is forgotten when it is bar (a special window destroyed its own).
void yyforgetstatusbar(int n, HWND bar);
// The window whose title shows active (a frame getting the focus, a dialog becoming current).
void yysettitlewindow(HWND window);
// Windows repaint from their memory snapshots while on (a modal start froze them), and window
// n's snapshot (null when it has none); the caller owns the bitmap it replaces.
void yysetblitting(int on);
void yysetwindowsnapshot(int n, HBITMAP image);
// A modal special window going without the window manager's close: its drawing context, its
// owned windows' and its own table entries go, and the root becomes current where it was.
void yyforgetmodalwindow(HWND frame, int n);
// The nested loop of a modal special window until done: the window's accelerators, then offer
// (a dialog's keys, say), then translation and dispatch; the caret blink is dropped.
void yymodalwindowloop(const int& done, HWND frame, HACCEL accelerators, const std::function<bool(MSG&)>& offer);

// Small window services.
// A window's outer height; 0 for none.
inline int heightOf(HWND window) {
    RECT r{};
    if (window != nullptr) GetWindowRect(window, &r);
    return r.bottom - r.top;
}
int yygetwindowindex(HWND window);
// True when window lies inside frame or is owned by it, directly or through a chain of owners
// (an owned window may itself lie inside another owned one).
bool yywindowbelongsto(HWND window, HWND frame);
void yystringout(int& x, int& y, const char* text, int length);
void yystringlen(int& width, const char* text, int length);
void yysetfontcolourrgb(int index, int red, int green, int blue);
void yyringbell();
void yyringbell2();
void yysetbell(int value);
void yychangecursor(int shape, int scope, int targetKind, int number);
void yysetcursorpos(int x, int y, int target);
void yytitlecolour(HWND window);
void yydecimal(bool on);
void yygradfilltype(int& type);
int yyIsDwmEnabled();
void yysystime(int& milliseconds);

// Installs the window manager's answers to the base below it (base/os_window_calls_win.hpp): the
// root window's frame and client area, and WindowClose. Called by the library's assembly.
void yywindowmanagerinstall();
