// grid_files_win.cpp - the public file routines of grid fields over the grid's cell operations.
// Least version: the routines are declared for their callers and do nothing yet.
#include "grid/grid_files.hpp"

void WGridSave(int, std::string_view, std::optional<int>, std::optional<int>, std::optional<int>, std::optional<int>,
               std::optional<int>) {}

void WGridLoad(int, std::string_view, std::optional<int>, std::optional<int>) {}

void WGridSaveHTML(int, std::string_view, std::optional<int>, std::optional<int>, std::optional<int>, std::optional<int>,
                   std::optional<int>, std::optional<std::string_view>, std::optional<int>, std::optional<int>) {}
