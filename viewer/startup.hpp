// startup.hpp - the viewer's start-up steps that need no window: folders and settings, the
// scratch folder, the run log, the dates run, the X-server probe, version text, virtual buoys,
// machine facts and end dates; and the clean-up run at the end.
#pragma once

#include <cstdio>
#include <string_view>

#include "base/text.hpp"

#include "viewerstate.hpp"

// The setup dialog's loop: true when it ended with a successful Save, false on Cancel.
using SetupRoutine = bool (*)(ViewerState& state);

// Settings path from USERPROFILE and "\quorvalerc1"; the current folder.
void settingspathandfolder(ViewerState& state);
// The folder procedure: from the settings file, from the defaults when there is none, or from
// the setup dialog when the file cannot be used. False when the setup dialog was cancelled.
bool establishfolders(ViewerState& state, SetupRoutine getsetup);
// Accepted folders: into the environment, their lengths taken and the quoted scratch folder built.
void acceptfolders(ViewerState& state);
// The installation folder of a start from currentFolder: up to its "\bin" component, blank
// when it has none.
void defaultinstallation(std::string_view currentFolder, TextRef qvdir);

// Creates QV_TMP when it does not exist, then clears the library's last error.
void makescratchfolder(ViewerState& state);
// Opens QV_TMP\quorvale.log, rewritten from its start, with its QV_DIR= and QV_TMP= lines.
void openviewerlog(ViewerState& state);
// Runs the dates script to its end so that the end-date files are fresh.
void refreshenddatefiles(ViewerState& state);
// The probe digit: the first character of bin\xwininfo.txt read as a digit; 0 when missing.
int xprobedigit(ViewerState& state);
// The same from an open file (left open).
int readprobedigit(std::FILE* file);
// Runs the X-server probe and logs its status words; true when one of them is "HAVE".
bool probexserver(ViewerState& state);
// The status words of an open batch.log (left open): the first four characters of each of its
// first 10 lines, logged; true when one of them is "HAVE".
bool readbatchcodes(std::FILE* file);
// The three lines of the box shown when the probe said "HAVE".
extern const std::string_view XWarningText;
extern const std::string_view XWarningTitle;
// The version text from bin\global\versioninfo.txt (read only: a missing file reads as empty).
void readversiontext(ViewerState& state);
// The two lines of an open version file (left open), each cut or padded to 15 characters, into
// positions 1-15 and 16-30 of versionText; true when both lines were there.
constexpr int VersionLineLength = 15;
bool readversionlines(std::FILE* file, TextRef versionText);
// The virtual buoys from bin\global\global_city_locations.csv; logs their number and flushes.
void readvirtualbuoys(ViewerState& state);
// Screen size and processor: the log lines and the multi-core flag.
void machinefacts(ViewerState& state);
// Reads the end-date files into the state, logs them and flushes.
void readenddates(ViewerState& state);
// Starts the clean-up batch file hidden, without waiting.
void startcleanup(ViewerState& state);

// The processor's marker position (0: single-core) from the registry's processor name.
void getcpu(int& result);
// Screen size from the display's registry settings; both stay as they were when not found.
void getscreenres(int& ixres, int& iyres, int unused);
