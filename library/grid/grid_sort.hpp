// grid_sort.hpp - the row sort of a grid over two callbacks (the key of a row, the exchange of two
// rows), the comparison of its keys and the keys of empty cells (portable).
#pragma once

#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

// How a key compares: texts byte by byte, the rest as numbers of their width.
enum class GridKeyKind : int { Text, Integer, Real, Double };

// One row's key; only the slot of the sort's kind is meaningful. A text key is a view: of the
// row's own text where the fetcher can show it in place, or of `storage`, where a fetcher that
// builds the text (reads a cell into a buffer, upper-cases it) keeps it. The view must stay
// valid until the next exchange of rows or the next fetch into the same key.
struct GridSortKey {
    std::string_view text;
    std::string storage;
    int integer = 0;
    float real = 0;
    double number = 0;
};

// The key kind of a cell field type (4 text, 5 integer, 6 real, 7 double, 9 check box, 11 menu).
GridKeyKind yygridkeykind(int fieldType);

// Makes key the key of an empty cell, which sorts after every other key in both orders.
void yygridemptykey(GridKeyKind kind, bool descending, GridSortKey& key);

namespace gridsort {

template <typename T>
int compareNumbers(T a, T b, T empty) {
    if (a < b) return -1;
    if (b < a) return 1;
    if (a == b) return 0;
    // At least one is not a number: it counts as the empty cell's key.
    if (a != a) a = empty;
    if (b != b) b = empty;
    return a < b ? -1 : (a > b ? 1 : 0);
}

// Unsigned bytes, the shorter text padded with blanks.
inline int compareTexts(std::string_view a, std::string_view b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    // At most one of the two has characters beyond the common length.
    for (std::size_t i = common; i < a.size(); ++i)
        if (a[i] != ' ') return static_cast<unsigned char>(a[i]) > ' ' ? 1 : -1;
    for (std::size_t i = common; i < b.size(); ++i)
        if (b[i] != ' ') return static_cast<unsigned char>(b[i]) > ' ' ? -1 : 1;
    return 0;
}

template <GridKeyKind Kind>
int compareKeys(bool descending, const GridSortKey& a, const GridSortKey& b) {
    if constexpr (Kind == GridKeyKind::Text) {
        return compareTexts(a.text, b.text);
    } else if constexpr (Kind == GridKeyKind::Integer) {
        return a.integer < b.integer ? -1 : (a.integer > b.integer ? 1 : 0);
    } else if constexpr (Kind == GridKeyKind::Real) {
        constexpr float largest = std::numeric_limits<float>::max();
        return compareNumbers(a.real, b.real, descending ? -largest : largest);
    } else {
        constexpr double largest = std::numeric_limits<double>::max();
        return compareNumbers(a.number, b.number, descending ? -largest : largest);
    }
}

}  // namespace gridsort

// -1, 0 or 1 as a sorts before, with or after b ascending. Texts compare as unsigned bytes with
// the shorter one padded with blanks; a real or double that is not a number counts as the key
// of an empty cell of the given order.
inline int yygridcomparekeys(GridKeyKind kind, bool descending, const GridSortKey& a, const GridSortKey& b) {
    switch (kind) {
    case GridKeyKind::Text: return gridsort::compareKeys<GridKeyKind::Text>(descending, a, b);
    case GridKeyKind::Integer: return gridsort::compareKeys<GridKeyKind::Integer>(descending, a, b);
    case GridKeyKind::Real: return gridsort::compareKeys<GridKeyKind::Real>(descending, a, b);
    case GridKeyKind::Double: return gridsort::compareKeys<GridKeyKind::Double>(descending, a, b);
    }
    return 0;
}

namespace gridsort {

// The sort of one call: the key slots of the pivot and the two scans, and the callbacks
// (key(row, GridSortKey&), exchange(row1, row2)).
template <GridKeyKind Kind, typename KeyFetch, typename RowExchange>
struct Sorter {
    bool descending;
    KeyFetch& key;
    RowExchange& exchange;
    GridSortKey pivot{}, up{}, down{};
    std::string pivotText{};  // the pivot's text, kept while its row moves

    // The pivot is the median of the keys of the range's first, middle and last rows, so that keys
    // already in order, in the opposite order, all equal or rising then falling still halve the
    // range. The three keys are fetched once into the three slots; the pivot keeps its value while
    // rows move, so its text is copied. The scans' keys are compared where the fetcher shows them.
    void choosePivot(int a, int b) {
        key(a, up);
        key(a + (b - a) / 2, pivot);
        key(b, down);
        const GridSortKey* median = &pivot;
        if (order(up, pivot) <= 0) {
            if (order(pivot, down) > 0) median = order(up, down) <= 0 ? &down : &up;
        } else if (order(up, down) <= 0) {
            median = &up;
        } else if (order(pivot, down) <= 0) {
            median = &down;
        }
        if (median != &pivot) {
            pivot.integer = median->integer;
            pivot.real = median->real;
            pivot.number = median->number;
        }
        if constexpr (Kind == GridKeyKind::Text) {
            pivotText.assign(median->text);
            pivot.text = pivotText;
        }
    }

    // Negative when a belongs before b in the sort's order.
    int order(const GridSortKey& a, const GridSortKey& b) const {
        const int c = compareKeys<Kind>(descending, a, b);
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
            choosePivot(a, b);
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

}  // namespace gridsort

// Sorts rows first..last (any numbering the callbacks share) with key(row, GridSortKey&) and
// exchange(row1, row2). Ranges of up to six rows are sorted by exchange, longer ones are
// partitioned around the median key of their first, middle and last rows; rows with equal keys
// are not exchanged with each other, so a range already in order sees no exchange. The smaller part is sorted by recursion and the larger in the same call, so
// the depth stays logarithmic.
template <typename KeyFetch, typename RowExchange>
void yygridsortrows(int first, int last, GridKeyKind kind, bool descending, KeyFetch&& key, RowExchange&& exchange) {
    using Fetch = std::remove_reference_t<KeyFetch>;
    using Exchange = std::remove_reference_t<RowExchange>;
    switch (kind) {
    case GridKeyKind::Text: gridsort::Sorter<GridKeyKind::Text, Fetch, Exchange>{descending, key, exchange}.sort(first, last); break;
    case GridKeyKind::Integer: gridsort::Sorter<GridKeyKind::Integer, Fetch, Exchange>{descending, key, exchange}.sort(first, last); break;
    case GridKeyKind::Real: gridsort::Sorter<GridKeyKind::Real, Fetch, Exchange>{descending, key, exchange}.sort(first, last); break;
    case GridKeyKind::Double: gridsort::Sorter<GridKeyKind::Double, Fetch, Exchange>{descending, key, exchange}.sort(first, last); break;
    }
}
