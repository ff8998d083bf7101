// runlog.cpp - the viewer's run log, open from start-up to the program's end.
#include "runlog.hpp"

#include <cstdio>

#include "viewerfile.hpp"

namespace {
std::FILE* runLog = nullptr;
}

// Formatted into a buffer: string concatenation trips the 32-bit release build's overlap warning.
LogItem::LogItem(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, " %d", value);
    text_ = buffer;
}

LogItem::LogItem(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, " %.6g", value);
    text_ = buffer;
}

void runlogopen(const std::string& path) {
    runlogclose();
    runLog = viewerfopen(path, "wb");
}

void runlogwrite(std::initializer_list<LogItem> items) {
    if (runLog == nullptr) return;
    std::string line = " ";  // free-format lines begin with a blank
    for (const LogItem& item : items) line += item.text();
    line += "\r\n";
    std::fwrite(line.data(), 1, line.size(), runLog);
}

void runlogflush() {
    if (runLog != nullptr) std::fflush(runLog);
}

void runlogclose() {
    if (runLog != nullptr) std::fclose(runLog);
    runLog = nullptr;
}
