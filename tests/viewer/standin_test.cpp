// standin_test.cpp - the stand-in plotting program's interpreter, run in a scratch folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "enddates.hpp"
#include "ferret_standin.hpp"
#include "installation.hpp"
#include "scratch.hpp"

namespace {

TEST(StandInFerret, TheDatesScriptWritesEndDateFilesTheViewerReads) {
    ScratchFolder folder;
    std::string home = makeinstallation(folder.path());
    std::string tmp = nativepath(folder.path() + "/tmp");
    std::filesystem::current_path(tmp);
    FerretRun run;
    ASSERT_TRUE(ferretrunfile(run, home + "/ferret/TMAP/go/GetDates.jnl"));
    EXPECT_EQ(run.written.size(), 4u);

    int vedu = 0, aviso = 0, reynolds = 0;
    Text<RealTimeDateLength> rtdate("\"           \"");
    getenddates(vedu, aviso, reynolds, rtdate, home, static_cast<int>(home.size()), tmp, static_cast<int>(tmp.size()));
    EXPECT_EQ(vedu, 107);
    EXPECT_EQ(aviso, 96);
    EXPECT_EQ(reynolds, 106);
    EXPECT_EQ(rtdate.view(), "\"15-NOV-2012\"");
}

TEST(StandInFerret, APlotFileGivesMetafileListingsAndTheSpawnLast) {
    ScratchFolder folder;
    std::ofstream("qvferretinmap1.txt", std::ios::binary)
        << "cancel mode journal\r\n"
        << "set mode metafile metamap1\r\n"
        << "go fer_temp_map 61 61 0 0 -60.00 25.00 130.00 250.00 1 0 0\r\n"
        << "label 190.00, 30.00,0,0,0.17 \"Vedu Temperature (^oC)\"\r\n"
        << "list/file=map1.txt/clobber/width=5000/format=tab temp_map\r\n"
        << "list/file=map1.nc/clobber/format=cdf temp_map\r\n"
        << "ppl clsplt\r\n"
        << "spawn qvErrFer.bat \"C:\\tmp\"\r\n";
    FerretRun run;
    std::string spawned;
    run.spawn = [&](const std::string& command) {
        spawned = command;
        EXPECT_NE(readWholeFile("metamap1"), "");  // the drawing is closed before the spawn
    };
    ASSERT_TRUE(ferretrunfile(run, "qvferretinmap1.txt"));
    EXPECT_EQ(spawned, "qvErrFer.bat \"C:\\tmp\"");
    EXPECT_NE(readWholeFile("metamap1").find("fer_temp_map 61 61"), std::string::npos);
    EXPECT_GT(readWholeFile("metamap1").size(), 10u);
    EXPECT_NE(readWholeFile("map1.txt").find("VARIABLE : temp_map"), std::string::npos);
    EXPECT_EQ(readWholeFile("map1.nc").substr(0, 4), std::string("CDF\x01"));
    EXPECT_EQ(run.journal.size(), 8u);
}

TEST(StandInFerret, OnScreenNothingIsWrittenAndMemoryCanRunOut) {
    ScratchFolder folder;
    FerretRun run;
    ferretcommand(run, "go fer_temp_map 1 2");
    ferretcommand(run, "ppl clsplt");
    ferretfinish(run);
    EXPECT_TRUE(run.written.empty());
    EXPECT_FALSE(run.outOfMemory);
    ferretcommand(run, "set memory/size=5000");
    EXPECT_TRUE(run.outOfMemory);
    EXPECT_FALSE(ferretrunfile(run, "missing.txt"));
}

TEST(StandInFerret, DoubledBackslashesOfCommandLinesBecomeSingle) {
    EXPECT_EQ(ferretpath("C:\\\\qv\\\\ferret\\\\GetDates.jnl"), "C:\\qv\\ferret\\GetDates.jnl");
    EXPECT_EQ(ferretpath("a\\b"), "a\\b");
}

}  // namespace
