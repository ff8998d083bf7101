// buoys.hpp - the virtual-buoy table: up to 50 named boxes read once at start-up from the
// installation's fixed-column file, read-only afterwards.
#pragma once

#include <cstdio>

#include <string_view>

#include "base/text.hpp"
#include "viewerport.hpp"

constexpr int MaxBuoys = 50;
constexpr int FieldBuoyMenu = 1047;
constexpr int BuoyNameLength = 34;
// How far outside its box a place still belongs to a buoy, degrees.
constexpr double BuoyMargin = 0.8;

struct BuoyRecord {
    Text<BuoyNameLength> name;
    int south = 0, north = 0, west = 0, east = 0;  // the box, degrees, negative south and west
    float pointLatitude = 0, pointLongitude = 0;   // read, not used
    int first = 0, second = 0;                     // read, not used
};

// Record i of the table is buoytable[i - 1].
extern BuoyRecord buoytable[MaxBuoys];

// Reads records from the open file (A34, I6, I8, I8, I8, F12.2, F12.2, I11, I12) until its end,
// the 50th record or the first line that does not fit the format; n is the number read whole.
// Columns beyond 111 are ignored and missing columns read as blanks.
void readbuoy(std::FILE* file, int& n);

// The first of buoys 2..n whose box, widened by the margin, holds the place; 0 for none.
// Record 1 is the menus' fallback entry and never matches.
void buoycompare(float latitude, float longitude, int n, int& result);

// The name of buoy i for a label between double quotes: every apostrophe doubled, cut to 34.
void scancity(int n, int i, TextRef name);

// Fills the current dialog's four coordinate fields and their letters with the box of buoy i.
void buoyselect(ViewerPort& port, int i, std::string_view tag);
// The names of the first n buoys into menu 1047 of the current dialog, item 1 selected.
void resetbuoymenu(ViewerPort& port, int n);
// At the load of dialogs 104 and 109 (current): with buoys read, their names into the menu and
// the coordinates of buoy 1; with none the resource items stay.
void loadbuoymenu(ViewerPort& port, int n);

// The buoy of a request's two corners (degrees, negative south and west): the second corner's
// buoy when the first corner has one too, else 0. The menu goes back to item 1 when buoys were
// read and the match gives 0.
struct BuoyMatch {
    int buoy = 0;
    bool resetMenu = false;
};
BuoyMatch buoymatch(float latitude1, float longitude1, float latitude2, float longitude2, int n);
