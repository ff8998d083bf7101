// libplot_drawing.hpp - the benchmarks' drawing sent to an open libplot plotter, as the peer side
// of the vector and raster benchmarks: the segments as lines, then the quadrilaterals filled
// without outline, with the colours changing where the hardcopy side changes them.
#pragma once

#include <cstdio>

#include <plot.h>  // after <cstdio>: it uses FILE without including it

#include "bench_drawing.hpp"

namespace bench {

inline int libplotChannel(int c) { return c * 257; }  // libplot's colour components are 16 bits

inline void drawWithLibplot(plPlotter* plotter, const Drawing& d) {
    pl_fspace_r(plotter, 0, 0, surfaceWidth, surfaceHeight);
    pl_linewidth_r(plotter, 1);
    for (int i = 0; i < d.segmentCount(); ++i) {
        if (i % colourRun == 0) {
            const Rgb& c = lineColours[(i / colourRun) % 7];
            pl_pencolor_r(plotter, libplotChannel(c.red), libplotChannel(c.green), libplotChannel(c.blue));
        }
        const float* s = &d.segments[4 * static_cast<std::size_t>(i)];
        pl_fline_r(plotter, s[0], s[1], s[2], s[3]);
    }
    pl_endpath_r(plotter);
    pl_filltype_r(plotter, 1);
    pl_pentype_r(plotter, 0);
    for (int i = 0; i < d.quadCount(); ++i) {
        if (i % colourRun == 0) {
            const Rgb& c = fillColours[(i / colourRun) % 5];
            pl_fillcolor_r(plotter, libplotChannel(c.red), libplotChannel(c.green), libplotChannel(c.blue));
        }
        const float* q = &d.quads[8 * static_cast<std::size_t>(i)];
        pl_fmove_r(plotter, q[0], q[1]);
        for (int k = 1; k < 4; ++k) pl_fcont_r(plotter, q[2 * k], q[2 * k + 1]);
        pl_closepath_r(plotter);
        pl_endpath_r(plotter);
    }
}

}  // namespace bench
