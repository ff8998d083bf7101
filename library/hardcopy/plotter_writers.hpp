// plotter_writers.hpp - the line writers of the HP-GL and HP-GL/2 drivers: instruction lines
// built in the plotter line and compressed, labels, annotation records, arcs and wedges, encoded
// polylines, raster-fill patterns and pen colours (hardcopy-internal). Everything goes to the
// hardcopy output unit; with the line prefix 1 every line begins with one blank.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// User units 0..32760 on both axes of the plotter's window.
inline constexpr std::string_view standardScaling = "SC0 32760 0 32760";

// Writes the plotter line compressed: its first two characters (the mnemonic) unchanged, then
// the rest with the blanks after the mnemonic dropped, every other run of blanks made one blank
// and trailing blanks dropped.
void yyhpg7();
// The mnemonic and a point (surface units) in user units: "PU" at (1200, 3400) is PU1200 3400.
void yyhpg1(std::string_view mnemonic, float x, float y);
// A label: "LB" and the text (the caller appends the terminator), uncompressed and whole.
void yyhpg2(std::string_view text);
// A text compressed like the plotter line.
void yyhpg3(std::string_view text);
// Annotation point records (written only while hardcopy option 18 is set): a point in user
// units, and two reals with four decimals.
void yyhpg4(float x, float y);
void yyhpg5(float a, float b);
// Annotation record code, values u, v and w + 32760, with the standard scaling after it in the
// same line when follow is non-zero (only while option 18 is set): SC-3 32 0 32760.
void yyhpg6(int code, int follow, long long u, long long v, long long w);

// Arcs of the HP-GL and HP-GL/2 drivers: a filled sector (OpArcPattern) as a wedge, an outline
// arc as an edge wedge or an open arc, drawn under a scaling that makes the arc circular on
// the page, then the standard scaling again.
void yyhpg0(int opcode, std::string_view scaling);
void yyhpgl2e(int opcode, std::string_view scaling);
// The ellipse of both drivers after the pen is at its centre: its scaling, "CI" (inside
// "PM0" .. "PM2;FP" when it is filled by the plotter), the standard scaling.
void yyhpgellipse(bool polygonFill);

// The polyline's vertices 2..n as relative moves in "PE7" lines (7-bit encoded numbers).
void yyhpgl2a();
// A text as one line, uncompressed.
void yyhpgl2b(std::string_view text);
// The 32 values of a raster-fill cell in two lines: a set bit of the pattern gives 0, a clear
// bit 1.
void yyhpgl2c(std::uint32_t pattern);
// The pen colour line "PC" for a pen, with the colour inversion of hardcopy option 6.
void yyhpgl2d(int pen, int red, int green, int blue);

// What both drivers write alike: the pen up move to a point unless the pen is there already;
// the pen position remembered; the clip window "IW" in plotter units between the scaling lines,
// from u plotter units per point and the hard-clip window P1, P2; the text direction "DI".
void yyhpgmoveto(float x, float y);
void yyhpglast(float x, float y);
// A line (a point when both ends are one) from the pen's move to (x1, y1), pen down to (x2, y2).
void yyhpgsegment(float x1, float y1, float x2, float y2);
// The polyline of OperandCount vertices, from the pen's move to its first vertex.
void yyhpgpolyline(bool encoded);
// A polygon of count vertices filled by the plotter: its vertices inside "PM0" .. "PM2;FP".
void yyhpgpolygonfill(int count, bool encoded);
void yyhpgclip(float unitsPerPoint, long long p1x, long long p1y, long long p2x, long long p2y);
void yyhpgdirection();
// The character size "SR" in percent of the window, from the font kind's width and height
// factors and the text width factor q.
void yyhpgtextsize(const float (&widths)[3], const float (&heights)[3], float q);

// An HP-GL/2 comment CO"code values"; compressed like the plotter line. The terminator ends it
// for readers that take a comment to the next terminator.
void yyhpgcomment(std::string_view code, std::string_view values = {});

// A label's text with the terminator appended; the terminator and ESC are left out of the text,
// so the label cannot end early and nothing of it runs as instructions.
std::string yyhpglabel(std::string_view text, char terminator);
