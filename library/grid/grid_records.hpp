// grid_records.hpp - the grid's records: one GridControlRecord per grid control, one
// GridColumnRecord per column with its typed cell storage, flags and colours (portable).
// Window handles are held as the platform's own handle types, declared here without <windows.h>.
#pragma once

#include <cstddef>

struct HWND__;
struct HFONT__;

// Column types; the cell field type a column reports is gridFieldTypes[type].
enum GridColumnType : int {
    GridText = 0,
    GridInteger = 1,
    GridReal = 2,
    GridDouble = 3,
    GridCheckBox = 4,
    GridMenu = 5,
};
constexpr int gridFieldTypes[6] = {4, 5, 6, 7, 9, 11};

// One flag byte per cell.
enum GridCellFlags : unsigned char {
    CellReadOnly = 1,  // the cell cannot be edited
    CellHasValue = 2,  // a number cell without it is empty whatever it stores
    CellDefined = 4,   // the value's text is not all blanks
};
constexpr unsigned char CellEmptyMask = 0xF9;  // clears the value bits, keeps read-only

// Window style bits of a grid control.
enum GridStyleBits : unsigned {
    GridOwnReadOnlyColours = 0x0010,
    GridSelectionEvents = 0x0020,
    GridPasteEvents = 0x0040,
    GridNoLabelText = 0x0080,
    GridKeepHeight = 0x0100,
    GridColumnHeader = 0x0200,
    GridRowLabels = 0x0400,
    GridReadOnly = 0x0800,
    GridEnterMovesDown = 0x1000,
    GridResizableColumns = 0x2000,
    GridTabMoves = 0x4000,
    GridWrapRows = 0x8000,
};

// A cell's colours: bit 0 of flags a text colour is set, bit 1 a background colour.
struct GridCellColour {
    unsigned char flags;
    unsigned char text[3];
    unsigned char back[3];
};
static_assert(sizeof(GridCellColour) == 7);

constexpr int GridLabelSize = 51;         // 50 characters and a NUL per row label
constexpr int GridRealTextLength = 50;    // longest written real or double
constexpr int GridIntegerTextLength = 11;
constexpr int GridDefaultTextLength = 1024;
// Texts of cells are read into work areas of this size (painting, printing, copying).
constexpr int GridTextBufferSize = 32768;

struct GridColumnRecord {
    int cxWidth = 0;      // pixels, the shared border line included
    int iType = GridText; // GridColumnType
    int nMaxLength = 0;   // text 1..n, integer 11, real and double 0
    void* pValues = nullptr;              // nRowsAllocated entries of the type's size
    unsigned char* pCellFlags = nullptr;  // one GridCellFlags byte per allocated row
    GridCellColour* pCellColours = nullptr;  // none until a cell is first coloured
    HWND__* hControl = nullptr;           // hidden copy of the template control
};

struct GridControlRecord {
    int bInitialised = 0;
    int nColumns = 0;
    int iMaxFirstColumn = 0;
    int nRowsAllocated = 0;
    int nColumnsDefined = 0;
    int nRows = 0;
    int nRowsFit = 0;
    int nRowSlots = 0;
    int nRowSlotsShown = 0;
    int cyRow = 0;
    int iCurColumn = 0, iCurRow = 0;
    int iFirstColumn = 0;
    int iLastColumn = 0;
    int iFirstRow = 0;
    int cxRowLabels = 0;
    int cyHeader = 0;
    int idTemplate = 0;
    int iSelFirstRow = -1, iSelLastRow = -1, iSelFirstColumn = -1, iSelLastColumn = -1;
    int iAnchorColumn = -1, iAnchorRow = -1;
    int nScrollDivisor = 1;
    int iScrollTarget = 0;
    int iWheelDelta = 0;
    int cyClient = 0;
    int cyFrame = 0;
    GridColumnRecord* pColumns = nullptr;
    HWND__* hCells = nullptr;
    HWND__* hEditor = nullptr;
    HWND__* hHeader = nullptr;
    HWND__** pRowLabelWindows = nullptr;
    HWND__* hMenuTarget = nullptr;
    char* pRowLabels = nullptr;  // nRowsAllocated labels of GridLabelSize bytes
    HWND__* hDroppedMenu = nullptr;
    int bUnsaved = 0;
    int bModified = 0;
    int bDesignMode = 0;
    HFONT__* hFont = nullptr;
    int nRowLabelWindowsAllocated = 0;  // entries of pRowLabelWindows
    int bSharesStorage = 0;  // a modal copy's grid: columns and labels belong to the original
};

// (row + 1) + ((column + 1) << 18): a cell as the events carry it; 0 means none.
constexpr int yypackcell(int column, int row) { return (row + 1) + ((column + 1) << 18); }

// Bytes of one value entry of a column.
std::size_t yygridentrysize(int type, int maxLength);
// Allocates a column's values and flags for rows entries, zero-filled; false when either
// allocation failed (the column then holds neither).
bool yygridallocatecells(GridColumnRecord& column, int rows);
// Frees values, flags and colours.
void yygridfreecells(GridColumnRecord& column);
// A column's width, type, length and its rows of values, flags and colours into storage of its
// own (the column control is not copied); false when an allocation failed (copy then holds none).
bool yygridduplicatecells(GridColumnRecord& copy, const GridColumnRecord& column, int rows);

// Typed access to one stored cell (the caller checks the type and the row).
char* yygridcelltext(const GridColumnRecord& column, int row);
int& yygridcellint(const GridColumnRecord& column, int row);
float& yygridcellreal(const GridColumnRecord& column, int row);
double& yygridcelldouble(const GridColumnRecord& column, int row);

// Empties a stored cell: empty text, 0, unchecked, first menu item; value bits cleared.
void yygridemptycell(GridColumnRecord& column, int row);
// Stores a number into an integer (truncated toward zero), real (rounded to single precision)
// or double cell; other types are left alone.
void yygridstorenumber(GridColumnRecord& column, int row, double value);
// Stores a text into a text cell, cut to the column's length and to limit characters.
void yygridstoretext(GridColumnRecord& column, int row, const char* text, std::size_t limit);
// Sets flag bits 1 and 2: has a value when nonEmpty, defined when nonBlank.
void yygridsetvalueflags(GridColumnRecord& column, int row, bool nonEmpty, bool nonBlank);
// The stored cell as text: text cells their text, numbers (with a value) in decimal or through
// the format, check boxes "Yes"/"No" (symbol mode: 0xFC/0xFB). Menu cells deliver nothing here.
// Writes at most size - 1 characters and a NUL; returns the length written.
std::size_t yygridstoredtext(const GridColumnRecord& column, int row, const char* format, bool symbols,
                             char* buffer, std::size_t size);

// Colours. rgb -1 means none; a red of 256 back to default, -1 leave unchanged (setters).
// Creates the colour array for rows entries filled from the column's colours; false on failure.
bool yygridcreatecolours(GridColumnRecord& column, int rows, int textColour, int backColour);
void yygridsetcellcolour(GridCellColour& entry, int which, int red, int green, int blue);
// The colour of an entry (which 1 text, 2 background) as 0x00BBGGRR, or -1 when not set.
int yygridcellcolour(const GridCellColour& entry, int which);

// True when value lies in [low, high]; a range with low > high accepts every value.
bool yygridinrange(double low, double high, double value);

// True when the text holds a character other than a blank before its end.
bool yygridnonblank(const char* text);
