// grid_sort.cpp - the row sort of a grid over its key and exchange callbacks.
#include "grid/grid_sort.hpp"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>

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
    case GridKeyKind::Text: key.text.assign(1, descending ? ' ' : '\xFF'); break;
    case GridKeyKind::Integer: key.integer = descending ? -INT_MAX : INT_MAX; break;
    case GridKeyKind::Real: key.real = descending ? -FLT_MAX : FLT_MAX; break;
    case GridKeyKind::Double: key.number = descending ? -DBL_MAX : DBL_MAX; break;
    }
}

namespace {

template <typename T>
int compareNumbers(T a, T b, T empty) {
    if (std::isnan(a)) a = empty;
    if (std::isnan(b)) b = empty;
    return a < b ? -1 : (a > b ? 1 : 0);
}

int compareTexts(const std::string& a, const std::string& b) {
    const std::size_t n = std::max(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = i < a.size() ? static_cast<unsigned char>(a[i]) : ' ';
        const unsigned char y = i < b.size() ? static_cast<unsigned char>(b[i]) : ' ';
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

struct Sorter {
    GridKeyKind kind;
    bool descending;
    const GridKeyFetch& key;
    const GridRowExchange& exchange;
    GridSortKey pivot, up, down;

    // Negative when a belongs before b in the sort's order.
    int order(const GridSortKey& a, const GridSortKey& b) const {
        const int c = yygridcomparekeys(kind, descending, a, b);
        return descending ? -c : c;
    }

    void exchangeSort(int a, int b) {
        for (int i = a; i < b; ++i) {
            key(i, up);
            for (int j = i + 1; j <= b; ++j) {
                key(j, down);
                if (order(up, down) > 0) {
                    exchange(i, j);
                    key(i, up);
                }
            }
        }
    }

    void sort(int a, int b) {
        while (a < b) {
            if (b < a + 6) {
                exchangeSort(a, b);
                return;
            }
            key(a, pivot);
            int i = a - 1, j = b + 1;
            for (;;) {
                do key(++i, up); while (i < b && order(up, pivot) < 0);
                do key(--j, down); while (j > a && order(down, pivot) > 0);
                if (i >= j) break;
                if (order(up, down) != 0) exchange(i, j);
            }
            if (i == j) ++i;
            // Both parts are strictly smaller than a..b; the smaller one goes by recursion.
            if (j - a < b - i) {
                if (a < j) sort(a, j);
                a = i;
            } else {
                if (i < b) sort(i, b);
                b = j;
            }
        }
    }
};

}  // namespace

int yygridcomparekeys(GridKeyKind kind, bool descending, const GridSortKey& a, const GridSortKey& b) {
    switch (kind) {
    case GridKeyKind::Text: return compareTexts(a.text, b.text);
    case GridKeyKind::Integer: return a.integer < b.integer ? -1 : (a.integer > b.integer ? 1 : 0);
    case GridKeyKind::Real: return compareNumbers(a.real, b.real, descending ? -FLT_MAX : FLT_MAX);
    case GridKeyKind::Double: return compareNumbers(a.number, b.number, descending ? -DBL_MAX : DBL_MAX);
    }
    return 0;
}

void yygridsortrows(int first, int last, GridKeyKind kind, bool descending, const GridKeyFetch& key,
                    const GridRowExchange& exchange) {
    Sorter s{kind, descending, key, exchange, {}, {}, {}};
    s.sort(first, last);
}
