// update_test.cpp - the data update: update month, script, status words and their meanings, and
// every scenario of the stand-in installation played through the update procedure.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "commandline.hpp"
#include "enddates.hpp"
#include "ferret_standin.hpp"
#include "installation.hpp"
#include "runlog.hpp"
#include "scratch.hpp"
#include "update.hpp"
#include "update_standin.hpp"

namespace fs = std::filesystem;

namespace {

void writefile(const std::string& name, const std::string& text) {
    std::ofstream(name, std::ios::binary | std::ios::trunc) << text;
}

TEST(UpdateMonth, IsTheMonthAfterTheVeduEnd) {
    struct Case {
        int veduEnd;
        const char* monthYear;
        const char* hyphenated;
        const char* updateName;
        bool december;
    } cases[] = {
        {100, "052012", "May-2012", "052012 05", false},
        {107, "122012", "Dec-2012", "122012 12", true},
        {108, "012013", "Jan-2013", "012013 01", false},
        {0, "012004", "Jan-2004", "012004 01", false},
        {56, "092008", "Sep-2008", "092008 09", false},
    };
    for (const Case& c : cases) {
        UpdateMonth month = updatemonth(c.veduEnd);
        EXPECT_EQ(month.index, c.veduEnd + 1);
        EXPECT_EQ(month.monthYear.view(), c.monthYear);
        EXPECT_EQ(month.hyphenated.view(), c.hyphenated);
        EXPECT_EQ(month.updateName.view(), c.updateName);
        EXPECT_EQ(month.december(), c.december) << c.veduEnd;
    }
    EXPECT_EQ(hyphenatedmonth(100).view(), "Apr-2012");
}

TEST(UpdateScript, AppendsTheMonthOfTheThreeDataSets) {
    ScratchFolder folder;
    std::string tmp = nativepath(folder.path());
    writefile("qvferret052012.txt", "an older and much longer script\r\n\r\n\r\n\r\n");
    ASSERT_TRUE(writeupdatescript(tmp, static_cast<int>(tmp.size()), "052012"));
    EXPECT_EQ(readWholeFile("qvferret052012.txt"),
              " cancel mode journal\r\n"
              " go fer_append_new_month RG_VeduClim_052012.nc Reynolds_052012.nc Aviso_052012.nc\r\n"
              " quit\r\n");
    EXPECT_FALSE(writeupdatescript(tmp + "/missing", static_cast<int>(tmp.size()) + 8, "052012"));
}

TEST(StatusWords, AreTheFirstFourCharactersOfTheFirstLines) {
    struct Case {
        const char* log;  // nullptr: no log
        int required, wanted;
        bool read;
        const char *log1, *log2, *log3;
    } cases[] = {
        {"TRYD\r\nERRO\r\nNOFI\r\n", 2, 3, true, "TRYD", "ERRO", "NOFI"},
        {"TRYD\r\nERRO\r\n", 2, 3, true, "TRYD", "ERRO", "    "},     // a missing third line is blank
        {"TRYD\r\n", 2, 3, false, "TRYD", "    ", "    "},           // a missing second line fails
        {"CHEK\r\nFOUN\r\n", 3, 3, false, "CHEK", "FOUN", "    "},     // checkupRT.log needs all three
        {"DIDI\r\nDONE\r\nMORE\r\n", 2, 2, true, "DIDI", "DONE", "    "},  // runup.log: two words only
        {"TRYDING\nER\n\n", 2, 3, true, "TRYD", "ER  ", "    "},        // longer, shorter, empty lines
        {"", 2, 3, false, "    ", "    ", "    "},
        {nullptr, 2, 3, false, "    ", "    ", "    "},
    };
    ScratchFolder folder;
    std::string tmp = nativepath(folder.path());
    for (const Case& c : cases) {
        fs::remove("status.log");
        if (c.log != nullptr) writefile("status.log", c.log);
        StatusWords words;
        words.log3.assign("old");
        EXPECT_EQ(readstatuswords(tmp, static_cast<int>(tmp.size()), "\\status.log", c.required, c.wanted, words),
                  c.read)
            << (c.log ? c.log : "no log");
        EXPECT_EQ(words.log1.view(), c.log1);
        EXPECT_EQ(words.log2.view(), c.log2);
        EXPECT_EQ(words.log3.view(), c.log3);
    }
}

StatusWords words(const char* log1, const char* log2, const char* log3) {
    StatusWords result;
    result.log1.assign(log1);
    result.log2.assign(log2);
    result.log3.assign(log3);
    return result;
}

TEST(StatusWords, DecideEachStep) {
    EXPECT_EQ(getupoutcome(words("TRYD", "ERRO", "NOHO")), GetUpOutcome::NoInternet);
    EXPECT_EQ(getupoutcome(words("TRYD", "ERRO", "OTHE")), GetUpOutcome::NoInternet);
    EXPECT_EQ(getupoutcome(words("TRYD", "ERRO", "NOFI")), GetUpOutcome::NotYet);
    EXPECT_EQ(getupoutcome(words("TRYD", "ERRO", "nofi")), GetUpOutcome::Failed);  // case counts
    EXPECT_EQ(getupoutcome(words("TRYD", "ERRO", "")), GetUpOutcome::Failed);
    EXPECT_EQ(getupoutcome(words("FOUN", "GOTU", "DONE")), GetUpOutcome::Installer);
    EXPECT_EQ(getupoutcome(words("TRY", "ERRO", "NOHO")), GetUpOutcome::Installer);  // all four characters
    EXPECT_EQ(getupoutcome(words("TRYD", "OK", "NOHO")), GetUpOutcome::Installer);

    EXPECT_EQ(runupoutcome(words("DIDI", "NEWP", "")), RunUpOutcome::NewProgram);
    EXPECT_EQ(runupoutcome(words("DIDI", "NEWG", "")), RunUpOutcome::NewGraphics);
    EXPECT_EQ(runupoutcome(words("DIDI", "DONE", "")), RunUpOutcome::Done);
    EXPECT_EQ(runupoutcome(words("SKIP", "NEWP", "")), RunUpOutcome::Skip);
    EXPECT_EQ(runupoutcome(words("DIDI", "", "")), RunUpOutcome::Unknown);
    EXPECT_EQ(runupoutcome(words("didi", "NEWP", "")), RunUpOutcome::Unknown);
    EXPECT_EQ(newprogrammark(RunUpOutcome::NewProgram, 0), 1);
    EXPECT_EQ(newprogrammark(RunUpOutcome::NewGraphics, 0), 2);
    EXPECT_EQ(newprogrammark(RunUpOutcome::Done, 2), 0);
    EXPECT_EQ(newprogrammark(RunUpOutcome::Unknown, 0), 0);

    EXPECT_EQ(checkupoutcome(words("", "FOUN", "DIFF")), CheckUpOutcome::Fetch);
    EXPECT_EQ(checkupoutcome(words("", "FOUN", "NODI")), CheckUpOutcome::Current);
    EXPECT_EQ(checkupoutcome(words("ERRO", "ERRO", "")), CheckUpOutcome::Offline);
    EXPECT_EQ(checkupoutcome(words("ERRO", "FOUN", "")), CheckUpOutcome::Unknown);  // log1 is not used

    EXPECT_EQ(getuprtoutcome(words("", "GOTG", "GOTN")), GetUpRtOutcome::Done);
    EXPECT_EQ(getuprtoutcome(words("", "GOTG", "NONC")), GetUpRtOutcome::CannotUnzip);
    EXPECT_EQ(getuprtoutcome(words("", "GOTG", "")), GetUpRtOutcome::Unknown);
    EXPECT_EQ(getuprtoutcome(words("GOTG", "NOGT", "GOTN")), GetUpRtOutcome::CannotGet);
}

// Plays the installation's batch files with the stand-ins' own logic: the update procedure
// talks to it as it would to the dialog library and the operating system.
class PlayedInstallation : public UpdateHost {
public:
    PlayedInstallation(std::string qvdir, std::string qvtmp) : qvdir_(std::move(qvdir)), qvtmp_(std::move(qvtmp)) {}

    void select() override { record("select"); }
    void put(int field, std::string_view text) override {
        labels[field] = std::string(text);
        puts.emplace_back(field, std::string(text));
    }
    void fieldstate(int field, int state) override { record("state " + std::to_string(field) + " " + std::to_string(state)); }
    void show() override { record("show"); }
    void wait(int hundredths) override { record("wait " + std::to_string(hundredths)); }
    void close() override { record("close"); }
    void execute(std::string_view line) override {
        record("execute " + batchfile(line));
        logAtExecute = readWholeFile(qvtmp_ + "/quorvale.log");
    }
    void command(std::string_view line, int flags, int timeout) override {
        std::vector<std::string> words = split(line);
        std::string name = batchfile(line);
        std::vector<std::string> arguments(words.begin() + std::min<std::size_t>(3, words.size()), words.end());
        std::string step = name + " " + std::to_string(flags) + " " + std::to_string(timeout);
        for (const std::string& argument : arguments) step.append(" ").append(folderless(argument));
        record(step);
        if (name == "qvferret.bat") ferret(slashed(arguments.at(0)));
        if (name == "qvAppUp.bat") ferret(qvtmp_ + slashed(arguments.at(0)));
        const std::map<std::string, std::string> steps = {{"qvGetUp.bat", "getup"}, {"qvRunUp.bat", "runup"},
                                                          {"qvAppUp.bat", "appup"}, {"qvCheckUpRT.bat", "checkuprt"},
                                                          {"qvGetUpRT.bat", "getuprt"}};
        auto played = steps.find(name);
        if (played == steps.end()) return;
        if (name == "qvAppUp.bat") arguments.erase(arguments.begin());
        EXPECT_EQ(updatestep(played->second, qvdir_, qvtmp_, arguments), 0) << step;
    }

    // The batch files started, with flags, time-out and arguments; dialog and wait steps.
    std::vector<std::string> steps;
    std::map<int, std::string> labels;
    std::vector<std::pair<int, std::string>> puts;
    std::string logAtExecute;

private:
    void record(std::string step) { steps.push_back(std::move(step)); }
    static std::vector<std::string> split(std::string_view line) {
        std::vector<std::string> words;
        for (std::size_t at = 0; at < line.size();) {
            std::size_t end = line.find(' ', at);
            if (end == std::string_view::npos) end = line.size();
            if (end > at) words.emplace_back(line.substr(at, end - at));
            at = end + 1;
        }
        return words;
    }
    static std::string batchfile(std::string_view line) {
        std::string first = split(line).at(0);
        return first.substr(first.rfind('\\') + 1);
    }
    static std::string slashed(const std::string& path) {
        std::string result = ferretpath(path);
        for (char& c : result)
            if (c == '\\') c = '/';
        return result;
    }
    // An argument with the installation folder (its backslashes doubled) shown as D.
    std::string folderless(const std::string& argument) const {
        std::string doubled;
        for (char c : qvdir_) doubled += c == '\\' ? std::string("\\\\") : std::string(1, c);
        if (argument.rfind(doubled, 0) != 0) return argument;
        std::string shown = "D";
        shown.append(argument, doubled.size());
        return shown;
    }
    // The stand-in plotting program on a script, in the scratch folder as qvferret.bat runs it.
    void ferret(const std::string& script) {
        fs::path previous = fs::current_path();
        fs::current_path(qvtmp_);
        FerretRun run;
        run.scriptFolder = qvdir_ + "/ferret/TMAP/go";
        EXPECT_TRUE(ferretrunfile(run, ferretpath(script))) << script;
        ferretfinish(run);
        fs::current_path(previous);
    }

    std::string qvdir_, qvtmp_;
};

// One update on a fresh copy of the stand-in installation.
struct Played {
    std::vector<std::string> steps;
    std::map<int, std::string> labels;
    std::vector<std::pair<int, std::string>> puts;
    int veduEnd = 0, avisoEnd = 0, reynoldsEnd = 0;
    std::string realTimeDate, runLog, logAtExecute, script;

    bool wasput(int field, const std::string& text) const {
        for (const auto& put : puts)
            if (put.first == field && put.second == text) return true;
        return false;
    }
};

// Plays the scenario from a Vedu end (written into the installation's data) and the update;
// blockScript puts a folder where the append script goes, so that it cannot be written.
Played playupdate(const char* scenario, int startEnd, bool blockScript = false) {
    TestInstallation installation;
    const std::string& qvdir = installation.home;
    const std::string& qvtmp = installation.tmp;
    std::string qvtmpq = "\"" + qvtmp + "\"";
    writefile(qvtmp + "/" + ScenarioFile, std::string(scenario) + "\r\n");
    std::ofstream(qvdir + "/ferret/TMAP/go/" + DataEndsScript, std::ios::binary | std::ios::app)
        << "let vedu_months = " << startEnd << "\r\n";
    runlogopen(qvtmp + "/quorvale.log");
    if (blockScript) fs::create_directory(qvtmp + "/qvferret" + std::string(updatemonth(startEnd).monthYear.view()) + ".txt");

    Played played;
    Text<RealTimeDateLength> realTimeDate("\"           \"");
    UpdateState state{played.veduEnd, played.avisoEnd, played.reynoldsEnd, realTimeDate,
                      qvdir, static_cast<int>(qvdir.size()), qvtmp, static_cast<int>(qvtmp.size()),
                      qvtmpq, static_cast<int>(qvtmpq.size())};
    PlayedInstallation host(qvdir, qvtmp);
    runupdate(host, state);
    runlogclose();

    played.steps = host.steps;
    played.labels = host.labels;
    played.puts = host.puts;
    played.realTimeDate = std::string(realTimeDate.view());
    played.runLog = readWholeFile(qvtmp + "/quorvale.log");
    played.logAtExecute = host.logAtExecute;
    played.script = readWholeFile(qvtmp + "/qvferret" + std::string(updatemonth(startEnd).monthYear.view()) + ".txt");
    return played;
}

const std::string Dates = "qvferret.bat 3 15 D\\\\ferret\\\\TMAP\\\\go\\\\GetDates.jnl";
const std::string GeneralError = "Unknown error, you may need to download a whole new install";

std::string joined(const std::vector<std::string>& steps) {
    std::string result;
    for (const std::string& step : steps) result += step + "\n";
    return result;
}

// Only the batch files, as "name argument..." without flags and time-outs.
std::string batchfiles(const std::vector<std::string>& steps) {
    std::string result;
    for (const std::string& step : steps) {
        std::size_t bat = step.find(".bat");
        if (bat == std::string::npos || step.rfind("execute", 0) == 0) continue;
        std::string name = step.substr(0, bat);
        std::size_t rest = step.find(' ', step.find(' ', bat + 5) + 1);
        if (rest == std::string::npos || name == "qvferret") rest = step.size();  // the dates run
        result += name + step.substr(rest) + ";";
    }
    return result;
}

TEST(UpdateScenario, AnAppendScriptThatCannotBeWrittenIsToldAndNothingIsAppended) {
    Played played = playupdate("newmonth", 100, true);
    EXPECT_EQ(batchfiles(played.steps).find("qvAppUp"), std::string::npos) << joined(played.steps);
    EXPECT_TRUE(played.wasput(UpdateField::Line5, "I cannot write the append script to the temporary directory,"));
    EXPECT_FALSE(played.wasput(UpdateField::Appended, "Done !   Data files were updated."));
    EXPECT_EQ(played.steps.back(), "state 1 1");  // OK enabled at the end
}

TEST(UpdateScenario, ANewMonthIsAppendedAndItsEndDatesAreUsed) {
    Played played = playupdate("newmonth", 100);
    EXPECT_EQ(joined(played.steps),
              "select\nstate 1 0\nshow\n" + Dates + "\n"
              "qvGetUp.bat 3 3000 052012\n"
              "qvRunUp.bat 3 3000 052012 05\nwait 200\n"
              "qvAppUp.bat 3 3000 \\qvferret052012.txt 052012\n"
              "show\nqvCheckUpRT.bat 3 3000\n" + Dates + "\nstate 1 1\n");
    const std::map<int, std::string> labels = {
        {1089, "Checking end date on your Vedu data file ..."},
        {1022, "Apr-2012"},
        {1090, "Downloading Vedu update for May-2012 ..."},
        {1099, "Done!"},
        {1092, ""},
        {1091, "To continue the update process click on the following in the"},
        {1093, "Setup-Quorvale Update window:  Next >, Next >, Install, Finish"},
        {1094, ""},
        {1095, "After you click \"Finish\" (see above) the Quorvale will append the new data"},
        {1096, "to the old netcdf files.  The Quorvale will become nonresponsive during"},
        {1097, "the append.   This may take several minutes.    Do not exit !"},
        {1098, "Wait for the \"Done\" on the next line.     Updating......"},
        {1100, "Done !   Data files were updated."},
        {1101, "Comparing your Real Time Vedu data file to ours..."},
        {1102, "You have the most recent Real Time Vedu data file."},
        {1103, ""},
        {1066, ""},
    };
    for (const auto& [field, text] : labels) EXPECT_EQ(played.labels[field], text) << field;
    EXPECT_TRUE(played.wasput(1092, "This may take a few minutes depending on internet speed."));
    EXPECT_NE(played.runLog.find("ncdatevedu2=052012 05"), std::string::npos) << played.runLog;
    EXPECT_NE(played.script.find("RG_VeduClim_052012.nc Reynolds_052012.nc Aviso_052012.nc"), std::string::npos);
    // The refreshed end dates are the main loop's own.
    EXPECT_EQ(played.veduEnd, 101);
    EXPECT_EQ(played.avisoEnd, 101);
    EXPECT_EQ(played.reynoldsEnd, 101);
    EXPECT_EQ(played.realTimeDate, "\"15-NOV-2012\"");
}

TEST(UpdateScenario, TheDecemberUpdateNamesTheInstallationFiles) {
    const std::string December[] = {"This update contains the full vedu grid, if you have any",
                                    "problems downloading or running this update please go to"};
    Played december = playupdate("downloadfailed", 107);
    EXPECT_EQ(december.labels[1090], "Downloading Vedu update for Dec-2012 ...");
    EXPECT_EQ(december.labels[1092], December[0]);
    EXPECT_EQ(december.labels[1091], December[1]);
    EXPECT_NE(december.labels[1093], "");
    EXPECT_EQ(december.labels[1094], "to download a new installation file or request a CD of the");
    EXPECT_NE(december.labels[1095], "");
    EXPECT_FALSE(december.wasput(1092, "This may take a few minutes depending on internet speed."));
    EXPECT_EQ(batchfiles(december.steps), "qvferret;qvGetUp 122012;qvCheckUpRT;qvferret;");

    Played january = playupdate("downloadfailed", 108);
    EXPECT_EQ(january.labels[1092], "This may take a few minutes depending on internet speed.");
    EXPECT_FALSE(january.wasput(1091, December[1]));

    // Appending December moves every end to it: the next update asks for January.
    Played appended = playupdate("newmonth", 107);
    EXPECT_TRUE(appended.wasput(1092, December[0]));
    EXPECT_EQ(appended.veduEnd, 108);
}

// Scenarios that differ in what they run and report.
TEST(UpdateScenario, EachScenarioRunsAndReportsWhatItsLogsSay) {
    struct Case {
        const char* scenario;
        const char* batchfiles;
        std::map<int, std::string> labels;  // final texts of these labels
        int veduEnd;
    } cases[] = {
        {"nothingnew", "qvferret;qvGetUp 052012;qvCheckUpRT;qvferret;",
         {{1092, "The update file does not exist yet, try after the 15th of the"},
          {1091, "following month.  (eg. Oct 2008 ready after Nov 15, 2008)"}, {1093, ""}, {1099, ""}, {1100, ""},
          {1102, "You have the most recent Real Time Vedu data file."}},
         100},
        {"offline", "qvferret;qvGetUp 052012;qvCheckUpRT;qvferret;",
         {{1092, "I cannot access the internet to download the update file."},
          {1093, "Download 052012_monthly_update.exe file to c:\\quorvale\\tmp"},
          {1094, "Then click on the \"Update\" button in the Quorvale main window."}, {1095, ""},
          {1102, "I cannot reach the internet."}, {1103, ""}},
         100},
        {"downloadfailed", "qvferret;qvGetUp 052012;qvCheckUpRT;qvferret;",
         {{1092, "This may take a few minutes depending on internet speed."}, {1091, ""}}, 100},
        {"shortgetuplog", "qvferret;qvGetUp 052012;qvCheckUpRT;qvferret;",  // log3 blank: no message
         {{1092, "This may take a few minutes depending on internet speed."}}, 100},
        {"newrealtime", "qvferret;qvGetUp 052012;qvCheckUpRT;qvGetUpRT RG_VeduClim_RT_2012.nc;qvferret;",
         {{1102, "Downloading the most recent Real Time Vedu data file..."}, {1103, "Done!"}}, 100},
        {"badrealtimezip", "qvferret;qvGetUp 052012;qvCheckUpRT;qvGetUpRT RG_VeduClim_RT_2012.nc;qvferret;",
         {{1103, "I cannot unzip the Real Time Vedu data file..."}}, 100},
        {"norealtimefetch", "qvferret;qvGetUp 052012;qvCheckUpRT;qvGetUpRT RG_VeduClim_RT_2012.nc;qvferret;",
         {{1103, "I cannot get the Real Time Vedu data file..."}}, 100},
        {"setupcancelled", "qvferret;qvGetUp 052012;qvRunUp 052012 05;",
         {{1094, ""}, {1095, "The setup was not finished.      To try again: Click \"Update\""}, {1096, ""},
          {1100, ""}, {1101, ""}, {1102, ""}},
         100},
        // Missing and short logs: the general error, and nothing further runs.
        {"nogetuplog", "qvferret;qvGetUp 052012;", {{1092, GeneralError}, {1101, ""}}, 100},
        {"shortrunuplog", "qvferret;qvGetUp 052012;qvRunUp 052012 05;", {{1092, GeneralError}, {1100, ""}}, 100},
        {"shortcheckuplog", "qvferret;qvGetUp 052012;qvCheckUpRT;", {{1092, GeneralError}, {1102, ""}}, 100},
        {"norealtimename", "qvferret;qvGetUp 052012;qvCheckUpRT;",
         {{1092, GeneralError}, {1102, "Downloading the most recent Real Time Vedu data file..."}}, 100},
        {"nogetuprtlog", "qvferret;qvGetUp 052012;qvCheckUpRT;qvGetUpRT RG_VeduClim_RT_2012.nc;",
         {{1092, GeneralError}, {1103, ""}}, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scenario);
        Played played = playupdate(c.scenario, 100);
        EXPECT_EQ(batchfiles(played.steps), c.batchfiles);
        for (const auto& [field, text] : c.labels) EXPECT_EQ(played.labels[field], text) << field;
        if (played.labels[1092] == GeneralError) {
            EXPECT_EQ(played.labels[1093], "Exit the Quorvale, immediately gzip c:\\quorvale\\tmp\\*.log files");
            EXPECT_NE(played.labels[1091].find("from "), std::string::npos);
        }
        EXPECT_EQ(played.veduEnd, c.veduEnd);
        EXPECT_EQ(played.steps.back(), "state 1 1");  // OK is enabled in every case
    }
    EXPECT_EQ(playupdate("newrealtime", 100).realTimeDate, "\"10-DEC-2012\"");
}

TEST(UpdateScenario, ANewProgramEndsTheViewerThroughItsInstaller) {
    for (const char* scenario : {"newprogram", "newgraphics"}) {
        SCOPED_TRACE(scenario);
        Played played = playupdate(scenario, 100);
        EXPECT_EQ(joined(played.steps),
                  "select\nstate 1 0\nshow\n" + Dates + "\n"
                  "qvGetUp.bat 3 3000 052012\n"
                  "qvRunUp.bat 3 3000 052012 05\nwait 200\n"
                  "qvAppUp.bat 3 3000 \\qvferret052012.txt 052012\n"
                  "show\nqvCheckUpRT.bat 3 3000\n" + Dates + "\n"
                  "wait 500\nqvKillCygwinX.bat 1 -1\nclose\nexecute qvInstallNewExe.bat\nstate 1 1\n");
        EXPECT_EQ(played.labels[1066], "There is a new Quorvale executable.   I will exit this instance of");
        EXPECT_EQ(played.labels[1113], "the Quorvale in 5 seconds to install the new executable.   Give me");
        EXPECT_EQ(played.labels[1116], "a minute before restarting the Quorvale.");
        EXPECT_EQ(played.veduEnd, 101);
        // The run log has reached its file before the program is replaced.
        EXPECT_NE(played.logAtExecute.find("ncdatevedu2=052012 05"), std::string::npos);
    }
}

}  // namespace
