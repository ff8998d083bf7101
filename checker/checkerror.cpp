// checkerror.cpp - reads the plotting program's error file and keeps the checker's log.
#include "checkerror.hpp"

#include <cstdio>
#include <string>

#include "commandline.hpp"
#include "viewerfile.hpp"

namespace {

constexpr int StatusLength = 11;
constexpr std::string_view OutOfMemory = "ERRORMEMORY";

// One free-format log line: a leading blank, the items, CR LF. Nothing when there is no log.
void logline(std::FILE* log, std::string_view first, std::string_view second) {
    if (log == nullptr) return;
    std::string line = " ";
    line += first;
    line += second;
    line += "\r\n";
    std::fwrite(line.data(), 1, line.size(), log);
}

}  // namespace

bool readerrorstatus(std::FILE* file, std::string& status) {
    if (!readtextline(file, status, StatusLength)) return false;
    status.resize(StatusLength, ' ');
    return true;
}

const std::string_view MemoryAdvice =
    "Ferret error: Insufficient memory to complete this\r"
    "calculation. See ferret.log in the quorvale       \r"
    "temporary folder. Manually close the blank ferret \r"
    "window. If Create JPG is running, you must Cancel \r"
    "out of that popup window.";
const std::string_view MemoryAdviceTitle = "Ferret error";

bool checkferreterror(std::string_view folder, int folderLength) {
    Text<MaxViewerPath> logPath, errorPath;
    createfilename("\\krastel.log", logPath, folder, folderLength, 0);
    std::FILE* log = viewerfopen(logPath.os(), "wb");
    createfilename("\\ferreterror.log", errorPath, folder, folderLength, 0);
    logline(log, "filename=", errorPath.view());

    bool advice = false;
    if (std::FILE* errors = viewerfopen(errorPath.os(), "rb")) {
        std::string status;
        if (readerrorstatus(errors, status)) {
            logline(log, "CheckFerretError =", status);
            advice = status == OutOfMemory;
        } else {
            logline(log, "error reading ", errorPath.view());
        }
        std::fclose(errors);
    } else {
        logline(log, "error opening ", errorPath.view());
    }
    if (log != nullptr) std::fclose(log);
    return advice;
}
