// grid_sort.cpp - the key kinds of the row sort and the keys of empty cells.
#include "grid/grid_sort.hpp"

#include <cfloat>
#include <climits>

GridKeyKind yygridkeykind(int fieldType) {
    switch (fieldType) {
    case 4: return GridKeyKind::Text;
    case 6: return GridKeyKind::Real;
    case 7: return GridKeyKind::Double;
    default: return GridKeyKind::Integer;  // integer, check box, menu
    }
}

void yygridemptykey(GridKeyKind kind, bool descending, GridSortKey& key) {
    switch (kind) {
    case GridKeyKind::Text: key.text = descending ? " " : "\xFF"; break;  // static texts
    case GridKeyKind::Integer: key.integer = descending ? -INT_MAX : INT_MAX; break;
    case GridKeyKind::Real: key.real = descending ? -FLT_MAX : FLT_MAX; break;
    case GridKeyKind::Double: key.number = descending ? -DBL_MAX : DBL_MAX; break;
    }
}
