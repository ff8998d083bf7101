// grid_files_test.cpp - the CSV reader and writer and the HTML page over a grid of tables: the
// written bytes, the loaded cells and labels, the notes of a load, the block seams and the quote
// routines.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "grid/grid_files_internal.hpp"
#include "grid_file_table.hpp"
#include "scratch.hpp"

namespace {

const std::vector<int> mixedTypes = {GridText, GridInteger, GridReal, GridDouble, GridCheckBox, GridMenu};

TableGrid mixedGrid(int rows = 3, int allocated = 5) {
    TableGrid g(mixedTypes, rows, allocated);
    g.formats[2] = "(F8.2)";
    g.formats[3] = "(F10.3)";
    g.menus[5] = {"(none)", "blue", "red", "green"};
    g.labels = {"Station", "Name", "Count", "Level", "Depth", "Valid", "Colour"};
    for (int r = 0; r < allocated; ++r) {
        char label[16];
        std::snprintf(label, sizeof label, "S%d", r + 1);
        g.rowLabelTexts[static_cast<std::size_t>(r)] = label;
    }
    return g;
}

void fillFirstRows(TableGrid& g) {
    g.cell(0, 0).text = "say \"hi\"";
    g.cell(1, 0) = {"", 42, true};
    g.cell(2, 0) = {"", 1.5, true};
    g.cell(3, 0) = {"", 2.25, true};
    g.cell(4, 0).item = 1;
    g.cell(5, 0).item = 3;
    g.cell(4, 1).item = 0;
    g.cell(5, 1).item = 0;
}

void writeFile(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
}

std::string saved(TableGrid& g, int flags, std::optional<int> c1 = {}, std::optional<int> c2 = {},
                  std::optional<int> r1 = {}, std::optional<int> r2 = {}) {
    yygridsavecsv(g, "out.csv", c1, c2, r1, r2, flags);
    return readWholeFile("out.csv");
}

// Loads bytes; the last error number afterwards.
int loaded(TableGrid& g, const std::string& bytes, int growth = 0, int flags = 0) {
    writeFile("in.csv", bytes);
    gravim.core.lastError = 0;
    yygridloadcsv(g, "in.csv", growth, flags);
    return gravim.core.lastError;
}

// A row as text: the cells by their type, "|" between them (check boxes Y/N, menus their item).
std::string row(TableGrid& g, int r) {
    std::string s;
    for (int c = 0; c < g.columns(); ++c) {
        if (c > 0) s += "|";
        const int type = g.columnType(c);
        if (type == GridCheckBox) s += g.checkValue(c, r) == 1 ? "Y" : "N";
        else if (type == GridMenu) s += g.menuItem(c, r) > 0 ? g.menuText(c, g.menuItem(c, r)) : "-";
        else s += g.cellText(c, r);
    }
    return s;
}

class GridCsv : public ::testing::Test {
protected:
    void SetUp() override { gravim.core.lastError = 0; }
    ScratchFolder scratch;
};

TEST_F(GridCsv, WritesEachColumnTypeByTheFlags) {
    struct Case {
        int flags;
        const char* expected;
    } cases[] = {
        {0, "\"say \"\"hi\"\"\",42,\"1.50\",\"2.250\",Yes,\"red\"\r\n\"\",,\"\",\"\",No,\r\n"},
        {1, "say \"\"hi\"\",42,1.50,2.250,Yes,red\r\n,,,,No,\r\n"},
        {4, "\"say \"\"hi\"\"\",42,\"1.50\",\"2.250\",Yes,\"red\"\r\n\"\",-999,\"-999.00\",\"-999.000\",No,\r\n"},
        {2, "\"Station\",\"Name\",\"Count\",\"Level\",\"Depth\",\"Valid\",\"Colour\"\r\n"
            "\"S1\",\"say \"\"hi\"\"\",42,\"1.50\",\"2.250\",Yes,\"red\"\r\n\"S2\",\"\",,\"\",\"\",No,\r\n"},
        {3, "Station,Name,Count,Level,Depth,Valid,Colour\r\nS1,say \"\"hi\"\",42,1.50,2.250,Yes,red\r\nS2,,,,,No,\r\n"},
    };
    for (const Case& c : cases) {
        TableGrid g = mixedGrid(2, 5);
        fillFirstRows(g);
        EXPECT_EQ(saved(g, c.flags), c.expected) << "flags " << c.flags;
    }
}

TEST_F(GridCsv, WritesTheRangeClampedAndNothingWithoutLabelsOnTheGrid) {
    TableGrid g = mixedGrid(2, 5);
    fillFirstRows(g);
    EXPECT_EQ(saved(g, 0, 2, 3, 0, 1), "42,\"1.50\"\r\n");
    EXPECT_EQ(saved(g, 0, 6, 99, 2, 99), "\r\n");  // the menu column of row 2: no item chosen
    g.columnLabels = false;
    g.rowLabels = false;
    EXPECT_EQ(saved(g, 2, 1, 1), "\"say \"\"hi\"\"\"\r\n\"\"\r\n");
}

TEST_F(GridCsv, WritesTheUndefinedValuesThatWereSet) {
    TableGrid g = mixedGrid(1, 1);
    g.cell(4, 0).item = 0;
    gravim.dialogs.undefinedInteger = -1;
    gravim.dialogs.undefinedReal = 0.5f;
    gravim.dialogs.undefinedDouble = 1e5;
    EXPECT_EQ(saved(g, 5), ",-1,0.50,100000.000,No,\r\n");
    gravim.dialogs.undefinedInteger = -999;
    gravim.dialogs.undefinedReal = -999.0f;
    gravim.dialogs.undefinedDouble = -999.0;
}

TEST_F(GridCsv, LoadsFilesIntoTheMixedGrid) {
    const std::string empty = "||||N|(none)";
    struct Case {
        const char* name;
        std::string file;
        int flags;
        std::vector<std::string> rows;
        int error;
    } cases[] = {
        {"quotes doubled", "\"say \"\"hi\"\"\",42,\"1.50\",\"2.250\",Yes,\"red\"\r\n", 0,
         {"say \"hi\"|42|1.50|2.250|Y|red", empty, empty}, 0},
        {"written without enclosing marks", "say \"\"hi\"\",7\r\n", 0, {"ay \"hi\"|7|||N|(none)", empty, empty}, 0},
        {"comma inside a bare text", "a,b,c\r\n", 0, {"a||||N|(none)", empty, empty}, 12},
        {"LF without CR", "x,1\ny,2\n", 0, {"x|1|||N|(none)", "y|2|||N|(none)", empty}, 0},
        {"undefined values", "\"\",-999,\"-999.00\",\"-999.000\",No,\r\n", 0, {"|-999|-999.00|-999.000|N|(none)", empty, empty}, 1055},
        {"menu ignoring case", "a,,,,,GREEN\r\n", 0, {"a||||N|green", empty, empty}, 10},
        {"menu matching nothing", "a,,,,,purple\r\n", 0, {"a||||N|(none)", empty, empty}, 1055},
        {"number not converting", "a,1x\r\n", 0, {"a||||N|(none)", empty, empty}, 12},
        {"empty integer", "a,,2\r\n", 0, {"a||2.00||N|(none)", empty, empty}, 10},
        {"leading blanks kept, trailing dropped", "  a  ,  5  \r\n", 0, {"  a|5|||N|(none)", empty, empty}, 0},
        {"too many rows", "a\r\nb\r\nc\r\nd\r\n", 0, {"a||||N|(none)", "b||||N|(none)", "c||||N|(none)"}, 1054},
        {"one field too many", "a\r\nb,1,2,3,No,red,extra\r\nc\r\n", 0, {"a||||N|(none)", empty, empty}, 1054},
        {"empty lines", "\r\n\r\n", 0, {empty, empty, empty}, 0},
        {"last line without LF", "a,1\r\nb,2", 0, {"a|1|||N|(none)", "b|2|||N|(none)", empty}, 0},
        {"last line ending in CR", "a,1\r\nb,2\r", 0, {"a|1|||N|(none)", "b|2|||N|(none)", empty}, 0},
        {"CR inside a field", "\"x\ry\",3\r\nu\rv,4\r\n", 0, {"x\ry|3|||N|(none)", "u\rv|4|||N|(none)", empty}, 0},
        {"CR before a comma", "x\r,5\r\n", 0, {"x\r|5|||N|(none)", empty, empty}, 0},
        {"labels", "\"Corner\",\"A\",\"B\"\r\n\"R1\",p,9\r\n", 2, {"p|9|||N|(none)", empty, empty}, 0},
    };
    for (const Case& c : cases) {
        TableGrid g = mixedGrid(3, 3);
        fillFirstRows(g);
        g.cell(1, 2) = {"", 5, true};
        EXPECT_EQ(loaded(g, c.file, 0, c.flags), c.error) << c.name;
        for (std::size_t r = 0; r < c.rows.size(); ++r) EXPECT_EQ(row(g, static_cast<int>(r)), c.rows[r]) << c.name << " row " << r;
        EXPECT_EQ(g.repaintsOff, 1) << c.name;
        EXPECT_EQ(g.repaintsOn, 1) << c.name;
    }
}

TEST_F(GridCsv, CheckBoxesTakeYesInAnyCaseButNotWithALeadingBlank) {
    TableGrid g({GridCheckBox}, 6, 6);
    EXPECT_EQ(loaded(g, "yes\r\nYes\r\nYES\r\n yes\r\nNo\r\nyes \r\n"), 0);
    std::string values;
    for (int r = 0; r < 6; ++r) values += std::to_string(g.checkValue(0, r));
    EXPECT_EQ(values, "111001");
}

TEST_F(GridCsv, LabelsGoToTheLabelsAndTheShortLinesEmptyTheRest) {
    TableGrid g = mixedGrid(3, 3);
    fillFirstRows(g);
    EXPECT_EQ(loaded(g, "\"Corner\",\"A\",\"B\"\r\n\"R1\",p,9\r\n\"R2\"\r\n", 0, 2), 0);
    EXPECT_EQ(g.labels, (std::vector<std::string>{"Corner", "A", "B", "", "", "", ""}));
    EXPECT_EQ(g.rowLabelTexts, (std::vector<std::string>{"R1", "R2", ""}));
    EXPECT_EQ(row(g, 1), "||||N|(none)");

    // Without row labels the label line starts with the first column's label.
    TableGrid h = mixedGrid(2, 2);
    h.rowLabels = false;
    EXPECT_EQ(loaded(h, "\"A\",\"B\"\r\nq\r\n", 0, 2), 0);
    EXPECT_EQ(h.labels[1], "A");
    EXPECT_EQ(h.labels[2], "B");
    EXPECT_EQ(h.labels[0], "Station");
    EXPECT_EQ(row(h, 0), "q||||N|(none)");

    // Without flag 2 the label line is a row of cells.
    TableGrid k = mixedGrid(2, 2);
    EXPECT_EQ(loaded(k, "\"A\",\"B\"\r\n"), 12);
    EXPECT_EQ(k.labels[1], "Name");
    EXPECT_EQ(row(k, 0), "A||||N|(none)");
}

TEST_F(GridCsv, AnEmptyFileEmptiesEveryRowAndLabelButNotTheColumnLabels) {
    TableGrid g = mixedGrid(3, 3);
    fillFirstRows(g);
    EXPECT_EQ(loaded(g, "", 0, 2), 0);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(row(g, r), "||||N|(none)");
    EXPECT_EQ(g.rowLabelTexts, (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(g.labels[1], "Name");
}

TEST_F(GridCsv, RowsGrowUpToTheRowsAllocatedOnlyWithGrowth) {
    std::string file;
    for (int i = 1; i <= 15; ++i) {
        char line[16];
        std::snprintf(line, sizeof line, "t%d\r\n", i);
        file += line;
    }
    struct Case {
        int growth;
        int error;
        int rows;
        const char* last;
    } cases[] = {{1, 0, 15, "t15"}, {0, 1054, 10, "t10"}, {2, 1054, 10, "t10"}};
    for (const Case& c : cases) {
        TableGrid g({GridText}, 10, 20);
        EXPECT_EQ(loaded(g, file, c.growth), c.error) << c.growth;
        EXPECT_EQ(g.rowsInUse(), c.rows) << c.growth;
        EXPECT_EQ(g.cellText(0, c.rows - 1), c.last) << c.growth;
    }
    TableGrid small({GridText}, 10, 12);
    EXPECT_EQ(loaded(small, file, 1), 1054);
    EXPECT_EQ(small.rowsInUse(), 12);
    EXPECT_EQ(small.cellText(0, 11), "t12");
}

TEST_F(GridCsv, NumbersOutsideTheRangeKeepTheCellAndAreNotedOnce) {
    TableGrid g({GridInteger, GridDouble}, 3, 3);
    g.lows[0] = 0;
    g.highs[0] = 100;
    g.cell(0, 0) = {"", 7, true};
    g.cell(0, 1) = {"", 8, true};
    gravim.core.lastError = 0;
    EXPECT_EQ(loaded(g, "500,1.5\r\n50,2.5\r\n"), 1009);
    EXPECT_EQ(row(g, 0), "7|1.5000");
    EXPECT_EQ(row(g, 1), "50|2.5000");
}

TEST_F(GridCsv, RowsOutsideTheVisibleOnesGetANumberTextOfZeroWithTheirValue) {
    // The editor text on other rows is a zero, but the value is the file's.
    TableGrid g({GridInteger, GridReal}, 3, 3);
    g.firstVisible = 1;
    g.visible = 1;
    EXPECT_EQ(loaded(g, "1,1.5\r\n2,2.5\r\n3,3.5\r\n"), 0);
    EXPECT_EQ(row(g, 0), "1|1.5000");
    EXPECT_EQ(row(g, 2), "3|3.5000");
}

TEST_F(GridCsv, TextColumnsConvertTheirCase) {
    TableGrid g({GridText, GridText, GridText}, 1, 1);
    g.cases = {1, 2, 0};
    EXPECT_EQ(loaded(g, "MiXed,MiXed,MiXed\r\n"), 0);
    EXPECT_EQ(row(g, 0), "MIXED|mixed|MiXed");
}

TEST_F(GridCsv, AFieldOfABlockOrMoreIsCutAndReadingGoesOn) {
    const std::string longText(70000, 'A');
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::string> rows;
    } cases[] = {
        {"bare", longText + ",tail\r\nb,c\r\n", {std::string(100, 'A') + "|tail", "b|c"}},
        {"quoted", "\"" + longText + "\",tail\r\nb,c\r\n", {std::string(100, 'A') + "|tail", "b|c"}},
        {"ending the line", longText + "\r\nb,c\r\n", {std::string(100, 'A') + "|", "b|c"}},
        {"quoted comma inside", "\"" + longText + ",x\",tail\r\nb,c\r\n", {std::string(100, 'A') + "|tail", "b|c"}},
        {"ending the file", "b,c\r\n" + longText, {"b|c", std::string(100, 'A') + "|"}},
        {"exactly a block", std::string(GridCsvBlock, 'B') + ",tail\r\nb,c\r\n", {std::string(100, 'B') + "|tail", "b|c"}},
    };
    for (const Case& c : cases) {
        TableGrid g({GridText, GridText}, 3, 3);
        g.lengths = {100, 100};
        EXPECT_EQ(loaded(g, c.file), 0) << c.name;
        for (std::size_t r = 0; r < c.rows.size(); ++r) EXPECT_EQ(row(g, static_cast<int>(r)), c.rows[r]) << c.name;
        EXPECT_EQ(row(g, 2), "|") << c.name;
    }
}

// Every field of a reader, as "text|" or "text$" (line end).
std::string fieldsOf(const std::string& bytes, std::size_t block) {
    std::size_t at = 0;
    GridCsvReader reader(
        [&](char* buffer, int count) {
            std::copy_n(bytes.data() + at, count, buffer);
            at += static_cast<std::size_t>(count);
            return count;
        },
        static_cast<long long>(bytes.size()), block);
    std::string out;
    GridCsvField field;
    while (reader.next(field)) out += field.text + (field.endsLine ? "$" : "|");
    return out;
}

TEST_F(GridCsv, FieldsAcrossBlockSeamsReadAsInsideOneBlock) {
    // Texts with blanks, quotes, commas and line ends; every block size puts seams elsewhere,
    // blanks at a block's last byte included.
    std::string bytes;
    for (int i = 0; i < 300; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "\"a b %d \"\"q\"\", c\",%*sx %d%s", i, i % 7, "", i,
                      i % 3 == 0 ? "\n" : i % 3 == 1 ? "\r\n" : ",");
        bytes += line;
    }
    const std::string whole = fieldsOf(bytes, bytes.size() + 1);
    for (std::size_t block : {std::size_t{64}, std::size_t{65}, std::size_t{97}, std::size_t{1000}, std::size_t{4096}}) {
        EXPECT_EQ(fieldsOf(bytes, block), whole) << block;
    }
    EXPECT_NE(whole.find("a b 7 \"q\", c|"), std::string::npos);
}

TEST_F(GridCsv, AFieldAcrossTheSeamOfTwoBlocksWithABlankLastReadsWhole) {
    // The 65,000-byte seam falls inside the text of row 1, right after a blank.
    std::string bytes = std::string(64000, 'f') + ",1\r\n\"";
    std::string text(2000, 'w');
    text[GridCsvBlock - 1 - bytes.size()] = ' ';
    bytes += text + "\",2\r\n";
    ASSERT_EQ(bytes[GridCsvBlock - 1], ' ');
    TableGrid g({GridText, GridInteger}, 2, 2);
    g.lengths = {70000, 11};
    EXPECT_EQ(loaded(g, bytes), 0);
    EXPECT_EQ(g.cellText(0, 0), std::string(64000, 'f'));
    EXPECT_EQ(g.cellText(0, 1), text);
    EXPECT_EQ(g.cellText(1, 1), "2");
}

TEST_F(GridCsv, AFieldLongerThanALineBufferIsWrittenWholeAndReadsBack) {
    std::string text;
    for (int i = 0; i < 8000; ++i) text += "ab\"c,";  // 40,000 characters, 8,000 marks to double
    TableGrid g({GridText, GridInteger}, 2, 2);
    g.lengths = {60000, 11};
    g.cell(0, 0).text = text;
    g.cell(1, 0) = {"", 5, true};
    g.cell(0, 1).text = "short";
    const std::string file = saved(g, 0);
    ASSERT_EQ(file.size(), 1 + 48000 + 1 + 1 + 1 + 2 + 10);
    TableGrid back({GridText, GridInteger}, 2, 2);
    back.lengths = {60000, 11};
    EXPECT_EQ(loaded(back, file), 10);  // the empty integer of row 2 does not convert
    EXPECT_EQ(back.cellText(0, 0), text);
    EXPECT_EQ(back.cellText(1, 0), "5");
    EXPECT_EQ(back.cellText(0, 1), "short");
}

TEST_F(GridCsv, SavedGridsLoadBackTheSame) {
    TableGrid g = mixedGrid(3, 3);
    fillFirstRows(g);
    g.cell(0, 2).text = " lead, \"q\" ";
    g.cell(2, 2) = {"", -0.25, true};
    g.cell(5, 2).item = 2;
    for (int flags : {0, 2, 4, 6}) {
        const std::string file = saved(g, flags);
        TableGrid back = mixedGrid(3, 3);
        back.labels.assign(7, "");
        back.rowLabelTexts.assign(3, "");
        loaded(back, file, 0, flags);
        const bool undefined = (flags & 4) != 0;
        EXPECT_EQ(row(back, 0), "say \"hi\"|42|1.50|2.250|Y|red") << flags;
        EXPECT_EQ(row(back, 1), undefined ? "|-999|-999.00|-999.000|N|(none)" : "||||N|(none)") << flags;
        EXPECT_EQ(row(back, 2), undefined ? " lead, \"q\"|-999|-0.25|-999.000|N|blue" : " lead, \"q\"||-0.25||N|blue") << flags;
        if (flags & 2) {
            EXPECT_EQ(back.labels, g.labels);
            EXPECT_EQ(back.rowLabelTexts, g.rowLabelTexts);
        }
    }
}

TEST_F(GridCsv, QuoteRoutinesDoubleAndUndoQuotationMarks) {
    struct Case {
        std::string text;
        std::string expanded;
        std::string compressed;
    } cases[] = {
        {"a\"b       ", "a\"\"b      ", "a\"b       "},
        {"\"         ", "\"\"        ", "\"         "},
        {"plain  ", "plain  ", "plain  "},
        {"a\"\"b     ", "a\"\"\"\"b   ", "a\"b      "},
        {"\"\"\"\"      ", "\"\"\"\"\"\"\"\"  ", "\"\"        "},
        {"\"\"\"   ", "\"\"\"\"\"\"", "\"\"    "},
        {"ab\"c", "ab\"\"", "ab\"c"},  // no room: the end is lost
        {"x\" \"", "x\"\" ", "x\" \""},
    };
    for (const Case& c : cases) {
        std::string expanded = c.text, compressed = c.text;
        yyexpandquotes(TextRef(expanded));
        yycompressquotes(TextRef(compressed));
        EXPECT_EQ(expanded, c.expanded) << c.text;
        EXPECT_EQ(compressed, c.compressed) << c.text;
    }
}

TEST_F(GridCsv, FailuresToOpenAreReportedAndTouchNothing) {
    TableGrid g = mixedGrid(3, 3);
    fillFirstRows(g);
    gravim.core.lastError = 0;
    yygridloadcsv(g, "missing.csv", 0, 0);
    EXPECT_EQ(gravim.core.lastError, 1);
    EXPECT_EQ(g.repaintsOff, 0);
    EXPECT_EQ(row(g, 0), "say \"hi\"|42|1.50|2.250|Y|red");
    gravim.core.lastError = 0;
    yygridsavecsv(g, "no-such-folder/out.csv", {}, {}, {}, {}, 0);
    EXPECT_EQ(gravim.core.lastError, 1);
}

// HTML pages.

std::string page(TableGrid& g, int flags, std::optional<std::string_view> title = {}, int border = 0,
                 std::optional<int> background = {}, std::optional<int> c1 = {}, std::optional<int> c2 = {},
                 std::optional<int> r1 = {}, std::optional<int> r2 = {}) {
    yygridsavehtml(g, "out.html", c1, c2, r1, r2, flags, title, border, background);
    return readWholeFile("out.html");
}

std::string lines(std::initializer_list<const char*> list) {
    std::string s;
    for (const char* line : list) s += std::string(line) + "\r\n";
    return s;
}

TEST_F(GridCsv, HtmlPagesByTheFlags) {
    TableGrid g({GridText, GridCheckBox}, 1, 1);
    g.columnLabels = g.rowLabels = false;
    g.cell(0, 0).text = "x";
    g.cell(1, 0).item = 1;
    g.aligns = {0, 1};
    EXPECT_EQ(page(g, 0), lines({"<html>", "<head>", "</head>", "<body>", "<table border=0 cellpadding=5>", "<tr>",
                                 "<td align=left>", "x", "</td>", "<td align=center>",
                                 "<font face=\"Symbol\">&middot;</font>", "</td>", "</tr>", "</table>", "</body>",
                                 "</html>"}));
    EXPECT_EQ(page(g, 1 | 2 | 4, "  Title  ", -3, 255),
              lines({"<center>", "<h2>  Title</h2>", "<table border=0 cellpadding=5>", "<tr>", "<td align=left>", "x",
                     "</td>", "<td align=center>", "Y", "</td>", "</tr>", "</table>", "</center>"}));
    const std::string head = lines({"<html>", "<head>", "<title></title>", "</head>", "<body bgcolor=#ff0000>"}) +
                             "<table border=2 ";
    EXPECT_EQ(page(g, 0, "   ", 2, 255).substr(0, head.size()), head);
    EXPECT_NE(page(g, 0, {}, 0, 0x1FF0000).find("<body bgcolor=#0000ff>"), std::string::npos);
    g.cell(1, 0).item = 0;
    EXPECT_NE(page(g, 0).find("<td align=center>\r\n&nbsp;\r\n"), std::string::npos);
    EXPECT_NE(page(g, 4).find("<td align=center>\r\nN\r\n"), std::string::npos);
}

TEST_F(GridCsv, HtmlLabelsColoursAndEscapedTexts) {
    TableGrid g = mixedGrid(2, 2);
    fillFirstRows(g);
    g.labels[1] = "A & <B>";
    g.rowLabelTexts[0] = "\"r\"";
    g.cell(0, 1).text = "<b>bold</b> & more";
    g.cell(0, 0).textColour = 0xFF0000;  // blue
    g.cell(1, 0).backColour = 0x00FFFF;  // yellow
    g.cell(2, 0).textColour = 0x0000FF;
    g.cell(2, 0).backColour = 0x123456;
    g.aligns[1] = 2;
    g.menus[5][2] = "r<e>d";
    const std::string withColours = page(g, 0, std::string_view("T<1>"));
    EXPECT_NE(withColours.find("<title>T&lt;1&gt;</title>\r\n"), std::string::npos);
    EXPECT_NE(withColours.find("<h2>T&lt;1&gt;</h2>\r\n"), std::string::npos);
    EXPECT_NE(withColours.find(lines({"<tr>", "<td></td>", "<td align=center>", "A &amp; &lt;B&gt;", "</td>"})),
              std::string::npos);
    EXPECT_NE(withColours.find(lines({"<tr>", "<td align=left>", "&quot;r&quot;", "</td>", "<td align=left>",
                                      "<font color=#0000ff>", "say &quot;hi&quot;", "</font>", "</td>",
                                      "<td align=right bgcolor=#ffff00>", "42", "</td>", "<td align=left bgcolor=#563412>",
                                      "<font color=#ff0000>", "1.50", "</font>", "</td>"})),
              std::string::npos);
    EXPECT_NE(withColours.find("r&lt;e&gt;d\r\n"), std::string::npos);
    EXPECT_NE(withColours.find("&lt;b&gt;bold&lt;/b&gt; &amp; more\r\n"), std::string::npos);
    EXPECT_NE(withColours.find(lines({"<td align=left>", " ", "</td>", "</tr>"})), std::string::npos);  // no item
    const std::string plain = page(g, 8);
    EXPECT_EQ(plain.find("bgcolor"), std::string::npos);
    EXPECT_EQ(plain.find("<font color"), std::string::npos);
    // The range: the second column of the second row only.
    EXPECT_EQ(page(g, 1, {}, 1, {}, 2, 2, 2, 2),
              lines({"<table border=1 cellpadding=5>", "<tr>", "<td></td>", "<td align=center>", "Count", "</td>",
                     "</tr>", "<tr>", "<td align=left>", "S2", "</td>", "<td align=right>", "", "</td>", "</tr>",
                     "</table>"}));
}

TEST_F(GridCsv, HtmlFileThatCannotBeOpenedIsError1) {
    TableGrid g({GridText}, 1, 1);
    gravim.core.lastError = 0;
    yygridsavehtml(g, "no-such-folder/out.html", {}, {}, {}, {}, 0, {}, 0, {});
    EXPECT_EQ(gravim.core.lastError, 1);
    EXPECT_EQ(gravim.core.errorCategory, 1);
}

}  // namespace
