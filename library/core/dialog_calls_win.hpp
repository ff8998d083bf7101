// dialog_calls_win.hpp - what the window manager asks of the dialog manager (library-internal,
// Win32). Declared here, in the lower layer, and defined by the dialog manager, so that the core
// includes nothing of the dialog manager. The dialog manager's own header includes this one.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Control classes of the dialog manager (the numeric edit classes, the standard subclasses and
// the class atoms), registered when the root window is created.
void yyregistersuperclass();
void yyregistersubclass();
void yygetatoms();
// Resets the dialog words the root window's creation resets.
void yyresetdialogwords();
// Unloads every loaded dialog (the root window closes); no dialog is current afterwards.
void yyunloadalldialogs();

// Selecting a loaded dialog by its DialogId (public, declared with the dialogs' routines too).
void WDialogSelect(int identifier);
// The table index of a loaded dialog, or -1.
int yydialogfind(int identifier);
// The window of a loaded dialog, or null.
HWND yydialogwindow(int identifier);
// The window of the current dialog, or null.
HWND yycurrentdialogwindow();
// The DialogId of a library dialog's window, 0 when window is none.
int yydialogidof(HWND window);
bool yyIsResizableDialog(HWND dialog);
// True when no further dialog can be loaded.
bool yydialogtablefull();
// True while a semi-modeless dialog is shown (new windows start disabled then).
bool yysemimodelessshown();
// The modeless dialog that takes keyboard messages first, or null; set by a window combined with
// a dialog getting the focus, cleared by any other window getting it.
HWND yyactivemodelessdialog();
void yysetactivemodelessdialog(HWND dialog);

// Windows combined with a dialog. result: in the resource number, out -1 table full, -2 no
// template, -3 not created, else unchanged. window -1 lets the active window own the dialog.
void yydialogload2(int& result, int identifier, int window, int combine);
void yydialogshow(int dialog, int x, int y);
void yydialoghidecombined(int dialog);
void yydialogunload(int dialog);
// The frame a dialog is combined with, or null; set once the frame holds it.
HWND yydialogcombinedwindow(HWND dialog);
void yysetdialogcombinedwindow(HWND dialog, HWND frame);
// True when a dialog combined with no window lets the root window's accelerators act.
bool yydialogusesrootaccelerators(HWND dialog);
// Whether the template `dialog`, created as probe by the window manager, may grow with its
// window (its companion text decides).
bool yyprobedialogresizable(HWND probe, int dialog);
// A window closing: every loaded dialog inside frame or owned by it is hidden and unloaded (the
// caller's currentDialog becomes 0 when it named one); dialogs that would be shown over frame are
// shown over heir instead.
void yydialogswindowclosing(HWND frame, HWND heir, int& currentDialog);

// The words of a dialog's record that its events carry.
struct DialogEventWords {
    int dialog = 0;         // DialogId
    int currentField = 0;   // field that last got the focus or changed
    int previousField = 0;
    int lastCell = 0;       // PackedCell of the last field change
    int graphicsField = 0;  // field of the last graphics-field event, 0 the dialog itself
    int newTab = 0, oldTab = 0;
    int mouseButton = 0;
};
// False (words untouched) when window is not a library dialog.
bool yydialogeventwords(HWND window, DialogEventWords& words);
void yysetdialoglastcell(HWND window, int cell);

// Fields of the current dialog: the cursor number a graphics field shows (-1 none), and a new
// cursor for a field's control (false when the control is no library field).
int yyfieldcursornumber(int field);
bool yysetfieldcursor(HWND field, HCURSOR cursor, int shape);
// Takes the cursor from every control of every loaded dialog.
void yyclearfieldcursors();
// Paints the title of every loaded dialog active when it is `active`, else inactive.
void yytitlecolourdialogs(HWND active);

// Menus, toolbars, prompts and tooltips of library windows (dialogs/menus_win.hpp says more):
// the item-identifier list applied to a window's menu, a toolbar created at a position (it records
// itself and its thickness), the prompt resource of a menu number and the prompt it holds, the
// tooltip text set at run time, the tooltip table freed, the run-time prompts of a menu freed.
void yymenuloadrc(HMENU menu, int number);
void yymntbar(int& number, int n, int position, int& clientWidth, int& clientHeight);
HGLOBAL yyloadmenustring(int number);
std::optional<std::string> yymenustringprompt(HGLOBAL resource, unsigned identifier);
std::optional<std::string> yytooltiptext(int n, int command);
void yyfreetooltips(int n);
void yyClearMenuPrompt(HMENU menu, int n);

// The "Library Error" box of debug level 4: 1 OK, 0 Cancel, -1 when it could not be shown.
int yyerrorbox(const char* text);
