// grid_sort.hpp - the row sort of a grid over two callbacks (the key of a row, the exchange of two
// rows), the comparison of its keys and the keys of empty cells (portable).
#pragma once

#include <functional>
#include <string>

// How a key compares: texts byte by byte, the rest as numbers of their width.
enum class GridKeyKind : int { Text, Integer, Real, Double };

// One row's key; only the slot of the sort's kind is meaningful.
struct GridSortKey {
    std::string text;
    int integer = 0;
    float real = 0;
    double number = 0;
};

// The key kind of a cell field type (4 text, 5 integer, 6 real, 7 double, 9 check box, 11 menu).
GridKeyKind yygridkeykind(int fieldType);

// Makes key the key of an empty cell, which sorts after every other key in both orders.
void yygridemptykey(GridKeyKind kind, bool descending, GridSortKey& key);

// -1, 0 or 1 as a sorts before, with or after b ascending. Texts compare as unsigned bytes with
// the shorter one padded with blanks; a real or double that is not a number counts as the key
// of an empty cell of the given order.
int yygridcomparekeys(GridKeyKind kind, bool descending, const GridSortKey& a, const GridSortKey& b);

using GridKeyFetch = std::function<void(int row, GridSortKey& key)>;
using GridRowExchange = std::function<void(int row1, int row2)>;

// Sorts rows first..last (any numbering the callbacks share). Ranges of up to six rows are sorted
// by exchange, longer ones are partitioned around their first row's key; rows with keys equal to
// the pivot are not exchanged with each other. The smaller part is sorted by recursion and the
// larger in the same call, so the depth stays logarithmic.
void yygridsortrows(int first, int last, GridKeyKind kind, bool descending, const GridKeyFetch& key,
                    const GridRowExchange& exchange);
