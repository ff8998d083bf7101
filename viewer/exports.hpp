// exports.hpp - the listing exports of a plot request: the variable name the family's script
// defines, and the output message (dialog 112) that names the listing files.
#pragma once

#include <string_view>

#include "base/text.hpp"
#include "viewerport.hpp"

constexpr int ExportVariableLength = 30;

// The export variable of a family tag, property and plot type: a property prefix, the family
// word and "_anom" (temp_map_anom). A tag outside map, ver, tim, lin gives a blank name.
void asciivarname(std::string_view tag, int property, int plotType, TextRef name, int diagnostics);

// The listing paths that the output message shows: QV_TMP, a backslash and <stem>.txt or
// <stem>.nc taken from positions 11 on of the export templates.
std::string textlistingpath(std::string_view qvtmp, int qvtmpLength, std::string_view textTemplate);
std::string netcdflistingpath(std::string_view qvtmp, int qvtmpLength, std::string_view netcdfTemplate);

// Shows dialog 112 with the label and path of each ticked listing, blank for the others.
void textncoutmsg(ViewerPort& port, int asciiBox, int netcdfBox, std::string_view qvtmp, int qvtmpLength,
                  std::string_view textTemplate, std::string_view netcdfTemplate);

// The not-an-option box.
extern const ViewerMessage NotAnOption;
void notanoption(ViewerPort& port);
