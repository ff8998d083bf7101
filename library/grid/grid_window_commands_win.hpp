// grid_window_commands_win.hpp - the grid window's commands that need a dialog, a file or more
// than one grid routine (library-internal). The window procedure calls them with the fields of
// its GridWindowRecord; each works on the grid of the grid window with that number and puts the
// current window, dialog and library error number back afterwards (save and save as HTML keep
// the error their file routine reported). Row and column bounds count from 0, -1 meaning none.
#pragma once

#include <span>

// Sorts the rows on a key column chosen in the sort dialog; result 1 when sorted, 0 cancelled.
void yygridwinsort(int window, int moveRowLabels, int& result);

// Writes the grid (or the selection) as an HTML page chosen in the HTML options dialog; fileName
// (NUL-terminated, 260 characters) is the window's data file, which proposes the page's name and
// is copied to ".bak" when backup is set. result 1 when the page was written.
void yygridwinsavehtml(int window, int firstRow, int lastRow, int firstColumn, int lastColumn, int& result, int backup,
                       std::span<const char> fileName);

// Saves the grid, or the block when firstRow is not -1, as CSV; saveAs 1 (or an empty fileName)
// asks for the name with the save-file dialog. fileName (260) becomes the name chosen for the
// whole grid; filter (1001, empty for CSV) and filterIndex are the file dialog's. result 1 when
// written.
void yygridwinsave(int window, int saveAs, int& result, int& filterIndex, int backup, int fileLabels, int firstRow,
                   int lastRow, int firstColumn, int lastColumn, std::span<char> fileName, std::span<const char> filter);

// Prints the block with the grid windows' print set after the print options dialog; result 1
// when printed.
void yygridwinprint(int window, int firstRow, int lastRow, int firstColumn, int lastColumn, int& result);

// Loads a CSV file: ask 1 chooses it with the open-file dialog (and then stores it in fileName),
// 0 loads fileName. result 1 when data were loaded (data errors included), 0 when cancelled or
// the file could not be opened or read.
void yygridwinload(int window, int ask, int growRows, int& result, int& filterIndex, int fileLabels,
                   std::span<char> fileName, std::span<const char> filter);

// Inserts one row before (after 0) or after (after 1) the current row.
void yygridwininsertrow(int window, int moveRowLabels, int growRows, int after);

// Makes a cell current from the goto dialog: kind 1 cell, 2 row, 3 column.
void yygridwingoto(int window, int kind);

// Finds text: mode 1 through the find dialog, 2 finds the next match without it. matchCase,
// numeric and findText (NUL-terminated, 1024 characters) are read and updated.
void yygridwinfind(int window, int mode, int& matchCase, int& numeric, std::span<char> findText);

// Deletes the current row (empties it when it is the only row in use and rows grow).
void yygridwindeleterow(int window, int moveRowLabels, int growRows);
