// startup.cpp - the viewer's start-up steps that need no window, in the order the program runs
// them, and the clean-up run at the end.
#include "startup.hpp"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include "buoys.hpp"
#include "base/errors.hpp"
#include "base/os.hpp"
#include "machine.hpp"
#include "runlog.hpp"
#include "settings.hpp"
#include "viewerfile.hpp"

namespace {

constexpr int RegistryString = 1;
constexpr int RegistryExpandString = 2;
constexpr int RegistryNumber = 4;  // a 4-byte number
constexpr int MaxBatchLogLines = 10;
constexpr int BatchCodeLength = 4;

std::string joined(const ViewerState& state, bool installation, std::string_view name) {
    Text<MaxViewerPath> path;
    if (installation)
        createfilename(name, path, state.qvdir.view(), state.qvdirLength, DiagnosticsLevel);
    else
        createfilename(name, path, state.qvtmp.view(), state.qvtmpLength, DiagnosticsLevel);
    return path.os();
}

int lengthof(std::string_view text) {
    int length = 0;
    len_trimback(text, length, DiagnosticsLevel);
    return length;
}

}  // namespace

const std::string_view XWarningText =
    "Please be sure your X server is running.  If\r"
    "you fail to get a plot while running the Quorvale\r"
    "it is likely due to no running X server.";
const std::string_view XWarningTitle = "X Window Information";

void viewercommand(ViewerState& state, std::string_view batfile, std::string_view argument, int itodo) {
    createioscommand(state.qvdir.view(), state.qvdirLength, state.qvtmpq.view(), state.qvtmpqLength, batfile,
                     argument, itodo, state.messy, state.lenMessy, DiagnosticsLevel);
}

void settingspathandfolder(ViewerState& state) {
    IOsDirName(state.currentFolder);
    Text<MaxViewerPath> profile;
    IOsVariable("USERPROFILE", profile);
    createfilename(SettingsName, state.settingsPath, profile.view(), lengthof(profile.view()), DiagnosticsLevel);
}

void defaultinstallation(std::string_view currentFolder, TextRef qvdir) {
    std::size_t first = currentFolder.find_first_not_of(' ');
    std::string_view folder = first == std::string_view::npos ? std::string_view() : trimRight(currentFolder.substr(first));
    // The "bin" component, not any "bin" inside a folder name (C:\cabin\bin is under C:\cabin).
    for (std::size_t at = folder.find("\\bin"); at != std::string_view::npos; at = folder.find("\\bin", at + 1)) {
        if (at + 4 == folder.size() || folder[at + 4] == '\\') {
            qvdir.assign(folder.substr(0, at));
            return;
        }
    }
    qvdir.blank();
}

void acceptfolders(ViewerState& state) {
    IOsVariablePut("QV_DIR", state.qvdir.view());
    IOsVariablePut("QV_TMP", state.qvtmp.view());
    state.qvdirLength = lengthof(state.qvdir.view());
    state.qvtmpLength = lengthof(state.qvtmp.view());
    std::string quoted = "\"";
    quoted.append(state.qvtmp.view().substr(0, static_cast<std::size_t>(state.qvtmpLength)));
    quoted += '"';
    state.qvtmpq.assign(quoted);
    state.qvtmpqLength = state.qvtmpLength + 2;
}

bool establishfolders(ViewerState& state, SetupRoutine getsetup) {
    int info[1] = {-1};
    IOsFileInfo(state.settingsPath.trimmed(), info, 1);
    if (info[0] == -1) {
        Text<MaxViewerPath> profile;
        IOsVariable("USERPROFILE", profile);
        std::string scratch(profile.view().substr(0, static_cast<std::size_t>(lengthof(profile.view()))));
        scratch += "\\quorvale";
        state.qvtmp.assign(scratch);
        if (!IOsDirExists(state.qvtmp.trimmed())) IOsDirMake(state.qvtmp.trimmed());
        defaultinstallation(state.currentFolder.view(), state.qvdir);
        acceptfolders(state);
        return true;
    }
    bool read = readsettings(state.settingsPath.os(), state.qvdir, state.qvdirLength, state.qvtmp, state.qvtmpLength);
    bool accepted = read && IOsDirExists(state.qvdir.trimmed()) && IOsDirExists(state.qvtmp.trimmed());
    if (!accepted) accepted = getsetup(state);
    if (accepted) acceptfolders(state);
    return accepted;
}

void makescratchfolder(ViewerState& state) {
    if (!IOsDirExists(state.qvtmp.trimmed())) IOsDirMake(state.qvtmp.trimmed());
    WInfoError(1);
}

void openviewerlog(ViewerState& state) {
    runlogopen(joined(state, false, "\\quorvale.log"));
    runlogwrite({"QV_DIR=", state.qvdir.trimmed()});
    runlogwrite({"QV_TMP=", state.qvtmp.trimmed()});
}

void refreshenddatefiles(ViewerState& state) {
    viewercommand(state, "\\bin\\qvferret.bat", "\\\\ferret\\\\TMAP\\\\go\\\\GetDates.jnl", 1);
    IOsCommand(state.messy.view(), commandHidden | commandWait, -10);
}

int readprobedigit(std::FILE* file) {
    std::string line;
    if (readtextline(file, line, 1) && !line.empty() && line[0] >= '0' && line[0] <= '9') return line[0] - '0';
    return 0;
}

int xprobedigit(ViewerState& state) {
    int digit = 0;
    if (std::FILE* file = viewerfopen(joined(state, true, "\\bin\\xwininfo.txt"), "rb")) {
        digit = readprobedigit(file);
        std::fclose(file);
    }
    return digit;
}

bool readbatchcodes(std::FILE* file) {
    bool have = false;
    std::string line;
    for (int n = 0; n < MaxBatchLogLines && readtextline(file, line, BatchCodeLength); ++n) {
        Text<BatchCodeLength> code(line);
        runlogwrite({"batchcode=", code.view()});
        if (code.view() == "HAVE") have = true;
    }
    return have;
}

bool probexserver(ViewerState& state) {
    char argument[2] = {static_cast<char>('0' + xprobedigit(state)), '\0'};
    viewercommand(state, "\\bin\\qvLookForX.bat", argument, 2);
    IOsCommand(state.messy.view(), commandHidden | commandWait, -4);
    bool have = false;
    if (std::FILE* file = viewerfopen(joined(state, false, "\\batch.log"), "rb")) {
        have = readbatchcodes(file);
        std::fclose(file);
    }
    return have;
}

void readversiontext(ViewerState& state) {
    state.versionText.ref().blank();
    std::FILE* file = viewerfopen(joined(state, true, "\\bin\\global\\versioninfo.txt"), "rb");
    if (file == nullptr) return;
    bool whole = readversionlines(file, state.versionText.ref());
    std::fclose(file);
    if (whole) runlogwrite({"version=", state.versionText.view()});
}

bool readversionlines(std::FILE* file, TextRef versionText) {
    std::string line;
    bool first = readtextline(file, line, VersionLineLength);
    if (first) versionText.slice(1, VersionLineLength).assign(line);
    bool second = first && readtextline(file, line, VersionLineLength);
    if (second) versionText.slice(VersionLineLength + 1, 2 * VersionLineLength).assign(line);
    return second;
}

void readvirtualbuoys(ViewerState& state) {
    state.ncity = 0;
    if (std::FILE* file = viewerfopen(joined(state, true, "\\bin\\global\\global_city_locations.csv"), "rb")) {
        readbuoy(file, state.ncity);
        std::fclose(file);
    }
    runlogwrite({"after ReadBuoy ncity=", state.ncity});
    runlogflush();
}

void getcpu(int& result) {
    result = 0;
    Text<ProcessorNameLength> name;
    TextRef value = name.ref();
    int type = 0;
    IOsRegistryGet("HKEY_LOCAL_MACHINE\\HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", &value,
                   "ProcessorNameString", &type);
    if (type == RegistryString || type == RegistryExpandString) result = cpumarkerposition(name.view());
}

void getscreenres(int& ixres, int& iyres, int) {
    Text<ProcessorNameLength> video;
    TextRef value = video.ref();
    IOsRegistryGet("HKEY_LOCAL_MACHINE\\HARDWARE\\DEVICEMAP\\VIDEO", &value, "\\Device\\Video0");
    Text<108> key;
    screenresolutionkey(video.view(), key);
    for (auto [name, size] : {std::pair<const char*, int*>{"DefaultSettings.XResolution", &ixres},
                              std::pair<const char*, int*>{"DefaultSettings.YResolution", &iyres}}) {
        Text<4> number;
        TextRef bytes = number.ref();
        int type = 0, length = 0;
        IOsRegistryGet(key.view(), &bytes, name, &type, &length);
        if (type == RegistryNumber && length == 4) {
            std::uint32_t read = 0;
            std::memcpy(&read, number.data(), 4);
            *size = static_cast<int>(read);
        }
    }
}

void machinefacts(ViewerState& state) {
    getscreenres(state.ixres, state.iyres, 0);
    runlogwrite({"Screen resolution: ixres=", state.ixres, " iyres=", state.iyres});
    state.multiCore = 0;
    int position = 0;
    getcpu(position);
    if (position != 0) state.multiCore = 1;
}

void readenddates(ViewerState& state) {
    getenddates(state.veduEnd, state.avisoEnd, state.reynoldsEnd, state.realTimeDate, state.qvdir.view(),
                state.qvdirLength, state.qvtmp.view(), state.qvtmpLength);
    runlogwrite({"end dates vedu,aviso,reynolds, rtdate: ", state.veduEnd, state.avisoEnd, state.reynoldsEnd, " ",
                 state.realTimeDate.view()});
    runlogflush();
}

void startcleanup(ViewerState& state) {
    viewercommand(state, "\\bin\\qvJnlrm.bat", " ", 0);
    IOsCommand(state.messy.view(), commandHidden);
}
