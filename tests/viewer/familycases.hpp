// familycases.hpp - the request cases of the section, time-series, line-drawing and product
// families: dialog settings and the lines or box they give, for any viewer port.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "requestfile.hpp"
#include "viewerport.hpp"
#include "viewerstate.hpp"

// A dialog as the user leaves it, written through a port. Radio groups and check boxes are set
// by the port's own means.
struct Form {
    ViewerPort& port;
    int dialog;
    void (*putradio)(ViewerPort&, int first, int second);
    void (*putcheck)(ViewerPort&, int field, int value);

    Form& menu(int field, int selected, std::vector<std::string> items = {});
    // Position 1 or 2 of the groups 1105/1106, 1109/1110 and 1073/1075.
    Form& radio(int first, int position);
    Form& real(int field, float value);
    Form& text(int field, const std::string& value);
    Form& check(int field, int value);
    // Levels by item of the unit's list; depth switches the unit group.
    Form& levels(int upper, int lower, int unit = 1);
    // Latitudes and longitudes as typed, with their letters.
    Form& region(float lat1, char l1, float lat2, char l2, float lon1, char o1, float lon2, char o2);
    // Month and year items; 0 leaves an end menu with nothing selected.
    Form& dates(int m1, int y1, int m2, int y2);
};

struct Family {
    FamilyId id;
    int dialog;
    const char* tag;
    void (*defaults)(Form&);
    void (*plot)(ViewerPort&, ViewerState&, int);
};
extern const Family Vertical, TimeSeries, LineDrawing, Products;

struct RequestCase {
    const char* name;
    const Family* family;
    std::function<void(Form&, ViewerState&)> change;
    std::vector<std::string> familyLines;  // go line and labels; empty when refused
    std::optional<ViewerMessage> box;
};

extern const std::vector<RequestCase> verticalCases, timeCases, lineCases, productCases;

// The data ends, real-time date and folders every case is written for.
void casestate(ViewerState& state, const std::string& scratch);
// The lines of a case's command file around its family lines.
std::vector<std::string> expectedfile(const RequestCase& c, const std::string& quotedScratch);
// Four buoys: the fallback, one on the equator, Hawaii's box and one further north.
void setbuoys(ViewerState& state);
