// vertrequest.hpp - the vertical-section request (dialog 105): its fields, checks, go line and
// labels, and the box of options not coded yet.
#pragma once

#include <optional>
#include <string>

#include "requestfile.hpp"
#include "requestparts.hpp"
#include "viewerport.hpp"
#include "viewerstate.hpp"

constexpr int VerticalDialog = IDD_SECTION;

// What plotvertview reads of dialog 105.
struct VerticalFields {
    int property = 1, plotType = 1;
    LevelFields levels;
    int direction = 1;  // 1 north-south, 2 east-west
    RegionFields region;
    int timeMode = 1;
    DateFields dates;
    std::string fillLevels = std::string(44, ' ');
};
void readverticalfields(ViewerPort& port, VerticalFields& fields);

RequestOutcome verticalrequestlines(const VerticalFields& fields, const ViewerState& state);

// Field logic of dialog 105, run on every change of a field's own contents.
void vertviewfields(ViewerPort& port, int mainChoice, int grey);

// The request of a push button of dialog 105.
void plotvertview(ViewerPort& port, ViewerState& state, int button);

extern const ViewerMessage NotCodedYet;
void notcodedyet(ViewerPort& port);
