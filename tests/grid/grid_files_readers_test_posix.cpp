// grid_files_readers_test_posix.cpp - grid files against independent readers and writers:
// Python's csv module reads the CSV files we write and writes files we load, Python's
// html.parser and xmllint read the HTML pages.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "grid/grid_files_internal.hpp"
#include "grid_file_table.hpp"
#include "scratch.hpp"

namespace {

constexpr const char* python = "/usr/bin/python3";

// Runs a Python script on the scratch folder's files; its output file, or the log on failure.
std::string runPython(const std::string& script, const std::string& arguments, bool& ran) {
    std::ofstream("check.py", std::ios::binary) << script;
    ran = std::system((std::string(python) + " check.py " + arguments + " >check.log 2>&1").c_str()) == 0;
    return ran ? readWholeFile("out.txt") : readWholeFile("check.log");
}

// Rows as the scripts print them: fields ended by 0x1F, rows by 0x1E.
std::string joined(const std::vector<std::vector<std::string>>& rows) {
    std::string s;
    for (const auto& row : rows) {
        for (const auto& field : row) s += field + "\x1f";
        s += "\x1e";
    }
    return s;
}

TableGrid sampleGrid() {
    TableGrid g({GridText, GridInteger, GridReal, GridDouble, GridCheckBox, GridMenu}, 4, 4);
    g.formats[2] = "(F8.2)";
    g.formats[3] = "(F12.4)";
    g.menus[5] = {"(none)", "deep \"blue\"", "red, dark"};
    g.labels = {"Station", "Name, full", "Count", "Level \"m\"", "Depth", "Valid", "Colour"};
    const char* texts[] = {"say \"hi\"", "a, b, c", "  leading blanks", ""};
    for (int r = 0; r < 4; ++r) {
        g.rowLabelTexts[static_cast<std::size_t>(r)] = "Row " + std::to_string(r + 1);
        g.cell(0, r).text = texts[r];
        if (r != 3) g.cell(1, r) = {"", static_cast<double>(r * 10 - 5), true};
        if (r != 1) g.cell(2, r) = {"", r + 0.25, true};
        if (r != 2) g.cell(3, r) = {"", -1234.5678 * r, true};
        g.cell(4, r).item = r % 2;
        g.cell(5, r).item = r;
    }
    return g;
}

TEST(GridFilesReaders, PythonReadsTheCsvFilesWeWrite) {
    ScratchFolder scratch;
    const std::string script = R"(import csv, sys
with open(sys.argv[1], newline='', encoding='latin-1') as f:
    rows = list(csv.reader(f))
with open('out.txt', 'w', newline='', encoding='latin-1') as out:
    for row in rows:
        out.write(''.join(field + '\x1f' for field in row) + '\x1e')
)";
    TableGrid g = sampleGrid();
    for (int flags : {0, 2, 4, 6}) {
        yygridsavecsv(g, "ours.csv", {}, {}, {}, {}, flags);
        std::vector<std::vector<std::string>> expected;
        if (flags & 2) expected.push_back(g.labels);
        for (int r = 0; r < 4; ++r) {
            std::vector<std::string> row;
            if (flags & 2) row.push_back(g.rowLabel(r));
            for (int c = 0; c < 6; ++c) {
                const int type = g.columnType(c);
                std::string text = type == GridCheckBox ? (g.checkValue(c, r) ? "Yes" : "No")
                                   : type == GridMenu   ? (g.menuItem(c, r) > 0 ? g.menuText(c, g.menuItem(c, r)) : "")
                                                        : g.cellText(c, r);
                if (text.empty() && (flags & 4) && (type == GridInteger || type == GridReal || type == GridDouble))
                    text = type == GridInteger ? "-999" : type == GridReal ? "-999.00" : "-999.0000";
                row.push_back(text);
            }
            expected.push_back(row);
        }
        bool ran = false;
        const std::string read = runPython(script, "ours.csv", ran);
        ASSERT_TRUE(ran) << read;
        EXPECT_EQ(read, joined(expected)) << "flags " << flags;
    }
}

TEST(GridFilesReaders, FilesPythonWritesLoadWithTheSameTextsAndNumbers) {
    ScratchFolder scratch;
    const std::string script = R"(import csv, sys
rows = [
    ['say "hi"', '42', '1.5', '-2.125', 'Yes', 'deep "blue"'],
    ['a, b, c', '-7', '', '1e3', 'No', 'RED, DARK'],
    ['  leading blanks', '', '0.25', '', 'yes', '(none)'],
    ['', '0', '-0.5', '3.0', 'YES', ''],
]
for name, quoting in (('minimal.csv', csv.QUOTE_MINIMAL), ('all.csv', csv.QUOTE_ALL), ('nonnumeric.csv', csv.QUOTE_NONNUMERIC)):
    with open(name, 'w', newline='', encoding='latin-1') as f:
        w = csv.writer(f, quoting=quoting)
        w.writerows(rows)
open('out.txt', 'w').write('written')
)";
    bool ran = false;
    const std::string log = runPython(script, "", ran);
    ASSERT_TRUE(ran) << log;
    for (const char* name : {"minimal.csv", "all.csv", "nonnumeric.csv"}) {
        TableGrid g = sampleGrid();
        gravim.core.lastError = 0;
        yygridloadcsv(g, name, 0, 0);
        EXPECT_EQ(gravim.core.lastError, 1055) << name;  // the empty menu field of the last row
        const std::vector<std::string> texts = {"say \"hi\"", "a, b, c", "  leading blanks", ""};
        for (int r = 0; r < 4; ++r) EXPECT_EQ(g.cellText(0, r), texts[static_cast<std::size_t>(r)]) << name;
        EXPECT_EQ(g.cellText(1, 0), "42") << name;
        EXPECT_EQ(g.cellText(1, 1), "-7") << name;
        EXPECT_FALSE(g.cell(1, 2).hasValue) << name;
        EXPECT_EQ(g.cellText(1, 3), "0") << name;
        EXPECT_EQ(g.cell(2, 0).value, 1.5) << name;
        EXPECT_FALSE(g.cell(2, 1).hasValue) << name;
        EXPECT_EQ(g.cell(2, 3).value, -0.5) << name;
        EXPECT_EQ(g.cell(3, 0).value, -2.125) << name;
        EXPECT_EQ(g.cell(3, 1).value, 1000.0) << name;
        EXPECT_FALSE(g.cell(3, 2).hasValue) << name;
        EXPECT_EQ(g.cell(3, 3).value, 3.0) << name;
        const int checks[] = {1, 0, 1, 1};
        const int items[] = {2, 3, 1, 1};
        for (int r = 0; r < 4; ++r) {
            EXPECT_EQ(g.checkValue(4, r), checks[r]) << name << " " << r;
            EXPECT_EQ(g.menuItem(5, r), items[r]) << name << " " << r;
        }
    }
}

TEST(GridFilesReaders, HtmlParserAndXmllintReadOurPagesWithTheGridsTexts) {
    ScratchFolder scratch;
    const std::string script = R"(import sys
from html.parser import HTMLParser
class Cells(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.rows, self.cell, self.title = [], None, ''
        self.intitle = False
    def handle_starttag(self, tag, attrs):
        if tag == 'tr': self.rows.append([])
        if tag == 'td': self.cell = ''
        if tag == 'title': self.intitle = True
    def handle_endtag(self, tag):
        if tag == 'td':
            self.rows[-1].append(self.cell.strip('\r\n'))
            self.cell = None
        if tag == 'title': self.intitle = False
    def handle_data(self, data):
        if self.cell is not None: self.cell += data.replace('\r\n', '')
        if self.intitle: self.title += data
p = Cells()
p.feed(open(sys.argv[1], encoding='latin-1', newline='').read())
p.close()
with open('out.txt', 'w', encoding='utf-8', newline='') as out:
    out.write(p.title + '\x1e')
    for row in p.rows:
        out.write(''.join(cell + '\x1f' for cell in row) + '\x1e')
)";
    TableGrid g = sampleGrid();
    g.cell(0, 3).text = "<b>bold</b> & <script>x</script>";
    g.labels[1] = "<i>Name</i>";
    g.rowLabelTexts[0] = "a&b";
    g.cell(2, 0).textColour = 0xFF0000;
    g.cell(3, 1).backColour = 0x00FF00;
    for (int flags : {0, 2, 4, 8, 12}) {
        yygridsavehtml(g, "ours.html", {}, {}, {}, {}, flags, std::string_view("Grid <&> \"t\""), 1, 0xFFFFFF);
        std::vector<std::vector<std::string>> expected;
        std::vector<std::string> header = {""};
        for (int c = 0; c < 6; ++c) header.push_back(g.columnLabel(c + 1));
        expected.push_back(header);
        for (int r = 0; r < 4; ++r) {
            std::vector<std::string> row = {g.rowLabel(r)};
            for (int c = 0; c < 6; ++c) {
                const int type = g.columnType(c);
                if (type == GridCheckBox) {
                    const bool on = g.checkValue(c, r) == 1;
                    row.push_back((flags & 4) ? (on ? "Y" : "N") : (on ? "\xc2\xb7" : "\xc2\xa0"));
                } else if (type == GridMenu) {
                    row.push_back(g.menuItem(c, r) > 0 ? g.menuText(c, g.menuItem(c, r)) : " ");
                } else {
                    row.push_back(g.cellText(c, r));
                }
            }
            expected.push_back(row);
        }
        bool ran = false;
        const std::string read = runPython(script, "ours.html", ran);
        ASSERT_TRUE(ran) << read;
        EXPECT_EQ(read, (flags & 1 ? std::string() : "Grid <&> \"t\"") + "\x1e" + joined(expected)) << flags;
        const int lint = std::system("xmllint --html --noout ours.html >lint.log 2>&1");
        EXPECT_EQ(lint, 0) << readWholeFile("lint.log");
        EXPECT_EQ(readWholeFile("lint.log"), "") << flags;
    }
}

}  // namespace
