// gdi_drivers.cpp - what the Windows printer and metafile drivers share: the conversions and
// decisions that both make the same way before they call their output layers.
#include "hardcopy/gdi_drivers.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/graphics.hpp"
#include "graphics/graphics_internal.hpp"

namespace {

constexpr int White = 16777215;

int option(int number) { return gravim.hardcopy.HardcopyOptions[number]; }

// Column 0 the previous colour, 1 the current one, as components under the colour model.
DeviceRgb rgbOf(int column) {
    DeviceRgb rgb;
    yymodelrgb(yymodelcolour(column), rgb.red, rgb.green, rgb.blue);
    return rgb;
}

}  // namespace

int yydevicex(float x) { return yytrunc(x * gravim.graphics.HardcopyScaleX); }
int yydevicey(float y) {
    const GraphicsState& g = gravim.graphics;
    return yytrunc((g.surfaceMaxY - y) * g.HardcopyScaleY);
}
int yydeviceradiusx(float r) { return yytrunc(r * gravim.graphics.HardcopyScaleX); }
int yydeviceradiusy(float r) { return yytrunc(r * gravim.graphics.HardcopyScaleY); }

void yywin1(int& red, int& green, int& blue) {
    const int inversion = option(6);
    const bool nearBlack = red < 10 && green < 10 && blue < 10;
    const bool nearWhite = red > 245 && green > 245 && blue > 245;
    if (inversion == 1 || (inversion == 2 && (nearBlack || nearWhite))) {
        red = 255 - red;
        green = 255 - green;
        blue = 255 - blue;
    }
}

DeviceRgb yycurrentrgb() { return rgbOf(1); }

DeviceRgb yymonochromergb() {
    const GraphicsState& g = gravim.graphics;
    const bool white = g.colourModel == 1 ? g.colourState[1][1] == 0 : g.colourState[2][1] == White;
    return white ? DeviceRgb{255, 255, 255} : DeviceRgb{0, 0, 0};
}

DeviceRgb yyfillrgb() {
    DeviceRgb fill = rgbOf(1);
    if (gravim.graphics.fillStyle == 3) {
        const DeviceRgb before = rgbOf(0);
        fill = {(fill.red + before.red) / 2, (fill.green + before.green) / 2, (fill.blue + before.blue) / 2};
    }
    yywin1(fill.red, fill.green, fill.blue);
    return fill;
}

bool yycolourfill(bool monochromeCounts) {
    const int style = gravim.graphics.fillStyle;
    return style > 2 || (monochromeCounts && style > 0 && option(7) != 0);
}

DeviceBox yyareabox(bool inclusive) {
    const GraphicsState& g = gravim.graphics;
    const float extra = inclusive ? 0.99f : 0.0f;
    return {yytrunc(g.clipX1 * g.HardcopyScaleX), yytrunc((g.surfaceMaxY - g.clipY2) * g.HardcopyScaleY),
            yytrunc(g.clipX2 * g.HardcopyScaleX + extra),
            yytrunc((g.surfaceMaxY - g.clipY1) * g.HardcopyScaleY + extra)};
}

DeviceBox yyclampedrectangle() {
    const GraphicsState& g = gravim.graphics;
    const float left = std::max(std::min(g.OperandX[1], g.OperandX[2]), g.clipX1);
    const float right = std::min(std::max(g.OperandX[1], g.OperandX[2]), g.clipX2);
    const float lower = std::max(std::min(g.OperandY[1], g.OperandY[2]), g.clipY1);
    const float upper = std::min(std::max(g.OperandY[1], g.OperandY[2]), g.clipY2);
    return {yydevicex(left), yydevicey(upper), yydevicex(right), yydevicey(lower)};
}

DeviceArc yydevicearc() {
    const GraphicsState& g = gravim.graphics;
    const float cx = g.OperandX[1], cy = g.OperandY[1], rx = g.OperandX[2], ry = g.OperandY[2];
    DeviceArc arc;
    arc.cx = yydevicex(cx);
    arc.cy = yydevicey(cy);
    arc.rx = yydeviceradiusx(rx);
    arc.ry = yydeviceradiusy(ry);
    arc.x1 = yydevicex(cx + std::cos(g.OperandX[3]) * rx);
    arc.y1 = yydevicey(cy + std::sin(g.OperandX[3]) * ry);
    arc.x2 = yydevicex(cx + std::cos(g.OperandY[3]) * rx);
    arc.y2 = yydevicey(cy + std::sin(g.OperandY[3]) * ry);
    // A short arc whose ends meet would be drawn by GDI as a whole ellipse.
    if (arc.x1 == arc.x2 && arc.y1 == arc.y2 && std::fabs(g.OperandY[4]) <= 10.0f) {
        float start = g.OperandX[4] - 360.0f * std::trunc(g.OperandX[4] / 360.0f);
        if (start < 0) start += 360.0f;
        if (start < 90) {
            arc.x2 -= 1, arc.y2 -= 1;
        } else if (start < 180) {
            arc.x2 -= 1, arc.y2 += 1;
        } else if (start < 270) {
            arc.x2 += 1, arc.y2 += 1;
        } else {
            arc.x2 += 1, arc.y2 -= 1;
        }
    }
    return arc;
}

FontCell yyfontcell() {
    const GraphicsState& g = gravim.graphics;
    double width = static_cast<double>(g.rotatedClipWidth) * g.CharWidth * g.HardcopyTextScaleX;
    double height = static_cast<double>(g.rotatedClipHeight) * g.CharHeight * g.HardcopyTextScaleY;
    FontCell cell;
    cell.angle = yytrunc(g.DeviceTextAngle);
    cell.style = g.FontStyle;
    if (g.FontClass != 0) {
        // The standard faces' cells are wider than their characters.
        width *= g.FontClass == 1 ? 0.607 : 0.725;
        if (g.FontNumber == 4) width *= 1.38;
        height *= 0.821;
        if (g.FontClass == 1) cell.style &= ~4;
    }
    cell.width = std::max(yytrunc(static_cast<float>(width)), 1);
    cell.height = std::max(yytrunc(static_cast<float>(height)), 1);
    return cell;
}

int yytextcount(int requested) {
    return std::clamp(requested, 0, static_cast<int>(gravim.graphics.OperandText.size()));
}

TextPlacement yytextplacement(float baselineShift) {
    const GraphicsState& g = gravim.graphics;
    const float dx = g.HardcopyTextScaleX != 0 ? baselineShift * g.DeviceTextSinOverAspect / g.HardcopyTextScaleX : 0;
    const float dy = g.HardcopyTextScaleY != 0 ? baselineShift * g.DeviceTextCos / g.HardcopyTextScaleY : 0;
    TextPlacement text;
    text.x1 = yydevicex(g.OperandX[1] + dx);
    text.y1 = yydevicey(g.OperandY[1] - dy);
    text.x2 = yydevicex(g.OperandX[3] + dx);
    text.y2 = yydevicey(g.OperandY[3] - dy);
    text.justification = g.FontClass == 1 ? 0 : g.TextJustification;
    text.boxed = g.FontClass != 1 && (g.FontStyle & 8) != 0 && g.FontBoxOff == 0 ? 1 : 0;
    text.length = yytextcount(g.OperandPixelX[1]);
    return text;
}

ImagePlacement yyimageplacement(bool ntFamily) {
    const GraphicsState& g = gravim.graphics;
    const float sx = g.HardcopyScaleX, sy = g.HardcopyScaleY;
    const float lastRow = static_cast<float>(g.surfaceHeight - 1);
    ImagePlacement image;
    if (g.rotation % 180 == 0 || !ntFamily) {
        image.box = {yytrunc(g.clipX1 * sx), yytrunc((lastRow - g.clipY2) * sy), yytrunc(g.clipX2 * sx),
                     yytrunc((lastRow - g.clipY1) * sy)};
    } else {
        image.box = {yytrunc(g.clipY1 * sy), yytrunc((lastRow - g.clipX2) * sx), yytrunc(g.clipY2 * sy),
                     yytrunc((lastRow - g.clipX1) * sx)};
    }
    const int h = g.surfaceHeight;
    int ox = 0, oy = 0;
    switch (g.rotation) {
    case 90: ox = g.clipPixelX1 + g.clipPixelX2 - h, oy = h; break;
    case 180: ox = g.clipPixelX1 + g.clipPixelX2, oy = 2 * h - g.clipPixelY2 - g.clipPixelY1; break;
    case 270: ox = h, oy = h - g.clipPixelY2 - g.clipPixelY1; break;
    default: break;
    }
    image.offsetX = yytrunc(static_cast<float>(ox) * sx);
    image.offsetY = yytrunc(static_cast<float>(oy) * sy);
    return image;
}

int yyprinterpenwidth(int resolutionX, int resolutionY, int width720) {
    const int wx = std::max(yytrunc(static_cast<float>(resolutionX) * width720 / 720.0f + 0.5f), 1) - 1;
    const int wy = std::max(yytrunc(static_cast<float>(resolutionY) * width720 / 720.0f + 0.5f), 1) - 1;
    return (wx + wy) / 2;
}

std::vector<PolylinePiece> yypolylinepieces(int n, bool enhanced) {
    if (n < 1) return {};
    if (n <= MetafileRecordPoints || enhanced) return {{1, n}};
    // Consecutive pieces share a vertex, so the line stays unbroken.
    const int step = MetafileRecordPoints - 1;
    std::vector<PolylinePiece> pieces;
    for (int first = 1; first < n; first += step) pieces.push_back({first, std::min(first + step, n)});
    return pieces;
}

MetafilePage yymetafilepage(int widthPoints, int heightPoints) {
    MetafilePage page;
    page.extentX = widthPoints * 10;
    page.extentY = heightPoints * 10;
    page.right = widthPoints * 1000 / 72;
    page.bottom = heightPoints * 1000 / 72;
    // 0x54F9 is the exclusive or of the header's constant words (key and units per inch).
    page.checksum = (page.right ^ 0x54F9 ^ page.bottom) & 0xFFFF;
    return page;
}

int yymetafileframe(int extent) { return extent * 254 / 72; }

void yyplaceableheader(int right, int bottom, int checksum, std::uint8_t header[22]) {
    const unsigned words[11] = {0xCDD7, 0x9AC6, 0, 0, 0, static_cast<unsigned>(right),
                                static_cast<unsigned>(bottom), 1000, 0, 0, static_cast<unsigned>(checksum)};
    for (int i = 0; i < 11; ++i) {
        header[2 * i] = static_cast<std::uint8_t>(words[i] & 0xFF);
        header[2 * i + 1] = static_cast<std::uint8_t>((words[i] >> 8) & 0xFF);
    }
}

int yyreferenceextent(int extent, int pixels, int millimetres) {
    if (millimetres <= 0) return extent;
    return yytrunc(static_cast<float>(static_cast<double>(extent) * pixels * 25.4 / (millimetres * 720.0)));
}

std::vector<char> yymetafiledescription(const char* title, int titleLength) {
    // Built by appending: GCC 12 takes an inlined range copy for an overlapping one.
    std::string description("KBN metafile driver");
    description.push_back('\0');
    description.append(title, static_cast<std::size_t>(std::max(titleLength, 0)));
    description.push_back('\0');
    description.push_back('\0');
    return {description.begin(), description.end()};
}
