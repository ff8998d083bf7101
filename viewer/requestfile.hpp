// requestfile.hpp - what every plot request shares: the family records (counter, plot mode,
// file names), the command-file lines and frame, the space-free metafile path and the run.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.hpp"
#include "resources/velquonids.h"
#include "viewerport.hpp"
#include "viewerstate.hpp"

// Push buttons of every plot dialog.
constexpr int ButtonCancel = IDC_CANCEL;
constexpr int ButtonPlot = IDC_PLOT;
constexpr int ButtonCreateJpg = IDC_CREATE_JPG;
// Export check boxes of the plot dialogs.
constexpr int FieldAsciiExport = IDC_ASCII_EXPORT;
constexpr int FieldNetcdfExport = IDC_NETCDF_EXPORT;

// Plot modes.
constexpr int PlotModeNone = 0;
constexpr int PlotModeScreen = 1;
constexpr int PlotModeJpg = 2;

constexpr int StemLength = 4;
constexpr int CommandNameLength = 18;
constexpr int ExportTemplateLength = 49;

enum class FamilyId { Map, Vertical, Time, Line, Product };

// One plot family, kept for the whole run. The digit of the names is rewritten at each request.
struct PlotFamily {
    const char* tag;   // "map", "ver", "tim", "lin", "pro"
    int dialog;        // 103, 105, 104, 109, 110
    int counter = 0;   // 1..9 once a request was made
    int plotMode = PlotModeNone;
    int previousProperty = 1;  // of the last field change, for the fill-level fields
    Text<StemLength> stem;                   // map1
    Text<CommandNameLength> commandName;     // qvferretinmap1.txt
    Text<CommandNameLength + 1> commandPath; // \qvferretinmap1.txt
    Text<ExportTemplateLength> textTemplate;   // list/file=map1.txt/clobber/width=5000/format=tab
    Text<ExportTemplateLength> netcdfTemplate; // list/file=map1.nc/clobber/format=cdf
};

PlotFamily& plotfamily(FamilyId id);
// Back to the state at program start (tests).
void resetplotfamilies();

// The start of a request: false for Cancel (the caller hides the dialog); otherwise the
// pressed button sets the plot mode (other buttons keep it), the counter advances 1..9 and the
// names take its digit.
bool startrequest(PlotFamily& family, int button);

// An item of a list-directed line: integers as plain numbers, reals with a decimal point,
// texts as they stand with their trailing blanks (a blank text is written as nothing).
class ListItem {
public:
    ListItem(int value);
    ListItem(float value);
    ListItem(std::string_view text);
    ListItem(const char* text) : ListItem(std::string_view(text)) {}
    ListItem(const std::string& text) : ListItem(std::string_view(text)) {}
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Items separated by one blank.
std::string listdirected(std::initializer_list<ListItem> items);
std::string listdirected(const std::vector<ListItem>& items);

// The space-free path of the metafile meta<stem> in folder: the system's short form of the
// folder when it gives one without blanks, else the short form built by rule.
void createmetanospace(std::string_view folder, int folderLength, std::string_view stem, TextRef path,
                       int& pathLength, int diagnostics);
// The rule alone: blanks dropped, "+,;=[]" turned into "_", components over 8 characters cut to
// their first 6 and "~1".
std::string metanospacerule(std::string_view folder, std::string_view stem);
// The system's short form of an existing folder; nothing when it has none.
std::optional<std::string> viewershortpath(std::string_view folder);

// The whole command file of a request around the family's own lines (go line, labels).
struct CommandFileParts {
    int plotMode = PlotModeNone;
    std::string metafilePath;              // the 300-character text of createmetanospace
    std::vector<std::string> familyLines;
    int asciiBox = 0, netcdfBox = 0;
    std::string exportVariable;            // asciivarname
};
std::vector<std::string> commandfilelines(const PlotFamily& family, const CommandFileParts& parts,
                                          std::string_view quotedScratch);
// Writes the lines, each ended by CR LF, replacing an older file only once the new one is whole;
// false when it cannot.
bool writecommandfile(const std::string& path, const std::vector<std::string>& lines);
// The box shown instead of the run when the command file cannot be written.
ViewerMessage commandfilemessage(std::string_view path);

// What a family's request hands to the shared end of a request.
struct FamilyLines {
    std::vector<std::string> lines;  // go line and labels
    int property = 0, plotType = 0;  // for the export variable
    int landFlag = 0, vectorClass = 0;
    bool exports = true;             // false: the dialog has no export boxes
};
// The end of an accepted request: reads the export boxes of the current dialog, writes the
// command file and runs it on screen or through the JPG chain, then names the listings. A command
// file that cannot be written gives its box and nothing is run.
void finishrequest(ViewerPort& port, ViewerState& state, PlotFamily& family, const FamilyLines& request);

// What a family's checks give: a refusal box, or the family's lines.
struct RequestOutcome {
    std::optional<ViewerMessage> refusal;
    FamilyLines request;
};
// startrequest with the family's dialog selected and shown at x (-1 centred): false when
// Cancel hid it.
bool beginrequest(ViewerPort& port, PlotFamily& family, int x, int button);
// The refusal's box, or the command file and its run.
void endrequest(ViewerPort& port, ViewerState& state, PlotFamily& family, const RequestOutcome& outcome);
// A family's reading and checking of its current dialog.
using RequestReader = RequestOutcome (*)(ViewerPort& port, const ViewerState& state);
// The request of a push button of a family's dialog: beginrequest with the dialog at x, then
// endrequest with what read gives.
void plotrequest(ViewerPort& port, ViewerState& state, FamilyId id, int x, int button, RequestReader read);
