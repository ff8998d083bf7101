// requestfile.cpp - the family records, the command-file frame and the run of a plot request.
#include "requestfile.hpp"

#include <array>
#include <cmath>
#include <cstdio>

#include "base/convert.hpp"
#include "base/save_file.hpp"
#include "exports.hpp"
#include "jpgchain.hpp"
#include "requestparts.hpp"
#include "viewerfile.hpp"

namespace {

constexpr std::string_view TextTemplate = "list/file=map1.txt/clobber/width=5000/format=tab ";
constexpr std::string_view NetcdfTemplate = "list/file=map1.nc/clobber/format=cdf";
constexpr int MetafilePathLength = MaxCommandLine;

std::array<PlotFamily, 5> families;

PlotFamily makefamily(const char* tag, int dialog) {
    PlotFamily family;
    family.tag = tag;
    family.dialog = dialog;
    return family;
}

// The names of request counter k.
void namerequest(PlotFamily& family) {
    const char digit = static_cast<char>('0' + family.counter);
    std::string stem = std::string(family.tag) + digit;
    family.stem.assign(stem);
    family.commandName.assign("qvferretin" + stem + ".txt");
    family.commandPath.assign("\\qvferretin" + stem + ".txt");
    family.textTemplate.assign(TextTemplate);
    family.netcdfTemplate.assign(NetcdfTemplate);
    for (int i = 0; i < StemLength; ++i) {
        family.textTemplate[10 + i] = stem[i];
        family.netcdfTemplate[10 + i] = stem[i];
    }
}

bool isshortchar(char c) {
    return c == '+' || c == ',' || c == ';' || c == '=' || c == '[' || c == ']';
}

}  // namespace

PlotFamily& plotfamily(FamilyId id) {
    if (families[0].tag == nullptr) resetplotfamilies();
    return families[static_cast<std::size_t>(id)];
}

void resetplotfamilies() {
    families = {makefamily("map", IDD_MAP), makefamily("ver", IDD_SECTION), makefamily("tim", IDD_TIMESERIES),
                makefamily("lin", IDD_LINEDRAWING), makefamily("pro", IDD_PRODUCTS)};
}

bool startrequest(PlotFamily& family, int button) {
    if (button == ButtonCancel) return false;
    if (button == ButtonPlot) family.plotMode = PlotModeScreen;
    if (button == ButtonCreateJpg) family.plotMode = PlotModeJpg;
    family.counter = family.counter + 1 >= 10 ? 1 : family.counter + 1;
    namerequest(family);
    return true;
}

ListItem::ListItem(int value) : text_(std::to_string(value)) {}

ListItem::ListItem(float value) {
    // Fixed point, trailing zeros dropped down to one decimal; never an exponent.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6f", value == 0.0f ? 0.0 : static_cast<double>(value));
    text_ = buffer;
    while (text_.size() > 2 && text_.back() == '0' && text_[text_.size() - 2] != '.') text_.pop_back();
}

ListItem::ListItem(std::string_view text) : text_(trimmedLength(text) == 0 ? std::string_view() : text) {}

std::string listdirected(const std::vector<ListItem>& items) {
    std::string line;
    for (const ListItem& item : items) {
        if (item.text().empty()) continue;
        if (!line.empty()) line += ' ';
        line += item.text();
    }
    return line;
}

std::string listdirected(std::initializer_list<ListItem> items) {
    return listdirected(std::vector<ListItem>(items));
}

std::string metanospacerule(std::string_view folder, std::string_view stem) {
    std::string work;
    for (char c : folder)
        if (c != ' ') work += isshortchar(c) ? '_' : c;
    std::string out;
    std::size_t p = work.find('\\');
    if (p == std::string::npos) {
        // No drive part: the folder is taken as one component.
        out = work.size() > 8 ? work.substr(0, 6) + "~1" : work;
        return out + "\\meta" + std::string(stem);
    }
    out = work.substr(0, p + 1);
    while (true) {
        std::size_t q = work.find('\\', p + 1);
        const bool last = q == std::string::npos || q + 1 >= work.size();
        if (q == std::string::npos) q = work.size();
        std::string component = work.substr(p + 1, q - p - 1);
        out += component.size() > 8 ? component.substr(0, 6) + "~1" : component;
        out += '\\';
        if (last) break;
        p = q;
    }
    return out + "meta" + std::string(stem);
}

void createmetanospace(std::string_view folder, int folderLength, std::string_view stem, TextRef path,
                       int& pathLength, int) {
    const std::string_view used = folder.substr(0, static_cast<std::size_t>(std::max(0, folderLength)));
    std::string result;
    if (std::optional<std::string> shortForm = viewershortpath(used);
        shortForm && !shortForm->empty() && shortForm->find(' ') == std::string::npos) {
        result = *shortForm;
        if (result.back() != '\\') result += '\\';
        result += "meta" + std::string(stem);
    } else {
        result = metanospacerule(used, stem);
    }
    path.assign(result);
    pathLength = static_cast<int>(std::min(result.size(), path.size()));
}

std::vector<std::string> commandfilelines(const PlotFamily& family, const CommandFileParts& parts,
                                          std::string_view quotedScratch) {
    std::vector<std::string> lines;
    lines.push_back(listdirected({"cancel mode journal"}));
    if (parts.plotMode == PlotModeJpg) lines.push_back("set mode metafile " + parts.metafilePath);
    lines.insert(lines.end(), parts.familyLines.begin(), parts.familyLines.end());
    const std::string_view variable = trimRight(parts.exportVariable);
    if (parts.asciiBox == 1) lines.push_back(listdirected({family.textTemplate.view(), variable}));
    if (parts.netcdfBox == 1) lines.push_back(listdirected({family.netcdfTemplate.view(), variable}));
    lines.push_back(listdirected({"ppl clsplt"}));
    lines.push_back(listdirected({"spawn qvErrFer.bat ", trimRight(quotedScratch)}));
    return lines;
}

bool writecommandfile(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    int status = 0;
    yysavewhole(path, text, status);
    return status == 0;
}

ViewerMessage commandfilemessage(std::string_view path) {
    std::string text = "I cannot write the command file\r";
    text += path;
    text += "\rCheck the temporary directory and try again.";
    return {text, "Error"};
}

void finishrequest(ViewerPort& port, ViewerState& state, PlotFamily& family, const FamilyLines& request) {
    Text<MaxViewerPath> path;
    createfilename(family.commandPath.view(), path, state.qvtmp.view(), state.qvtmpLength, DiagnosticsLevel);

    CommandFileParts parts;
    parts.plotMode = family.plotMode;
    parts.familyLines = request.lines;
    if (family.plotMode == PlotModeJpg) {
        Text<MetafilePathLength> metafile;
        int metafileLength = 0;
        createmetanospace(state.qvtmp.view(), state.qvtmpLength, family.stem.view(), metafile, metafileLength,
                          DiagnosticsLevel);
        parts.metafilePath = std::string(metafile.view());
    }
    if (request.exports) {
        parts.asciiBox = port.getCheckBox(FieldAsciiExport);
        parts.netcdfBox = port.getCheckBox(FieldNetcdfExport);
    }
    if (parts.asciiBox == 1 || parts.netcdfBox == 1) {
        Text<ExportVariableLength> variable;
        asciivarname(family.tag, request.property, request.plotType, variable, DiagnosticsLevel);
        parts.exportVariable = std::string(variable.trimmed());
    }
    const std::string_view quotedScratch = state.qvtmpq.view().substr(0, static_cast<std::size_t>(state.qvtmpqLength));
    // The batch run reads the command file: without it there is nothing to run.
    if (!writecommandfile(path.os(), commandfilelines(family, parts, quotedScratch))) {
        showmessage(port, commandfilemessage(path.trimmed()));
        return;
    }

    if (family.plotMode == PlotModeScreen) {
        viewercommand(state, "\\bin\\qvferret.bat", family.commandName.view(), 4);
        port.command(state.messy.view(), 3, 5);
    } else if (family.plotMode == PlotModeJpg) {
        int status = ChainFinished;
        createjpg(port, state, family, status, request.landFlag, request.vectorClass);
    }
    if (parts.asciiBox == 1 || parts.netcdfBox == 1)
        textncoutmsg(port, parts.asciiBox, parts.netcdfBox, state.qvtmp.view(), state.qvtmpLength,
                     family.textTemplate.view(), family.netcdfTemplate.view());
}

bool beginrequest(ViewerPort& port, PlotFamily& family, int x, int button) {
    port.undefinedAsZero();
    port.select(family.dialog);
    port.show(x, -1, 0, 2);
    if (startrequest(family, button)) return true;
    port.hide();
    return false;
}

void endrequest(ViewerPort& port, ViewerState& state, PlotFamily& family, const RequestOutcome& outcome) {
    if (outcome.refusal)
        showmessage(port, *outcome.refusal);
    else
        finishrequest(port, state, family, outcome.request);
}

void plotrequest(ViewerPort& port, ViewerState& state, FamilyId id, int x, int button, RequestReader read) {
    PlotFamily& family = plotfamily(id);
    if (beginrequest(port, family, x, button)) endrequest(port, state, family, read(port, state));
}
