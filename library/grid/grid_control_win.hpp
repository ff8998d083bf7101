// grid_control_win.hpp - the grid control's Win32 side (library-internal): its procedures, the
// editor of the current cell, selection and clipboard, and the cell operations other parts of
// the library call.
#pragma once

#include <windows.h>

#include <string_view>
#include <utility>
#include <vector>

#include "grid/grid_records.hpp"

struct FieldRecord;

// Private messages of "KBNGRID".
constexpr UINT GM_SETUPCOLUMNS = WM_USER + 1;
constexpr UINT GM_SETUPROWLABELS = WM_USER + 2;
constexpr UINT GM_LAYOUT = WM_USER + 3;
constexpr UINT GM_SETSIZE = WM_USER + 4;
constexpr UINT GM_DESIGNMODE = WM_USER + 5;
constexpr UINT GM_HEADERWIDTHS = WM_USER + 6;

// Context-menu commands.
enum GridMenuCommand : int {
    GridCmdCut = 32122, GridCmdCopy = 32123, GridCmdPaste = 32124, GridCmdDelete = 32125,
    EditCmdUndo = 32221, EditCmdCut = 32222, EditCmdCopy = 32223, EditCmdPaste = 32224,
    EditCmdClear = 32225, EditCmdSelectAll = 32226,
};

extern ATOM atomGrid, atomGridClient;
// Immediate cell repainting (1) or invalidation only (0); bulk operations switch it.
extern int bCellUpdate;
// Set while the grid moves the focus itself or passes a press to the editor.
extern int bGridInternalFocus;

// The record of a grid window, or null (not a grid, or not yet created).
GridControlRecord* yygridrecord(HWND grid);
bool yyisgrid(HWND window);
// The grid window of a record's window (the cell area's parent).
HWND yygridofcells(HWND cells);

LRESULT CALLBACK yygridwndproc(HWND grid, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yygridwndprocclient(HWND cells, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yygridsubheader(HWND header, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yygridspinwndproc(HWND spin, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yygridcellwndproc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK yygridrowtemplateproc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Building from the companion text; used receives the characters consumed.
void yygridinitialise(HWND grid, std::string_view text, int& used);
LRESULT yygridsetupcolumns(HWND grid, HWND rowTemplate, const int* map);
LRESULT yygridsetuprowlabels(HWND grid, int width, const char* text);
void yygridlayout(HWND grid);
// The cell area was resized: row positions, label windows and the rows that fit follow.
void yygridcellsresized(HWND grid);
// Creates row-label window i (one empty item, the grid's font, subclassed), hidden.
HWND yygridmakelabelwindow(HWND grid, GridControlRecord* g, int i, int y, int height);
void YYMapDialogRect(HWND window, RECT& r);
// A field record's own copy of a format (new[]); null for none, or when no memory is left.
char* yygridcopyformat(const char* format);
// A control's field record, a new one attached when it has none; null, with the control
// destroyed, when none can be made.
FieldRecord* yygridcontrolrecord(HWND control);
// A column control's settings from another: a numeric field's range, spin steps, step origin and
// spin-box range; a combo box's items from position first on, with its selection.
void yygridcopynumericsettings(FieldRecord& to, const FieldRecord& from);
void yygridcopymenuitems(HWND to, HWND from, int first);
void yyGridSendScrollMessage(HWND grid, UINT message, WPARAM wParam, LPARAM lParam, int extend);
// Header widths to the visible columns.
void yygridheaderwidths(HWND grid);
// Rewrites the row-label windows from the label texts.
void yyGridUpdateRowLabels(GridControlRecord* g);
// The visible part of the selection in the cell area; 0 when none is on screen.
int yygridgetselrect(HWND grid, RECT& r);

// The editor of the current cell.
void yygridupdatecell(HWND grid, int column, int row, int focus, int extend);
void yyGridCreateCurrent(GridControlRecord* g);
void yyGridUpdateCurrent(GridControlRecord* g);
void yyGridStoreCurrent(GridControlRecord* g);
void yyGridDestroyCurrent(GridControlRecord* g, bool store);
// Sends GM_CELLCHANGE with the current cell to the grid's parent.
void yygridcellchanged(HWND grid);
// True while the grid fills its editor (its change notifications are then not the user's).
bool yygridloadingeditor();
// True when the focus is in the grid (the grid or one of its descendants).
bool yygridhasfocus(HWND grid);
// An editor holding an unacceptable number refuses to give way (and says so to the user).
bool yygridrefuses(GridControlRecord* g, HWND newFocus);

// A copy of picture in result with every button-face pixel made the highlight colour.
void yyHighlightBitmap(HBITMAP picture, HBITMAP result, HBITMAP work);

// The context menu for a click on target (the editor or the cell area), with its states.
HMENU yygridcontextmenu(HWND grid, HWND target);

// Selection and clipboard.
void yygridselectrange(HWND grid, int firstRow, int lastRow, int firstColumn, int lastColumn);
void yygridselectnone(HWND grid);
int yygridclipcopy(HWND grid);
int yygridclippaste(HWND grid);
void yygridclipdelete(HWND grid);
int yygridcheckclipboard();
void yygridclipcount(int& rows, int& columns);
int yygridcancut(HWND grid);
int yygridcanpaste(HWND grid);
void yygridcopy(HWND destination, HWND source);
void yygridmarkchanged(GridControlRecord* g);

// Cell operations (columns and rows from 0; see the routines' own comments).
HWND yygridfind(int& field);
// The grid a public routine names: null after reporting 1005 (a dialog's field while no dialog is
// current) or 1006 (no grid) under the routine's name.
HWND yygridnamed(const char* routine, int field);
void yyGridGetString(GridControlRecord* g, int column, int row, char* text, int size, int mode);
void yygridgetcellstring(int& field, int column, int row, char* text, int length);
void yygridgetcellvalue(int& field, int column, int row, double& value, int& undefined);
// yygridgetcellvalue, yygridputcellstring and yygridclearcell on a grid already found: a sort,
// load or save that works through every cell of one grid finds it once.
void yyGridGetValue(GridControlRecord* g, int column, int row, double& value, int& undefined);
void yyGridPutString(HWND grid, GridControlRecord* g, int column, int row, double value, const char* text,
                     const char* format, int textLength);
void yyGridClearCell(HWND grid, GridControlRecord* g, int column, int row, int mode);
void yygridgetcellcheck(int& field, int column, int row, int& value);
void yygridgetcellmenu(int& field, int column, int row, int& item);
void yygridgetmenustring(int& field, int column, int item, char* text, int length);
void yygridgetformat(int& field, int column, char* text, int length);
void yygridcelltype(int& field, int column, int& type);
void yygridcelllength(int& field, int column, int& length);
void yygridgetalign(int& field, int column, int& alignment);
// The case conversion of a text column: 1 upper-case style, 2 lower-case style, else 0. field
// becomes -2 for a column outside the grid, -1 when it names no grid.
void yygridgetcase(int& field, int column, int& conversion);
void yygridgetcolour(int& field, int column, int row, int& tr, int& tg, int& tb, int& br, int& bg, int& bb);
// The field records of a grid's columns taken once for a run of cell operations (a file loaded or
// saved): each lookup asks the window server for a window property, a round trip under Wine.
// While one lives, the cell routines take a column's record from it as long as the column keeps
// the control it was taken from and no field record was attached or freed since.
class GridColumnRecords {
public:
    explicit GridColumnRecords(HWND grid);
    ~GridColumnRecords();
    GridColumnRecords(const GridColumnRecords&) = delete;
    GridColumnRecords& operator=(const GridColumnRecords&) = delete;
    // False when the control's record must be asked for. After any field record has been attached
    // or freed (the grid's editor is made again while rows are added) the records are taken anew.
    bool find(HWND control, FieldRecord*& record) const;

private:
    mutable std::vector<std::pair<HWND, FieldRecord*>> records_;
    mutable unsigned changes_;
    const GridColumnRecords* outer_;
};
void yygridputcellstring(int& field, int column, int row, double value, const char* text, const char* format,
                         int textLength, int formatLength);
void yygridputcellcheck(int& field, int column, int row, int value);
void yygridputcelloption(int& field, int column, int row, int item);
void yygridputmenustring(int& field, int column, int row, int& notFound, const char* text);
void yygridputmenu(int& field, int column, int row, const char* text);
void yyGridClear(HWND grid, int menus);
void yygridclearcell(int& field, int column, int row, int mode);
void yygridclearmenu(int& field, int column, int row);
void yygridlabelcolumn(int& field, int item, const char* text, int length);
void yygridgetcolumnlabel(int& field, int item, char* text, int length);
void yygridlabelrow(int& field, int row, const char* text, int length);
void yygridgetrowlabel(int& field, int row, char* text, int length);
void yygridgetlabels(int& field, int& hasColumnLabels, int& rowLabelWidth);
void yygridcolourcell(int& field, int column, int row, int tr, int tg, int tb, int br, int bg, int bb);
void yygridcolourcolumn(int& field, int column, int tr, int tg, int tb, int br, int bg, int bb);
void yygridrange(int& field, int column, double low, double high);
void yygridrangecheck(int& field, int column, double value);
void yygridrangecheck2(int& status, HWND grid, int column, double value);
void yygridspinstepi(int& field, int column, int smallStep, int largeStep, int origin);
void yygridspinstepr(int& field, int column, float smallStep, float largeStep);
void yygridspinstepd(int& field, int column, double smallStep, double largeStep);
void yygridcellstate(int& field, int column, int row, int state);
void yygridcopycellstate(int& field, int column, int fromRow, int toRow);
void yygridwindowstate(HWND editor, int type, int readOnly, int repaint);
void yyGridRedrawCell(GridControlRecord* g, int column, int row, int now);
void yygridcellredrawoff();
void yygridcellredrawon(int& field);
// The cell area's strip of one column, invalidated and painted at once.
void yygridredrawcolumn(GridControlRecord* g, int column);

// Facts about a whole grid (codes 1..16; field -2 reads the last modal grid window).
void yygridgetinfo(int& field, int code, int& value);
// The find text (1), info text (2) or file name (3) of grid window number window (-1: the last
// modal one), at most length - 1 characters and a NUL.
void yygridgetinfostring(int window, int code, char* text, int length);
// The current grid window's find text (cut to 1023 characters) and find options; status 1006
// when the current window is not a grid window.
void yygridfindstring(int& status, const char* text);
void yygridfindflags(int flags, int& status);
// Makes a cell current and gives the grid the focus when its parent is active; the caret goes to
// position caret (>= 0) of an edit control that then holds the focus.
void yygridcellfocus(int& field, int column, int row, int caret);
void yygridsetselection(int& field, int firstColumn, int firstRow, int lastColumn, int lastRow);
void yygridclearselection(int& field);
// The number of rows in use (0..rows allocated), the current cell and view following.
void yygridsetrows(int& field, int rows);
void yygridsetrows2(HWND grid, int field, int rows);
// Sets the scroll bars of the grids whose rows in use changed while cell repainting was off and
// invalidates their cell areas (yygridcellredrawon, before it paints).
void yygridshowpendingrows();

// The sort over the sort context in gravim.grid: the key of a row (from 0), the exchange of two
// rows, and the sort of rows first..last (from 1) with text keys of keyLength bytes.
void yygridgetany(int row, int ignoreCase, char* text, int& integer, float& real, double& number, int& defined,
                  int& textLength, int bufferLength);
void yygridsortswap(int& field, int& row1, int& row2, int& moveLabels);
void yygridsort(int& first, int& last, int& keyLength);
// Searches rows firstRow..lastRow (from 0) of the context's column for text; found the row or -1.
void yygridfind(std::string_view text, int firstRow, int lastRow, int length, int& found);
// Rebuilds the grid's columns from its row template: columns controls at the template positions
// (from 1) with widths in dialog units (widths[0] -1: the template's). Every cell is emptied; the
// row labels and the rows in use stay. Not a grid, or a failed build: -1 in field.
void yygridredefine(int& field, int columns, const int* positions, const int* widths);
