// field_rules.cpp - the arithmetic of dialog fields: colour words, spin steps and resizing anchors.
#include "dialogs/field_rules.hpp"

#include <cmath>

int yycolourword(int current, int red, int green, int blue) {
    if (red == 256) return -1;
    if (red == -1) return current;
    return (red & 0xFF) + 256 * (green & 0xFF) + 65536 * (blue & 0xFF);
}

double yyspinvalue(double value, int delta, double smallStep, double largeStep, double lower,
                   double upper, bool integerField, int base) {
    if (delta == 0) return value;
    bool large = delta <= -5 || delta >= 5;
    double step = large ? largeStep : smallStep;
    value += delta < 0 ? -step : step;
    bool clamped = false;
    if (hasRange(lower, upper)) {
        if (value < lower) value = lower, clamped = true;
        if (value > upper) value = upper, clamped = true;
    }
    if (!integerField) return value;
    value = std::trunc(value);
    double gridStep = std::trunc(step);
    // A step of 0 gives no grid to snap to (the grid would divide by it).
    if (!clamped && gridStep != 0.0) value = base + std::trunc((value - base) / gridStep) * gridStep;
    return value;
}

namespace {

// The anchor bits of one direction, for a control at (near, far) = its enlarged box's edges,
// originally starting at originalNear, against the growing control's edges.
int directionAnchors(bool align, int near, int far, int originalNear, int growingNear, int growingFar,
                     int nearBit, int farBit) {
    if (align && far == growingFar) {
        if (near != growingNear) return farBit | (originalNear != growingNear ? nearBit : 0);
        return originalNear == growingNear ? farBit : 0;
    }
    return near >= growingFar ? (nearBit | farBit) : 0;
}

}  // namespace

void yycomputeanchors(std::vector<AnchorControl>& controls, std::size_t growing, bool align, const Box& client) {
    if (growing >= controls.size()) return;
    const Box g = controls[growing].box;
    for (auto& c : controls) c.anchors = 0;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        AnchorControl& c = controls[i];
        Box r = c.box;
        const Box o = r;
        c.rightDistance = client.right - r.right;
        c.bottomDistance = client.bottom - r.bottom;
        for (std::size_t j = 0; j < controls.size(); ++j) {
            if (j == i || !controls[j].box.encloses(r)) continue;
            if (i == growing) {
                controls[j].anchors |= anchorRight | anchorBottom;  // a box around the growing control grows
            } else if (!controls[j].box.encloses(g)) {
                r = controls[j].box;  // a control inside a box moves as its box does
            }
        }
        if (i == growing) {
            c.anchors |= anchorRight | anchorBottom;
            continue;
        }
        c.anchors |= directionAnchors(align, r.left, r.right, o.left, g.left, g.right, anchorLeft, anchorRight);
        c.anchors |= directionAnchors(align, r.top, r.bottom, o.top, g.top, g.bottom, anchorTop, anchorBottom);
        if (c.etchedLine == 16 && !(c.anchors & anchorTop)) c.anchors &= ~anchorBottom;
        if (c.etchedLine == 17 && !(c.anchors & anchorLeft)) c.anchors &= ~anchorRight;
    }
}
