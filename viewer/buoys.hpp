// buoys.hpp - the virtual-buoy table: up to 50 named boxes read once at start-up from the
// installation's fixed-column file, read-only afterwards.
#pragma once

#include <cstdio>

#include "core/text.hpp"

constexpr int MaxBuoys = 50;
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
