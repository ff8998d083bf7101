// grid.hpp - the public routines of grid fields (columns and rows counted from 1).
#pragma once

#include <optional>
#include <string_view>

// Put a number into a text, integer, real or double cell of a grid field (field 0: the grid of
// the current grid window). A real or double format given becomes the column's format.
void WGridPutCellReal(int field, int column, int row, float value, std::optional<std::string_view> format = std::nullopt);
void WGridPutCellInteger(int field, int column, int row, int value);
void WGridPutCellDouble(int field, int column, int row, double value, std::optional<std::string_view> format = std::nullopt);
