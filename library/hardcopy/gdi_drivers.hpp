// gdi_drivers.hpp - what the Windows printer and metafile drivers (the twins) share: surface units
// to device units, colour inversion and fill colours, arc end points, the font cell, text and
// image placement, clip boxes, line widths, polyline pieces and the metafile page (portable).
#pragma once

#include <cstdint>
#include <vector>

// Device units of the open page: x = trunc(X * HardcopyScaleX), y = trunc((SurfaceYMax - Y) *
// HardcopyScaleY) (y flipped, saturating), radii and lengths without the flip.
int yydevicex(float x);
int yydevicey(float y);
int yydeviceradiusx(float r);
int yydeviceradiusy(float r);

// Red, green and blue 0..255.
struct DeviceRgb {
    int red = 255, green = 255, blue = 255;
    bool operator==(const DeviceRgb&) const = default;
};

// Colour inversion by option 6: 1 inverts every component, 2 only near-black and near-white
// colours (all components below 10 or all above 245), anything else leaves the colour. The
// metafile driver's yywmf1 is the same rule.
void yywin1(int& red, int& green, int& blue);
inline void yywmf1(int& red, int& green, int& blue) { yywin1(red, green, blue); }

// The current colour of the current colour model as components; monochrome gives black or white
// (white only for the RGB value white, or palette index 0). Inversion is the caller's.
DeviceRgb yycurrentrgb();
DeviceRgb yymonochromergb();
// The colour of a colour fill: the current colour, for fill style 3 the mean of it and the
// previous colour, inverted by option 6.
DeviceRgb yyfillrgb();
// A fill is a colour fill for fill styles above 2, and on the printer also for the hatched styles
// when monochrome (option 7) is set.
bool yycolourfill(bool monochromeCounts);

// A device box: left, top, right, bottom.
struct DeviceBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const DeviceBox&) const = default;
};
// The graphics area in device units; inclusive adds 0.99 to right and bottom before truncating.
DeviceBox yyareabox(bool inclusive);
// The rectangle opcode's corners clamped to the area, in device units (x1, lower y as top...).
DeviceBox yyclampedrectangle();

// An arc sector or outline arc from the operands: centre, radii and the two end points in device
// units; end points that fall on one pixel with a sweep of at most 10 degrees are moved one pixel
// apart, in a direction set by the start angle's quadrant.
struct DeviceArc {
    int cx = 0, cy = 0, rx = 0, ry = 0, x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
DeviceArc yydevicearc();

// The font request of OpFont: cell width and height in device units (at least 1), the angle in
// whole degrees and the style, with the fixed-pitch and proportional cell factors of font kinds
// 1 and 2.
struct FontCell {
    int width = 1, height = 1, angle = 0, style = 0;
};
FontCell yyfontcell();

// OpText's placement: the two points in device units, the justification and the opaque box flag.
// baselineShift (printer) is the ascent less half the cell height, in device units: the operand
// points are the cell's middle and move to the baseline.
struct TextPlacement {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0, justification = 0, boxed = 0, length = 0;
};
TextPlacement yytextplacement(float baselineShift);
// The character count of OpText (OperandPixelX[1]) or OpTextLength (OperandValue), 0..260.
int yytextcount(int requested);

// OpImage's target box and origin offsets in device units, for the rotation and the platform.
struct ImagePlacement {
    DeviceBox box;
    int offsetX = 0, offsetY = 0;
};
ImagePlacement yyimageplacement(bool ntFamily);

// The printer's pen width in pixels for option 9 (1/720 inch) at the resolutions (0 before open).
int yyprinterpenwidth(int resolutionX, int resolutionY, int width720);

// A Windows metafile's polyline and polygon records count their points in a signed 16-bit word:
// a record holds at most this many points (the system's recorder fails on more).
constexpr int MetafileRecordPoints = 32767;
// The pieces (first, last vertex, 1-based) of an n-vertex polyline: one piece in an enhanced
// metafile or up to the record limit, else pieces of the limit sharing their end vertices.
struct PolylinePiece {
    int first = 1, last = 1;
    bool operator==(const PolylinePiece&) const = default;
};
std::vector<PolylinePiece> yypolylinepieces(int n, bool enhanced);

// The metafile page of options 1 and 2 (points): the extent in 1/720 inch, the frame in
// hundredths of a millimetre, the placeable header's box (1/1000 inch) and checksum.
struct MetafilePage {
    int extentX = 0, extentY = 0;
    int right = 0, bottom = 0, checksum = 0;
};
MetafilePage yymetafilepage(int widthPoints, int heightPoints);
int yymetafileframe(int extent);
// The 22-byte header of a placeable metafile, little-endian.
void yyplaceableheader(int right, int bottom, int checksum, std::uint8_t header[22]);
// An extent in 1/720 inch in pixels of a reference device of `pixels` across `millimetres`.
int yyreferenceextent(int extent, int pixels, int millimetres);
// The description of an enhanced metafile: the application, NUL, the title, NUL, NUL.
std::vector<char> yymetafiledescription(const char* title, int titleLength);
