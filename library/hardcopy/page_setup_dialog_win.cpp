// page_setup_dialog_win.cpp - the library's own page-setup dialog (dialog 32010 of the program):
// paper and source lists of the printer, orientation, margins turned with it, printer setup, and
// a preview of the page with its printable area, driven by an event loop of its own.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "windows/events.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "windows/window_info_internal.hpp"
#include "windows/windows_internal.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "dialogs/show_internal_win.hpp"
#include "graphics/addon_ports.hpp"
#include "graphics/graphics.hpp"
#include "graphics/graphics_internal.hpp"
#include "hardcopy/page_setup.hpp"
#include "hardcopy/page_setup_win.hpp"
#include "resources/library_ids.h"

namespace {

constexpr int PageSetupDialog = IDD_PAGESETUP;
enum PageSetupField : int {
    FieldOk = IDOK,
    FieldCancel = IDCANCEL,
    FieldPreview = IDC_PAGE_PREVIEW,
    FieldPaper = IDC_PAGE_PAPER,
    FieldSource = IDC_PAGE_SOURCE,
    FieldMarginTitle = IDC_PAGE_MARGINTITLE,
    FieldLeft = IDC_PAGE_LEFT,
    FieldRight = IDC_PAGE_RIGHT,
    FieldTop = IDC_PAGE_TOP,
    FieldBottom = IDC_PAGE_BOTTOM,
    FieldPortrait = IDC_PAGE_PORTRAIT,
    FieldLandscape = IDC_PAGE_LANDSCAPE,
    FieldPrinterSetup = IDC_PAGE_PRINTER,
};
constexpr const char* MarginFormat = "(F10.1)";

// What the dialog works with while it runs. Lengths are in the caller's unit.
struct OwnDialog {
    int units = 0;
    float scale = 1000;
    int orientation = 0;
    int copies = 1;
    int paperWidth = 0, paperHeight = 0;  // the paper as the driver reports it (either way round)
    int preview = 0;                      // the preview bitmap, 0 none
    int paperCount = 0;                   // entries the driver reports, blank names included
    std::vector<PageSetupEntry> papers, sources;
};

// The driver's list (which 1 papers, 2 sources) with its codes, as fixed-length names.
std::vector<PageSetupEntry> driverList(int which, int& reported) {
    const int length = which == 1 ? PaperNameLength : SourceNameLength;
    reported = 0;
    yypsdprintercapint(which, reported);
    if (reported <= 0) return {};
    std::vector<char> names(static_cast<std::size_t>(reported) * static_cast<std::size_t>(length), '\0');
    std::vector<WORD> codes(static_cast<std::size_t>(reported), 0);
    yypsdprintercapchar(which, names.data());
    yypsdprintercapchar(which + 2, codes.data());
    std::vector<std::string> raw;
    std::vector<int> values;
    for (int k = 0; k < reported; ++k) {
        raw.emplace_back(names.data() + static_cast<std::size_t>(k) * static_cast<std::size_t>(length),
                         static_cast<std::size_t>(length));
        values.push_back(static_cast<short>(codes[static_cast<std::size_t>(k)]));
    }
    return yypagesetuplist(raw, values, length, which == 1);
}

void putList(int field, const std::vector<PageSetupEntry>& list, int selected) {
    if (list.empty()) {
        WDialogClearField(field);
        return;
    }
    std::vector<std::string> texts;
    for (const PageSetupEntry& entry : list) texts.push_back(entry.name);
    std::vector<TextRef> items;
    for (std::string& text : texts) items.emplace_back(text);
    WDialogPutMenu(field, items.data(), static_cast<int>(items.size()), selected);
}

void fillLists(OwnDialog& d) {
    int size = 0, source = 0;
    yypsdgetsizesource(size, source);
    d.papers = driverList(1, d.paperCount);
    putList(FieldPaper, d.papers, yypagesetupselect(d.papers, size));
    int sourceCount = 0;
    d.sources = driverList(2, sourceCount);
    putList(FieldSource, d.sources, yypagesetupselect(d.sources, source));
}

// The selected entry of a list, or null when the list is empty.
const PageSetupEntry* selected(const std::vector<PageSetupEntry>& list, int field) {
    if (list.empty()) return nullptr;
    int option = 0;
    WDialogGetMenu(field, option);
    if (option < 1 || option > static_cast<int>(list.size())) return nullptr;
    return &list[static_cast<std::size_t>(option - 1)];
}

// The selected paper's dimensions in the caller's unit; kept when the printer reports none.
void paperDimensions(OwnDialog& d) {
    const PageSetupEntry* paper = selected(d.papers, FieldPaper);
    if (paper == nullptr) return;
    int width = -1, height = -1;
    yypsdpaperwh(paper->index, d.paperCount, width, height);
    if (width < 0 || height < 0) return;
    yypaperinunits(width, height, d.units, d.paperWidth, d.paperHeight);
}

void storeSizeSource(const OwnDialog& d) {
    const PageSetupEntry* paper = selected(d.papers, FieldPaper);
    const PageSetupEntry* source = selected(d.sources, FieldSource);
    if (paper != nullptr) yypsdsetsizesource(paper->code, source != nullptr ? source->code : -1);
}

Margins readMargins() {
    Margins m;
    WDialogGetReal(FieldLeft, m.left);
    WDialogGetReal(FieldRight, m.right);
    WDialogGetReal(FieldTop, m.top);
    WDialogGetReal(FieldBottom, m.bottom);
    return m;
}

void showMargins(const Margins& m) {
    const auto show = [](int field, float value) { WDialogPutReal(field, value > 0 ? value : 0.0f, MarginFormat); };
    show(FieldLeft, m.left);
    show(FieldRight, m.right);
    show(FieldTop, m.top);
    show(FieldBottom, m.bottom);
}

int radioOrientation() {
    int position = 1;
    WDialogGetRadioButton(FieldPortrait, position);
    return position == 2 ? 1 : 0;
}

// The drawing state the preview changes, put back afterwards.
struct SavedDrawing {
    int type, ident, dialog, plotMode, colourModel;
    float area[4], units[4];
};

SavedDrawing saveDrawing() {
    const GraphicsState& g = gravim.graphics;
    yysav(0);
    return {g.surfaceType, g.surfaceIdent, g.surfaceDialog, g.plotMode, g.colourModel,
            {g.areaX1, g.areaY1, g.areaX2, g.areaY2}, {g.unitsX1, g.unitsY1, g.unitsX2, g.unitsY2}};
}

void restoreSurface(const SavedDrawing& s) {
    if (s.type == 3 && s.dialog != PageSetupDialog && s.dialog != 0) {
        WDialogSelect(s.dialog);
        IGrSelect(3, s.ident);
        WDialogSelect(PageSetupDialog);
    } else if (s.type >= 1 && s.type <= 4 && !(s.type == 3 && s.dialog == PageSetupDialog)) {
        IGrSelect(s.type, s.ident);
    } else {
        IGrSelect(1);
    }
}

void restoreDrawing(const SavedDrawing& s) {
    IGrArea(s.area[0], s.area[1], s.area[2], s.area[3]);
    IGrUnits(s.units[0], s.units[1], s.units[2], s.units[3]);
    yysav(1);
    IGrColourModel(s.colourModel == 2 ? 24 : 8);
    IGrPlotMode2(s.plotMode);
}

void drawPreview(const OwnDialog& d) {
    const Margins m = readMargins();
    const float left = m.left * d.scale, right = m.right * d.scale, top = m.top * d.scale, bottom = m.bottom * d.scale;
    int width = 0, height = 0;
    yyorientedpaper(d.paperWidth, d.paperHeight, d.orientation, width, height);
    const float pageWidth = static_cast<float>(width > 0 ? width : 1);
    const float pageHeight = static_cast<float>(height > 0 ? height : 1);

    const SavedDrawing saved = saveDrawing();
    // Without a bitmap the preview is drawn on the field, which the face-coloured fill below
    // clears: clearing its text would repaint it, and its exposure draw the preview again.
    if (d.preview != 0) IGrSelect(2, d.preview);
    else IGrSelect(3, FieldPreview);
    IGrArea(0, 0, 1, 1);
    IGrUnits(0, 0, 1, 1);
    int face = 0;
    yygetsyscolor(9, face);
    IGrColourModel(24);
    yysetfillstyle(4);
    IGrColourN(face);
    IGrRectangle(0, 0, 1, 1);

    float area[4];
    yypreviewarea(pageWidth, pageHeight, d.orientation, area);
    IGrArea(area[0], area[1], area[2], area[3]);
    IGrUnits(0, 0, pageWidth, pageHeight);
    IGrColour("white");
    IGrRectangle(0, 0, pageWidth, pageHeight);
    if (gravim.graphics.plotMode != 0) IGrPlotMode2(0);
    yysetfillstyle(0);
    IGrColour("black");
    IGrBorder();
    if (left + right < pageWidth && top + bottom < pageHeight) {
        IGrLineType(1);
        IGrRectangle(left, bottom, pageWidth - right, pageHeight - top);
    }

    restoreSurface(saved);
    if (d.preview != 0) WDialogPutImage(FieldPreview, d.preview, 3);
    restoreDrawing(saved);
}

void turnMargins(int orientation) { showMargins(yyturnmargins(readMargins(), orientation)); }

// Printer setup from the dialog: a new printer brings its own lists.
void printerSetup(OwnDialog& d) {
    int orientation = d.orientation, copies = d.copies, ok = 0;
    yyprintdlg(orientation, copies, ok);
    if (ok != 1) return;
    fillLists(d);
    d.copies = copies;
    if (orientation != d.orientation) {
        WDialogPutRadioButton(orientation == 1 ? FieldLandscape : FieldPortrait);
        turnMargins(orientation);
        d.orientation = orientation;
    }
    paperDimensions(d);
    drawPreview(d);
    WDialogSetField(FieldOk);
}

// One event; true when the dialog is finished (ok set).
bool handle(OwnDialog& d, int type, const WMessageRecord& r, int& ok) {
    if (r.Win != PageSetupDialog) return false;
    switch (type) {
    case EvPushButton:
        if (r.Value1 == FieldOk) {
            ok = 1;
            return true;
        }
        if (r.Value1 == FieldCancel) {
            ok = 0;
            return true;
        }
        if (r.Value1 == FieldPrinterSetup) printerSetup(d);
        break;
    case EvExpose:
        if (r.Value3 == 1 && r.Value4 == FieldPreview) drawPreview(d);
        break;
    case EvFieldChanged:
        if (r.Value2 == FieldPortrait || r.Value2 == FieldLandscape) {
            const int orientation = radioOrientation();
            if (orientation != d.orientation) {
                turnMargins(orientation);
                d.orientation = orientation;
                drawPreview(d);
            }
        } else if (r.Value1 == FieldPaper && r.Value2 == FieldPaper) {
            paperDimensions(d);
            drawPreview(d);
            storeSizeSource(d);
        } else if (r.Value1 == FieldSource && r.Value2 == FieldSource) {
            storeSizeSource(d);
        } else if (r.Value1 == FieldLeft || r.Value1 == FieldRight || r.Value1 == FieldTop || r.Value1 == FieldBottom) {
            drawPreview(d);
        }
        break;
    default: break;
    }
    return false;
}

}  // namespace

void yypagesetupsub(int& paperWidth, int& paperHeight, int& printableWidth, int& printableHeight, int& left,
                    int& top, int& orientation, int& copies, int units, int& ok) {
    const int previousDialog = gravim.dialogs.currentDialog;
    const int previousError = gravim.core.lastError;
    yyseterror(0);
    OwnDialog d;
    bool loaded = false;
    int fieldEvents = -1;
    WDialogLoad(PageSetupDialog);
    if (gravim.core.lastError != 0) {
        ok = -1;
    } else {
        loaded = true;
        d.units = units;
        d.orientation = orientation;
        d.copies = copies;
        d.paperWidth = paperWidth;
        d.paperHeight = paperHeight;

        int field = FieldPreview, x = 0, y = 0, width = 0, height = 0;
        yygetfieldinfo(field, x, y, width, height, 1);
        int face = 0;
        yygetsyscolor(9, face);
        // The preview goes into a bitmap of the dialog's own when images makes one (the program's
        // 50 may all be in use), else straight onto the field.
        if (field != -1) yyimageport().createDialogBitmap(width, height, face, d.preview);

        fillLists(d);
        d.scale = units < 2 ? 1000.0f : 100.0f;
        WDialogPutString(FieldMarginTitle, units < 2 ? "Margins (inches)" : "Margins (millimetres)");
        showMargins({static_cast<float>(left) / d.scale,
                     static_cast<float>(paperWidth - left - printableWidth) / d.scale,
                     static_cast<float>(top) / d.scale,
                     static_cast<float>(paperHeight - top - printableHeight) / d.scale});
        WDialogPutRadioButton(orientation == 1 ? FieldLandscape : FieldPortrait);

        yyshowcd(0, 3, -1);
        drawPreview(d);
        fieldEvents = yyinfomessage(EvFieldChanged);
        WMessageEnable(EvFieldChanged, 1);

        ok = 0;
        for (;;) {
            int type = 0;
            WMessageRecord record;
            WMessage(type, record);
            if (handle(d, type, record, ok)) break;
        }
        if (ok == 1) {
            storeSizeSource(d);
            paperDimensions(d);
            const int chosen = radioOrientation();
            int width2 = 0, height2 = 0;
            yyorientedpaper(d.paperWidth, d.paperHeight, chosen, width2, height2);
            const PageResult result = yypageresult(width2, height2, readMargins(), d.scale);
            paperWidth = result.paperWidth;
            paperHeight = result.paperHeight;
            printableWidth = result.printableWidth;
            printableHeight = result.printableHeight;
            left = result.left;
            top = result.top;
            orientation = chosen;
            copies = d.copies;
        }
    }
    if (loaded) {
        if (fieldEvents != -1) WMessageEnable(EvFieldChanged, fieldEvents);
        WDialogHide();
        WDialogUnload();
    }
    yyimageport().destroyDialogBitmap(d.preview);
    yyseterror(previousError);
    yyrestorecurrentdialog(previousDialog);
}
