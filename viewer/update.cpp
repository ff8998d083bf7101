// update.cpp - the data update procedure: monthly update, real-time refresh, new program,
// with the texts of dialog 111. The batch files report back only through their status logs.
#include "update.hpp"

#include <cstdio>
#include <initializer_list>
#include <string>

#include "commandline.hpp"
#include "base/os.hpp"
#include "base/save_file.hpp"
#include "enddates.hpp"
#include "runlog.hpp"
#include "viewerfile.hpp"

using namespace UpdateField;

namespace {

constexpr int LongWait = 3000;   // seconds: download, installer, append and comparison
constexpr int ShortWait = 15;    // seconds: the dates run and the real-time fetch
constexpr int Hidden = commandHidden;
constexpr int HiddenWaited = commandHidden | commandWait;

// The addresses the notices name.
#define QUORVALE_SITE "https://quorvale.example.org/"
#define QUORVALE_MAIL "quorvale-support@example.org"

constexpr int Labels[] = {Stage, VeduEnd, Downloading, Ready, Line1, Line2, Line3, Line4, Line5, Line6, Line7,
                          Line8, Appended, RealTime1, RealTime2, RealTime3, NewProgram1, NewProgram2, NewProgram3};

struct Label {
    int field;
    std::string_view text;
};
using LabelTexts = std::initializer_list<Label>;

const LabelTexts DecemberNotice = {
    {Line1, "This update contains the full vedu grid, if you have any"},
    {Line2, "problems downloading or running this update please go to"},
    {Line3, QUORVALE_SITE},
    {Line4, "to download a new installation file or request a CD of the"},
    {Line5, "installation file from " QUORVALE_MAIL},
};
const LabelTexts NotYetNotice = {
    {Line1, "The update file does not exist yet, try after the 15th of the"},
    {Line2, "following month.  (eg. Oct 2008 ready after Nov 15, 2008)"},
    {Line3, ""},
    {Line4, ""},
    {Line5, ""},
};
const LabelTexts InstallerNotice = {
    {Ready, "Done!"},
    {Line1, ""},
    {Line2, "To continue the update process click on the following in the"},
    {Line3, "Setup-Quorvale Update window:  Next >, Next >, Install, Finish"},
    {Line4, ""},
    {Line5, "After you click \"Finish\" (see above) the Quorvale will append the new data"},
    {Line6, "to the old netcdf files."},
};
const LabelTexts SkipNotice = {
    {Line4, ""},
    {Line5, "The setup was not finished.      To try again: Click \"Update\""},
    {Line6, ""},
    {Line7, ""},
    {Line8, ""},
};
const LabelTexts AppendNotice = {
    {Line4, ""},
    {Line6, "to the old netcdf files.  The Quorvale will become nonresponsive during"},
    {Line7, "the append.   This may take several minutes.    Do not exit !"},
    {Line8, "Wait for the \"Done\" on the next line.     Updating......"},
};
const LabelTexts GeneralError = {
    {Line1, "Unknown error, you may need to download a whole new install"},
    {Line2, "from " QUORVALE_SITE "install/"},
    {Line3, "Exit the Quorvale, immediately gzip c:\\quorvale\\tmp\\*.log files"},
    {Line4, "and mail the compressed file to " QUORVALE_MAIL},
    {Line5, "so that we can look at the errors."},
};
const LabelTexts ScriptNotice = {
    {Line4, ""},
    {Line5, "I cannot write the append script to the temporary directory,"},
    {Line6, "the new data were not appended.      To try again: Click \"Update\""},
    {Line7, ""},
    {Line8, ""},
};
const LabelTexts NewProgramNotice = {
    {NewProgram1, "There is a new Quorvale executable.   I will exit this instance of"},
    {NewProgram2, "the Quorvale in 5 seconds to install the new executable.   Give me"},
    {NewProgram3, "a minute before restarting the Quorvale."},
};

// One update: the host, the main loop's state and the update's own command line.
struct Run {
    UpdateHost& host;
    const UpdateState& state;
    Text<MaxCommandLine> messy;
    int lenMessy = 0;

    void put(int field, std::string_view text) { host.put(field, text); }
    void put(LabelTexts labels) {
        for (const Label& label : labels) host.put(label.field, label.text);
    }
    void command(std::string_view batfile, std::string_view argument, int itodo, int flags, int timeout = -1) {
        formcommand(batfile, argument, itodo);
        host.command(messy.view(), flags, timeout);
    }
    void formcommand(std::string_view batfile, std::string_view argument, int itodo) {
        createioscommand(state.qvdir, state.qvdirLength, state.qvtmpq, state.qvtmpqLength, batfile, argument, itodo,
                         messy, lenMessy, 0);
    }
    bool words(std::string_view log, int required, int wanted, StatusWords& read) {
        if (readstatuswords(state.qvtmp, state.qvtmpLength, log, required, wanted, read)) return true;
        put(GeneralError);
        return false;
    }
};

void refreshdates(Run& run) {
    run.command("\\bin\\qvferret.bat", "\\\\ferret\\\\TMAP\\\\go\\\\GetDates.jnl", 1, HiddenWaited, ShortWait);
    const UpdateState& s = run.state;
    getenddates(s.veduEnd, s.avisoEnd, s.reynoldsEnd, s.realTimeDate, s.qvdir, s.qvdirLength, s.qvtmp, s.qvtmpLength);
}

void putgetupnotice(Run& run, GetUpOutcome outcome, const UpdateMonth& month) {
    if (outcome == GetUpOutcome::NotYet) run.put(NotYetNotice);
    if (outcome != GetUpOutcome::NoInternet) return;
    std::string download = "Download ";
    download += month.monthYear.view();
    download += "_monthly_update.exe file to c:\\quorvale\\tmp";
    run.put({{Line1, "I cannot access the internet to download the update file."},
             {Line2, "Go to " QUORVALE_SITE "updates/"},
             {Line3, download},
             {Line4, "Then click on the \"Update\" button in the Quorvale main window."},
             {Line5, ""}});
}

enum class Next { GoOn, Finish };

// The monthly update: download, installer and append. mark receives the new-program mark.
Next monthlyupdate(Run& run, const UpdateMonth& month, int& mark) {
    run.command("\\bin\\qvGetUp.bat", month.monthYear.view(), 2, HiddenWaited, LongWait);
    StatusWords getup;
    if (!run.words("\\getup.log", 2, 3, getup)) return Next::Finish;
    GetUpOutcome fetched = getupoutcome(getup);
    if (fetched != GetUpOutcome::Installer) {
        putgetupnotice(run, fetched, month);
        return Next::GoOn;
    }

    run.put(InstallerNotice);
    runlogwrite({"ncdatevedu2=", month.updateName.view()});
    run.command("\\bin\\qvRunUp.bat", month.updateName.view(), 2, HiddenWaited, LongWait);
    StatusWords runup;
    if (!run.words("\\runup.log", 2, 2, runup)) return Next::Finish;
    run.host.wait(200);
    RunUpOutcome installed = runupoutcome(runup);
    if (installed == RunUpOutcome::Skip) {
        run.put(SkipNotice);
        return Next::Finish;
    }
    mark = newprogrammark(installed, mark);

    if (!writeupdatescript(run.state.qvtmp, run.state.qvtmpLength, month.monthYear.view())) {
        run.put(ScriptNotice);
        return Next::Finish;
    }
    run.put(AppendNotice);
    // The month goes on the line too; createioscommand holds the whole line to its limit.
    std::string argument = "\\qvferret";
    argument += month.monthYear.view();
    argument += ".txt ";
    argument += month.monthYear.view();
    run.command("\\bin\\qvAppUp.bat", argument, 4, HiddenWaited, LongWait);
    run.put(UpdateField::Appended, "Done !   Data files were updated.");
    return Next::GoOn;
}

// The first line of QV_TMP\RG_VeduClim_Real_Time.txt; false when there is none.
bool realtimefilename(const UpdateState& state, Text<RealTimeNameLength>& name) {
    Text<MaxViewerPath> path;
    createfilename("\\RG_VeduClim_Real_Time.txt", path, state.qvtmp, state.qvtmpLength, 0);
    std::FILE* file = viewerfopen(path.os(), "rb");
    if (file == nullptr) return false;
    bool read = readrealtimename(file, name);
    std::fclose(file);
    return read;
}

// Comparison and fetch of the real-time file; Finish after a general error.
Next realtimerefresh(Run& run) {
    run.put(RealTime1, "Comparing your Real Time Vedu data file to ours...");
    run.host.show();
    run.command("\\bin\\qvCheckUpRT.bat", " ", 0, HiddenWaited, LongWait);
    StatusWords checkup;
    if (!run.words("\\checkupRT.log", 3, 3, checkup)) return Next::Finish;
    switch (checkupoutcome(checkup)) {
    case CheckUpOutcome::Fetch: run.put(RealTime2, "Downloading the most recent Real Time Vedu data file..."); break;
    case CheckUpOutcome::Current: run.put(RealTime2, "You have the most recent Real Time Vedu data file."); return Next::GoOn;
    case CheckUpOutcome::Offline: run.put(RealTime2, "I cannot reach the internet."); return Next::GoOn;
    case CheckUpOutcome::Unknown: return Next::GoOn;
    }

    Text<RealTimeNameLength> name;
    if (!realtimefilename(run.state, name)) {
        run.put(GeneralError);
        return Next::Finish;
    }
    run.command("\\bin\\qvGetUpRT.bat", name.view(), 2, HiddenWaited, ShortWait);
    StatusWords getuprt;
    if (!run.words("\\getupRT.log", 2, 3, getuprt)) return Next::Finish;
    switch (getuprtoutcome(getuprt)) {
    case GetUpRtOutcome::Done: run.put(RealTime3, "Done!"); break;
    case GetUpRtOutcome::CannotUnzip: run.put(RealTime3, "I cannot unzip the Real Time Vedu data file..."); break;
    case GetUpRtOutcome::Unknown: break;
    case GetUpRtOutcome::CannotGet: run.put(RealTime3, "I cannot get the Real Time Vedu data file..."); break;
    }
    return Next::GoOn;
}

// A new program version: the viewer ends and the installation's batch file puts the new program in place.
void installnewprogram(Run& run) {
    run.put(NewProgramNotice);
    run.host.wait(500);
    run.command("\\bin\\qvKillCygwinX.bat", " ", 0, Hidden);
    // Nothing after this point returns: what the run log holds must reach its file first.
    runlogflush();
    run.host.close();
    run.formcommand("\\bin\\qvInstallNewExe.bat", " ", 0);
    run.host.execute(run.messy.view());
}

}  // namespace

bool readrealtimename(std::FILE* file, Text<RealTimeNameLength>& name) {
    std::string line;
    if (!readtextline(file, line, name.size())) return false;
    name.assign(line);
    return true;
}

Text<8> hyphenatedmonth(int monthIndex) {
    Text<8> date;
    Text<9> name;
    Text<6> monthYear;
    int year = 0;
    writedate(monthIndex, date, name, year, monthYear);
    date[3] = '-';
    return date;
}

UpdateMonth updatemonth(int veduEnd) {
    UpdateMonth month;
    month.index = veduEnd + 1;
    Text<9> name;
    int year = 0;
    writedate(month.index, month.hyphenated, name, year, month.monthYear);
    month.hyphenated[3] = '-';
    month.updateName.ref().slice(1, 6).assign(month.monthYear.view());
    month.updateName.ref().slice(8, 9).assign(month.monthYear.view().substr(0, 2));
    return month;
}

bool writeupdatescript(std::string_view qvtmp, int qvtmpLength, std::string_view monthYear) {
    std::string name = "\\qvferret";
    name += monthYear;
    name += ".txt";
    Text<MaxViewerPath> path;
    createfilename(name, path, qvtmp, qvtmpLength, 0);
    // Free-format lines: each begins with a blank.
    std::string script = " cancel mode journal\r\n go fer_append_new_month ";
    for (std::string_view set : {"RG_VeduClim_", " Reynolds_", " Aviso_"}) {
        script += set;
        script += monthYear;
        script += ".nc";
    }
    script += "\r\n quit\r\n";
    int status = 0;
    yysavewhole(path.os(), script, status);
    return status == 0;
}

void runupdate(UpdateHost& host, const UpdateState& state) {
    Run run{host, state, {}, 0};
    host.select();
    for (int field : Labels) host.put(field, "");
    host.fieldstate(UpdateField::Ok, 0);
    host.put(UpdateField::Stage, "Checking end date on your Vedu data file ...");
    host.show();
    refreshdates(run);

    host.put(UpdateField::VeduEnd, hyphenatedmonth(state.veduEnd).trimmed());
    UpdateMonth month = updatemonth(state.veduEnd);
    std::string downloading = "Downloading Vedu update for ";
    downloading += month.hyphenated.trimmed();
    downloading += " ...";
    host.put(UpdateField::Downloading, downloading);
    if (month.december())
        run.put(DecemberNotice);
    else
        host.put(Line1, "This may take a few minutes depending on internet speed.");

    int mark = 0;
    if (monthlyupdate(run, month, mark) == Next::GoOn && realtimerefresh(run) == Next::GoOn) {
        refreshdates(run);
        if (mark == 1 || mark == 2) installnewprogram(run);
    }
    host.fieldstate(UpdateField::Ok, 1);
}
