// timerequest.hpp - the time-series request (dialog 104): pressure-versus-time plots and
// Hovmoller diagrams, with their checks, go lines, titles, location labels and buoy label.
#pragma once

#include <string>

#include "requestparts.hpp"
#include "vertrequest.hpp"
#include "viewerport.hpp"
#include "viewerstate.hpp"

constexpr int TimeSeriesDialog = IDD_TIMESERIES;

// What plottimeseries reads of dialog 104.
struct TimeSeriesFields {
    int property = 1, plotType = 1;
    LevelFields levels;
    RegionFields region;
    DateFields dates;
    std::string fillLevels = std::string(44, ' ');
};
void readtimeseriesfields(ViewerPort& port, TimeSeriesFields& fields);

// The refusal or the lines; resetBuoyMenu when the buoy match ran and found no buoy.
struct BuoyRequestOutcome {
    RequestOutcome outcome;
    bool resetBuoyMenu = false;
};
BuoyRequestOutcome timeseriesrequestlines(const TimeSeriesFields& fields, const ViewerState& state);
// The outcome of a buoy family's request, its buoy menu reset first when asked.
RequestOutcome withbuoymenu(ViewerPort& port, int ncity, const BuoyRequestOutcome& result);

// Field logic of dialog 104, run on every change of a field's own contents.
void timeviewfields(ViewerPort& port, int grey, int unused);

// The request of a push button of dialog 104.
void plottimeseries(ViewerPort& port, ViewerState& state, int button);
