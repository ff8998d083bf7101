// printer_layer.hpp - what portable code calls of the Windows printer layer: the printer query
// and the window dump. Natively a stand-in answers that there is no printer.
#pragma once

#include <string>

// The default printer's paper and page: long and short side in points, the page inside margins
// of 72 points (landscape, one copy) and the colour count; error is 0 or a non-zero system code.
// refresh 1 (or no printer read yet) takes the printer afresh from the system profile.
void yywprinfo(int refresh, int& longSide, int& shortSide, int& width, int& height, int& xOffset,
               int& yOffset, int& landscape, int& copies, int& colours, int& error);

// The window dump: a printer document of one page that shows the given pixel rectangle of the
// current drawing context stretched over width x height points, shifted by the offsets.
void yywindumpstart(int width, int height, int xOffset, int yOffset, int& error, int landscape,
                    int copies, const char* documentName);
void yywindumpblit(int left, int top, int right, int bottom, int& error);
void yywindumpend();

// The chosen printer's driver and device names (the reference device of a metafile recording);
// false while no printer was read.
bool yyprinternames(std::string& driver, std::string& device);
