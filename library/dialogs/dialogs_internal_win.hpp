// dialogs_internal_win.hpp - the dialog manager's records, tables and internal routines
// (library-internal, Win32): what the window manager, the event model, the grid and the rest
// of the dialog manager use of it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string_view>

#include "windows/dialog_calls_win.hpp"
#include "windows/menus_win.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/field_rules.hpp"

// What the window manager asks of the dialog manager (windows/dialog_calls_win.hpp): the routines
// below answer its table, which yydialoginstallcalls installs while the library is assembled.
void yydialoginstallcalls();
// The dialog manager's start-up defaults (no current dialog, what a get from an undefined field
// returns), installed with the base's start-up hooks while the library is assembled.
void yydialoginstallhooks();
// Resets the dialog words the root window's creation resets.
void yyresetdialogwords();
// Unloads every loaded dialog (the root window closes); no dialog is current afterwards.
void yyunloadalldialogs();
// Makes the dialog that was current before a routine's own dialog current again (WDialogSelect),
// or none when previous is 0.
void yyrestorecurrentdialog(int previous);
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
// The "Library Error" box of debug level 4: 1 OK, 0 Cancel, -1 when it could not be shown.
int yyerrorbox(const char* text);

// DialogRecord words (attached to every dialog window as its user data, 21 words).
enum DialogWord : int {
    DlgId = 0,             // DialogId
    DlgResource = 1,       // resource number of the template (a modal show builds its copy from it)
    DlgShown = 2,          // 1 after a show, 0 after a hide
    DlgCurrentField = 3,   // field that last got the focus or changed
    DlgPreviousField = 4,  // word 3 before its last change
    DlgNewTab = 5,         // page selected by the last tab change
    DlgOldTab = 6,         // page deselected by it
    DlgShowMode = 7,
    DlgOwner = 8,          // the active window when the dialog was shown
    DlgKeptEnabled = 9,
    DlgLastCell = 10,      // PackedCell, 0x40001 at load
    DlgGraphicsField = 11, // field of the last graphics-field event, 0 the dialog itself
    DlgIsSurface = 12,
    DlgMouseButton = 13,
    DlgRootAccelerators = 14,
    DlgCombinedWindow = 15,
    DlgLastFieldWindow = 16,
    DlgGrowingControl = 17,
    DlgMinWidth = 18,
    DlgMinHeight = 19,
    DlgExitButton = 20,
    DialogRecordWords = 21,
};

// FieldRecord: attached to every control of a library dialog as its user data.
struct FieldRecord {
    double value = 0.0;             // last numeric value
    double lower = noRangeLower;    // range; lower > upper means none
    double upper = noRangeUpper;
    double smallStep = 0.0;         // spin step of one click
    double largeStep = 0.0;         // spin step after acceleration
    int integerBase = 0;            // origin of an integer spin field's step grid
    int defined = 0;                // 1 while the field holds a value
    HWND spinBuddy = nullptr;       // up-down control of a spin field
    WNDPROC nextProcedure = nullptr;  // procedure the library's subclass passes messages to
    int graphicsField = 0;          // 1 while the field is a drawing surface
    int textColour = -1;            // RGB, -1 the system colour
    int backColour = -1;
    int leftWithTab = 0;
    int maxLength = 0;
    int state = 1;                  // FieldState last set
    int tabStopCount = 0;
    int* tabStops = nullptr;        // owned
    char* format = nullptr;         // owned edit format, none = "(G15.5E2)"
    int changeEvents = 0;           // raise a field change for every text change
    int rightDistance = 0;          // resizing: distances from the client's right and bottom edges
    int bottomDistance = 0;
    int anchors = 0;                // anchor bits (field_rules.hpp)
    int flags = 0;                  // bit 1: a double click does not press the default button
    HCURSOR cursor = nullptr;       // cursor over a graphics field
    int cursorNumber = 0;
};

// The loaded-dialog table: entry 0 the modal copy while one is up, 1..nDialogs the loaded
// dialogs in load order, kept contiguous.
constexpr int MaxDialogs = 100;
extern HWND hDialogList[MaxDialogs + 1];
extern int nDialogs;
extern int iDlgCur;           // table index of the current dialog, 0 none
extern int iDlgAct;           // DialogId of the dialog whose modal copy closed last
extern int creatingDialog;    // 1 while the library builds or tears down dialog contents
extern int pendingFocusField; // consumed by the set-up of a modal copy
extern int pendingX, pendingY;
extern HWND hDlgCur;           // the modeless dialog that takes keyboard messages first
extern HBRUSH hBrushDlg;      // brush last made for a field's background colour
// Semi-modeless dialogs shown and the one shown last (0 none); written by the show and hide.
extern int nSemi;
extern HWND hLastSemi;

// Records. A control's field record is kept as a window property, so that controls with user
// data of their own (grids) can carry one too.
int* yydialogrecord(HWND dialog);
FieldRecord* yyfieldrecord(HWND control);
void yyattachfieldrecord(HWND control, FieldRecord* record);
// Frees a control's record and what it owns (tab stops; the format unless shared).
void yyfreefieldrecord(HWND control, bool keepFormat);
// Counts the records attached and freed, so that a copy of records taken for a run of work can
// tell that it still holds.
unsigned yyfieldrecordchanges();
// The record written for events of a dialog or one of its controls: the modal copy and its
// children write the record of the dialog being shown modally. Sets modal accordingly.
int* yyeventrecord(HWND dialog, bool& modal);
bool yyismodaldialog(HWND window);

// Loading and unloading. result: in the resource number, out -1 table full, -2 no template,
// -3 not created, else unchanged. window -1 lets the active window own the dialog.
void yydialogload(int& result, int identifier, int window);
void yydialogselect(int& identifier);
void yydialogparent(int& window);
void yydialogunload(int keepPages, int index);
void yydialogunload2(HWND dialog, int keepPages, int index);
BOOL yydialoginitialise(HWND dialog, LPARAM creation);
// The window manager's combined dialogs: load under the same identifier as a child of parent
// (null when it could not be loaded), show, hide and unload by identifier.
HWND yydialogload2(int dialog, HWND parent);
// True when a loaded dialog is a tab page of another loaded dialog.
bool yyissubdialog(HWND dialog);

// Companion text of a resource number applied to a dialog window; index is its entry in the
// table, or -1 for a dialog outside it (first menu item selected whatever the text says).
void yydialogkbn(HWND dialog, int resource, int index = -1);
void yyfieldrange2(int& field, double lower, double upper, HWND dialog);
// What the dialog manager asks of grid fields; the grid installs these when its classes are
// registered (until then a grid is left alone).
struct GridFieldHooks {
    // Builds a grid from the text after the control identifier of its "[Grids]" line; returns
    // the characters it consumed (its label lines included).
    std::size_t (*initialise)(HWND grid, std::string_view text) = nullptr;
    // Carries a grid's state into the modal copy of its dialog and back.
    void (*copy)(HWND destination, HWND source) = nullptr;
    // Empties every cell (menus: the menu lists too).
    void (*clear)(HWND grid, int menus) = nullptr;
    // Repaints the cell area after a state change.
    void (*repaint)(HWND grid) = nullptr;
    // The grid of the current grid window (field 0), or null.
    HWND (*windowGrid)() = nullptr;
};
extern GridFieldHooks gridFieldHooks;
void yysetgridfieldhooks(const GridFieldHooks& hooks);

// The dialog procedure.
INT_PTR CALLBACK yydialogproc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT yyProcessColour(HWND dialog, UINT message, HDC dc, HWND control);
void yydialoglayout(HWND dialog, int width, int height);

// Showing, tab pages and resizing (the rest in show_internal_win.hpp).
void yytabdialogend(HWND dialog);
// A tab's item data: the page's DialogId and its disabled mark.
struct TabItem {
    TCITEMHEADERA header;
    int page;
    int disabled;
};
// The DialogId of the page of tab position (0 when there is none) and its window (or null).
int yytabpageid(HWND tab, int position);
HWND yytabpagewindow(HWND tab, int position);
void yyDialogSelectAll(HWND control);
void yyDialogCreateSizeGrip(HWND dialog);
// Ends the modal copy after a push button; the shown dialog then holds what the copy held.
void yyendmodalcopy(HWND copy, int button);

// Numeric fields and the standard-control subclasses (the rest in control_classes_win.hpp).
// Presses the default button of the (outermost) dialog that holds control.
void yyDefaultButton(HWND control);
// 1 when the numeric field refuses to give the focus to newFocus (strict: a text that is not a
// number is refused even when the focus stays); 0 accepts.
int yyoutofrange(HWND control, HWND newFocus, int strict);
// Puts back the text and value a numeric field had when it got the focus.
void yyrestorestoredvalue(HWND control);
// The position a trackbar's Shift selection starts from.
int yytrackselectionstart();
// Installs the class's subclass and the library's outer subclass over a dialog control (the
// procedure beneath the outer one kept in word 13).
void yysubclassfield(HWND control);

// Where a field's picture of an off-screen bitmap or a metafile slot comes from: images installs
// the bitmaps' copy, graphics the slots' check and copy, when the library is assembled. Until
// then such a field gets no picture (error 1015).
// bitmapCopy: a copy of off-screen bitmap `identifier`, null when there is no such bitmap.
void yysetfieldbitmapsource(HBITMAP (*bitmapCopy)(int identifier));
// slotCheck: whether slot `slot` can give a field its picture (0, 1015 outside 1..20, 1061 not
// an enhanced metafile); slotCopy: a copy of the slot's metafile, its recording closed first
// (null when there is none).
void yysetfieldmetafilesource(int (*slotCheck)(int slot), HENHMETAFILE (*slotCopy)(int slot));

// Field queries (current dialog; field -1 when missing or of the wrong kind).
HWND yyfieldwindow(int field);
void yygetfieldtype(int& field, int& type);
int yyfieldtypeof(HWND control);
void yygetfieldstate(int& field, int& state);
int yyfieldstateof(HWND control);
void yygetfieldinfo(int& field, int& x, int& y, int& width, int& height, int mode);
void yygettrackrange(int& field, int& minimum, int& maximum);
void yygetoptioncount(int& field, int& count);
void yyfieldgetopt(int& field, int index, int& state);
void yyfieldputopt(int& field, int index, int state);
void yyfieldputopt2(int& field, int first, int last, int state);
void yyfieldcolour(int& field, int textRed, int textGreen, int textBlue, int backRed, int backGreen, int backBlue);
void yyFieldColour2(HWND control, int which, int red, int green, int blue);
int yyFieldInRect(HWND control, const RECT& rect);
void yyUpdateLast(HWND dialog, HWND field);
// True when the control's class is one of the six numeric edit classes.
bool yyisnumericclass(HWND control);
bool yyisspinclass(HWND control);
// One click of a spin field's up-down arrow: the buddy (INTEGERSPIN, REALSPIN, DOUBLESPIN) takes its
// modified text, moves by its step (yyspinvalue), shows the value and is marked defined; the
// notification's delta becomes 0 so the arrow keeps its own position. false for another buddy.
bool yyspinfieldstep(NMUPDOWN* change);
bool yyclassis(HWND control, const char* name);

// Tree views.
void yyTreeViewInit(HWND tree, int menu, int select);
void yyTreeViewCopy(HWND destination, HTREEITEM parent, HWND source, HTREEITEM first);
HTREEITEM yyTreeViewFind(HWND tree, int identifier);
void yytreeviewinsert(int& field, int reference, int where, int identifier, const char* text);
void yytreeviewdelete(int& field, int identifier);
void yytreeviewgetstate(int& field, int identifier, int& state);
void yytreeviewsetstate(int& field, int identifier, int state);
void yytreeviewsetstring(int& field, int identifier, const char* text);
void yytreeviewcheck(int on);

// Field values (current dialog; field -1 when missing or of the wrong kind, -2 where noted).
void yyfieldputtext(int& field, double value, std::string_view text, std::string_view format);
void yyfieldgetstring(int& field, char* buffer, int size);
void yyfieldgetlength(int& field, int& length);
void yyfieldgetvalue(int& field, double& value);
void yyfieldrangecheck(int& field, double value);
void yyfieldrange(int& field, double lower, double upper);
void yyfieldputcheck(int& field, int state);
void yyfieldgetcheck(int& field, int& state);
void yyfieldputradio(int& field);
void yyfieldgetradio(int& field, int& position);
void yyfieldgroup(int& field, HWND& first, HWND& last);
void yygetmenutype(int& field, int& kind);
void yyfieldputmenu(int kind, int& field, std::string_view text);
void yyfieldputoption(int kind, int& field, int option);
void yyfieldputcombo(int& field, std::string_view text);
void yyfieldgetlist(int& field, int& option, bool wanted, char* text, int size);
void yyfieldgetcombo(int& field, int& option, bool wanted, char* text, int size);
void yyfieldclear(int& field);
void yyfieldenable(int& field, int state, int noUpdate);
void yyfieldimage(int& field, int identifier, int kind);
void yyfieldgetformat(int& field, char* format, int size);
void yyfieldoption(int& field, int option, int value);
void yyfieldspinstepi(int& field, int smallStep, int largeStep, int base);
void yyfieldspinstepr(int& field, float smallStep, float largeStep);
void yyfieldspinstepd(int& field, double smallStep, double largeStep);
void yyfieldputprogress(int& field, int value, int relative);
void yyrangeprogress(int& field, int lower, int upper);
void yyfieldputtrack(int& field, int position, int start, int end, int mode);
void yyrangetrack(int& field, int minimum, int maximum, int ticFrequency);
void yyfieldtrackstep(int& field, int line, int page);
void yyfieldgettrack(int& field, int& position, int& start, int& end);
void yyfieldgettab(int& field, int& page);
void yyfieldgettree(int& field, int& item, bool wanted, char* text, int size);
void yyfieldputtree(int& field, int item);
void yydialogtitle(const char* title, int icon);


