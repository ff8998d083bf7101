// screen_text_win.cpp - the screen's fonts and text: font creation by family and style, strings
// on their baseline, text widths.
#include <cstring>

#include "graphics/screen_win.hpp"

namespace {

constexpr char Sample[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// The request as a LOGFONT without escapement: families 0..4 from the style bits (1 bold, 2
// italic, 4 underline); 101, 102 and 103 the system's menu, status and message fonts.
LOGFONTA requestedFont(int width, int height, int number, int style, const char* name) {
    LOGFONTA font = {};
    if (number >= 101 && number <= 103) {
        NONCLIENTMETRICSA metrics = {};
        // The record without the padded border width, which older systems refuse.
        metrics.cbSize = 340;
        if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0)) {
            const LOGFONTA& system = number == 101 ? metrics.lfMenuFont : number == 102 ? metrics.lfStatusFont : metrics.lfMessageFont;
            font.lfHeight = system.lfHeight;
            font.lfWidth = system.lfWidth;
            font.lfWeight = system.lfWeight;
            font.lfItalic = system.lfItalic;
            font.lfUnderline = system.lfUnderline;
            font.lfCharSet = system.lfCharSet;
            std::memcpy(font.lfFaceName, system.lfFaceName, sizeof font.lfFaceName);
        }
    } else {
        font.lfHeight = -height;
        font.lfWidth = width;
        font.lfWeight = (style & 1) != 0 ? FW_BOLD : FW_NORMAL;
        font.lfItalic = (style & 2) != 0 ? TRUE : FALSE;
        font.lfUnderline = (style & 4) != 0 ? TRUE : FALSE;
        struct Face {
            const char* name;
            BYTE family, charSet;
        };
        static const Face Faces[5] = {{nullptr, 0, DEFAULT_CHARSET},
                                      {"Courier New", FF_MODERN, ANSI_CHARSET},
                                      {"Arial", FF_SWISS, ANSI_CHARSET},
                                      {"Times New Roman", FF_ROMAN, ANSI_CHARSET},
                                      {"Symbol", FF_ROMAN, SYMBOL_CHARSET}};
        const Face& face = number >= 1 && number <= 4 ? Faces[number] : Faces[0];
        const char* typeface = face.name != nullptr ? face.name : number == 0 && name != nullptr ? name : "";
        std::strncpy(font.lfFaceName, typeface, LF_FACESIZE - 1);
        font.lfPitchAndFamily = face.family;
        font.lfCharSet = face.charSet;
    }
    font.lfStrikeOut = FALSE;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS | CLIP_LH_ANGLES;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily |= VARIABLE_PITCH;
    return font;
}

}  // namespace

void yywinselectfont(int& width, int& height, int& ascent, int escapement, int number, int style, const char* name) {
    if (gFont != nullptr) {
        if (gDC != nullptr && gFontOld != nullptr) SelectObject(gDC, gFontOld);
        DeleteObject(gFont);
        gFont = nullptr;
        gFontOld = nullptr;
    }
    if (gDC == nullptr) return;
    LOGFONTA request = requestedFont(width, height, number, style, name);

    // The metrics of the upright font.
    TEXTMETRICA metrics = {};
    if (HFONT upright = CreateFontIndirectA(&request); upright != nullptr) {
        HGDIOBJ previous = SelectObject(gDC, upright);
        GetTextMetricsA(gDC, &metrics);
        SelectObject(gDC, previous);
        DeleteObject(upright);
    }

    request.lfEscapement = request.lfOrientation = 10 * escapement;
    gFont = CreateFontIndirectA(&request);
    if (gFont != nullptr) gFontOld = static_cast<HFONT>(SelectObject(gDC, gFont));
    height = metrics.tmHeight;
    ascent = metrics.tmAscent;
    SIZE extent = {};
    GetTextExtentPoint32A(gDC, Sample, 52, &extent);
    width = extent.cx;
}

void yywindrawstring(int x1, int y1, int x2, int y2, int justification, int opaque, const char* text, int n) {
    if (gDC == nullptr || text == nullptr || n <= 0) return;
    int x = 0, y = 0;
    UINT alignment = TA_BASELINE;
    switch (justification) {
    case 0:
        x = x1, y = y1, alignment |= TA_LEFT;
        break;
    case 1:
        x = (x1 + x2) / 2, y = (y1 + y2) / 2, alignment |= TA_CENTER;
        break;
    case 2:
        x = x2, y = y2, alignment |= TA_RIGHT;
        break;
    default: return;
    }
    const int oldMode = SetBkMode(gDC, opaque != 0 ? OPAQUE : TRANSPARENT);
    const COLORREF oldBack = SetBkColor(gDC, PreviousColour);
    const COLORREF oldText = SetTextColor(gDC, CurrentColour);
    const UINT oldAlign = SetTextAlign(gDC, alignment);
    TextOutA(gDC, x, y, text, n);
    SetTextAlign(gDC, oldAlign);
    SetTextColor(gDC, oldText);
    SetBkColor(gDC, oldBack);
    SetBkMode(gDC, oldMode);
}

void yywinstrwidth(int& width, const char* text, int n) {
    SIZE extent = {};
    if (gDC != nullptr && text != nullptr && n > 0) GetTextExtentPoint32A(gDC, text, n, &extent);
    width = extent.cx;
}
