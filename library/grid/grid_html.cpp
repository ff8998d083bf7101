// grid_html.cpp - a block of a grid as an HTML table, a whole page or the table alone, with the
// grid's labels, column alignments and cell colours. Every text of the grid is written as
// character data, so that a cell holding "<" or "&" shows as itself.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/errors_internal.hpp"
#include "base/files_internal.hpp"
#include "base/gravim.hpp"
#include "base/save_file.hpp"
#include "grid/grid_files_internal.hpp"
#include "grid/grid_records.hpp"

namespace {

constexpr const char* routine = "WGridSaveHTML";
constexpr std::size_t TextBuffer = 1024;  // labels and cell texts are read into 1,024 characters

// An RGB value (0x00BBGGRR) as # and six lower-case digits, red first.
std::string colourDigits(int rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
    return text;
}

// A text read into the 1,024-character buffer: at most 1,023 characters, up to a NUL.
std::string_view bounded(const std::string& text) {
    std::string_view v(text);
    v = v.substr(0, std::min(v.size(), TextBuffer - 1));
    return v.substr(0, v.find('\0'));
}

void reportFailure(int number, int status) {
    yysetfilestatus(status, 1);
    yyerror(number, routine);
}

const char* alignmentWord(int alignment) {
    return alignment == 1 ? "center" : alignment == 2 ? "right" : "left";
}

// The content line of one cell, by its column's type.
std::string cellContent(GridFileCells& grid, int type, int column, int row, int flags) {
    switch (type) {
    case GridCheckBox: {
        const bool checked = grid.checkValue(column, row) == 1;
        if (flags & 4) return checked ? "Y" : "N";
        return checked ? "<font face=\"Symbol\">&middot;</font>" : "&nbsp;";
    }
    case GridMenu: {
        const int item = grid.menuItem(column, row);
        return item > 0 ? yyhtmltext(bounded(grid.menuText(column, item))) : " ";
    }
    default: return yyhtmltext(bounded(grid.cellText(column, row)));
    }
}

}  // namespace

std::string yyhtmltext(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c; break;
        }
    }
    return out;
}

void yywrite(GridFileOutput& page, std::string_view line, int& status) {
    if (status != 0) return;
    std::string whole(line);
    whole += "\r\n";
    status = page.put(whole);
}

void yygridsavehtml(GridFileCells& grid, std::string_view file, std::optional<int> firstColumn,
                    std::optional<int> lastColumn, std::optional<int> firstRow, std::optional<int> lastRow, int flags,
                    std::optional<std::string_view> title, int border, std::optional<int> background) {
    const int columns = grid.columns(), rows = grid.rowsInUse();
    const int c1 = std::max(firstColumn.value_or(1), 1) - 1, c2 = std::min(lastColumn.value_or(columns), columns) - 1;
    const int r1 = std::max(firstRow.value_or(1), 1) - 1, r2 = std::min(lastRow.value_or(rows), rows) - 1;

    // The page replaces the file of that name only when it is whole.
    SaveFile save;
    int status = 0;
    yysavebegin(file, save, status);
    if (status != 0) {
        reportFailure(1, status);
        return;
    }
    GridFileOutput page(save.handle, [](int h, const char* bytes, int count) {
        std::int64_t done = 0;
        int code = 0;
        yywriteall(h, bytes, count, done, code);
        return code;
    });
    // A failed write ends the page; the scratch file goes with `save`.
    auto failed = [&] {
        if (status == 0) return false;
        reportFailure(2, status);
        return true;
    };

    const std::string heading(title ? trimRight(*title) : std::string_view());
    if (!(flags & 1)) {
        yywrite(page, "<html>", status);
        yywrite(page, "<head>", status);
        if (title) yywrite(page, "<title>" + yyhtmltext(heading) + "</title>", status);
        yywrite(page, "</head>", status);
        if (background) yywrite(page, "<body bgcolor=" + colourDigits(*background & 0xFFFFFF) + ">", status);
        else yywrite(page, "<body>", status);
    }
    if (flags & 2) yywrite(page, "<center>", status);
    if (!heading.empty()) yywrite(page, "<h2>" + yyhtmltext(heading) + "</h2>", status);
    yywrite(page, "<table border=" + std::to_string(std::max(border, 0)) + " cellpadding=5>", status);
    if (failed()) return;

    std::vector<const char*> alignments;
    std::vector<int> types;
    for (int c = 0; c < columns; ++c) {
        alignments.push_back(alignmentWord(grid.alignment(c)));
        types.push_back(grid.columnType(c));
    }
    const bool rowLabels = grid.hasRowLabels();
    if (grid.hasColumnLabels()) {
        yywrite(page, "<tr>", status);
        if (rowLabels) yywrite(page, "<td></td>", status);
        for (int c = c1; c <= c2; ++c) {
            yywrite(page, "<td align=center>", status);
            yywrite(page, yyhtmltext(bounded(grid.columnLabel(c + 1))), status);
            yywrite(page, "</td>", status);
        }
        yywrite(page, "</tr>", status);
        if (failed()) return;
    }
    for (int r = r1; r <= r2; ++r) {
        yywrite(page, "<tr>", status);
        if (rowLabels) {
            yywrite(page, "<td align=left>", status);
            yywrite(page, yyhtmltext(bounded(grid.rowLabel(r))), status);
            yywrite(page, "</td>", status);
        }
        for (int c = c1; c <= c2; ++c) {
            int text = -1, back = -1;
            if (!(flags & 8)) grid.colours(c, r, text, back);
            const std::string align = std::string("<td align=") + alignments[static_cast<std::size_t>(c)];
            yywrite(page, back == -1 ? align + ">" : align + " bgcolor=" + colourDigits(back) + ">", status);
            if (text != -1) yywrite(page, "<font color=" + colourDigits(text) + ">", status);
            yywrite(page, cellContent(grid, types[static_cast<std::size_t>(c)], c, r, flags), status);
            if (text != -1) yywrite(page, "</font>", status);
            yywrite(page, "</td>", status);
        }
        yywrite(page, "</tr>", status);
        if (failed()) return;
    }
    yywrite(page, "</table>", status);
    if (flags & 2) yywrite(page, "</center>", status);
    if (!(flags & 1)) {
        yywrite(page, "</body>", status);
        yywrite(page, "</html>", status);
    }
    if (status == 0) status = page.flush();
    if (status == 0) yysaveend(save, status);
    failed();
}
