// presentation.hpp - the presentation-graphics plot definition (public): area, axis ranges,
// scaling and the plot itself. The routines validate and store; nothing draws from them yet.
#pragma once

#include <span>
#include <string_view>

void IPgArea(float x1, float y1, float x2, float y2);
void IPgUnits(float x1, float y1, float x2, float y2);
void IPgUnitsZ(float z1, float z2);
void IPgUnitsPolar(float radius);
// "LOG" (first three characters, any case) makes that axis logarithmic.
void IPgScaling(std::string_view xscale, std::string_view yscale);
// Plot type 1..11, data sets 1..500, values per set (one to three counts), option bits and the
// per-set styles switch (0: styles and colours are not set).
void IPgNewPlot(int type, int sets, std::span<const int> values, int options = 0, int styles = 0);
void IPgNewPlot(int type, int sets, int values, int options = 0, int styles = 0);
void IPgNewPlot1(int type, int sets, std::span<const int> values, int options = 0, int styles = 0);
void IPgNewPlot2(int type, int sets, std::span<const int> values, int options = 0, int styles = 0);
