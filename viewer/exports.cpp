// exports.cpp - export variable names, listing paths and the output message.
#include "exports.hpp"

#include <algorithm>
#include <array>
#include <string>

#include "resources/velquonids.h"

namespace {

constexpr int OutputDialog = IDD_OUTPUT;
constexpr int FieldTextLabel = IDC_OUTPUT_TEXT_LABEL, FieldTextPath = IDC_OUTPUT_TEXT_PATH;
constexpr int FieldNetcdfLabel = IDC_OUTPUT_NETCDF_LABEL, FieldNetcdfPath = IDC_OUTPUT_NETCDF_PATH;

struct ExportFamily {
    std::string_view tag;
    std::string_view word;
    std::array<std::string_view, 16> prefixes;  // by property number from 1; blank: none
    int plainTypes[2];                           // plot types without "_anom" (0: unused)
};

constexpr std::array<ExportFamily, 4> exportFamilies{{
    {"map", "map", {"temp_", "psal_", "dyn_ht_", "podens_", "", "", "aviso_", "sst_"}, {1, 5}},
    {"ver", "section", {"temp_", "psal_", "dyn_ht_", "podens_"}, {1, 0}},
    {"tim", "time", {"temp_", "temp_", "psal_", "psal_", "podens_", "podens_", "dyn_ht_", "aviso_", "sst_"}, {1, 0}},
    {"lin", "plot",
     {"temp_", "temp_", "temp_", "temp_", "psal_", "psal_", "psal_", "psal_", "temp_", "temp_", "dyn_ht_", "dyn_ht_",
      "dyn_ht_", "aviso_", "sst_"},
     {1, 0}},
}};

std::string listingpath(std::string_view qvtmp, int qvtmpLength, std::string_view name) {
    std::string path(qvtmp.substr(0, static_cast<std::size_t>(std::clamp(qvtmpLength, 0, static_cast<int>(qvtmp.size())))));
    return path + '\\' + std::string(name);
}

}  // namespace

const ViewerMessage NotAnOption{"This combination is not an option.", "Not an option"};

void asciivarname(std::string_view tag, int property, int plotType, TextRef name, int) {
    name.blank();
    const auto family = std::find_if(exportFamilies.begin(), exportFamilies.end(),
                                     [tag](const ExportFamily& f) { return f.tag == trimRight(tag); });
    if (family == exportFamilies.end()) return;
    std::string result;
    if (property >= 1 && property <= static_cast<int>(family->prefixes.size()))
        result = family->prefixes[static_cast<std::size_t>(property - 1)];
    result += family->word;
    if (plotType != family->plainTypes[0] && plotType != family->plainTypes[1]) result += "_anom";
    name.assign(result);
}

std::string textlistingpath(std::string_view qvtmp, int qvtmpLength, std::string_view textTemplate) {
    return listingpath(qvtmp, qvtmpLength, textTemplate.substr(10, 8));
}

std::string netcdflistingpath(std::string_view qvtmp, int qvtmpLength, std::string_view netcdfTemplate) {
    return listingpath(qvtmp, qvtmpLength, netcdfTemplate.substr(10, 7));
}

void textncoutmsg(ViewerPort& port, int asciiBox, int netcdfBox, std::string_view qvtmp, int qvtmpLength,
                  std::string_view textTemplate, std::string_view netcdfTemplate) {
    port.select(OutputDialog);
    if (asciiBox == 1) {
        port.putString(FieldTextLabel, "Your ascii data file is located in:");
        port.putString(FieldTextPath, textlistingpath(qvtmp, qvtmpLength, textTemplate));
    } else {
        port.putString(FieldTextLabel, " ");
        port.putString(FieldTextPath, " ");
    }
    if (netcdfBox == 1) {
        port.putString(FieldNetcdfLabel, "Your netcdf data file is located in:");
        port.putString(FieldNetcdfPath, netcdflistingpath(qvtmp, qvtmpLength, netcdfTemplate));
    } else {
        port.putString(FieldNetcdfLabel, " ");
        port.putString(FieldNetcdfPath, " ");
    }
    port.show(112, -1, 0, 2);
}

void notanoption(ViewerPort& port) { showmessage(port, NotAnOption); }
