// grid_sort_bench.cpp - the grid's row sort core, run by hand: 100,000 rows of integer, double and
// text keys in five shapes (random, in order, in the opposite order, all equal, rising then
// falling) sorted through the key and exchange callbacks, against std::sort of the same keys.
// Each row carries its own number, so every run checks that the rows come out in std::sort's
// order and whole (the same work on both sides). Text keys are shown in place, as views of the
// rows' texts. The two sides run in turn, seven times each (at least five, "-rN"), every run in a
// process of its own; minimum, median and the memory a run added at its peak are printed.
//
// Build: clang++ -std=c++20 -O2 -Ilibrary tools/bench/grid_sort_bench.cpp library/grid/grid_sort.cpp
// Usage: grid_sort_bench [-rN] [rows]   (default 7 rounds, 100000 rows)
#include <algorithm>
#include <cstdio>
#include <cstddef>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "grid/grid_sort.hpp"
#include "best_of.hpp"

namespace {

template <typename T>
struct Row {
    T key;
    int number;
};

void store(const int& value, GridSortKey& key) { key.integer = value; }
void store(const double& value, GridSortKey& key) { key.number = value; }
void store(const std::string& value, GridSortKey& key) { key.text = value; }

// The core's sort of rows, each row holding its key and its own number.
template <typename T>
void sortCore(std::vector<Row<T>>& rows, GridKeyKind keyKind) {
    yygridsortrows(
        0, static_cast<int>(rows.size()) - 1, keyKind, false,
        [&](int row, GridSortKey& key) { store(rows[static_cast<std::size_t>(row)].key, key); },
        [&](int a, int b) { std::swap(rows[static_cast<std::size_t>(a)], rows[static_cast<std::size_t>(b)]); });
}

template <typename T>
bool measure(const char* kind, const char* shape, const std::vector<T>& keys, GridKeyKind keyKind, int rounds) {
    std::vector<Row<T>> rows;
    rows.reserve(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) rows.push_back({keys[i], static_cast<int>(i)});
    std::vector<T> copy = keys;
    // Both sides did the same work: the same keys in the same order, each row of the core whole.
    std::vector<Row<T>> sorted = rows;
    sortCore(sorted, keyKind);
    std::vector<T> expected = keys;
    std::sort(expected.begin(), expected.end());
    bool same = true;
    for (std::size_t i = 0; i < sorted.size(); ++i)
        same = same && sorted[i].key == expected[i] && keys[static_cast<std::size_t>(sorted[i].number)] == sorted[i].key;
    // Each run sorts its own process's copy of the unsorted rows.
    const std::vector<bench::Figures> figures = bench::interleaved(
        rounds, {{"core", [&] { sortCore(rows, keyKind); }}, {"std::sort", [&] { std::sort(copy.begin(), copy.end()); }}});
    const bench::Figures &core = figures[0], &standard = figures[1];
    std::printf("| %s | %s | %.4f | %.4f | %.4f | %.4f | %.2f | %.1f | %.1f | %s |\n", kind, shape, core.minimum(),
                core.median(), standard.minimum(), standard.median(), core.median() / standard.median(),
                core.peakMegabytes, standard.peakMegabytes, same ? "yes" : "NO");
    std::fflush(stdout);
    return same;
}

// Keys of one shape made from random ones of the same kind.
template <typename T>
std::vector<T> shaped(const std::vector<T>& random, int shape) {
    std::vector<T> keys = random;
    const std::size_t n = keys.size();
    switch (shape) {
    case 1: std::sort(keys.begin(), keys.end()); break;
    case 2: std::sort(keys.rbegin(), keys.rend()); break;
    case 3: std::fill(keys.begin(), keys.end(), keys[0]); break;
    case 4: {  // the smaller half rising, then the larger half falling
        std::sort(keys.begin(), keys.end());
        std::vector<T> pipe;
        for (std::size_t i = 0; i < n; i += 2) pipe.push_back(keys[i]);
        for (std::size_t i = n - 1 - (n % 2 == 0 ? 0 : 1); i < n; i -= 2) pipe.push_back(keys[i]);
        keys = pipe;
        break;
    }
    default: break;
    }
    return keys;
}

template <typename T>
bool measureShapes(const char* kind, const std::vector<T>& random, GridKeyKind keyKind, int rounds) {
    const char* names[] = {"random", "in order", "opposite order", "all equal", "rising then falling"};
    bool same = true;
    for (int shape = 0; shape < 5; ++shape) same = measure(kind, names[shape], shaped(random, shape), keyKind, rounds) && same;
    return same;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = bench::roundsArgument(argc, argv, 7);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    std::mt19937 random(20261211);
    std::vector<int> integers;
    std::vector<double> doubles;
    std::vector<std::string> texts;
    std::uniform_int_distribution<int> integer(-1000000000, 1000000000);
    std::uniform_real_distribution<double> real(-1e6, 1e6);
    std::uniform_int_distribution<int> letter('A', 'Z'), length(4, 16);
    for (int i = 0; i < count; ++i) {
        integers.push_back(integer(random));
        doubles.push_back(real(random));
        std::string text;
        for (int n = length(random); n > 0; --n) text += static_cast<char>(letter(random));
        texts.push_back(text);
    }
    bench::machineLine();
    std::printf("%d rows, %d rounds of the two sides in turn, each run in a process of its own; peak: MB a run\n"
                "added at its peak; same: both sides gave the same keys in the same order and every row of the core\n"
                "kept its own key\n\n",
                count, rounds);
    std::printf("| key | shape | core min s | core median s | std::sort min s | std::sort median s | median ratio "
                "| core peak MB | std::sort peak MB | same |\n|---|---|---|---|---|---|---|---|---|---|\n");
    bool same = measureShapes("integer", integers, GridKeyKind::Integer, rounds);
    same = measureShapes("double", doubles, GridKeyKind::Double, rounds) && same;
    same = measureShapes("text", texts, GridKeyKind::Text, rounds) && same;
    bench::sameWork("the rows of both sides in the same order, every row whole", same);
    return same ? 0 : 1;
}
