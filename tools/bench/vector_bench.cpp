// vector_bench.cpp - the PostScript, SVG, CGM and HP-GL file drivers against GNU plotutils'
// libplot, run by hand: the benchmarks' one drawing (bench_drawing.hpp) through IGrHardCopy and
// the driver, and the same segments and filled quadrilaterals through libplot's "ps", "svg",
// "cgm" and "hpgl" plotters (the last as HP-GL/1, HPGL_VERSION=1, the dialect the driver writes).
// "hpgl-lines" is the HP-GL pair on the segments alone. The sides run interleaved, each run in a
// process of its own; prints the minimum and median seconds, the peak memory a run added, the
// file sizes, the ratios (ours over libplot's), and the elements counted in both files; with
// several scales ("-s1,4,16": the drawing once, 4 and 16 times over) a scaling table at the end.
// libplot keeps its whole file in memory (about 6 GB for PostScript at 16 times): "-mMB" leaves
// out a side whose run would need more than MB megabytes, forecast from its peak at the largest
// scale it ran at, and the table says so; "-RN" runs N rounds at the scales above 1.
//
// Build against a Release library without sanitizers (see docs/performance.md):
//   clang++ -std=c++20 -O2 -Ilibrary tools/bench/vector_bench.cpp build/bench/libgravimonder{,_editor,_grid,_images,_hardcopy,_graphics,_dialogs,_windows,_base}.a -lplot -lz
// Usage: vector_bench [-rROUNDS] [-RROUNDS] [-sSCALES] [-mMB] [ps|svg|cgm|hpgl|hpgl-lines ...]
//   (5 rounds, scale 1, no limit, every kind; -xTIMES is -sTIMES)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assembly/assemble.hpp"
#include "bench_drawing.hpp"
#include "best_of.hpp"
#include "libplot_drawing.hpp"
#include "hardcopy/hardcopy.hpp"

namespace {

void ours(const bench::Drawing& d, int driver, const std::string& name) {
    yyresetgravim();
    yypali();
    bench::surface();
    IGrHardCopySelect(1, driver);
    IGrHardCopy(name);
    bench::draw(d);
    IGrHardCopy("S");
}

void libplot(const bench::Drawing& d, const std::string& type, const std::string& name) {
    FILE* out = std::fopen(name.c_str(), "wb");
    plPlotterParams* params = pl_newplparams();
    if (type == "hpgl") pl_setplparam(params, "HPGL_VERSION", const_cast<char*>("1"));
    plPlotter* plotter = pl_newpl_r(type.c_str(), nullptr, out, stderr, params);
    pl_openpl_r(plotter);
    bench::drawWithLibplot(plotter, d);
    pl_closepl_r(plotter);
    pl_deletepl_r(plotter);
    pl_deleteplparams(params);
    std::fclose(out);
}

std::string contents(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The occurrences of each word in a file, read a block at a time (libplot's PostScript at 16
// times the drawing is some 6 GB): a word is counted in the block where it starts, and the
// block's last bytes, where a word may be cut off, are searched again with the next block.
std::vector<std::size_t> occurrences(const std::string& name, const std::vector<std::string>& words) {
    std::size_t longest = 1;
    for (const std::string& w : words) longest = std::max(longest, w.size());
    std::vector<std::size_t> n(words.size());
    std::ifstream file(name, std::ios::binary);
    std::vector<char> block(std::size_t{1} << 24);
    std::string text;
    for (bool more = true; more;) {
        file.read(block.data(), static_cast<std::streamsize>(block.size()));
        const std::size_t got = static_cast<std::size_t>(file.gcount());
        more = got == block.size();
        text.append(block.data(), got);
        const std::size_t limit = more ? text.size() - std::min(text.size(), longest - 1) : text.size();
        for (std::size_t w = 0; w < words.size(); ++w)
            for (std::size_t at = text.find(words[w]); at < limit; at = text.find(words[w], at + words[w].size())) ++n[w];
        text.erase(0, limit);
    }
    return n;
}

// The segments and the filled quadrilaterals a file of either side draws, by the marks its
// writer gives each: counted in the file, so that a side that left work out shows it.
struct Elements {
    std::size_t segments = 0, fills = 0;
};

// A binary CGM's elements of class 4 (graphical primitives) with the given element id.
std::size_t cgmElements(const std::string& file, int id) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned>(static_cast<unsigned char>(file[at])); };
    std::size_t n = 0, at = 0;
    while (at + 2 <= file.size()) {
        const unsigned head = byte(at) << 8 | byte(at + 1);
        at += 2;
        std::size_t length = head & 31;
        if (length == 31) {  // long form: partitions, each with its length and a continuation bit
            for (bool more = true; more && at + 2 <= file.size();) {
                const unsigned word = byte(at) << 8 | byte(at + 1);
                const std::size_t part = word & 0x7FFF;
                more = (word & 0x8000) != 0;
                at += 2 + part + (part & 1);
            }
        } else {
            at += length + (length & 1);
        }
        if ((head >> 12) == 4 && ((head >> 5) & 127) == static_cast<unsigned>(id)) ++n;
    }
    return n;
}

Elements countOurs(const std::string& kind, const std::string& name) {
    if (kind == "ps") {  // "x y m" starts every segment, quadrilateral and the clip path; "cf" fills
        const auto n = occurrences(name, {"\ncf\r", " m\r\n", "\nclip\r"});
        return {n[1] - n[0] - n[2], n[0]};
    }
    if (kind == "svg") {
        const auto n = occurrences(name, {"<line ", "<polygon "});
        return {n[0], n[1]};
    }
    if (kind == "cgm") {  // POLYLINE, POLYGON
        const std::string text = contents(name);
        return {cgmElements(text, 1), cgmElements(text, 7)};
    }
    // HP-GL: a "PD" line ends every segment; each quadrilateral's annotation ends with "SC-8 -1".
    const auto n = occurrences(name, {"\nPD", "\nSC-8 -1 "});
    return {n[0], n[1]};
}

Elements countLibplot(const std::string& kind, const std::string& name) {
    if (kind == "ps") {  // idraw objects; the unfilled ones ("none SetP") are the segments
        const auto n = occurrences(name, {"Begin %I MLine", "Begin %I Poly", "none SetP"});
        return {n[2], n[0] + n[1] - n[2]};
    }
    if (kind == "svg") {  // a fill is a "polyline", or a "polygon" when its path comes back to its start
        const auto n = occurrences(name, {"<line ", "<polyline ", "<polygon "});
        return {n[0], n[1] + n[2]};
    }
    if (kind == "cgm") {
        const std::string text = contents(name);
        return {cgmElements(text, 1), cgmElements(text, 7)};
    }
    // HP-GL/1: "PD;" after the move to each segment's end, a segment of zero length a dot "WG";
    // the plotter fills nothing in this dialect (a quadrilateral is a pen-up move).
    const auto n = occurrences(name, {"PD;", "WG"});
    return {n[0] + n[1], 0};
}

struct Kind {
    std::string name;  // as given on the command line
    int driver;
    std::string plotter, extension;
    bool segmentsOnly;
};
const Kind kinds[] = {{"ps", 2, "ps", "ps", false},      {"svg", 3, "svg", "svg", false},
                      {"cgm", 9, "cgm", "cgm", false},   {"hpgl", 1, "hpgl", "hpgl", false},
                      {"hpgl-lines", 1, "hpgl", "hpgl", true}};

// One line of the scaling table.
struct ScaleRow {
    std::string kind;
    int scale = 1, rounds = 0;
    bench::Figures ours, libplot;
    bool libplotRan = true, same = true;
    double libplotForecast = 0;
};

}  // namespace

int main(int argc, char** argv) {
    yyassemblelibrary();
    const bench::Plan plan = bench::planArguments(argc, argv);
    std::vector<std::string> names;
    for (int i = 1; i < argc; ++i) names.emplace_back(argv[i]);
    if (names.empty())
        for (const Kind& k : kinds) names.push_back(k.name);
    for (const std::string& name : names)
        if (std::none_of(std::begin(kinds), std::end(kinds), [&](const Kind& k) { return k.name == name; })) {
            std::fprintf(stderr, "unknown kind %s\n", name.c_str());
            return 2;
        }
    bench::machineLine();
    std::vector<ScaleRow> table;
    std::vector<bench::MemoryForecast> forecasts(std::size(kinds));
    bool allSame = true;
    for (const int times : plan.scales) {
        const int rounds = plan.roundsAt(times);
        std::printf("\n%d rounds, the drawing %d times (%d segments, %d quadrilaterals)\n", rounds, times,
                    times * bench::segmentCount, times * bench::quadCount);
        const bench::Drawing whole = bench::makeDrawing(times);
        bench::Drawing lines = whole;
        lines.quads.clear();
        std::printf("%-10s %-8s %9s %9s %9s %10s\n", "kind", "side", "min s", "median s", "peak MB", "file MB");
        for (const std::string& name : names) {
            const std::size_t index = static_cast<std::size_t>(
                std::find_if(std::begin(kinds), std::end(kinds), [&](const Kind& k) { return k.name == name; }) -
                std::begin(kinds));
            const Kind* kind = &kinds[index];
            const bench::Drawing& d = kind->segmentsOnly ? lines : whole;
            const std::string oursName = "bench-ours-" + name + "." + kind->extension;
            const std::string theirsName = "bench-libplot-" + name + "." + kind->extension;
            ScaleRow row;
            row.kind = name;
            row.scale = times;
            row.rounds = rounds;
            row.libplotForecast = forecasts[index].at(times);
            row.libplotRan = plan.memoryLimit <= 0 || row.libplotForecast <= plan.memoryLimit;
            std::vector<bench::Side> sides{{"ours", [&] { ours(d, kind->driver, oursName); }}};
            if (row.libplotRan) sides.push_back({"libplot", [&] { libplot(d, kind->plotter, theirsName); }});
            const std::vector<bench::Figures> f = bench::interleaved(rounds, sides);
            row.ours = f[0];
            const double oursBytes = static_cast<double>(std::filesystem::file_size(oursName));
            std::printf("%-10s %-8s %9.3f %9.3f %9.1f %10.1f\n", name.c_str(), "ours", f[0].minimum(), f[0].median(),
                        f[0].peakMegabytes, oursBytes / 1e6);
            const Elements a = countOurs(kind->name, oursName);
            const std::size_t segments = static_cast<std::size_t>(d.segmentCount()), fills = static_cast<std::size_t>(d.quadCount());
            char what[240];
            if (row.libplotRan) {
                row.libplot = f[1];
                forecasts[index].ran(times, f[1].peakMegabytes);
                const double theirsBytes = static_cast<double>(std::filesystem::file_size(theirsName));
                std::printf("%-10s %-8s %9.3f %9.3f %9.1f %10.1f\n", name.c_str(), "libplot", f[1].minimum(),
                            f[1].median(), f[1].peakMegabytes, theirsBytes / 1e6);
                std::printf("%-10s time ours/libplot: median %.2f, minimum %.2f; size %.2f\n", name.c_str(),
                            f[0].median() / f[1].median(), f[0].minimum() / f[1].minimum(), oursBytes / theirsBytes);
                const Elements b = countLibplot(kind->name, theirsName);
                std::snprintf(what, sizeof what,
                              "%s x%d segments ours %zu, libplot %zu; quadrilaterals ours %zu, libplot %zu (drawn %zu, %zu)",
                              name.c_str(), times, a.segments, b.segments, a.fills, b.fills, segments, fills);
                // libplot's HP-GL/1 writes no fills, which are not compared; and it leaves out about
                // one segment in a million there (a dot it merges), which the check allows.
                const bool hpgl = kind->extension == "hpgl";
                const std::size_t missing = segments - std::min(segments, b.segments);
                row.same = a.segments == segments &&
                           (b.segments == segments || (hpgl && missing * 100000 <= segments)) && a.fills == fills &&
                           (hpgl || b.fills == fills);
            } else {
                std::printf("%-10s %-8s left out: a run would need about %.0f MB, above the limit of %.0f MB\n",
                            name.c_str(), "libplot", row.libplotForecast, plan.memoryLimit);
                std::snprintf(what, sizeof what, "%s x%d segments ours %zu; quadrilaterals ours %zu (drawn %zu, %zu; libplot left out)",
                              name.c_str(), times, a.segments, a.fills, segments, fills);
                row.same = a.segments == segments && a.fills == fills;
            }
            allSame = bench::sameWork(what, row.same) && allSame;
            // The larger files are not kept (libplot's PostScript at 16 times is some 6 GB).
            if (times > 1) {
                std::filesystem::remove(oursName);
                std::filesystem::remove(theirsName);
            }
            table.push_back(row);
            std::fflush(stdout);
        }
    }
    if (plan.scales.size() > 1) {
        std::printf("\nScaling (medians; peak: the most memory a run added):\n\n| file | times | rounds | ours median s "
                    "| ours peak MB | libplot median s | libplot peak MB | time (medians) | same work |\n"
                    "|---|---|---|---|---|---|---|---|---|\n");
        for (const ScaleRow& r : table) {
            std::printf("| %s | %d | %d | %.2f | %.1f | ", r.kind.c_str(), r.scale, r.rounds, r.ours.median(),
                        r.ours.peakMegabytes);
            if (r.libplotRan)
                std::printf("%.2f | %.1f | %.2f | %s |\n", r.libplot.median(), r.libplot.peakMegabytes,
                            r.ours.median() / r.libplot.median(), r.same ? "yes" : "NO");
            else
                std::printf("left out (about %.0f MB a run) | - | - | %s (ours) |\n", r.libplotForecast,
                            r.same ? "yes" : "NO");
        }
    }
    return allSame ? 0 : 1;
}
