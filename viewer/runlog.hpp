// runlog.hpp - the viewer's run log QV_TMP\quorvale.log: free-format trace lines for support.
// Each line is its items in order: texts as they stand, numbers after one blank; CR LF ends it.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// One item of a log line.
class LogItem {
public:
    LogItem(std::string_view text) : text_(text) {}
    LogItem(const char* text) : text_(text) {}
    LogItem(const std::string& text) : text_(text) {}
    LogItem(int value);
    LogItem(double value);
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Creates the log, or rewrites it from its start; a log that cannot be opened takes no lines.
void runlogopen(const std::string& path);
// Writes one line. Lines reach the file as buffering allows, until runlogflush.
void runlogwrite(std::initializer_list<LogItem> items);
void runlogflush();
// Closes the log (the program's end does it otherwise; tests read it back).
void runlogclose();
