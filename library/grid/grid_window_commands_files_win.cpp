// grid_window_commands_files_win.cpp - the grid window's file commands: save (as), open and
// save as HTML, with their file dialogs, backups and reports.
#include <windows.h>

#include <optional>
#include <string>

#include "base/gravim.hpp"
#include "base/os.hpp"
#include "dialogs/common_dialogs.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/messagebox.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_files.hpp"
#include "grid/grid_window_commands.hpp"
#include "grid/grid_window_commands_internal_win.hpp"
#include "grid/grid_window_commands_win.hpp"
#include "resources/library_ids.h"

namespace {

constexpr int WindowGrid = 0;
constexpr int FileNameLength = 260;
constexpr int SaveFlags = 1 + 2 + 32;     // save, ask before replacing, append the extension
constexpr int OpenFlags = 128 + 32;       // open an existing file, append the extension
constexpr std::string_view CsvFilter = "CSV Files|*.csv|All Files|*.*|";
constexpr std::string_view HtmlFilter = "HTML Files|*.htm;*.html|All Files|*.*|";

// The file dialog with a proposed name; the chosen name, or nothing when the user cancelled.
std::optional<std::string> chooseFile(std::string_view filter, int flags, std::string_view proposed,
                                      int* filterIndex) {
    std::string name(FileNameLength, ' ');
    TextRef(name).assign(proposed);
    WSelectFile2(filter, flags, TextRef(name), std::nullopt, filterIndex);
    if (gravim.dialogs.lastAnswer != 1) return std::nullopt;
    return std::string(trimRight(yygridwintext(name)));
}

// Before a file is written over, the existing one is kept with ".bak" appended.
void backUp(const std::string& name) {
    if (!name.empty() && yygridwinfileexists(name.c_str())) IOsCopyFile(name, name + ".bak");
}

// A written file's report; true when it was written without error.
bool reportWritten() {
    const int error = gravim.core.lastError;
    if (error == 1) WMessageBox(0, 3, 1, "Error opening file", "File Error");
    else if (error == 2) WMessageBox(0, 3, 1, "Error writing file", "File Error");
    return error != 1 && error != 2;
}

// One-based bounds of a block counted from 0, or none.
std::optional<int> fromOne(bool block, int value) {
    return block ? std::optional<int>(value + 1) : std::nullopt;
}

std::string fieldText(int field, std::size_t length) {
    std::string text(length, ' ');
    WDialogGetString(field, TextRef(text));
    return std::string(trimRight(text));
}

}  // namespace

void yygridwinsave(int window, int saveAs, int& result, int& filterIndex, int backup, int fileLabels, int firstRow,
                   int lastRow, int firstColumn, int lastColumn, std::span<char> fileName, std::span<const char> filter) {
    GridCommandScope scope(window);
    result = 0;
    const bool block = firstRow != -1;
    std::string name(trimRight(yygridwintext(fileName)));
    if (saveAs == 1 || name.empty()) {
        const std::string_view windowFilter = yygridwintext(filter);
        const std::optional<std::string> chosen =
            chooseFile(trimRight(windowFilter).empty() ? CsvFilter : windowFilter, SaveFlags,
                       block ? yygridwinfolder(name) : name, &filterIndex);
        if (!chosen) return;
        name = *chosen;
        if (!block) yygridwinstore(fileName, name);
    }
    scope.keepErrors();
    if (backup == 1) backUp(name);
    WGridSave(WindowGrid, name, fromOne(block, firstColumn), fromOne(block, lastColumn), fromOne(block, firstRow),
              fromOne(block, lastRow), fileLabels == 1 ? 2 : 0);
    result = reportWritten() ? 1 : 0;
}

void yygridwinload(int window, int ask, int growRows, int& result, int& filterIndex, int fileLabels,
                   std::span<char> fileName, std::span<const char> filter) {
    GridCommandScope scope(window);
    result = 0;
    std::string name(trimRight(yygridwintext(fileName).substr(0, FileNameLength - 1)));
    if (ask == 1) {
        const std::string_view windowFilter = yygridwintext(filter);
        const std::optional<std::string> chosen =
            chooseFile(trimRight(windowFilter).empty() ? CsvFilter : windowFilter, OpenFlags, name, &filterIndex);
        if (!chosen) return;
        name = *chosen;
    }
    WGridLoad(WindowGrid, name, growRows, fileLabels == 1 ? 2 : 0);
    const GridLoadReport report = yygridwinloadreport(gravim.core.lastError);
    if (!report.message.empty()) WMessageBox(0, 3, 1, report.message, report.title);
    result = report.result;
    int field = WindowGrid;
    yygridcellfocus(field, 0, 0, -1);
    if (result == 1 && ask == 1) yygridwinstore(fileName, name);
}

void yygridwinsavehtml(int window, int firstRow, int lastRow, int firstColumn, int lastColumn, int& result, int backup,
                       std::span<const char> fileName) {
    GridCommandScope scope(window);
    result = 0;
    if (!yygridwinloaddialog(IDD_GRID_HTML)) return;
    GridState& kept = gravim.grid;
    const bool hasSelection = firstRow != -1;
    WDialogPutString(IDC_HTML_FILE, yygridwinhtmlname(yygridwintext(fileName)));
    WDialogPutRadioButton(kept.htmlTableOnly == 1 ? IDC_HTML_TABLEONLY : IDC_HTML_PAGE);
    WDialogPutRadioButton(kept.htmlLetters == 1 ? IDC_HTML_LETTERS : IDC_HTML_SYMBOLS);
    WDialogPutCheckBox(IDC_HTML_CENTRE, kept.htmlCentre);
    WDialogPutCheckBox(IDC_HTML_COLOURS, kept.htmlColours);
    WDialogPutString(IDC_HTML_TITLE, kept.htmlTitle.trimmed());
    WDialogPutInteger(IDC_HTML_BORDER, kept.htmlBorder);
    WDialogPutRadioButton(hasSelection ? IDC_HTML_SELECTION : IDC_HTML_WHOLEGRID);
    WDialogFieldState(IDC_HTML_SELECTION, hasSelection ? FieldEnabled : FieldDisabled);

    std::string name;
    bool selectionOnly = false, write = false;
    {
        SemiModelessCommandDialog dialog(IDD_GRID_HTML, window);
        // The name chosen with Browse, whose dialog has asked about replacing it already.
        std::string browsed;
        for (;;) {
            const int button = dialog.nextButton();
            if (button == IDCANCEL) break;
            if (button == IDC_HTML_BROWSE) {
                const std::optional<std::string> chosen =
                    chooseFile(HtmlFilter, SaveFlags, fieldText(IDC_HTML_FILE, FileNameLength), nullptr);
                WDialogSelect(IDD_GRID_HTML);
                if (chosen) {
                    browsed = *chosen;
                    WDialogPutString(IDC_HTML_FILE, browsed);
                }
                continue;
            }
            if (button != IDOK) continue;
            name = fieldText(IDC_HTML_FILE, FileNameLength);
            if (name.empty()) {
                WMessageBox(0, 3, 1, "You must enter a filename", "Select File");
                WDialogSelect(IDD_GRID_HTML);
                WDialogSetField(IDC_HTML_FILE);
                continue;
            }
            if (name != browsed && yygridwinfileexists(name.c_str())) {
                WMessageBox(3, 3, 2, yygridwinreplacequestion(name), "Select File");
                WDialogSelect(IDD_GRID_HTML);
                if (gravim.dialogs.lastAnswer != 1) {
                    WDialogSetField(IDC_HTML_FILE);
                    continue;
                }
            }
            int choice = 0;
            WDialogGetRadioButton(IDC_HTML_WHOLEGRID, choice);
            selectionOnly = hasSelection && choice == 2;
            WDialogGetRadioButton(IDC_HTML_PAGE, choice);
            kept.htmlTableOnly = choice == 2 ? 1 : 0;
            WDialogGetRadioButton(IDC_HTML_SYMBOLS, choice);
            kept.htmlLetters = choice == 2 ? 1 : 0;
            kept.htmlCentre = yygridwinchecked(IDC_HTML_CENTRE);
            kept.htmlColours = yygridwinchecked(IDC_HTML_COLOURS);
            kept.htmlTitle.assign(fieldText(IDC_HTML_TITLE, kept.htmlTitle.size()));
            WDialogGetInteger(IDC_HTML_BORDER, kept.htmlBorder);
            write = true;
            break;
        }
    }
    if (!write) return;
    scope.keepErrors();
    if (backup == 1) backUp(std::string(trimRight(yygridwintext(fileName))));
    const int flags = kept.htmlTableOnly + 2 * kept.htmlCentre + 4 * kept.htmlLetters + (kept.htmlColours == 1 ? 0 : 8);
    WGridSaveHTML(WindowGrid, name, fromOne(selectionOnly, firstColumn), fromOne(selectionOnly, lastColumn),
                  fromOne(selectionOnly, firstRow), fromOne(selectionOnly, lastRow), flags, kept.htmlTitle.trimmed(),
                  kept.htmlBorder);
    result = reportWritten() ? 1 : 0;
}
