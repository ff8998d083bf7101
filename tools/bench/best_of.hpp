// best_of.hpp - the benchmarks' timing: seconds since a moment, and the shortest of a number of
// runs of some work, in seconds.
#pragma once

#include <algorithm>
#include <chrono>

namespace bench {

inline double since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

template <typename Work>
double bestOf(int runs, Work work) {
    double seconds = 1e30;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        seconds = std::min(seconds, since(start));
    }
    return seconds;
}

}  // namespace bench
