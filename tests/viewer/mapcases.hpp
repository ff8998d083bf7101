// mapcases.hpp - the map request cases that both the table test over a test port and the test
// through the real dialog run: a change of the default form and the lines or the box it gives.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "mapform.hpp"
#include "requestlines.hpp"
#include "viewerport.hpp"
#include "viewerstate.hpp"

struct MapCase {
    const char* name;
    std::function<void(MapForm&, ViewerState&)> change;
    std::vector<std::string> familyLines;  // go line and labels; empty when refused
    std::optional<ViewerMessage> box;
};
extern const std::vector<MapCase> mapCases;

