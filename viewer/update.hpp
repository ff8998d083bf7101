// update.hpp - the data update: the monthly update, the real-time refresh and the installation of
// a new program version, reported in dialog 111 and steered by the status words of the update logs.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "base/text.hpp"
#include "resources/velquonids.h"

constexpr int UpdateDialog = IDD_UPDATE;

// Fields of dialog 111; every one but the OK button is a label.
namespace UpdateField {
constexpr int Stage = IDC_UPDATE_STAGE;              // top line: what is being checked
constexpr int VeduEnd = IDC_UPDATE_VEDU_END;         // the current Vedu end month, "Nov-2012"
constexpr int Downloading = IDC_UPDATE_DOWNLOADING;  // the downloading line with the update month
constexpr int Ready = IDC_UPDATE_READY;              // "Done!" when the update program is there
// The eight message lines, top to bottom.
constexpr int Line1 = IDC_UPDATE_LINE1, Line2 = IDC_UPDATE_LINE2, Line3 = IDC_UPDATE_LINE3, Line4 = IDC_UPDATE_LINE4;
constexpr int Line5 = IDC_UPDATE_LINE5, Line6 = IDC_UPDATE_LINE6, Line7 = IDC_UPDATE_LINE7, Line8 = IDC_UPDATE_LINE8;
constexpr int Appended = IDC_UPDATE_APPENDED;        // bold: the data files were updated
// The real-time refresh: what is compared, what is fetched, how it ended.
constexpr int RealTime1 = IDC_UPDATE_REALTIME1, RealTime2 = IDC_UPDATE_REALTIME2, RealTime3 = IDC_UPDATE_REALTIME3;
// The new-program notice.
constexpr int NewProgram1 = IDC_UPDATE_NEWPROGRAM1, NewProgram2 = IDC_UPDATE_NEWPROGRAM2;
constexpr int NewProgram3 = IDC_UPDATE_NEWPROGRAM3;
constexpr int Ok = IDC_OK;
}  // namespace UpdateField

// The month an update brings, Vedu end + 1, in the forms the update uses.
struct UpdateMonth {
    int index = 0;           // month index (January 2004 = 1)
    Text<6> monthYear;       // mmyyyy: the download argument and the data file names
    Text<8> hyphenated;      // "Aug-2008", as the dialog shows it
    Text<9> updateName;      // mmyyyy, a blank, mm: the installer's argument
    bool december() const { return monthYear.view().substr(0, 2) == "12"; }
};
UpdateMonth updatemonth(int veduEnd);
// A month index as the dialog shows it: the short month text, a hyphen, the year ("Apr-2012").
Text<8> hyphenatedmonth(int monthIndex);

// Writes QV_TMP\qvferret<mmyyyy>.txt, the plotting program's script that appends the month to
// the three data sets; false when it cannot be written.
bool writeupdatescript(std::string_view qvtmp, int qvtmpLength, std::string_view monthYear);

// The status words of an update log: the first four characters of its first lines.
struct StatusWords {
    Text<4> log1, log2, log3;
};
// Reads up to `wanted` words from QV_TMP\<name>; false when the log cannot be opened or has
// fewer than `required` lines. Words not read stay blank.
bool readstatuswords(std::string_view qvtmp, int qvtmpLength, std::string_view name, int required, int wanted,
                     StatusWords& words);
// The same from an open log, left open.
bool readstatuslines(std::FILE* file, int required, int wanted, StatusWords& words);
// The first line of the real-time name file (RG_VeduClim_Real_Time.txt, left open), cut to the
// name's length; false when the file has no line.
constexpr int RealTimeNameLength = 22;
bool readrealtimename(std::FILE* file, Text<RealTimeNameLength>& name);

// What the update does with each log's words.
enum class GetUpOutcome { Installer, NoInternet, NotYet, Failed };
enum class RunUpOutcome { NewProgram, NewGraphics, Done, Skip, Unknown };
enum class CheckUpOutcome { Fetch, Current, Offline, Unknown };
enum class GetUpRtOutcome { Done, CannotUnzip, Unknown, CannotGet };
GetUpOutcome getupoutcome(const StatusWords& words);
RunUpOutcome runupoutcome(const StatusWords& words);
CheckUpOutcome checkupoutcome(const StatusWords& words);
GetUpRtOutcome getuprtoutcome(const StatusWords& words);
// The new-program mark a runup outcome leaves: 1 or 2 for a new program, 0 for none.
int newprogrammark(RunUpOutcome outcome, int mark);

// What the update asks of the dialog library and the operating system, so that the procedure
// itself runs in both builds; the viewer's binding (updatefiles) passes the library's routines.
class UpdateHost {
public:
    virtual ~UpdateHost() = default;
    virtual void select() = 0;                                    // make dialog 111 current
    virtual void put(int field, std::string_view text) = 0;       // a label's text
    virtual void fieldstate(int field, int state) = 0;            // 0 disabled, 1 enabled
    virtual void show() = 0;                                      // modeless at (1, 1)
    virtual void command(std::string_view line, int flags, int timeoutSeconds) = 0;
    virtual void wait(int hundredths) = 0;                        // messages are served meanwhile
    virtual void close() = 0;                                     // the library's windows
    virtual void execute(std::string_view line) = 0;              // ends the program once started
};

// The main loop's own end dates, refreshed in place, and the folders with their used lengths.
struct UpdateState {
    int& veduEnd;
    int& avisoEnd;
    int& reynoldsEnd;
    TextRef realTimeDate;
    std::string_view qvdir;
    int qvdirLength;
    std::string_view qvtmp;
    int qvtmpLength;
    std::string_view qvtmpq;
    int qvtmpqLength;
};

// The whole update through the host. Returns with OK enabled, or after the host started the
// installation of a new program (which, in the program, does not return).
void runupdate(UpdateHost& host, const UpdateState& state);

// The viewer's Update button: runupdate with the library's dialogs and processes (Windows only).
void updatefiles(int& veduEnd, int& avisoEnd, int& reynoldsEnd, TextRef realTimeDate, std::string_view qvdir,
                 int qvdirLength, std::string_view qvtmp, int qvtmpLength, std::string_view qvtmpq,
                 int qvtmpqLength, int diagnostics);
