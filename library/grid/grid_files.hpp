// grid_files.hpp - a grid field's content as a comma-separated text file and as an HTML table
// (public routines; columns and rows counted from 1, field 0: the grid of the current grid window).
#pragma once

#include <optional>
#include <string_view>

// Writes columns firstColumn..lastColumn of rows firstRow..lastRow (default the whole grid) to
// the file, created or replaced. Flags: 1 no enclosing quotation marks, 2 labels, 4 the
// undefined values in empty number cells.
void WGridSave(int field, std::string_view file, std::optional<int> firstColumn = std::nullopt,
               std::optional<int> lastColumn = std::nullopt, std::optional<int> firstRow = std::nullopt,
               std::optional<int> lastRow = std::nullopt, std::optional<int> flags = std::nullopt);

// Reads such a file into the grid. Growth 1 lets the rows in use grow up to the rows allocated;
// flags 2 reads the labels.
void WGridLoad(int field, std::string_view file, std::optional<int> growth = std::nullopt,
               std::optional<int> flags = std::nullopt);

// Writes the block as an HTML table. Flags: 1 the table only, 2 centred, 4 check boxes as Y and
// N, 8 no colours. A given title (blank too) makes the page's title, a non-blank one a heading;
// background is an RGB value (0x00BBGGRR).
void WGridSaveHTML(int field, std::string_view file, std::optional<int> firstColumn = std::nullopt,
                   std::optional<int> lastColumn = std::nullopt, std::optional<int> firstRow = std::nullopt,
                   std::optional<int> lastRow = std::nullopt, std::optional<int> flags = std::nullopt,
                   std::optional<std::string_view> title = std::nullopt, std::optional<int> border = std::nullopt,
                   std::optional<int> background = std::nullopt);
