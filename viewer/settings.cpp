// settings.cpp - the settings file and the checks of typed folders.
#include "settings.hpp"

#include <cstdio>
#include <utility>

#include "commandline.hpp"
#include "base/save_file.hpp"
#include "viewerfile.hpp"

namespace {

constexpr std::size_t SettingsLineLength = 128;

// One line cut or blank-padded to 128 characters, without its line end; false at the end.
bool readsettingsline(std::FILE* file, Text<SettingsLineLength>& line) {
    std::string text;
    if (!readtextline(file, text, SettingsLineLength)) return false;
    line.assign(text);
    return true;
}

// The longest names the viewer joins to each folder, and every batch-file run's batch file,
// argument and mode, with the longest arguments those runs take.
constexpr std::string_view LongestInstallationName = "\\bin\\global\\global_city_locations.csv";
constexpr std::string_view LongestScratchName = "\\RG_VeduClim_Real_Time.txt";
struct BatchRun {
    std::string_view batfile;
    std::string_view argument;
    int itodo;
};
constexpr BatchRun BatchRuns[] = {
    {"\\bin\\qvferret.bat", "\\\\ferret\\\\TMAP\\\\go\\\\GetDates.jnl", 1},
    {"\\bin\\qvferret.bat", "qvferretinmap1.txt", 4},
    {"\\bin\\qvMeta2PS.bat", "map1", 2},
    {"\\bin\\qvPS2jpg.bat", "map1", 2},
    {"\\bin\\qvLookForX.bat", "0", 2},
    {"\\bin\\notepad", "\\Help\\README.txt", 5},
    {"\\bin\\qvKillCygwinX.bat", " ", 0},
    {"\\bin\\qvJnlrm.bat", " ", 0},
    {"\\bin\\qvGetUp.bat", "092008", 2},
    {"\\bin\\qvRunUp.bat", "092008 09", 2},
    {"\\bin\\qvAppUp.bat", "\\qvferret092008.txt 092008", 4},
    {"\\bin\\qvCheckUpRT.bat", " ", 0},
    {"\\bin\\qvGetUpRT.bat", "RG_VeduClim_RT_2012.nc", 2},
    {"\\bin\\qvInstallNewExe.bat", " ", 0},
};

}  // namespace

void readline(std::string_view line, TextRef value, int& length) {
    int used = 0;
    len_trimback(line, used, 0);
    std::string_view inUse = line.substr(0, static_cast<std::size_t>(used));
    std::size_t equals = inUse.find('=');
    if (equals == std::string_view::npos) {
        value.blank();
        return;
    }
    std::string_view found = inUse.substr(equals + 1);
    value.assign(found);
    length = static_cast<int>(std::min(found.size(), value.size()));
}

bool readsettings(const std::string& path, TextRef qvdir, int& qvdirLength, TextRef qvtmp, int& qvtmpLength) {
    std::FILE* file = viewerfopen(path, "rb");
    if (file == nullptr) return false;
    bool read = readsettingsfile(file, qvdir, qvdirLength, qvtmp, qvtmpLength);
    std::fclose(file);
    return read;
}

bool readsettingsfile(std::FILE* file, TextRef qvdir, int& qvdirLength, TextRef qvtmp, int& qvtmpLength) {
    Text<SettingsLineLength> line;
    bool read = readsettingsline(file, line);
    if (read && (read = readsettingsline(file, line))) readline(line.view(), qvdir, qvdirLength);
    if (read && (read = readsettingsline(file, line))) readline(line.view(), qvtmp, qvtmpLength);
    return read;
}

bool writesettings(const std::string& path, std::string_view qvdir, std::string_view qvtmp, int igs) {
    std::string text = "# quorvale startup script, created by quorvale, keep format the same!\r\n";
    for (auto [key, folder] : {std::pair{"QV_DIR=", qvdir}, std::pair{"QV_TMP=", qvtmp}}) {
        text += key;
        text.append(trimRight(folder));
        text += "\r\n";
    }
    text += igs == 0 ? "GS=no \r\n" : "GS=yes\r\n";
    // The settings the program starts from: the old file stays until the new one is whole.
    int status = 0;
    yysavewhole(path, text, status);
    return status == 0;
}

std::string_view setupfolderproblem(std::string_view qvdir, std::string_view qvtmp) {
    qvdir = trimRight(qvdir);
    qvtmp = trimRight(qvtmp);
    if (qvdir.find('"') != std::string_view::npos || qvtmp.find('"') != std::string_view::npos)
        return "A folder must not contain a double quote.";
    std::string quoted = "\"";
    quoted.append(qvtmp);
    quoted += '"';
    bool tooLong = qvdir.size() + LongestInstallationName.size() > MaxViewerPath ||
                   qvtmp.size() + LongestScratchName.size() > MaxViewerPath;
    for (const BatchRun& run : BatchRuns) {
        if (tooLong) break;
        Text<MaxCommandLine> messy;
        int length = 0;
        tooLong = !formioscommand(qvdir, static_cast<int>(qvdir.size()), quoted, static_cast<int>(quoted.size()),
                                  run.batfile, run.argument, run.itodo, messy, length);
    }
    return tooLong ? "The folders are too long: every path must stay within 128 characters." : "";
}
