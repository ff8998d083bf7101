// update_standin.hpp - the stand-in for the update server's tools: each update batch file leaves
// the status words of the scenario named in the scratch folder's standin-update.txt.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// What every update step of one scenario leaves behind. A log of nullptr is not written (an
// older one is removed); lines are separated by "\n" and written with CR LF.
struct UpdateScenario {
    const char* name;
    const char* getup;         // getup.log of qvGetUp.bat
    const char* runup;         // runup.log of qvRunUp.bat
    const char* checkuprt;     // checkupRT.log of qvCheckUpRT.bat
    const char* realtimename;  // RG_VeduClim_Real_Time.txt of qvCheckUpRT.bat
    const char* getuprt;       // getupRT.log of qvGetUpRT.bat
};

// The scenario file in the scratch folder; its first line names the scenario.
constexpr const char* ScenarioFile = "standin-update.txt";
// The plotting program's script of the data sets' ends that the append and the real-time fetch
// extend (in QV_DIR\ferret\TMAP\go, run by GetDates.jnl).
constexpr const char* DataEndsScript = "fer_update_ends.jnl";
// The time stamp of a real-time file fetched by the stand-in.
constexpr const char* FetchedRealTime = "10-DEC-2012";

// The scenario of that name, or nullptr.
const UpdateScenario* findscenario(std::string_view name);
// The scenario the scratch folder's file names; "newmonth" when there is no file.
const UpdateScenario* currentscenario(const std::string& qvtmp);

// Runs one step for the folders: "getup", "runup", "appup" (argument mmyyyy), "checkuprt" or
// "getuprt". Returns 0, or 1 for an unknown step, scenario or argument.
int updatestep(std::string_view step, const std::string& qvdir, const std::string& qvtmp,
               const std::vector<std::string>& arguments);
