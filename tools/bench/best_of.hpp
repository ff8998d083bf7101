// best_of.hpp - the benchmarks' timing: seconds since a moment, the shortest of a number of runs,
// and interleaved runs of two or more sides, each run in a child process of its own so that its
// time and its peak memory are its own; the minimum and median of each side, on the clock and on
// the processor.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

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

// One side of a comparison: its name, the work of one run, and what the run needs ready before
// its clock starts (a caller's output buffer, say), whose memory still counts.
struct Side {
    std::string name;
    std::function<void()> work;
    std::function<void()> prepare = {};
};

inline double medianOf(std::vector<double> s) {
    std::sort(s.begin(), s.end());
    const std::size_t n = s.size();
    return n % 2 == 1 ? s[n / 2] : (s[n / 2 - 1] + s[n / 2]) / 2;
}

// The runs of one side: their seconds on the clock and on the processor (user and system time,
// which waiting for a processor on a loaded machine does not add to), and the most memory any
// run added to its process.
struct Figures {
    std::vector<double> seconds, processorSeconds;
    double peakMegabytes = 0;
    double minimum() const { return *std::min_element(seconds.begin(), seconds.end()); }
    double median() const { return medianOf(seconds); }
    double processorMinimum() const { return *std::min_element(processorSeconds.begin(), processorSeconds.end()); }
    double processorMedian() const { return medianOf(processorSeconds); }
};

// The user and system seconds this process has used.
inline double processorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A field of /proc/self/status in kB ("VmRSS", "VmHWM"); 0 where the system has none.
inline double statusKilobytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.compare(0, field.size() + 1, field + ":") == 0) return std::atof(line.c_str() + field.size() + 1);
    return 0;
}

// One run of the work in a forked child: its seconds and the memory it added at its peak (the
// child's high-water mark, reset as the child starts, less its resident size then).
struct Run {
    double seconds = 0, processorSeconds = 0, peakMegabytes = 0;
};
inline Run inChild(const Side& side) {
    int channel[2];
    if (pipe(channel) != 0) std::abort();
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) std::abort();
    if (child == 0) {
        close(channel[0]);
        std::ofstream("/proc/self/clear_refs") << "5";  // resets the high-water mark
        const double before = statusKilobytes("VmRSS");
        if (side.prepare) side.prepare();
        const double processorStart = processorSeconds();
        const auto start = std::chrono::steady_clock::now();
        side.work();
        Run run{since(start), processorSeconds() - processorStart, 0};
        run.peakMegabytes = std::max(0.0, statusKilobytes("VmHWM") - before) / 1024;
        const bool sent = write(channel[1], &run, sizeof run) == static_cast<ssize_t>(sizeof run);
        std::fflush(nullptr);
        _exit(sent ? 0 : 1);
    }
    close(channel[1]);
    Run run;
    const bool received = read(channel[0], &run, sizeof run) == static_cast<ssize_t>(sizeof run);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!received || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "a benchmark run failed\n");
        std::exit(1);
    }
    return run;
}

// rounds rounds, each running every side once in turn (so that a change of the machine's load
// falls on all sides alike); the figures of each side in the order of sides.
inline std::vector<Figures> interleaved(int rounds, const std::vector<Side>& sides) {
    std::vector<Figures> figures(sides.size());
    for (int round = 0; round < rounds; ++round)
        for (std::size_t s = 0; s < sides.size(); ++s) {
            const Run run = inChild(sides[s]);
            figures[s].seconds.push_back(run.seconds);
            figures[s].processorSeconds.push_back(run.processorSeconds);
            figures[s].peakMegabytes = std::max(figures[s].peakMegabytes, run.peakMegabytes);
        }
    return figures;
}

// The number of rounds from the first argument "-rN" of a benchmark (at least 5), removing it.
inline int roundsArgument(int& argc, char** argv, int fallback = 5) {
    if (argc > 1 && std::string(argv[1]).rfind("-r", 0) == 0) {
        const int n = std::atoi(argv[1] + 2);
        for (int i = 1; i + 1 < argc; ++i) argv[i] = argv[i + 1];
        --argc;
        return std::max(n, 5);
    }
    return fallback;
}

// What a benchmark runs: its rounds, the scales of its work (each a multiple of the base work)
// and the rounds at the scales above 1 (fewer may be asked for the larger work, and the tables
// say so); a side whose run would need more than memoryLimit megabytes is left out.
struct Plan {
    int rounds = 5, bigRounds = 5;
    std::vector<int> scales{1};
    double memoryLimit = 0;  // megabytes; 0 for no limit
    int roundsAt(int scale) const { return scale > 1 ? bigRounds : rounds; }
};

// Takes the plan's options out of the arguments, wherever they are:
//   -rN   rounds (at least 5)            -RN  rounds at the scales above 1 (at least 1; default -r)
//   -sA,B,C  the scales (-s1,4,16)       -xN  one scale, N (as -sN)
//   -mMB  leave out a side whose run would need more than MB megabytes
inline Plan planArguments(int& argc, char** argv, int fallbackRounds = 5) {
    Plan plan;
    plan.rounds = fallbackRounds;
    int bigRounds = 0, kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("-r", 0) == 0) plan.rounds = std::max(std::atoi(a.c_str() + 2), 5);
        else if (a.rfind("-R", 0) == 0) bigRounds = std::max(std::atoi(a.c_str() + 2), 1);
        else if (a.rfind("-m", 0) == 0) plan.memoryLimit = std::atof(a.c_str() + 2);
        else if (a.rfind("-s", 0) == 0 || a.rfind("-x", 0) == 0) {
            plan.scales.clear();
            for (std::size_t at = 2; at < a.size();) {
                std::size_t end = a.find(',', at);
                if (end == std::string::npos) end = a.size();
                plan.scales.push_back(std::max(1, std::atoi(a.substr(at, end - at).c_str())));
                at = end + 1;
            }
            if (plan.scales.empty()) plan.scales.push_back(1);
        } else argv[kept++] = argv[i];
    }
    argc = kept;
    plan.bigRounds = bigRounds > 0 ? bigRounds : plan.rounds;
    return plan;
}

// The memory a side's run at a scale would need, from the largest scale it ran at before (memory
// grows with the work for a side that keeps it); 0 when it has not run yet.
struct MemoryForecast {
    int scale = 0;
    double megabytes = 0;
    void ran(int at, double peak) {
        if (at >= scale) scale = at, megabytes = peak;
    }
    double at(int wanted) const { return scale == 0 ? 0 : megabytes * wanted / scale; }
};

// The same-work line every benchmark prints: what was compared and whether it agreed.
inline bool sameWork(const std::string& what, bool agreed) {
    std::printf("same work: %s: %s\n", what.c_str(), agreed ? "yes" : "NO");
    return agreed;
}

// The load line every benchmark prints first: the date and the machine's load.
inline void machineLine() {
    std::ifstream load("/proc/loadavg");
    std::string one, five, fifteen;
    load >> one >> five >> fifteen;
    const std::time_t now = std::time(nullptr);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M UTC", std::gmtime(&now));
    std::printf("%s, %ld cores, load %s %s %s\n", date, sysconf(_SC_NPROCESSORS_ONLN), one.c_str(), five.c_str(),
                fifteen.c_str());
}

}  // namespace bench
