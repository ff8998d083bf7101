// jpgchain.cpp - the JPG chain: its steps, the output-file wait and the progress dialog.
#include "jpgchain.hpp"

#include <algorithm>
#include <array>
#include <string>

#include "windows/events.hpp"
#include "base/os.hpp"
#include "runlog.hpp"

namespace {

constexpr int FieldHeading = IDC_PROGRESS_HEADING;
constexpr std::array<int, 3> stepTextFields{IDC_PROGRESS_STEP1, IDC_PROGRESS_STEP2, IDC_PROGRESS_STEP3};
constexpr std::array<int, 3> stepStatusFields{IDC_PROGRESS_STATUS1, IDC_PROGRESS_STATUS2,
                                                   IDC_PROGRESS_STATUS3};
constexpr int FieldResultLabel = IDC_PROGRESS_RESULT_LABEL, FieldResultPath = IDC_PROGRESS_RESULT_PATH;
constexpr int FieldRenameNote = IDC_PROGRESS_RENAME_NOTE, FieldOk = IDC_OK;
constexpr int PollMilliseconds = 2000;
constexpr int MaxTicks = 10000000;

constexpr std::string_view JpgHeading = "JPG creation progress:  (May run slowly depending on computer speed.)";
constexpr std::string_view PsHeading = "PS  creation progress:  (May run slowly depending on computer speed.)";
constexpr std::array<std::string_view, 3> stepTexts{"Running Ferret to create metafile",
                                                    "Translating metafile to postscript",
                                                    "Translating postscript to jpg"};
constexpr std::string_view Done = "Done!";
constexpr std::string_view Marks = "/\\/\\";

bool isleap(long long year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Days from 1 January 2004 to 1 January of year.
long long daysbeforeyear(long long year) {
    long long days = 0;
    for (long long y = 2004; y < year; ++y) days += isleap(y) ? 366 : 365;
    for (long long y = year; y < 2004; ++y) days -= isleap(y) ? 366 : 365;
    return days;
}

bool islinefamily(std::string_view stem) { return stem.substr(0, 3) == "lin"; }

long long nowinseconds() {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    IOsDate(year, month, day);
    IOsTime(hour, minute, second);
    return dateinseconds(year, month, day, hour, minute, second);
}

std::string stepfilename(std::string_view stem, int step) {
    const std::string s(trimRight(stem));
    if (step == 1) return "\\meta" + s;
    if (step == 2) return "\\" + s + ".ps";
    return "\\" + s + ".jpg";
}

// One step: its text, the run of its batch file, then the wait for its output.
void runstep(ViewerPort& port, ViewerState& state, const PlotFamily& family, int step, std::string_view batfile,
             std::string_view argument, int itodo, int timeout, int& status) {
    port.putString(stepTextFields[static_cast<std::size_t>(step - 1)], stepTexts[static_cast<std::size_t>(step - 1)]);
    const long long stepStart = nowinseconds();
    viewercommand(state, batfile, argument, itodo);
    port.command(state.messy.view(), 3, timeout);
    isfilefinished(port, state, family.stem.view(), step, stepStart, status);
    if (status == ChainFinished) port.putString(stepStatusFields[static_cast<std::size_t>(step - 1)], Done);
}

}  // namespace

long long dateinseconds(int year, int month, int day, int hour, int minute, int second) {
    static constexpr std::array<int, 12> monthDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    long long days = daysbeforeyear(year) + day;
    for (int m = 1; m < std::clamp(month, 1, 13); ++m)
        days += monthDays[static_cast<std::size_t>(m - 1)] + (m == 2 && isleap(year) ? 1 : 0);
    return days * 86400LL + hour * 3600LL + minute * 60LL + second;
}

int ferrettimeout(std::string_view stem, int multiCore, int landFlag, int vectorClass) {
    int seconds = islinefamily(stem) ? (multiCore ? 2 : 4) : (multiCore ? 7 : 12);
    if (landFlag == 0) seconds += 3;
    if (vectorClass == 1) seconds += 3;
    if (vectorClass == 2) seconds += 30;
    return seconds;
}

int stableperiod(std::string_view stem, int multiCore) {
    if (multiCore) return islinefamily(stem) ? 1 : 2;
    return islinefamily(stem) ? 2 : 6;
}

std::string resultpath(std::string_view qvtmp, int qvtmpLength, std::string_view stem, int igs) {
    std::string path(qvtmp.substr(0, static_cast<std::size_t>(std::clamp(qvtmpLength, 0, static_cast<int>(qvtmp.size())))));
    return path + "\\" + std::string(trimRight(stem)) + (igs == 1 ? ".jpg" : ".ps");
}

bool filewaittick(FileWait& wait, int size, long long fileTime, long long stepStart, long long now) {
    // A file of an earlier request, or one not yet larger than a few bytes, is not the output.
    if (size <= SmallestOutput || fileTime < stepStart) {
        wait.seen = false;
        wait.stable = false;
        return false;
    }
    if (!wait.seen || size != wait.lastSize) {
        wait.seen = true;
        wait.lastSize = size;
        wait.stable = false;
        return false;
    }
    if (!wait.stable) {
        wait.stable = true;
        wait.stableSince = now;
        return false;
    }
    const long long held = now - wait.stableSince;
    return held >= wait.stablePeriod || held <= -wait.stablePeriod;
}

void spinner(ViewerPort& port, int step, int& position) {
    position = std::clamp(position, 1, 4);
    port.putString(stepStatusFields[static_cast<std::size_t>(std::clamp(step, 1, 3) - 1)],
                   Marks.substr(static_cast<std::size_t>(position - 1), 1));
    position = position + 1 > 4 ? 1 : position + 1;
}

void isfilefinished(ViewerPort& port, const ViewerState& state, std::string_view stem, int step,
                    long long stepStart, int& status) {
    port.undefinedAsZero();
    status = ChainFinished;
    FileWait wait;
    wait.stablePeriod = stableperiod(stem, state.multiCore);
    Text<MaxViewerPath> path;
    createfilename(stepfilename(stem, step), path, state.qvtmp.view(), state.qvtmpLength, DiagnosticsLevel);

    int ticks = 0;
    int position = 1;
    auto nexttick = [&] {
        port.startTimer(PollMilliseconds);
        ++ticks;
        spinner(port, step, position);
    };
    nexttick();
    while (true) {
        int win = 0, value1 = 0;
        const int type = port.nextEvent(win, value1);
        if (type == -1) {
            status = ChainGaveUp;  // no more events: the windows are gone
            return;
        }
        if (type == EvPushButton && win == ProgressDialog && value1 == ButtonCancel) {
            status = ChainCancelled;
            runlogwrite({"TRYING TO EXIT isfilefin/createjpg/ps"});
            runlogflush();
            port.select(ProgressDialog);
            port.hide();
            return;
        }
        if (type != EvTimer || value1 != 1) continue;  // the wait serves nothing else

        std::array<int, 7> info{-1, 0, 0, 0, 0, 0, 0};
        IOsFileInfo(path.os(), info.data(), static_cast<int>(info.size()));
        const long long fileTime = info[0] < 0 ? 0 : dateinseconds(info[1], info[2], info[3], info[4], info[5], info[6]);
        if (ticks > MaxTicks) {
            status = ChainGaveUp;
            runlogwrite({"isfilefinished ticks=", ticks, " size=", info[0]});
            runlogflush();
            return;
        }
        if (filewaittick(wait, info[0], fileTime, stepStart, nowinseconds())) return;
        nexttick();
    }
}

void createjpg(ViewerPort& port, ViewerState& state, const PlotFamily& family, int& status, int landFlag,
               int vectorClass) {
    port.undefinedAsZero();
    const std::string_view stem = family.stem.view();
    const int timeout = ferrettimeout(stem, state.multiCore, landFlag, vectorClass);
    const std::string result = resultpath(state.qvtmp.view(), state.qvtmpLength, stem, state.igs);

    port.select(ProgressDialog);
    port.putString(FieldHeading, state.igs == 1 ? JpgHeading : PsHeading);
    port.putString(stepTextFields[0], stepTexts[0]);
    for (int field : {stepTextFields[1], stepTextFields[2], stepStatusFields[0], stepStatusFields[1],
                      stepStatusFields[2], FieldResultLabel, FieldResultPath, FieldRenameNote})
        port.putString(field, " ");
    port.fieldState(FieldOk, 0);
    port.show(1, 1, 0, 2);

    runstep(port, state, family, 1, "\\bin\\qvferret.bat", family.commandName.view(), 4, timeout, status);
    if (status != ChainFinished) return;
    runstep(port, state, family, 2, "\\bin\\qvMeta2PS.bat", stem, 2, 6, status);
    if (status != ChainFinished) return;
    if (state.igs == 1) {
        runstep(port, state, family, 3, "\\bin\\qvPS2jpg.bat", stem, 2, 6, status);
        if (status != ChainFinished) return;
    }

    // Only a file that is there is named.
    int size = -1;
    IOsFileInfo(result, &size, 1);
    if (size < 0) {
        status = ChainGaveUp;
        return;
    }
    port.putString(FieldResultLabel, "Your graphic file is located in:");
    port.putString(FieldResultPath, result);
    port.putString(FieldRenameNote, "Please rename it, since the quorvale will overwrite it.");
    port.fieldState(FieldOk, 1);
}
