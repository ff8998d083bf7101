// linerequest.hpp - the line-drawing request (dialog 109): one property against time, pressure,
// latitude or longitude, with its checks, go line, title, notes and buoy label.
#pragma once

#include <string>

#include "requestparts.hpp"
#include "timerequest.hpp"
#include "viewerport.hpp"
#include "viewerstate.hpp"

constexpr int LineDrawingDialog = IDD_LINEDRAWING;

// What plotlinedrawing reads of dialog 109.
struct LineDrawingFields {
    int property = 1, plotType = 1;
    LevelFields levels;
    RegionFields region;
    DateFields dates;
};
void readlinedrawingfields(ViewerPort& port, LineDrawingFields& fields);

BuoyRequestOutcome linedrawingrequestlines(const LineDrawingFields& fields, const ViewerState& state);

// Field logic of dialog 109, run on every change of a field's own contents.
void lineviewfields(ViewerPort& port, int grey);

// The request of a push button of dialog 109.
void plotlinedrawing(ViewerPort& port, ViewerState& state, int button);
