// grid_sort_bench.cpp - the grid's row sort core, run by hand: 100,000 rows with random integer,
// double and text keys sorted through the key and exchange callbacks, against std::sort of the
// same keys. Each row carries its own number, so the run also checks that the rows come out in
// std::sort's order and whole. Text keys are shown in place, as views of the rows' texts. The
// sort takes a range's first row as its pivot: keys already in order make it quadratic, so only
// random keys are measured. Best of seven runs each.
//
// Build: clang++ -std=c++20 -O2 -Ilibrary tools/bench/grid_sort_bench.cpp library/grid/grid_sort.cpp
// Usage: grid_sort_bench [rows]   (default 100000)
#include <algorithm>
#include <chrono>
#include <cstdio>
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

// One run of the core over rows; the rows end in the core's order. Returns the seconds taken.
template <typename T>
double sortCore(std::vector<Row<T>>& rows, GridKeyKind kind) {
    const auto started = std::chrono::steady_clock::now();
    yygridsortrows(
        0, static_cast<int>(rows.size()) - 1, kind, false,
        [&](int row, GridSortKey& key) { store(rows[static_cast<std::size_t>(row)].key, key); },
        [&](int a, int b) { std::swap(rows[static_cast<std::size_t>(a)], rows[static_cast<std::size_t>(b)]); });
    return bench::since(started);
}

template <typename T>
double sortStandard(std::vector<T>& keys) {
    const auto started = std::chrono::steady_clock::now();
    std::sort(keys.begin(), keys.end());
    return bench::since(started);
}

template <typename T>
void measure(const char* name, const std::vector<T>& keys, GridKeyKind kind) {
    double core = 1e9, standard = 1e9;
    std::vector<Row<T>> rows;
    for (int run = 0; run < 7; ++run) {
        rows.clear();
        for (std::size_t i = 0; i < keys.size(); ++i) rows.push_back({keys[i], static_cast<int>(i)});
        core = std::min(core, sortCore(rows, kind));
        std::vector<T> copy = keys;
        standard = std::min(standard, sortStandard(copy));
    }
    // The same keys in std::sort's order, each row still holding its own key.
    std::vector<T> expected = keys;
    std::sort(expected.begin(), expected.end());
    bool whole = true;
    for (std::size_t i = 0; i < rows.size(); ++i)
        whole = whole && rows[i].key == expected[i] && keys[static_cast<std::size_t>(rows[i].number)] == rows[i].key;
    std::printf("| %s | %.4f | %.4f | %.2f | %s |\n", name, core, standard, core / standard, whole ? "yes" : "NO");
}

}  // namespace

int main(int argc, char** argv) {
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
    std::printf("%d rows, random keys, best of 7\n\n", count);
    std::printf("| key | core s | std::sort s | ratio | rows whole |\n|---|---|---|---|---|\n");
    measure("integer", integers, GridKeyKind::Integer);
    measure("double", doubles, GridKeyKind::Double);
    measure("text", texts, GridKeyKind::Text);
    return 0;
}
