// grid_operations_test.cpp - the grid's row sort, its key rules, the row moves of insertion and
// deletion and the walk of a search, over plain tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "grid/grid_rows.hpp"
#include "grid/grid_sort.hpp"

namespace {

// A table of rows: the key and a tag that must stay with it.
struct Row {
    std::string text;
    double number = 0;
    bool empty = false;
    int tag = 0;
};

struct Table {
    std::vector<Row> rows;
    GridKeyKind kind = GridKeyKind::Text;
    bool descending = false;
    std::vector<std::pair<int, int>> exchanges;

    void key(int row, GridSortKey& k) const {
        const Row& r = rows[static_cast<std::size_t>(row)];
        if (r.empty) {
            yygridemptykey(kind, descending, k);
            return;
        }
        k.text = r.text;
        k.integer = std::isnan(r.number) ? 0 : static_cast<int>(r.number);
        k.real = static_cast<float>(r.number);
        k.number = r.number;
    }
    void sort(int first, int last) {
        yygridsortrows(first, last, kind, descending, [this](int row, GridSortKey& k) { key(row, k); },
                       [this](int a, int b) {
                           exchanges.emplace_back(a, b);
                           std::swap(rows[static_cast<std::size_t>(a)], rows[static_cast<std::size_t>(b)]);
                       });
    }
    std::string texts() const {
        std::string s;
        for (const Row& r : rows) s += (r.empty ? std::string("_") : r.text) + ",";
        return s;
    }
};

Table textTable(std::vector<std::string> texts) {
    Table t;
    int tag = 0;
    for (auto& s : texts) t.rows.push_back({s, 0, s == "_", tag++});
    return t;
}

TEST(GridSort, ShortRangesAreSortedByExchangeLongOnesByPartition) {
    Table t = textTable({"b", "a", "c"});
    t.sort(0, 2);
    EXPECT_EQ(t.texts(), "a,b,c,");
    EXPECT_EQ(t.exchanges, (std::vector<std::pair<int, int>>{{0, 1}}));

    // The partition around "f", the median of rows 0 ("e"), 4 ("j") and 9 ("f"): i stops at 2
    // ("h"), j at 9 ("f"); exchange; i stops at 4 ("j"), j at 7 ("d"); exchange; the scans cross
    // between 5 and 6, and the two parts 0..5 and 6..9 are sorted on their own.
    Table p = textTable({"e", "b", "h", "c", "j", "a", "g", "d", "i", "f"});
    p.sort(0, 9);
    EXPECT_EQ(p.texts(), "a,b,c,d,e,f,g,h,i,j,");
    ASSERT_GE(p.exchanges.size(), 2u);
    EXPECT_EQ(p.exchanges[0], std::make_pair(2, 9));
    EXPECT_EQ(p.exchanges[1], std::make_pair(4, 7));
    for (std::size_t k = 2; k < p.exchanges.size(); ++k) {
        const bool left = p.exchanges[k].first <= 5 && p.exchanges[k].second <= 5;
        const bool right = p.exchanges[k].first >= 6 && p.exchanges[k].second >= 6;
        EXPECT_TRUE(left || right) << "exchange " << k << " crosses the partition";
    }
}

TEST(GridSort, EmptyCellsComeLastInBothOrders) {
    for (bool descending : {false, true}) {
        for (GridKeyKind kind : {GridKeyKind::Text, GridKeyKind::Integer, GridKeyKind::Real, GridKeyKind::Double}) {
            Table t;
            t.kind = kind;
            t.descending = descending;
            const double values[] = {5, 3, 0, 9, 1, 7, 0, 2, 8, 4};
            for (int i = 0; i < 10; ++i) {
                t.rows.push_back({std::string(1, static_cast<char>('a' + values[i])), values[i], i == 2 || i == 6, i});
            }
            t.sort(0, 9);
            SCOPED_TRACE(::testing::Message() << "kind " << static_cast<int>(kind) << " descending " << descending);
            EXPECT_TRUE(t.rows[8].empty && t.rows[9].empty);
            for (int i = 0; i < 7; ++i) {
                EXPECT_TRUE(descending ? t.rows[i].number >= t.rows[i + 1].number : t.rows[i].number <= t.rows[i + 1].number);
            }
        }
    }
}

TEST(GridSort, KeyComparisonRules) {
    auto text = [](const char* s) { GridSortKey k; k.text = s; return k; };
    EXPECT_EQ(yygridcomparekeys(GridKeyKind::Text, false, text("ABD"), text("abc")), -1);  // 'A' 0x41 < 'a' 0x61
    EXPECT_EQ(yygridcomparekeys(GridKeyKind::Text, false, text("abc  "), text("abc")), 0);
    EXPECT_EQ(yygridcomparekeys(GridKeyKind::Text, false, text("ab"), text("ab\x01")), 1);  // padding blank > 0x01
    EXPECT_EQ(yygridcomparekeys(GridKeyKind::Text, false, text("\xE9"), text("z")), 1);     // unsigned bytes
    GridSortKey empty, big;
    yygridemptykey(GridKeyKind::Integer, false, empty);
    big.integer = 2147483647;
    EXPECT_EQ(yygridcomparekeys(GridKeyKind::Integer, false, empty, big), 0);  // ties with empty cells
    yygridemptykey(GridKeyKind::Integer, true, empty);
    EXPECT_EQ(empty.integer, -2147483647);
    yygridemptykey(GridKeyKind::Text, false, empty);
    EXPECT_EQ(empty.text, "\xFF");
    yygridemptykey(GridKeyKind::Text, true, empty);
    EXPECT_EQ(empty.text, " ");
    yygridemptykey(GridKeyKind::Real, false, empty);
    EXPECT_EQ(empty.real, FLT_MAX);
    yygridemptykey(GridKeyKind::Double, true, empty);
    EXPECT_EQ(empty.number, -DBL_MAX);
    // A key that is not a number counts as an empty cell's key.
    GridSortKey nan, max;
    nan.number = std::nan("");
    max.number = DBL_MAX;
    EXPECT_EQ(yygridcomparekeys(GridKeyKind::Double, false, nan, max), 0);
    nan.real = std::nanf("");
    max.real = -FLT_MAX;
    EXPECT_EQ(yygridcomparekeys(GridKeyKind::Real, true, nan, max), 0);
}

TEST(GridSort, IgnoringCaseIsTheKeyFetchersUpperCase) {
    Table t = textTable({"abc", "ABD"});
    t.sort(0, 1);
    EXPECT_EQ(t.texts(), "ABD,abc,");
    Table u = textTable({"ABC", "ABD"});  // the fetcher's upper-cased keys of abc and ABD
    u.sort(0, 1);
    EXPECT_TRUE(u.exchanges.empty());
}

// Sorts the keys as integers and counts the key fetches; true when they come out in order.
bool sortCounting(std::vector<double> keys, bool descending, long& fetches, std::size_t& exchanges,
                  std::uintptr_t& stackUsed) {
    Table t;
    t.kind = GridKeyKind::Integer;
    t.descending = descending;
    for (std::size_t i = 0; i < keys.size(); ++i) t.rows.push_back({"", keys[i], false, static_cast<int>(i)});
    fetches = 0;
    char top = 0;
    const auto start = reinterpret_cast<std::uintptr_t>(&top);
    std::uintptr_t deepest = start;
    yygridsortrows(0, static_cast<int>(keys.size()) - 1, t.kind, descending,
                   [&](int row, GridSortKey& k) {
                       char here = 0;
                       deepest = std::min(deepest, reinterpret_cast<std::uintptr_t>(&here));
                       ++fetches;
                       t.key(row, k);
                   },
                   [&](int a, int b) {
                       t.exchanges.emplace_back(a, b);
                       std::swap(t.rows[static_cast<std::size_t>(a)], t.rows[static_cast<std::size_t>(b)]);
                   });
    exchanges = t.exchanges.size();
    stackUsed = start - deepest;
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
        const double x = t.rows[i].number, y = t.rows[i + 1].number;
        if (descending ? x < y : x > y) return false;
    }
    return true;
}

TEST(GridSort, OrderedShapesExchangeNothingWhenInOrderAndCostNoMoreThanRandomKeys) {
    // Keys in order (also with runs of equal keys), in the opposite order, all equal, and rising
    // then falling: each costs at most three times the key fetches of the same keys shuffled,
    // keys in order exchange nothing, and the stack stays far below one level per row.
    const int n = 5000;
    const struct {
        const char* name;
        std::function<double(int)> key;
        bool inOrder;
    } shapes[] = {
        {"in order", [](int i) { return static_cast<double>(i); }, true},
        {"in order with runs", [](int i) { return static_cast<double>(i / 37); }, true},
        {"opposite order", [](int i) { return static_cast<double>(n - i); }, false},
        {"all equal", [](int) { return 7.0; }, true},
        {"rising then falling", [](int i) { return static_cast<double>(i < n / 2 ? i : n - i); }, false},
    };
    std::mt19937 random(37);
    for (const auto& shape : shapes) {
        for (bool descending : {false, true}) {
            SCOPED_TRACE(::testing::Message() << shape.name << (descending ? " descending" : " ascending"));
            std::vector<double> keys;
            for (int i = 0; i < n; ++i) keys.push_back(shape.key(descending ? n - 1 - i : i));
            long fetches = 0, shuffledFetches = 0;
            std::size_t exchanges = 0, shuffledExchanges = 0;
            std::uintptr_t stack = 0, shuffledStack = 0;
            ASSERT_TRUE(sortCounting(keys, descending, fetches, exchanges, stack));
            std::shuffle(keys.begin(), keys.end(), random);
            ASSERT_TRUE(sortCounting(keys, descending, shuffledFetches, shuffledExchanges, shuffledStack));
            if (shape.inOrder) {
                EXPECT_EQ(exchanges, 0u);
            }
            EXPECT_LE(fetches, 3 * shuffledFetches);  // quadratic would be hundreds of times
            EXPECT_LT(stack, 64u * 1024u);            // about 10 levels, not thousands
        }
    }
}

TEST(GridSort, NotANumberKeysSortLikeEmptyCellsAndStayInTheirRange) {
    for (bool descending : {false, true}) {
        Table t;
        t.kind = GridKeyKind::Double;
        t.descending = descending;
        const double nan = std::nan("");
        const double values[] = {nan, 4, nan, 1, 3, nan, 2, 8, nan, 5, 7, 6};
        for (int i = 0; i < 12; ++i) t.rows.push_back({"", values[i], false, i});
        // Rows outside 2..9 must not be touched.
        t.sort(2, 9);
        for (auto [a, b] : t.exchanges) {
            EXPECT_TRUE(a >= 2 && a <= 9 && b >= 2 && b <= 9);
        }
        EXPECT_EQ(t.rows[0].tag, 0);
        EXPECT_EQ(t.rows[10].tag, 10);
        // Rows 2..9 held 1 3 2 8 5 and three keys that are not numbers: those come last.
        EXPECT_TRUE(std::isnan(t.rows[7].number) && std::isnan(t.rows[8].number) && std::isnan(t.rows[9].number));
        for (int i = 2; i < 6; ++i) {
            EXPECT_TRUE(descending ? t.rows[i].number >= t.rows[i + 1].number : t.rows[i].number <= t.rows[i + 1].number);
        }
    }
}

TEST(GridSort, RandomTablesComeOutInStdSortsOrderWithRowsWhole) {
    std::mt19937 random(29);
    for (int round = 0; round < 60; ++round) {
        const int n = 1 + static_cast<int>(random() % 300);
        for (GridKeyKind kind : {GridKeyKind::Text, GridKeyKind::Integer, GridKeyKind::Double}) {
            const bool descending = round % 2 == 1;
            Table t;
            t.kind = kind;
            t.descending = descending;
            for (int i = 0; i < n; ++i) {
                const int v = static_cast<int>(random() % 40);
                t.rows.push_back({std::string(1 + v % 3, static_cast<char>('a' + v % 26)), v * 0.5, random() % 10 == 0, i});
            }
            const std::vector<Row> before = t.rows;
            t.sort(0, n - 1);
            std::vector<GridSortKey> expected(static_cast<std::size_t>(n)), got(static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i) t.key(i, got[static_cast<std::size_t>(i)]);
            Table original = t;
            original.rows = before;
            for (int i = 0; i < n; ++i) original.key(i, expected[static_cast<std::size_t>(i)]);
            std::sort(expected.begin(), expected.end(), [&](const GridSortKey& a, const GridSortKey& b) {
                const int c = yygridcomparekeys(kind, descending, a, b);
                return descending ? c > 0 : c < 0;
            });
            for (int i = 0; i < n; ++i) {
                ASSERT_EQ(yygridcomparekeys(kind, descending, expected[static_cast<std::size_t>(i)], got[static_cast<std::size_t>(i)]), 0)
                    << "row " << i << " of " << n;
            }
            // Every row whole: each tag once, with its own key.
            std::vector<int> seen(static_cast<std::size_t>(n), 0);
            for (const Row& r : t.rows) {
                ++seen[static_cast<std::size_t>(r.tag)];
                EXPECT_EQ(r.text, before[static_cast<std::size_t>(r.tag)].text);
                EXPECT_EQ(r.empty, before[static_cast<std::size_t>(r.tag)].empty);
            }
            EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), n);
        }
    }
}

// The documented order of key fetches and exchanges, written plainly with every key copied out of
// its row: up to six rows by exchange, longer ranges partitioned around the median key of their
// first, middle and last rows (fetched in that order), the smaller part first.
struct ReferenceSort {
    GridKeyKind kind;
    bool descending;
    std::function<void(int, GridSortKey&)> key;
    std::function<void(int, int)> exchange;

    struct Slot {
        GridSortKey key;
        std::string text;
    };
    void fetch(int row, Slot& s) {
        key(row, s.key);
        s.text.assign(s.key.text);
        s.key.text = s.text;
    }
    bool before(const Slot& x, const Slot& y) const {
        const int c = yygridcomparekeys(kind, descending, x.key, y.key);
        return descending ? c > 0 : c < 0;
    }
    void sort(int a, int b) {
        Slot p, u, d;
        if (b < a + 6) {
            for (int i = a; i < b; ++i) {
                fetch(i, u);
                for (int j = i + 1; j <= b; ++j) {
                    fetch(j, d);
                    if (before(d, u)) {
                        exchange(i, j);
                        fetch(i, u);
                    }
                }
            }
            return;
        }
        Slot three[3];
        fetch(a, three[0]);
        fetch(a + (b - a) / 2, three[1]);
        fetch(b, three[2]);
        int rank[3] = {0, 1, 2};  // the median: the middle one of the three in the sort's order
        std::sort(rank, rank + 3, [&](int x, int y) { return before(three[x], three[y]); });
        p = three[rank[1]];
        p.key.text = p.text;
        int i = a - 1, j = b + 1;
        for (;;) {
            do fetch(++i, u); while (before(u, p));
            do fetch(--j, d); while (before(p, d));
            if (i >= j) break;
            if (before(u, d) || before(d, u)) exchange(i, j);
        }
        if (i == j) ++i;
        const bool leftFirst = j - a < b - i;
        if (leftFirst && a < j) sort(a, j);
        if (i < b) sort(i, b);
        if (!leftFirst && a < j) sort(a, j);
    }
};

TEST(GridSort, FetchesAndExchangesFollowTheDocumentedOrderWhateverTheFetcher) {
    // Keys shown in place (views of the rows' texts) and keys built in the key's own storage (as
    // the grid reads a cell and upper-cases it) must give the same fetches and exchanges as the
    // plain sort over copies: the pivot keeps its value while its row moves.
    std::mt19937 random(1129);
    for (int round = 0; round < 40; ++round) {
        const int n = 1 + static_cast<int>(random() % (round % 8 == 0 ? 1000 : 120));
        const int spread = 1 + static_cast<int>(random() % 60);
        for (GridKeyKind kind : {GridKeyKind::Text, GridKeyKind::Integer, GridKeyKind::Double}) {
            for (bool descending : {false, true}) {
                for (bool built : {false, true}) {
                    Table t;
                    t.kind = kind;
                    t.descending = descending;
                    for (int i = 0; i < n; ++i) {
                        const int v = static_cast<int>(random() % static_cast<unsigned>(spread));
                        std::string text(1 + v % 4, static_cast<char>((v % 3 ? 'a' : 'A') + v % 26));
                        if (v % 5 == 0) text += "  ";  // trailing blanks tie
                        const double number = v % 7 == 0 ? 2147483647.0 : v;  // ties with empty integer cells
                        t.rows.push_back({text, number, random() % 8 == 0, i});
                    }
                    std::vector<int> events, expected;
                    auto fetch = [&](std::vector<int>& log, Table& table, int row, GridSortKey& k) {
                        log.push_back(row);
                        table.key(row, k);
                        if (built && kind == GridKeyKind::Text) {
                            k.storage.assign(k.text);
                            for (char& c : k.storage) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                            k.text = k.storage;
                        }
                    };
                    auto exchange = [](std::vector<int>& log, Table& table, int a, int b) {
                        log.push_back(-1 - a);
                        log.push_back(-1 - b);
                        std::swap(table.rows[static_cast<std::size_t>(a)], table.rows[static_cast<std::size_t>(b)]);
                    };
                    Table copy = t;
                    ReferenceSort reference{kind, descending, [&](int row, GridSortKey& k) { fetch(expected, copy, row, k); },
                                            [&](int a, int b) { exchange(expected, copy, a, b); }};
                    reference.sort(0, n - 1);
                    yygridsortrows(0, n - 1, kind, descending, [&](int row, GridSortKey& k) { fetch(events, t, row, k); },
                                   [&](int a, int b) { exchange(events, t, a, b); });
                    SCOPED_TRACE(::testing::Message() << "rows " << n << " kind " << static_cast<int>(kind) << " descending "
                                                      << descending << " built " << built);
                    const auto differ = std::mismatch(events.begin(), events.end(), expected.begin(), expected.end());
                    ASSERT_EQ(events, expected) << "first difference at event " << (differ.first - events.begin());
                    EXPECT_EQ(t.texts(), copy.texts());
                }
            }
        }
    }
}

std::string applyInsert(int row, int count, bool growth, int allocated) {
    std::vector<std::string> cells = {"A", "B", "C", "D", "E"};
    int inUse = 5;
    if (growth) inUse = std::min(inUse + yygridrowcount(count), allocated);
    cells.resize(static_cast<std::size_t>(allocated));
    const GridRowSpan fresh = yygridinsertmoves(row, count, inUse, [&](int s, int t) { cells[static_cast<std::size_t>(t)] = cells[static_cast<std::size_t>(s)]; });
    for (int r = fresh.first; r <= fresh.last; ++r) cells[static_cast<std::size_t>(r)] = "_";
    std::string s;
    for (int r = 0; r < inUse; ++r) s += cells[static_cast<std::size_t>(r)];
    return s;
}

std::string applyDelete(int row, int count, bool shrink) {
    std::vector<std::string> cells = {"A", "B", "C", "D", "E"};
    int inUse = 5;
    const GridRowSpan freed = yygriddeletemoves(row, count, inUse, [&](int s, int t) { cells[static_cast<std::size_t>(t)] = cells[static_cast<std::size_t>(s)]; });
    if (shrink) {
        inUse -= yygriddeletecount(row, count, inUse);
    } else {
        for (int r = freed.first; r <= freed.last; ++r) cells[static_cast<std::size_t>(r)] = "_";
    }
    std::string s;
    for (int r = 0; r < inUse; ++r) s += cells[static_cast<std::size_t>(r)];
    return s;
}

TEST(GridRows, InsertionAndDeletionMoveWholeRows) {
    EXPECT_EQ(applyInsert(2, 2, false, 7), "AB__C");
    EXPECT_EQ(applyInsert(2, 2, true, 7), "AB__CDE");
    EXPECT_EQ(applyInsert(2, 5, true, 7), "AB_____");   // growth stops at the allocated rows
    EXPECT_EQ(applyInsert(4, 3, false, 7), "ABCD_");    // new rows beyond the rows in use are not written
    EXPECT_EQ(applyInsert(0, 0, false, 7), "_ABCD");    // a count below 1 counts as 1
    EXPECT_EQ(applyInsert(0, -5, true, 7), "_ABCDE");
    EXPECT_EQ(applyDelete(1, 2, false), "ADE__");
    EXPECT_EQ(applyDelete(1, 2, true), "ADE");
    EXPECT_EQ(applyDelete(3, 10, false), "ABC__");      // cut to end at the last row
    EXPECT_EQ(applyDelete(1, 0, false), "ACDE_");
    EXPECT_EQ(applyDelete(1, -3, true), "ACDE");
    EXPECT_EQ(yygriddeletecount(0, 5, 5), 5);
}

TEST(GridFind, CellTextsArePaddedToTheComparisonLength) {
    struct Case {
        const char* pattern;
        const char* cell;
        int length;
        bool ignoreCase;
        bool found;
    } cases[] = {
        {"12", "312", 11, false, true},
        {"abc ", "xabc", 21, false, true},
        {"abc ", "abcd", 21, false, false},
        {"abc ", "xabc", 4, false, false},   // the blank lies beyond the comparison length
        {"MID", "xxmidyy", 21, true, true},  // the pattern arrives in upper case
        {"MiD", "xxMIDyy", 21, false, false},
        {"", "anything", 5, false, true},
        {"toolong", "toolong", 3, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(yygridcellmatches(c.pattern, c.cell, c.length, c.ignoreCase), c.found) << c.pattern << " in " << c.cell;
    }
}

TEST(GridFind, TheWalkGoesColumnByColumnAndContinuesBehindTheCurrentCell) {
    // Column 0 holds x in row 4, column 1 (not searched) in rows 0 and 2, column 2 in rows 0 and 3.
    std::vector<std::vector<int>> hits = {{4}, {0, 2}, {0, 3}};
    auto searched = [](int c) { return c != 1; };
    auto search = [&](int c, int from, int to) {
        for (int r : hits[static_cast<std::size_t>(c)]) {
            if (r >= from && r <= to) return r;
        }
        return -1;
    };
    GridFindWalk walk{0, 2, 0, 5, false, 0, 0};
    int column = -1, row = -1;
    ASSERT_TRUE(yygridfindwalk(walk, searched, search, column, row));
    EXPECT_EQ(std::make_pair(column, row), std::make_pair(0, 4));
    // Stepping with continue: (0,4) -> (2,0) -> (2,3) -> none.
    walk.continueAfter = true;
    std::vector<std::pair<int, int>> steps;
    walk.currentColumn = column;
    walk.currentRow = row;
    while (yygridfindwalk(walk, searched, search, column, row)) {
        steps.emplace_back(column, row);
        walk.currentColumn = column;
        walk.currentRow = row;
    }
    EXPECT_EQ(steps, (std::vector<std::pair<int, int>>{{2, 0}, {2, 3}}));
    // The start row below the current cell applies to the next searched column.
    walk.currentColumn = 1;
    walk.currentRow = 1;
    ASSERT_TRUE(yygridfindwalk(walk, searched, search, column, row));
    EXPECT_EQ(std::make_pair(column, row), std::make_pair(2, 3));
    // A current column left of the block: continuing has no effect.
    walk.firstColumn = 2;
    walk.currentColumn = 0;
    walk.currentRow = 4;
    ASSERT_TRUE(yygridfindwalk(walk, searched, search, column, row));
    EXPECT_EQ(std::make_pair(column, row), std::make_pair(2, 0));
}

}  // namespace

#include "grid/grid_print_plan.hpp"

namespace {

TEST(GridPrintPlan, UnitsAndPoints) {
    EXPECT_EQ(yygridconvertunits(1000, GridUnitsInches, GridUnitsMillimetres), 2540);
    EXPECT_EQ(yygridconvertunits(2540, GridUnitsMillimetres, GridUnitsInches), 999);  // 2540 / 2.54065, truncated
    EXPECT_EQ(yygridconvertunits(8500, GridUnitsInches, GridUnitsMillimetres), 21595);
    EXPECT_EQ(yygridconvertunits(777, GridUnitsInches, GridUnitsInches), 777);
    EXPECT_EQ(yygridunitstopixels(1000, 600, GridUnitsInches), 600);
    EXPECT_EQ(yygridunitstopixels(2540, 300, GridUnitsMillimetres), 300);
    EXPECT_EQ(yygridpixelstounits(150, 300, GridUnitsMillimetres), 1270);
    EXPECT_EQ(yygridprintscale(100, 600, 150, 96), 937);  // 100 * 600 * 150 / 9600
    // Letter, one-inch margins in thousandths of an inch: 6.5 by 9 inches printable.
    GridPageGeometry page{8500, 11000, 1000, 1000, 1000, 1000, GridUnitsInches};
    EXPECT_EQ(yygridgetpagepoints(page, 1), 468);
    EXPECT_EQ(yygridgetpagepoints(page, 2), 648);
    EXPECT_EQ(yygridgetpagepoints(page, 3), 72);
    EXPECT_EQ(yygridgetpagepoints(page, 4), 72);
    EXPECT_EQ(yygridgetpagepoints(page, 5), 0);
    yygridsetpagepoints(page, 1, 360);  // five inches wide: the right margin is the distance left over
    EXPECT_EQ(page.right, 2500);
    yygridsetpagepoints(page, 3, 36);
    EXPECT_EQ(page.left, 500);
    EXPECT_EQ(page.right, 2500);
    yygridsetpagepoints(page, 2, 576);
    EXPECT_EQ(page.bottom, 2000);
    yygridsetpagepoints(page, 9, 1);
    EXPECT_EQ(page.top, 1000);
}

TEST(GridPrintPlan, RowsPerPageAndPagesAcross) {
    EXPECT_EQ(yygridrowsperpage(100, 3100, 60, false), 50);
    EXPECT_EQ(yygridrowsperpage(100, 3100, 60, true), 49);
    EXPECT_EQ(yygridrowsperpage(100, 130, 60, false), 1);  // lower than one pitch: still one row
    EXPECT_EQ(yygridrowsperpage(100, 150, 60, true), 1);
    // Narrow: everything on one page. Wide: three pages, labels (40) on every page.
    auto labels = [](int) { return 40; };
    auto narrow = yygridpagesacross({100, 100, 100}, 0, 1000, labels);
    ASSERT_EQ(narrow.size(), 1u);
    EXPECT_EQ(narrow[0].x, (std::vector<int>{40, 140, 240}));
    auto wide = yygridpagesacross({300, 300, 300, 300, 300, 300, 300}, 0, 700, labels);
    ASSERT_EQ(wide.size(), 4u);
    EXPECT_EQ(wide[0].first, 0);
    EXPECT_EQ(wide[0].last, 1);
    EXPECT_EQ(wide[3].first, 6);
    // Labels on the first page only; a column wider than the area is cut and printed alone.
    auto first = yygridpagesacross({900, 200, 200}, 10, 510, [](int page) { return page == 0 ? 50 : 0; });
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].width, (std::vector<int>{450}));
    EXPECT_EQ(first[1].x, (std::vector<int>{10, 210}));
}

}  // namespace
