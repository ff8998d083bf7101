// maprequest.hpp - the map request (dialog 103): its fields, checks, go line and labels.
#pragma once

#include <optional>
#include <string>

#include "requestfile.hpp"
#include "viewerport.hpp"
#include "viewerstate.hpp"

constexpr int MapDialog = IDD_MAP;

// What plotmapview reads of dialog 103 (menu items and radio positions from 1, 0 for none).
struct MapFields {
    int property = 1, plotType = 1, verticalMode = 1;
    int upperItem = 1, lowerItem = 1;
    std::string upperText = "0", lowerText = "0";
    float north = 0, south = 0, west = 0, east = 0;
    int northLetter = 1, southLetter = 2, westLetter = 1, eastLetter = 1;  // 1 N or E, 2 S or W
    int timeMode = 1;
    int startMonth = 1, startYear = 1, endMonth = 0, endYear = 0;
    int landItem = 2;
    int vectorX = 2, vectorY = 2;
    int fillChoice = 1;
    std::string fillLevels;  // 44 characters of field 1077
};

void readmapfields(ViewerPort& port, MapFields& fields);

// The data ends and the real-time date that a map request checks against.
struct MapDataEnds {
    int veduEnd = 100, avisoEnd = 100, reynoldsEnd = 100;
    std::string realTimeDate = "\"           \"";
};

// The checks and the family's lines of one request: a refusal box, or the lines.
using MapOutcome = RequestOutcome;
MapOutcome maprequestlines(const MapFields& fields, const MapDataEnds& ends);

// The request of a push button of dialog 103.
void plotmapview(ViewerPort& port, ViewerState& state, int button);
