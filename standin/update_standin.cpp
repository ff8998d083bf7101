// update_standin.cpp - the update steps of the stand-in installation, played from a scenario table.
// The data sets' ends live in a plotting-program script that the dates script runs last.
#include "update_standin.hpp"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

const UpdateScenario Scenarios[] = {
    // name             getup.log                runup.log       checkupRT.log            real-time name            getupRT.log
    {"newmonth",        "FOUN\nGOTU\nDONE",      "DIDI\nDONE",   "CHEK\nFOUN\nNODI",      "RG_VeduClim_RT_2012.nc", nullptr},
    {"nothingnew",      "TRYD\nERRO\nNOFI",      nullptr,        "CHEK\nFOUN\nNODI",      "RG_VeduClim_RT_2012.nc", nullptr},
    {"offline",         "TRYD\nERRO\nNOHO",      nullptr,        "CHEK\nERRO\nNOHO",      nullptr,                  nullptr},
    {"downloadfailed",  "TRYD\nERRO\nFAIL",      nullptr,        "CHEK\nFOUN\nNODI",      "RG_VeduClim_RT_2012.nc", nullptr},
    {"newrealtime",     "TRYD\nERRO\nNOFI",      nullptr,        "CHEK\nFOUN\nDIFF",      "RG_VeduClim_RT_2012.nc", "TRYG\nGOTG\nGOTN"},
    {"badrealtimezip",  "TRYD\nERRO\nNOFI",      nullptr,        "CHEK\nFOUN\nDIFF",      "RG_VeduClim_RT_2012.nc", "TRYG\nGOTG\nNONC"},
    {"norealtimefetch", "TRYD\nERRO\nNOFI",      nullptr,        "CHEK\nFOUN\nDIFF",      "RG_VeduClim_RT_2012.nc", "TRYG\nNOGT"},
    {"newprogram",      "FOUN\nGOTU\nDONE",      "DIDI\nNEWP",   "CHEK\nFOUN\nNODI",      "RG_VeduClim_RT_2012.nc", nullptr},
    {"newgraphics",     "FOUN\nGOTU\nDONE",      "DIDI\nNEWG",   "CHEK\nFOUN\nNODI",      "RG_VeduClim_RT_2012.nc", nullptr},
    {"setupcancelled",  "FOUN\nGOTU\nDONE",      "SKIP\nDONE",   "CHEK\nFOUN\nNODI",      "RG_VeduClim_RT_2012.nc", nullptr},
    // Missing and short logs.
    {"nogetuplog",      nullptr,                 "DIDI\nDONE",   "CHEK\nFOUN\nNODI",      "RG_VeduClim_RT_2012.nc", nullptr},
    {"shortgetuplog",   "TRYD\nERRO",            nullptr,        "CHEK\nFOUN\nNODI",      "RG_VeduClim_RT_2012.nc", nullptr},
    {"shortrunuplog",   "FOUN\nGOTU\nDONE",      "DIDI",         "CHEK\nFOUN\nNODI",      "RG_VeduClim_RT_2012.nc", nullptr},
    {"shortcheckuplog", "TRYD\nERRO\nNOFI",      nullptr,        "CHEK\nFOUN",            "RG_VeduClim_RT_2012.nc", nullptr},
    {"norealtimename",  "TRYD\nERRO\nNOFI",      nullptr,        "CHEK\nFOUN\nDIFF",      nullptr,                  "TRYG\nGOTG\nGOTN"},
    {"nogetuprtlog",    "TRYD\nERRO\nNOFI",      nullptr,        "CHEK\nFOUN\nDIFF",      "RG_VeduClim_RT_2012.nc", nullptr},
};

std::string in(const std::string& folder, const std::string& name) { return folder + "/" + name; }

// Writes the lines of text with CR LF, or removes the file when text is nullptr.
void leave(const std::string& path, const char* text) {
    if (text == nullptr) {
        std::remove(path.c_str());
        return;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (std::string_view rest = text; !rest.empty();) {
        std::size_t end = rest.find('\n');
        out << rest.substr(0, end) << "\r\n";
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
}

// Appends plotting-program lines to the data sets' ends script.
void extendends(const std::string& qvdir, const std::string& lines) {
    std::ofstream out(in(qvdir, "ferret/TMAP/go/") + DataEndsScript, std::ios::binary | std::ios::app);
    out << lines;
}

// The month index (January 2004 = 1) of an mmyyyy text; 0 when it is not one.
int monthindex(const std::string& monthYear) {
    if (monthYear.size() != 6) return 0;
    for (char c : monthYear)
        if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
    int month = std::stoi(monthYear.substr(0, 2));
    int year = std::stoi(monthYear.substr(2));
    if (month < 1 || month > 12 || year < 2004) return 0;
    return (year - 2004) * 12 + month;
}

bool says(const char* log, std::string_view words) { return log != nullptr && std::string_view(log) == words; }

}  // namespace

const UpdateScenario* findscenario(std::string_view name) {
    for (const UpdateScenario& scenario : Scenarios)
        if (name == scenario.name) return &scenario;
    return nullptr;
}

const UpdateScenario* currentscenario(const std::string& qvtmp) {
    std::ifstream file(in(qvtmp, ScenarioFile), std::ios::binary);
    std::string name;
    if (!file || !std::getline(file, name)) return findscenario("newmonth");
    while (!name.empty() && (name.back() == '\r' || name.back() == ' ')) name.pop_back();
    return findscenario(name);
}

int updatestep(std::string_view step, const std::string& qvdir, const std::string& qvtmp,
               const std::vector<std::string>& arguments) {
    const UpdateScenario* scenario = currentscenario(qvtmp);
    if (scenario == nullptr) return 1;
    if (step == "getup") {
        leave(in(qvtmp, "getup.log"), scenario->getup);
    } else if (step == "runup") {
        leave(in(qvtmp, "runup.log"), scenario->runup);
    } else if (step == "appup") {
        // The appended month becomes the last month of all three data sets.
        int month = arguments.empty() ? 0 : monthindex(arguments[0]);
        if (month == 0) return 1;
        std::string lines;
        for (const char* set : {"vedu", "aviso", "reynolds"})
            lines += std::string("let ") + set + "_months = " + std::to_string(month) + "\r\n";
        extendends(qvdir, lines);
    } else if (step == "checkuprt") {
        leave(in(qvtmp, "checkupRT.log"), scenario->checkuprt);
        leave(in(qvtmp, "RG_VeduClim_Real_Time.txt"), scenario->realtimename);
    } else if (step == "getuprt") {
        leave(in(qvtmp, "getupRT.log"), scenario->getuprt);
        if (says(scenario->getuprt, "TRYG\nGOTG\nGOTN"))
            extendends(qvdir, std::string("let rt_time = \"") + FetchedRealTime + "\"\r\n");
    } else {
        return 1;
    }
    return 0;
}
