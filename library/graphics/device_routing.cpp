// device_routing.cpp - hands each opcode to the current surface's device and to hardcopy.
#include <algorithm>
#include <climits>
#include <cstddef>

#include "base/gravim.hpp"
#include "graphics/addon_ports.hpp"
#include "graphics/devices.hpp"

namespace {

DeviceTap deviceTap = nullptr;

template <typename T>
void growTo(std::vector<T>& list, int count) {
    const std::size_t wanted = static_cast<std::size_t>(count > 0 ? count : 0) + 1;
    if (list.size() < wanted) list.resize(wanted);
}

}  // namespace

DeviceTap yysetdevicetap(DeviceTap tap) {
    const DeviceTap previous = deviceTap;
    deviceTap = tap;
    return previous;
}

void yygdrv(int opcode) {
    if (deviceTap != nullptr) deviceTap(DeviceSide::Current, opcode);
    if (gravim.graphics.deviceKind == 0) {
        yygapi(opcode);
    } else {
        yygcgm(opcode);
    }
}

void yyhdrv(int opcode) {
    if (gravim.graphics.hardcopyActive <= 0) return;
    if (deviceTap != nullptr) deviceTap(DeviceSide::Hardcopy, opcode);
    yyhardcopyport().driver(opcode);
}

void yypolygonsize(int count) {
    GraphicsState& g = gravim.graphics;
    growTo(g.PolygonX, count);
    growTo(g.PolygonY, count);
}

int yyvertexcount(int requested) {
    const GraphicsState& g = gravim.graphics;
    const std::size_t lists = std::min(g.PolygonX.size(), g.PolygonY.size());
    const int held = static_cast<int>(std::min<std::size_t>(lists == 0 ? 0 : lists - 1, INT_MAX));
    return std::clamp(requested, 0, held);
}

void yygradientsize(int count) {
    GraphicsState& g = gravim.graphics;
    growTo(g.GradientX, count);
    growTo(g.GradientY, count);
    growTo(g.GradientColour, count);
}

int yygradientvertices(void (*toDevice)(float x, float y, int& deviceX, int& deviceY)) {
    GraphicsState& g = gravim.graphics;
    const int count = yyvertexcount(g.GradientVertexCount);
    yygradientsize(count);
    for (int i = 1; i <= count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        toDevice(g.PolygonX[k], g.PolygonY[k], g.GradientX[k], g.GradientY[k]);
    }
    return count;
}
