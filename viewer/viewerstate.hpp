// viewerstate.hpp - the viewer's state: made at start-up, kept for the whole run and handed by
// reference to every routine that needs the folders, switches, end dates or the command line.
#pragma once

#include "commandline.hpp"
#include "base/text.hpp"
#include "enddates.hpp"

constexpr int DiagnosticsLevel = 0;  // passed to every routine that takes one: no trace output
constexpr int GlobalEdition = 2;     // this program is the Global edition (main dialog 108)

struct ViewerState {
    Text<MaxViewerPath> qvdir;         // installation folder QV_DIR
    int qvdirLength = 0;
    Text<MaxViewerPath> qvtmp;         // scratch folder QV_TMP
    int qvtmpLength = 0;
    Text<MaxViewerPath> qvtmpq;        // QV_TMP between double quotes, for command lines
    int qvtmpqLength = 0;
    Text<MaxViewerPath> settingsPath;  // %USERPROFILE%\quorvalerc1
    Text<300> currentFolder;           // the process's current folder at start-up
    int igs = 1;                       // GS switch: 1 yes, 0 no; only the setup dialog changes it
    int veduEnd = DefaultEndIndex;     // month indices of the last month of each data set
    int avisoEnd = DefaultEndIndex;
    int reynoldsEnd = DefaultEndIndex;
    Text<RealTimeDateLength> realTimeDate{"\"           \""};
    int ncity = 0;                     // virtual buoys read
    Text<30> versionText;              // two 15-character lines of the version file
    int grey = 0;                      // RGB value of disabled unit captions
    int multiCore = 0;                 // 1 when the processor name marks a multi-core processor
    int ixres = 0, iyres = 0;          // screen size, logged only
    int mainChoice = 1;                // checked family of the main dialog, 1..5
    int exitFlag = 0;                  // 1 ends the main loop
    Text<MaxCommandLine> messy;        // the one command line of every batch-file run
    int lenMessy = 0;
};

// Builds state.messy for a batch file of the installation (createioscommand with the folders).
void viewercommand(ViewerState& state, std::string_view batfile, std::string_view argument, int itodo);
