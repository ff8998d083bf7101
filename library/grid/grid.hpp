// grid.hpp - the public routines of grid fields (columns and rows counted from 1).
#pragma once

#include <optional>
#include <string_view>

// Put a number into a text, integer, real or double cell of a grid field (field 0: the grid of
// the current grid window). A real or double format given becomes the column's format.
void WGridPutCellReal(int field, int column, int row, float value, std::optional<std::string_view> format = std::nullopt);
void WGridPutCellInteger(int field, int column, int row, int value);
void WGridPutCellDouble(int field, int column, int row, double value, std::optional<std::string_view> format = std::nullopt);

// Sorts rows first..last (default all rows in use) on the key column: flags 1 descending,
// 2 ignoring letter case, 4 row labels moving with their rows.
void WGridSort(int field, int column, std::optional<int> flags = std::nullopt, std::optional<int> firstRow = std::nullopt,
               std::optional<int> lastRow = std::nullopt);

// The number of rows in use, at most the rows allocated.
void WGridRows(int field, int rows);
// Inserts count rows before row; growth 1 raises the rows in use first, labels 1 moves the labels.
void WGridInsertRows(int field, int row, std::optional<int> count = std::nullopt, std::optional<int> growth = std::nullopt,
                     std::optional<int> labels = std::nullopt);
// Deletes count rows from row; shrink 1 lowers the rows in use, labels 1 moves the labels.
void WGridDeleteRows(int field, int row, std::optional<int> count = std::nullopt, std::optional<int> shrink = std::nullopt,
                     std::optional<int> labels = std::nullopt);

// Finds text in the block (default the whole grid) column by column and makes its cell current:
// flags 1 continue behind the current cell, 2 ignore case, 4 search number cells too. found
// (when given) becomes 1 or 0.
void WGridFind(int field, std::string_view text, std::optional<int> flags = std::nullopt, int* found = nullptr,
               std::optional<int> firstColumn = std::nullopt, std::optional<int> lastColumn = std::nullopt,
               std::optional<int> firstRow = std::nullopt, std::optional<int> lastRow = std::nullopt);

// Turns the current child window into a grid window showing a copy of grid field `field` of the
// current dialog, with its own menus, toolbar, status bar and save prompt. mode 1 modal (returns
// when the window has closed), 2 modeless, 3 semi-modeless; menu an application menu resource
// (0 none); options the grid window's option word; filterIndex the file dialogs' first filter
// (-1: 1); hostWindow a split window holding this one that shows its menu (-1 none); fileName a
// CSV file to load; filter the file dialogs' filter (empty: CSV files). Errors: 1052 mode, 1022
// the root window is current, 1026 a menu with mode 1, 1002 the menu is missing, 1051 a menu
// inside a window that is no top-level host, 1053 no memory, 1038 the window is already of
// another kind, 1006 no grid field, 1057 the window holds inside windows.
void WGridEdit(int field, int mode, int menu = 0, int options = 0, int filterIndex = -1, int hostWindow = -1,
               std::string_view fileName = "", std::string_view filter = "");
