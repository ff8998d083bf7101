// grid_window_commands_win.cpp - the grid window's commands on its grid: sort, goto, find,
// inserting and deleting rows and printing, with the bracket every command works in and its
// dialogs' loading and waiting.
#include "grid/grid_window_commands_win.hpp"

#include <windows.h>

#include <string>
#include <vector>

#include "windows/events.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/messagebox.hpp"
#include "dialogs/modal_win.hpp"
#include "dialogs/show_internal_win.hpp"
#include "grid/grid.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_print_win.hpp"
#include "grid/grid_window_commands.hpp"
#include "grid/grid_window_commands_internal_win.hpp"
#include "grid/grid_window_record_win.hpp"
#include "resources/library_ids.h"

namespace {

// The grid of the current grid window, as the grid routines name it.
constexpr int WindowGrid = 0;
constexpr int LabelLength = 50;
constexpr int NoCaret = -1;
constexpr int PrintSet = 2;

int gridFact(int code) {
    int field = WindowGrid, value = 0;
    yygridgetinfo(field, code, value);
    return value;
}

int integerOf(int field) {
    int value = 0;
    WDialogGetInteger(field, value);
    return value;
}

bool shownModalWithOk() {
    WDialogShow(-1, -1, 0, 1);
    return gravim.dialogs.exitButton == IDOK;
}

// Empties a row (from 0) as a fresh one: menu cells at their first item, other cells empty, the
// label empty when labels move with their rows.
void emptyRow(int row, int moveRowLabels) {
    const int columns = gridFact(1);
    for (int column = 0; column < columns; ++column) {
        int field = WindowGrid, type = 0;
        yygridcelltype(field, column, type);
        field = WindowGrid;
        if (type == FieldComboBox) yygridputcelloption(field, column, row, 1);
        else yygridclearcell(field, column, row, 0);
    }
    if (moveRowLabels == 1) {
        int field = WindowGrid;
        yygridlabelrow(field, row, "", 0);
    }
}

}  // namespace

GridCommandScope::GridCommandScope(int window)
    : previousWindow_(gravim.windows.wIndex), previousDialog_(gravim.dialogs.currentDialog) {
    if (window != previousWindow_) yywinsel(window, 1);
    previousError_ = gravim.core.lastError;
    yyseterror(0);
}

void GridCommandScope::keepErrors() {
    keepErrors_ = true;
    yyseterror(0);
}

GridCommandScope::~GridCommandScope() {
    if (!keepErrors_ || gravim.core.lastError == 0) yyseterror(previousError_);
    const int error = gravim.core.lastError;
    if (gravim.windows.wIndex != previousWindow_) yywinsel(previousWindow_, 1);
    yyrestorecurrentdialog(previousDialog_);
    // Putting the caller's window and dialog back is no failure of the command.
    yyseterror(error);
}

bool yygridwinloaddialog(int dialog) {
    WDialogLoad(dialog);
    if (gravim.core.lastError == 0) return true;
    WMessageBox(0, 1, 1, "Unable to load required dialog", "Error");
    return false;
}

SemiModelessCommandDialog::SemiModelessCommandDialog(int dialog, int window)
    : dialog_(dialog), window_(window), pushButtonEvents_(yyinfomessage(EvPushButton)) {
    int error = 0;
    yygetwindowbitmap(1, window_, error);
    // The wait below needs the dialog's push buttons, whatever the application switched off.
    WMessageEnable(EvPushButton, 1);
    yyshowcd(0, 3, window_);
}

SemiModelessCommandDialog::~SemiModelessCommandDialog() {
    WDialogSelect(dialog_);
    WDialogHide();
    WDialogUnload();
    WMessageEnable(EvPushButton, pushButtonEvents_);
    int error = 0;
    yygetwindowbitmap(0, window_, error);
}

int SemiModelessCommandDialog::nextButton() const {
    for (;;) {
        int type = 0;
        WMessageRecord record;
        WMessage(type, record);
        if (type == EvPushButton && record.Win == dialog_) return record.Value1;
    }
}

int yygridwinchecked(int field) {
    int state = 0;
    WDialogGetCheckBox(field, state);
    return state == 1 ? 1 : 0;
}

bool yygridwinfileexists(const char* name) { return GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES; }

void yygridwinsort(int window, int moveRowLabels, int& result) {
    GridCommandScope scope(window);
    result = 0;
    const int columns = gridFact(1);
    std::vector<std::string> labels;
    for (int column = 0; column < columns; ++column) {
        char label[LabelLength + 1] = "";
        int field = WindowGrid;
        yygridgetcolumnlabel(field, column + 1, label, sizeof label);
        labels.push_back(yygridwinkeylabel(label, column));
    }
    std::vector<TextRef> items;
    for (std::string& label : labels) items.emplace_back(label);

    if (!yygridwinloaddialog(IDD_GRID_SORT)) return;
    WDialogPutMenu(IDC_SORT_KEY, items.data(), columns, gridFact(4));
    GridState& kept = gravim.grid;
    WDialogPutRadioButton(kept.windowSortDescending == 1 ? IDC_SORT_DESCENDING : IDC_SORT_ASCENDING);
    WDialogPutCheckBox(IDC_SORT_MATCHCASE, kept.windowSortMatchCase);
    if (shownModalWithOk()) {
        result = 1;
        int key = 0, order = 0;
        WDialogGetMenu(IDC_SORT_KEY, key);
        WDialogGetRadioButton(IDC_SORT_ASCENDING, order);
        kept.windowSortDescending = order == 2 ? 1 : 0;
        kept.windowSortMatchCase = yygridwinchecked(IDC_SORT_MATCHCASE);
        const int flags = kept.windowSortDescending + (kept.windowSortMatchCase == 1 ? 0 : 2) + (moveRowLabels == 1 ? 4 : 0);
        WDialogUnload();
        WGridSort(WindowGrid, key, flags, 1, gridFact(3));
        return;
    }
    WDialogUnload();
}

void yygridwingoto(int window, int kind) {
    GridCommandScope scope(window);
    const int columns = gridFact(1), rows = gridFact(3);
    const int column = gridFact(4), row = gridFact(5);
    if (!yygridwinloaddialog(kind == 1 ? IDD_GRID_GOTOCELL : IDD_GRID_GOTOLINE)) return;
    const bool byRow = kind == 2;
    if (kind == 1) {
        WDialogRangeInteger(IDC_GOTO_COLUMN, 1, columns);
        WDialogPutInteger(IDC_GOTO_COLUMN, column);
        WDialogRangeInteger(IDC_GOTO_ROW, 1, rows);
        WDialogPutInteger(IDC_GOTO_ROW, row);
    } else {
        WDialogTitle(byRow ? "Goto Row" : "Goto Column");
        WDialogPutString(IDC_GOTO_LINE_LABEL, byRow ? "&Row" : "&Column");
        WDialogRangeInteger(IDC_GOTO_LINE, 1, byRow ? rows : columns);
        WDialogPutInteger(IDC_GOTO_LINE, byRow ? row : column);
    }
    if (shownModalWithOk()) {
        int toColumn = column, toRow = row;
        if (kind == 1) {
            toColumn = integerOf(IDC_GOTO_COLUMN);
            toRow = integerOf(IDC_GOTO_ROW);
        } else if (byRow) {
            toRow = integerOf(IDC_GOTO_LINE);
        } else {
            toColumn = integerOf(IDC_GOTO_LINE);
        }
        WDialogUnload();
        int field = WindowGrid;
        yygridcellfocus(field, toColumn - 1, toRow - 1, NoCaret);
        return;
    }
    WDialogUnload();
}

void yygridwinfind(int window, int mode, int& matchCase, int& numeric, std::span<char> findText) {
    // The whole command searches the grid window's grid; the error number is kept only around the
    // dialog, so that the search's own errors stay visible.
    const int previousWindow = gravim.windows.wIndex;
    if (window != previousWindow) yywinsel(window, 1);
    bool anyText = false, anyNumber = false;
    const int columns = gridFact(1);
    for (int column = 0; column < columns; ++column) {
        int field = WindowGrid, type = 0;
        yygridcelltype(field, column, type);
        anyText = anyText || type == FieldString;
        anyNumber = anyNumber || (type >= FieldInteger && type <= FieldDouble);
    }
    std::string text(yygridwintext(findText));
    bool search = true;
    if (!anyText && !anyNumber) {
        WMessageBox(0, 4, 1, "Grid contains no searchable columns", "Find");
        search = false;
    } else {
        if (!anyText) numeric = 1;
        if (mode == 1) {
            GridCommandScope scope(window);
            search = false;
            if (yygridwinloaddialog(IDD_GRID_FIND)) {
                WDialogPutString(IDC_FIND_TEXT, text);
                WDialogPutCheckBox(IDC_FIND_MATCHCASE, matchCase == 1 ? 1 : 0);
                WDialogPutCheckBox(IDC_FIND_NUMERIC, numeric == 1 ? 1 : 0);
                WDialogFieldState(IDC_FIND_NUMERIC, anyText && anyNumber ? FieldEnabled : FieldHidden);
                SemiModelessCommandDialog dialog(IDD_GRID_FIND, window);
                for (;;) {
                    const int button = dialog.nextButton();
                    if (button == IDCANCEL) break;
                    if (button != IDOK) continue;
                    std::string entered(findText.size(), ' ');
                    WDialogGetString(IDC_FIND_TEXT, TextRef(entered));
                    if (trimRight(entered).empty()) {
                        WindowBell("");
                        continue;
                    }
                    text = std::string(trimRight(entered));
                    matchCase = yygridwinchecked(IDC_FIND_MATCHCASE);
                    numeric = yygridwinchecked(IDC_FIND_NUMERIC);
                    search = true;
                    break;
                }
            }
        }
    }
    if (search) {
        constexpr int BehindCurrentCell = 1;
        int found = 0;
        WGridFind(WindowGrid, trimRight(text), BehindCurrentCell + yygridfindoptions(matchCase == 1, numeric == 1), &found);
        if (found == 0) WMessageBox(0, 4, 1, "End of grid reached", "Find");
        yygridwinstore(findText, trimRight(text));
    }
    if (gravim.windows.wIndex != previousWindow) yywinsel(previousWindow, 1);
}

void yygridwininsertrow(int window, int moveRowLabels, int growRows, int after) {
    GridCommandScope scope(window);
    const int row = gridFact(5), rows = gridFact(3);
    if (after == 1 && row == rows) {
        if (growRows != 1) return;
        WGridRows(WindowGrid, rows + 1);
        // Only a row that was really added is emptied: at the last allocated row nothing grows.
        if (gridFact(3) == rows + 1) emptyRow(rows, moveRowLabels);
        return;
    }
    WGridInsertRows(WindowGrid, after == 1 ? row + 1 : row, 1, growRows, moveRowLabels);
}

void yygridwindeleterow(int window, int moveRowLabels, int growRows) {
    GridCommandScope scope(window);
    if (gridFact(3) == 1 && growRows == 1) {
        emptyRow(0, moveRowLabels);
        return;
    }
    WGridDeleteRows(WindowGrid, gridFact(5), 1, growRows, moveRowLabels);
}

void yygridwinprint(int window, int firstRow, int lastRow, int firstColumn, int lastColumn, int& result) {
    GridCommandScope scope(window);
    result = 0;
    if (gravim.hardcopy.printerAvailable == 0) {
        WMessageBox(0, 1, 1, "No printer installed", "Error");
        return;
    }
    if (!yygridwinloaddialog(IDD_GRID_PRINT)) return;
    int rowLines = 0, columnLines = 0, everyPage = 0, textColours = 0, backColours = 0, scale = 0;
    yygridprintgetopt(rowLines, columnLines, everyPage, textColours, backColours, scale, PrintSet);
    WDialogPutCheckBox(IDC_PRINT_ROWLINES, rowLines);
    WDialogPutCheckBox(IDC_PRINT_COLUMNLINES, columnLines);
    WDialogPutRadioButton(everyPage == 1 ? IDC_PRINT_LABELSEVERYPAGE : IDC_PRINT_LABELSFIRSTPAGE);
    WDialogPutRadioButton(backColours == 1   ? IDC_PRINT_ALLCOLOURS
                          : textColours == 1 ? IDC_PRINT_TEXTCOLOURS
                                             : IDC_PRINT_NOCOLOURS);
    WDialogPutInteger(IDC_PRINT_SCALE, scale);
    {
        SemiModelessCommandDialog dialog(IDD_GRID_PRINT, window);
        for (;;) {
            const int button = dialog.nextButton();
            if (button == IDOK) {
                result = 1;
                break;
            }
            if (button == IDCANCEL) break;
            if (button == IDC_PRINT_PAGESETUP) {
                yygridprintsetup(-1, PrintSet);
                WDialogSelect(IDD_GRID_PRINT);
            }
        }
        if (result == 1) {
            int colours = 0;
            WDialogGetRadioButton(IDC_PRINT_NOCOLOURS, colours);
            // A scale field left empty keeps the scale: a printout needs a positive one.
            const int typed = integerOf(IDC_PRINT_SCALE);
            yygridprintsetopt(yygridwinchecked(IDC_PRINT_ROWLINES), yygridwinchecked(IDC_PRINT_COLUMNLINES),
                              yygridwinchecked(IDC_PRINT_LABELSEVERYPAGE), colours >= 2 ? 1 : 0,
                              colours == 3 ? 1 : 0, typed >= 1 ? typed : scale, PrintSet);
        }
    }
    if (result == 1) yygridprint(WindowGrid, result, firstRow, lastRow, firstColumn, lastColumn, PrintSet, "");
}
