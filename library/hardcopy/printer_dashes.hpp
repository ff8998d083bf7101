// printer_dashes.hpp - the dash patterns of the line types on a printer (library-internal).
#pragma once

// The pattern of line type 1..7 (dash, gap, ...) scaled from the screen's resolution to the
// printer's, each gap widened by penWidth - 1 for wide pens. Returns the entry count, 0 for a
// line type without pattern.
int yyprinterdashes(int type, int printerDpi, int screenDpi, int penWidth, unsigned entries[6]);
