// enddates_test.cpp - end-date files read back from a scratch folder, and month texts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "enddates.hpp"
#include "installation.hpp"
#include "scratch.hpp"

namespace {

void writefile(const std::string& name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
}

int endfrom(const std::string& text) {
    writefile("end.txt", text);
    return readtxtdate(std::fopen("end.txt", "rb"));
}

TEST(EndDates, SubsetLinesGiveTheMonthCount) {
    struct Case {
        const char* text;
        int end;
    } cases[] = {
        {" SUBSET : 84 more words\n", 84},                       // SUBSET at 2, colon at 9
        {"             SUBSET   : 107 points (TIME)\r\n", 107},  // the plotting program's layout
        {" SUBSET : 1234 points\n", 100},                        // four digits are not read
        {"                    SUBSET : 84\n", 100},              // SUBSET at 21 is not found
        {"                   SUBSET : 84\n", 84},                // ... at 20 is
        {" SUBSET 84\n", 100},                                   // no colon
        {" SUBSET :\n SUBSET : 12\n", 12},                       // an empty count: on to the next line
        {" SUBSET : 8x\n SUBSET : 12\n", 100},                   // a read error ends the parsing
        {"a\nb\nc\nd\ne\nf\ng\nh\ni\nj\n SUBSET : 12\n", 100},  // only 10 lines count
        {"x:SUBSET : 5\n", 5},
        {"", 100},
    };
    ScratchFolder folder;
    for (const Case& c : cases) EXPECT_EQ(endfrom(c.text), c.end) << c.text;
}

TEST(EndDates, GetEndDatesReadsTheScratchFolderAndStartsFrom100) {
    ScratchFolder folder;
    std::string tmp = nativepath(folder.path());
    writefile("VeduEndDate.txt", "             SUBSET   : 107 points (TIME)\n");
    writefile("ReynoldsEndDate.txt", "no count here\n");
    writefile("RTDate.txt", "header\n             TIME     : 15-NOV-2012 12:00\n");
    int vedu = 1, aviso = 2, reynolds = 3;
    Text<RealTimeDateLength> rtdate("\"           \"");
    getenddates(vedu, aviso, reynolds, rtdate, "", 0, tmp, static_cast<int>(tmp.size()));
    EXPECT_EQ(vedu, 107);
    EXPECT_EQ(aviso, 100);
    EXPECT_EQ(reynolds, 100);
    EXPECT_EQ(rtdate.view(), "\"15-NOV-2012\"");

    // A TIME line without a colon in range keeps the date and ends the reading; no file keeps it.
    writefile("RTDate.txt", "   TIME\n   TIME : 01-JAN-2013\n");
    getenddates(vedu, aviso, reynolds, rtdate, "", 0, tmp, static_cast<int>(tmp.size()));
    EXPECT_EQ(rtdate.view(), "\"15-NOV-2012\"");
    std::filesystem::remove("RTDate.txt");
    getenddates(vedu, aviso, reynolds, rtdate, "", 0, tmp, static_cast<int>(tmp.size()));
    EXPECT_EQ(rtdate.view(), "\"15-NOV-2012\"");
}

TEST(WriteDate, MonthIndicesGiveTheirTexts) {
    struct Case {
        int index;
        const char* date;
        const char* name;
        int year;
        const char* monthYear;
    } cases[] = {
        {1, "Jan 2004", "  January", 2004, "012004"},   {12, "Dec 2004", " December", 2004, "122004"},
        {13, "Jan 2005", "  January", 2005, "012005"},  {100, "Apr 2012", "    April", 2012, "042012"},
        {105, "Sep 2012", "September", 2012, "092012"}, {0, "    2004", "         ", 2004, "002004"},
        {1213, "Jan     ", "  January", 2105, "01    "},
    };
    for (const Case& c : cases) {
        Text<8> date("xxxxxxxx");
        Text<9> name("xxxxxxxxx");
        Text<6> monthYear("xxxxxx");
        int year = 0;
        writedate(c.index, date, name, year, monthYear);
        EXPECT_EQ(date.view(), c.date) << c.index;
        EXPECT_EQ(name.view(), c.name) << c.index;
        EXPECT_EQ(year, c.year) << c.index;
        EXPECT_EQ(monthYear.view(), c.monthYear) << c.index;
    }
}

}  // namespace
