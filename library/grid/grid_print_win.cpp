// grid_print_win.cpp - printing a grid or a block of it on the Windows printer: the two print
// sets with their page setup and options, and the pages of a job drawn with GDI.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "windows/window_tables_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "hardcopy/page_setup_win.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_print_plan.hpp"
#include "grid/grid_print_win.hpp"
#include "grid/grid_window_record_win.hpp"

int bPrintSetsReady = 0;

namespace {

struct GridPrintSet {
    DEVMODEA* pDevMode = nullptr;
    DEVNAMES* pDevNames = nullptr;
    PAGESETUPDLGA PageSetup{};
    int iUnits = GridUnitsInches;
    int xAreaLeft = 0, xAreaRight = 0, yAreaTop = 0, yAreaBottom = 0;
    int iScale = 100;
    int bRowLines = 1;
    int bColumnLines = 1;
    int bLabelsEveryPage = 1;
    int bTextColours = 1;
    int bBackColours = 1;
};

GridPrintSet printSets[2];

GridPrintSet& setOf(int number) { return printSets[number == 1 ? 0 : 1]; }

// The printer named by a print set's device names with its device mode: an information context
// or a device context; null when there is no printer.
HDC printerContext(const GridPrintSet& s, bool information) {
    if (s.PageSetup.hDevNames == nullptr) return nullptr;
    const auto* names = static_cast<const DEVNAMES*>(GlobalLock(s.PageSetup.hDevNames));
    if (names == nullptr) return nullptr;
    const char* base = reinterpret_cast<const char*>(names);
    const DEVMODEA* mode = s.PageSetup.hDevMode != nullptr ? static_cast<const DEVMODEA*>(GlobalLock(s.PageSetup.hDevMode)) : nullptr;
    HDC dc = information ? CreateICA(base + names->wDriverOffset, base + names->wDeviceOffset, base + names->wOutputOffset, mode)
                         : CreateDCA(base + names->wDriverOffset, base + names->wDeviceOffset, base + names->wOutputOffset, mode);
    if (mode != nullptr) GlobalUnlock(s.PageSetup.hDevMode);
    GlobalUnlock(s.PageSetup.hDevNames);
    return dc;
}

void askDefaultPrinter(GridPrintSet& s) {
    s.PageSetup = {};
    s.PageSetup.lStructSize = sizeof s.PageSetup;
    s.PageSetup.hwndOwner = wWindow[0];
    s.PageSetup.hInstance = GetModuleHandleA(nullptr);
    s.PageSetup.Flags = PSD_RETURNDEFAULT | PSD_NOWARNING;
    PageSetupDlgA(&s.PageSetup);
    const DWORD units = s.PageSetup.Flags & (PSD_INTHOUSANDTHSOFINCHES | PSD_INHUNDREDTHSOFMILLIMETERS);
    s.iUnits = units == PSD_INHUNDREDTHSOFMILLIMETERS ? GridUnitsMillimetres : GridUnitsInches;
    s.iScale = 100;
    s.bRowLines = s.bColumnLines = s.bLabelsEveryPage = 1;
}

GridPageGeometry geometryOf(const GridPrintSet& s) {
    const PAGESETUPDLGA& p = s.PageSetup;
    const int units = (p.Flags & PSD_INHUNDREDTHSOFMILLIMETERS) ? GridUnitsMillimetres : GridUnitsInches;
    return {p.ptPaperSize.x, p.ptPaperSize.y, p.rtMargin.left, p.rtMargin.top, p.rtMargin.right, p.rtMargin.bottom, units};
}

void storeGeometry(GridPrintSet& s, const GridPageGeometry& g) {
    s.PageSetup.ptPaperSize = {g.paperWidth, g.paperHeight};
    s.PageSetup.rtMargin = {g.left, g.top, g.right, g.bottom};
}

std::string headerText(const GridControlRecord* g, int item) {
    if (g->hHeader == nullptr) return {};
    char text[256] = "";
    HDITEMA h{};
    h.mask = HDI_TEXT;
    h.pszText = text;
    h.cchTextMax = sizeof text;
    SendMessageA(g->hHeader, HDM_GETITEMA, item, reinterpret_cast<LPARAM>(&h));
    return text;
}

int textWidth(HDC dc, const char* text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    return size.cx;
}

// One print job's fixed facts.
struct Job {
    HWND grid;
    GridControlRecord* g;
    GridPrintSet* s;
    HDC printer;
    HDC screen;
    HFONT font, checkFont;
    int h, w, h3, p;
    int printerPpiX, screenPpiX;
    int a, b;
    bool columnLabels, rowLabels;
    int gridText, gridBack;
};

int bottomLine(const Job& j, int r0, int r1, bool labelRow) {
    const int y0 = j.s->yAreaTop + (labelRow ? j.h3 : 0);
    return y0 + (r1 - r0 + 1) * j.p + (j.s->bRowLines ? 0 : j.h / 2);
}

void line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

}  // namespace

void yyGridPrintInit() {
    if (bPrintSetsReady) return;
    GridPrintSet& first = printSets[0];
    askDefaultPrinter(first);
    int colours = 0;
    if (HDC ic = printerContext(first, true)) {
        colours = GetDeviceCaps(ic, NUMCOLORS);
        DeleteDC(ic);
    }
    first.bTextColours = first.bBackColours = colours != 2 ? 1 : 0;
    GridPrintSet& second = printSets[1];
    askDefaultPrinter(second);
    second.bTextColours = first.bTextColours;
    second.bBackColours = first.bBackColours;
    bPrintSetsReady = 1;
}

void yygridprintgetopt(int& rowLines, int& columnLines, int& labelsEveryPage, int& textColours, int& backColours, int& scale,
                       int set) {
    yyGridPrintInit();
    const GridPrintSet& s = setOf(set);
    rowLines = s.bRowLines ? 1 : 0;
    columnLines = s.bColumnLines ? 1 : 0;
    labelsEveryPage = s.bLabelsEveryPage ? 1 : 0;
    textColours = s.bTextColours ? 1 : 0;
    backColours = s.bBackColours ? 1 : 0;
    scale = s.iScale;
}

void yygridprintsetopt(int rowLines, int columnLines, int labelsEveryPage, int textColours, int backColours, int scale, int set) {
    GridPrintSet& s = setOf(set);
    s.bRowLines = rowLines == 1;
    s.bColumnLines = columnLines == 1;
    s.bLabelsEveryPage = labelsEveryPage == 1;
    s.bTextColours = textColours == 1;
    s.bBackColours = backColours == 1;
    s.iScale = scale;
}

void yygridprintsetup(int unit, int set) {
    yyGridPrintInit();
    GridPrintSet& s = setOf(set);
    int units = GridUnitsInches;
    if (unit == -1) {
        char measure[4] = "";
        GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IMEASURE, measure, sizeof measure);
        units = measure[0] == '1' ? GridUnitsInches : GridUnitsMillimetres;
    } else if (unit >= 2) {
        units = GridUnitsMillimetres;
    }
    PAGESETUPDLGA& p = s.PageSetup;
    if (units != s.iUnits) {
        auto convert = [&](LONG& v) { v = yygridconvertunits(v, s.iUnits, units); };
        convert(p.rtMargin.top);
        convert(p.rtMargin.left);
        convert(p.rtMargin.bottom);
        convert(p.rtMargin.right);
        convert(p.ptPaperSize.x);
        convert(p.ptPaperSize.y);
        s.iUnits = units;
    }
    p.Flags = (units == GridUnitsInches ? PSD_INTHOUSANDTHSOFINCHES : PSD_INHUNDREDTHSOFMILLIMETERS) | PSD_MARGINS;
    p.hwndOwner = yycurrentdialogwindow();
    if (!yyPageSetupDlg(&p)) return;
    HDC dc = printerContext(s, false);
    if (dc == nullptr) return;
    const int ppiX = GetDeviceCaps(dc, LOGPIXELSX), ppiY = GetDeviceCaps(dc, LOGPIXELSY);
    const int offX = GetDeviceCaps(dc, PHYSICALOFFSETX), offY = GetDeviceCaps(dc, PHYSICALOFFSETY);
    const int right = GetDeviceCaps(dc, PHYSICALWIDTH) - (GetDeviceCaps(dc, HORZRES) + offX);
    const int bottom = GetDeviceCaps(dc, PHYSICALHEIGHT) - (GetDeviceCaps(dc, VERTRES) + offY);
    p.rtMinMargin = {yygridpixelstounits(offX, ppiX, units), yygridpixelstounits(offY, ppiY, units),
                     yygridpixelstounits(right, ppiX, units), yygridpixelstounits(bottom, ppiY, units)};
    DeleteDC(dc);
}

void yygridprintgetpossize(int code, int& value, int set) {
    yyGridPrintInit();
    GridPrintSet& s = setOf(set);
    if (code >= 1 && code <= 4) {
        value = yygridgetpagepoints(geometryOf(s), code);
        return;
    }
    if (code != 5) return;
    value = 0;
    if (s.PageSetup.hDevMode == nullptr) return;
    if (const auto* mode = static_cast<const DEVMODEA*>(GlobalLock(s.PageSetup.hDevMode))) {
        value = mode->dmOrientation == DMORIENT_PORTRAIT ? 0 : 1;
        GlobalUnlock(s.PageSetup.hDevMode);
    }
}

void yygridprintsetpossize(int code, int value, int set) {
    yyGridPrintInit();
    GridPrintSet& s = setOf(set);
    GridPageGeometry page = geometryOf(s);
    if (code >= 1 && code <= 4) {
        yygridsetpagepoints(page, code, value);
        storeGeometry(s, page);
        return;
    }
    if (code != 5 || value < 0 || value > 3 || s.PageSetup.hDevMode == nullptr) return;
    auto* mode = static_cast<DEVMODEA*>(GlobalLock(s.PageSetup.hDevMode));
    if (mode == nullptr) return;
    const short wanted = (value == 1 || value == 3) ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    if (mode->dmOrientation != wanted) {
        mode->dmOrientation = wanted;
        mode->dmFields |= DM_ORIENTATION;
        std::swap(page.paperWidth, page.paperHeight);
    }
    GlobalUnlock(s.PageSetup.hDevMode);
    const int width = page.paperWidth - page.left - page.right;
    const int height = page.paperHeight - page.top - page.bottom;
    if ((value == 2 && width > height) || (value == 3 && height > width)) {
        page.right = page.paperWidth - page.left - height;
        page.bottom = page.paperHeight - page.top - width;
    }
    storeGeometry(s, page);
}

namespace {

// The row-label column's width of a job: scaled, widened to every label in use and the corner.
int rowLabelWidth(const Job& j, bool withCorner) {
    int width = yygridprintscale(j.g->cxRowLabels, j.printerPpiX, j.s->iScale, j.screenPpiX);
    for (int r = 0; r < j.g->nRows && j.g->pRowLabels != nullptr; ++r)
        width = std::max(width, textWidth(j.printer, j.g->pRowLabels + static_cast<std::size_t>(r) * GridLabelSize) + j.w);
    if (withCorner) width = std::max(width, textWidth(j.printer, headerText(j.g, 0).c_str()) + j.w);
    return width;
}

bool hasRowLabels(const Job& j) { return j.rowLabels && j.g->pRowLabels != nullptr; }

// The width the row-label column takes on a page: none without row labels.
int labelColumnWidth(const Job& j, bool labelRow) { return hasRowLabels(j) ? rowLabelWidth(j, labelRow) : 0; }

// The row-label column at x, width wide (labelColumnWidth), with the lines beside it; x moves
// past it.
void printRowLabels(const Job& j, int r0, int r1, int& x, bool labelRow, int width) {
    const bool labels = hasRowLabels(j);
    if (!labels && !j.s->bColumnLines) return;
    const int oldX = x;
    const int bottom = bottomLine(j, r0, r1, labelRow);
    bool cornerPrinted = false;
    if (labels) {
        SetBkMode(j.printer, TRANSPARENT);
        SetTextColor(j.printer, RGB(0, 0, 0));
        SetTextAlign(j.printer, TA_LEFT | TA_TOP);
        const std::string corner = labelRow ? headerText(j.g, 0) : std::string();
        int y = j.s->yAreaTop + j.h / 4;
        if (labelRow) {
            if (!corner.empty()) {
                TextOutA(j.printer, x + j.w / 2, y, corner.c_str(), static_cast<int>(corner.size()));
                cornerPrinted = true;
            }
            y += j.h3;
        }
        for (int r = r0; r <= r1; ++r, y += j.p) {
            const char* label = j.g->pRowLabels + static_cast<std::size_t>(r) * GridLabelSize;
            TextOutA(j.printer, x + j.w / 2, y, label, static_cast<int>(strnlen(label, GridLabelSize - 1)));
        }
        x += width;
    }
    const int top = cornerPrinted ? j.s->yAreaTop : (labelRow ? j.s->yAreaTop + j.h3 : j.s->yAreaTop);
    line(j.printer, oldX, top, oldX, bottom);
    line(j.printer, x, j.s->yAreaTop, x, bottom);
}

void closePage(const Job& j, int r0, int r1, int x, int e, bool labelRow, bool pageBreak) {
    GridPrintSet& s = *j.s;
    const int bottom = bottomLine(j, r0, r1, labelRow);
    if (pageBreak && !s.bColumnLines) line(j.printer, x, s.yAreaTop, x, bottom);
    if (labelRow) {
        if (!headerText(j.g, 0).empty()) line(j.printer, s.xAreaLeft, s.yAreaTop, e, s.yAreaTop);
        line(j.printer, s.xAreaLeft, s.yAreaTop + j.h3, x, s.yAreaTop + j.h3);
    }
    line(j.printer, e, s.yAreaTop, x, s.yAreaTop);
    const int y0 = s.yAreaTop + (labelRow ? j.h3 : 0);
    if (s.bRowLines) {
        for (int r = r0; r <= r1; ++r) {
            const int y = y0 + (r - r0 + 1) * j.p;
            line(j.printer, s.xAreaLeft, y, x, y);
        }
    } else {
        line(j.printer, s.xAreaLeft, bottom, x, bottom);
    }
}

// A cell's colours: -1 for none.
struct CellColours {
    int text = -1, back = -1;
};

// Column c of rows r0..r1 at x, cw wide: its label on a page with a label row, then its cells in
// their alignment, font and colours, each clipped to its place.
void printColumn(const Job& j, int c, int r0, int r1, int x, int cw, bool labelRow, std::vector<char>& text) {
    const GridPrintSet& s = *j.s;
    HDC printer = j.printer;
    const GridColumnRecord& column = j.g->pColumns[c];
    int y = s.yAreaTop + j.h / 4;
    if (labelRow) {
        const std::string label = headerText(j.g, c + 1);
        SetTextAlign(printer, TA_CENTER | TA_TOP);
        SetTextColor(printer, RGB(0, 0, 0));
        SetBkMode(printer, TRANSPARENT);
        TextOutA(printer, x + cw / 2, y, label.c_str(), static_cast<int>(label.size()));
        y += j.h3;
    }
    int ax = x + j.w / 2;
    UINT align = TA_LEFT;
    if (column.iType <= GridDouble && column.hControl != nullptr) {
        const LONG cs = GetWindowLongA(column.hControl, GWL_STYLE);
        if (cs & ES_RIGHT) {
            align = TA_RIGHT;
            ax = x + cw - j.w / 2;
        } else if (cs & ES_CENTER) {
            align = TA_CENTER;
            ax = x + cw / 2;
        }
    } else if (column.iType == GridCheckBox) {
        align = TA_CENTER;
        ax = x + cw / 2;
    }
    SetTextAlign(printer, align | TA_TOP);
    SelectObject(printer, column.iType == GridCheckBox ? j.checkFont : j.font);
    const FieldRecord* cr = column.hControl != nullptr ? yyfieldrecord(column.hControl) : nullptr;
    CellColours columnColours;
    if (s.bTextColours) columnColours.text = cr != nullptr && cr->textColour != -1 ? cr->textColour : j.gridText;
    if (s.bBackColours) columnColours.back = cr != nullptr && cr->backColour != -1 ? cr->backColour : j.gridBack;
    for (int r = r0; r <= r1; ++r, y += j.p) {
        CellColours colours = columnColours;
        if (column.pCellColours != nullptr) {
            const GridCellColour& entry = column.pCellColours[r];
            colours = {};
            if (s.bTextColours) {
                colours.text = yygridcellcolour(entry, 1);
                if (colours.text == -1) colours.text = j.gridText;
            }
            if (s.bBackColours) {
                colours.back = yygridcellcolour(entry, 2);
                if (colours.back == -1) colours.back = j.gridBack;
            }
        }
        SetTextColor(printer, colours.text != -1 ? static_cast<COLORREF>(colours.text) : RGB(0, 0, 0));
        UINT options = ETO_CLIPPED;
        if (colours.back != -1) {
            SetBkColor(printer, static_cast<COLORREF>(colours.back));
            SetBkMode(printer, OPAQUE);
            options |= ETO_OPAQUE;
        } else {
            SetBkMode(printer, TRANSPARENT);
        }
        RECT clip{x + 1, s.bRowLines ? y - j.h / 4 : y, x + 1 + cw, 0};
        clip.bottom = clip.top + j.p;
        if (!s.bRowLines && r == r0) clip.top -= j.h / 4;
        if (!s.bRowLines && r == r1) clip.bottom += j.h / 4;
        yyGridGetString(j.g, c, r, text.data(), GridTextBufferSize, 1);
        ExtTextOutA(printer, ax, y, options, &clip, text.data(), static_cast<UINT>(lstrlenA(text.data())), nullptr);
    }
    SelectObject(printer, j.font);
}

}  // namespace

void yyGridPrintRowLabels(HWND grid, int firstRow, int r0, int r1, int& x, int pitch, int height, int averageWidth,
                          HDC printer, HDC screen, int set) {
    GridControlRecord* g = yygridrecord(grid);
    if (g == nullptr || printer == nullptr || screen == nullptr) return;
    GridPrintSet& s = setOf(set);
    const LONG style = GetWindowLongA(grid, GWL_STYLE);
    Job j{grid, g, &s, printer, screen, nullptr, nullptr, height, averageWidth, height * 3 / 2, pitch,
          GetDeviceCaps(printer, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSX), firstRow, r1,
          (style & GridColumnHeader) != 0 && g->hHeader != nullptr, (style & GridRowLabels) != 0, -1, -1};
    const bool labelRow = j.columnLabels && (s.bLabelsEveryPage || r0 == firstRow);
    printRowLabels(j, r0, r1, x, labelRow, labelColumnWidth(j, labelRow));
}

void yygridprint(int field, int& result, int a, int b, int c1, int c2, int set, const char* title) {
    result = 0;
    int f = field;
    HWND grid = yygridfind(f);
    GridControlRecord* g = grid != nullptr ? yygridrecord(grid) : nullptr;
    if (g == nullptr || g->pColumns == nullptr) return;
    // Nothing outside the grid's storage is read.
    a = std::max(a, 0);
    b = std::min(b, g->nRowsAllocated - 1);
    c1 = std::max(c1, 0);
    c2 = std::min(c2, g->nColumns - 1);
    yyGridPrintInit();
    GridPrintSet& s = setOf(set);
    HDC printer = printerContext(s, false);
    if (printer == nullptr) return;
    HDC screen = GetDC(grid);
    HFONT screenFont = g->hFont != nullptr ? g->hFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HGDIOBJ oldScreenFont = SelectObject(screen, screenFont);
    TEXTMETRICA screenMetrics{};
    GetTextMetricsA(screen, &screenMetrics);
    LOGFONTA lf{};
    GetObjectA(screenFont, sizeof lf, &lf);
    const int printerPpiX = GetDeviceCaps(printer, LOGPIXELSX), printerPpiY = GetDeviceCaps(printer, LOGPIXELSY);
    const int screenPpiX = GetDeviceCaps(screen, LOGPIXELSX), screenPpiY = GetDeviceCaps(screen, LOGPIXELSY);
    LOGFONTA pf = lf;
    pf.lfHeight = yygridprintscale(screenMetrics.tmHeight - screenMetrics.tmInternalLeading, printerPpiY, s.iScale, screenPpiY);
    pf.lfWidth = 0;
    pf.lfOutPrecision = OUT_TT_PRECIS;
    HFONT font = CreateFontIndirectA(&pf);
    LOGFONTA cf = pf;
    cf.lfCharSet = SYMBOL_CHARSET;
    cf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    lstrcpynA(cf.lfFaceName, "Wingdings", LF_FACESIZE);
    HFONT checkFont = CreateFontIndirectA(&cf);
    const GridPageGeometry page = geometryOf(s);
    s.xAreaLeft = yygridunitstopixels(page.left, printerPpiX, page.units);
    s.xAreaRight = yygridunitstopixels(page.paperWidth - page.right, printerPpiX, page.units);
    s.yAreaTop = yygridunitstopixels(page.top, printerPpiY, page.units);
    s.yAreaBottom = yygridunitstopixels(page.paperHeight - page.bottom, printerPpiY, page.units);

    std::string documentTitle;
    if (set == 1) {
        documentTitle = title != nullptr && title[0] != '\0' ? title : "Untitled";
    } else {
        const GridWindowRecord* w = yygridwindowrecord(-2);
        documentTitle = w != nullptr && w->szFileName[0] != '\0' ? w->szFileName : "Untitled";
    }
    DOCINFOA doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = documentTitle.c_str();
    StartDocA(printer, &doc);
    SelectObject(printer, font);
    TEXTMETRICA pm{};
    GetTextMetricsA(printer, &pm);
    const LONG style = GetWindowLongA(grid, GWL_STYLE);
    const FieldRecord* gridRecord = yyfieldrecord(grid);
    Job j{grid, g, &s, printer, screen, font, checkFont, pm.tmHeight, pm.tmAveCharWidth, pm.tmHeight * 3 / 2, 0,
          printerPpiX, screenPpiX, a, b, (style & GridColumnHeader) != 0 && g->hHeader != nullptr,
          (style & GridRowLabels) != 0, gridRecord != nullptr ? gridRecord->textColour : -1,
          gridRecord != nullptr ? gridRecord->backColour : -1};
    j.p = s.bRowLines ? j.h3 : j.h;
    std::vector<char> text(GridTextBufferSize);
    // Column widths over all rows of the job, the same on every page.
    std::vector<int> widths;
    for (int c = c1; c <= c2; ++c) {
        const GridColumnRecord& column = g->pColumns[c];
        int cw = yygridprintscale(column.cxWidth, printerPpiX, s.iScale, screenPpiX);
        SelectObject(printer, column.iType == GridCheckBox ? checkFont : font);
        for (int r = a; r <= b; ++r) {
            yyGridGetString(g, c, r, text.data(), GridTextBufferSize, 1);
            cw = std::max(cw, textWidth(printer, text.data()) + j.w);
        }
        widths.push_back(cw);
    }
    SelectObject(printer, font);
    // The row-label column's width on pages with and without a label row: each measured over
    // every label once for the job, not on every page.
    int labelColumns[2] = {-1, -1};
    for (int r0 = a; r0 <= b;) {
        const bool firstBlock = r0 == a;
        const bool labelRow = j.columnLabels && (s.bLabelsEveryPage || firstBlock);
        const int n = yygridrowsperpage(s.yAreaTop, s.yAreaBottom, j.p, labelRow);
        const int r1 = std::min(r0 + n - 1, b);
        const int bottom = bottomLine(j, r0, r1, labelRow);
        int& labelColumn = labelColumns[labelRow ? 1 : 0];
        if (labelColumn < 0) labelColumn = labelColumnWidth(j, labelRow);
        // The row labels open every page, or only each block's first page.
        auto labelsOn = [&](int page) { return s.bLabelsEveryPage || page == 0; };
        const std::vector<GridPrintPageColumns> pages =
            yygridpagesacross(widths, s.xAreaLeft, s.xAreaRight, [&](int page) { return labelsOn(page) ? labelColumn : 0; });
        for (std::size_t k = 0; k < pages.size(); ++k) {
            const GridPrintPageColumns& page = pages[k];
            StartPage(printer);
            SelectObject(printer, font);
            SetTextColor(printer, RGB(0, 0, 0));
            SetTextAlign(printer, TA_LEFT | TA_TOP);
            int x = s.xAreaLeft;
            int e = x;
            if (labelsOn(static_cast<int>(k))) {
                printRowLabels(j, r0, r1, x, labelRow, labelColumn);
                if (s.bLabelsEveryPage || firstBlock) e = x;
            } else {
                line(printer, x, s.yAreaTop, x, bottom);
            }
            for (int c = page.first; c <= page.last; ++c) {
                const std::size_t at = static_cast<std::size_t>(c - page.first);
                x = page.x[at];
                printColumn(j, c1 + c, r0, r1, x, page.width[at], labelRow, text);
                x += page.width[at];
                if (s.bColumnLines || c1 + c == c2) line(printer, x, s.yAreaTop, x, bottom);
            }
            closePage(j, r0, r1, x, e, labelRow, k + 1 < pages.size());
            EndPage(printer);
        }
        r0 = r1 + 1;
    }
    EndDoc(printer);
    SelectObject(screen, oldScreenFont);
    ReleaseDC(grid, screen);
    DeleteDC(printer);
    DeleteObject(font);
    DeleteObject(checkFont);
    result = 1;
}
