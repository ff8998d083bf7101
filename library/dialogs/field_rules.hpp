// field_rules.hpp - the arithmetic of dialog fields (library-internal, portable): colour words,
// ranges, spin steps and the resizing anchors of a dialog's controls.
#pragma once

#include <vector>

// A field's range is "none" while its lower bound is above its upper bound; a fresh field
// record holds this pair.
constexpr double noRangeLower = 1000.0;
constexpr double noRangeUpper = -1000.0;

inline bool hasRange(double lower, double upper) { return lower <= upper; }
// False when the field has a range and value lies outside it.
inline bool inRange(double value, double lower, double upper) {
    return !hasRange(lower, upper) || (value >= lower && value <= upper);
}

// A colour word from components as the companion text and the colour routines give them: a red
// of 256 is the system colour (-1), a red of -1 keeps current, anything else packs the low
// 8 bits of each component.
int yycolourword(int current, int red, int green, int blue);

// One click of a spin field. delta is the up-down control's step: -5 and +5 use the large step,
// any other negative or positive delta the small one. With a range the value is clamped. An
// integer field is truncated and, unless clamped, put on the grid base + k * step of the step
// used, truncated to an integer; a step of 0 there has no grid and leaves the value as it is.
double yyspinvalue(double value, int delta, double smallStep, double largeStep, double lower,
                   double upper, bool integerField, int base);

// Resizing anchors (bits of a field record's anchor word).
constexpr int anchorLeft = 1;    // the left edge follows the dialog's width
constexpr int anchorRight = 2;   // the right edge follows the width
constexpr int anchorTop = 4;     // the top edge follows the height
constexpr int anchorBottom = 8;  // the bottom edge follows the height

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool encloses(const Box& r) const {
        return left <= r.left && top <= r.top && right >= r.right && bottom >= r.bottom;
    }
};

// One control taking part in resizing, in z-order; box includes a spin buddy's arrows.
struct AnchorControl {
    Box box;
    int etchedLine = 0;      // 16 a horizontal etched line, 17 a vertical one, else 0
    int anchors = 0;         // result: anchor bits
    int rightDistance = 0;   // result: distance of the right edge from the client's right edge
    int bottomDistance = 0;  // result: likewise for the bottom
};

// Computes every control's anchors and distances for a dialog whose client box is client and
// whose growing control is controls[growing]. align makes the controls whose right (bottom) edge
// lines up with the growing control's stretch with it.
void yycomputeanchors(std::vector<AnchorControl>& controls, std::size_t growing, bool align, const Box& client);
