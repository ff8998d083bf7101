// sort_peer.cpp - the native peer of WGridSort in tools/bench/grid/run-wine-grid, run by hand or by
// that driver: std::sort of the keys the Wine benchmark wrote (bench-sort-KIND-keys.txt, a cell
// text a line), as text, integer or double keys, timed from keys held in memory to keys in order.
// It then compares its order with the grid's (bench-sort-KIND-sorted.txt), as values of the kind,
// so both sides sorted the same keys into the same order. Prints the seconds, the memory the
// process added at its peak (MB) and "same yes" or "same NO".
//
// Build: clang++ -std=c++20 -O2 tools/bench/grid/sort_peer.cpp -o sort_peer
// Usage: sort_peer text|integer|double
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> lines(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::vector<std::string> all;
    for (std::string line; std::getline(in, line);) all.push_back(line);
    return all;
}

double statusMegabytes(const char* field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0) return std::atof(line.c_str() + std::string(field).size()) / 1024;
    return 0;
}

// Sorts the keys as values of type T, timed; whether the order is the grid's.
template <typename T, typename Parse>
bool sortAndCompare(const std::vector<std::string>& keys, const std::vector<std::string>& grid, Parse parse,
                    double& seconds) {
    std::vector<T> values;
    values.reserve(keys.size());
    for (const std::string& k : keys) values.push_back(parse(k));
    const auto start = std::chrono::steady_clock::now();
    std::sort(values.begin(), values.end());
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (grid.size() != values.size()) return false;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (!(parse(grid[i]) == values[i])) return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: sort_peer text|integer|double\n");
        return 2;
    }
    const std::string kind = argv[1];
    const double before = statusMegabytes("VmRSS:");
    const std::vector<std::string> keys = lines("bench-sort-" + kind + "-keys.txt");
    const std::vector<std::string> grid = lines("bench-sort-" + kind + "-sorted.txt");
    double seconds = 0;
    bool same = false;
    if (kind == "text") same = sortAndCompare<std::string>(keys, grid, [](const std::string& s) { return s; }, seconds);
    else if (kind == "integer") same = sortAndCompare<long>(keys, grid, [](const std::string& s) { return std::atol(s.c_str()); }, seconds);
    else same = sortAndCompare<double>(keys, grid, [](const std::string& s) { return std::atof(s.c_str()); }, seconds);
    same = same && !keys.empty();
    std::printf("%.4f %.1f same %s (%zu keys)\n", seconds, statusMegabytes("VmHWM:") - before, same ? "yes" : "NO",
                keys.size());
    return same ? 0 : 1;
}
