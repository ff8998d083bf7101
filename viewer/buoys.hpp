// buoys.hpp - the virtual-buoy table: up to 50 named boxes read once at start-up from the
// installation's fixed-column file, read-only afterwards.
#pragma once

#include <cstdio>

#include "core/text.hpp"

constexpr int MaxBuoys = 50;

struct BuoyRecord {
    Text<34> name;
    int south = 0, north = 0, west = 0, east = 0;  // the box, degrees, negative south and west
    float pointLatitude = 0, pointLongitude = 0;   // read, not used
    int first = 0, second = 0;                     // read, not used
};

// Record i of the table is buoytable[i - 1].
extern BuoyRecord buoytable[MaxBuoys];

// Reads records from the open file (A34, I6, I8, I8, I8, F12.2, F12.2, I11, I12) until its end,
// the 50th record or the first line that does not fit the format; n is the number read whole.
void readbuoy(std::FILE* file, int& n);
