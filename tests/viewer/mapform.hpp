// mapform.hpp - a filled map dialog for the request tests: the values a user leaves in dialog
// 103, put into any viewer port through its field operations.
#pragma once

#include <string>
#include <vector>

#include "levels.hpp"
#include "maprequest.hpp"
#include "viewerport.hpp"

struct MapForm {
    int property = 1, plotType = 1, verticalMode = 1;
    std::vector<std::string> levelItems = depthtexts(VerticalPressure);
    int upperItem = 1, lowerItem = 6;  // 0 and 500
    float north = 25, south = 60, west = 130, east = 250;
    int northLetter = 1, southLetter = 2, westLetter = 1, eastLetter = 1;
    int timeMode = 1;
    int startMonth = 6, startYear = 5, endMonth = 0, endYear = 0;  // June 2008, no end
    int landItem = 2, vectorX = 2, vectorY = 2;
    int fillChoice = 1;
    std::string fillLevels;
    int asciiBox = 0, netcdfBox = 0;
};

// Menus get their item lists with the form's selections; putradio checks a button of the group
// that begins with first.
void fillmapform(ViewerPort& port, const MapForm& form, void (*putradio)(ViewerPort&, int first, int button));
