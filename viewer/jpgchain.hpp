// jpgchain.hpp - the JPG chain: Ferret's metafile, then PostScript, then JPG, each step waited
// for by polling its output file, with the progress dialog 107.
#pragma once

#include <string_view>

#include "requestfile.hpp"
#include "resources/velquonids.h"
#include "viewerport.hpp"
#include "viewerstate.hpp"

// Chain status.
constexpr int ChainFinished = 0;
constexpr int ChainGaveUp = 1;
constexpr int ChainCancelled = 2;

constexpr int ProgressDialog = IDD_PROGRESS;
constexpr int SmallestOutput = 10;  // an output file must be larger than this many bytes

// Seconds since 1 January 2004 of a local date and time, so that times of different years
// compare as they should.
long long dateinseconds(int year, int month, int day, int hour, int minute, int second);

// Seconds Ferret is given in JPG mode.
int ferrettimeout(std::string_view stem, int multiCore, int landFlag, int vectorClass);
// Seconds an output file must keep its size.
int stableperiod(std::string_view stem, int multiCore);
// QV_TMP\<stem>.jpg, or .ps when the GS switch is off.
std::string resultpath(std::string_view qvtmp, int qvtmpLength, std::string_view stem, int igs);

// The decision of one wait at each timer tick: an output file newer than the step's start,
// larger than 10 bytes, whose size stayed the same for the stable period.
struct FileWait {
    int stablePeriod = 6;
    bool seen = false;
    int lastSize = 0;
    bool stable = false;
    long long stableSince = 0;
};
// True when the file is finished.
bool filewaittick(FileWait& wait, int size, long long fileTime, long long stepStart, long long now);

// The mark of the step's status field; the position advances 1..4.
void spinner(ViewerPort& port, int step, int& position);

// Waits for the output of step 1 (meta<stem>), 2 (<stem>.ps) or 3 (<stem>.jpg). Only timer 1 and
// Cancel of dialog 107 act; the status is finished, gave up or cancelled.
void isfilefinished(ViewerPort& port, const ViewerState& state, std::string_view stem, int step,
                    long long stepStart, int& status);

// Runs the chain for the family's current request and names the result when it exists.
void createjpg(ViewerPort& port, ViewerState& state, const PlotFamily& family, int& status, int landFlag,
               int vectorClass);
