// enddates.hpp - the last month of each data set, read from the end-date files, and month texts.
// A month index counts months from January 2004 = 1 (13 is January 2005).
#pragma once

#include <cstdio>
#include <string_view>

#include "base/text.hpp"

constexpr int DefaultEndIndex = 100;  // April 2012: the end of a data set whose file is not read
constexpr int RealTimeDateLength = 13;  // a double quote, 11 characters, a double quote

// Parses an open data-set end-date file (its "SUBSET" line) and closes it; 100 when no line
// gives a count of 1 to 3 digits.
int readtxtdate(std::FILE* file);
// Reads an open real-time date file (RTDate.txt, left open): the first "TIME" line among the
// first 10 gives the 11 characters after its colon and blank, at positions 2 to 12 of the date.
void readrealtimedate(std::FILE* file, TextRef realTimeDate);

// Reads VeduEndDate.txt, AvisoEndDate.txt, ReynoldsEndDate.txt and RTDate.txt in the scratch
// folder. The ends start again from 100; the real-time date keeps its value unless a "TIME"
// line gives 11 new characters (positions 2 to 12). The installation folder is not used.
void getenddates(int& veduEnd, int& avisoEnd, int& reynoldsEnd, TextRef realTimeDate, std::string_view qvdir,
                 int qvdirLength, std::string_view qvtmp, int qvtmpLength);

// The texts of a month index: date "Mmm yyyy" (8), the month's full name right-aligned (9),
// the year, and "mmyyyy" (6). Months outside 1..12 give blanks and "00"; years outside
// 2004..2104 leave their characters blank.
void writedate(int monthIndex, TextRef date, TextRef monthName, int& year, TextRef monthYear);
