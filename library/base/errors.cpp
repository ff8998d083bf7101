// errors.cpp - the common error reporter, the error slots, the debug level and the debug log.
// Library routines return no status: they call yyerror, which records the number and reports it.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/error_table.hpp"
#include "base/errors.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"

ErrorReportOutputs yyerroroutputs;

char cSqlState[6] = "";
char cSqlMsg[506] = "";

namespace {

constexpr std::size_t reportLength = 300;
constexpr std::size_t systemTextLength = 512;

// The debug log: created on first use under the first name that works, then kept open for the
// run. A run whose three names all fail logs nothing.
std::FILE* debugLog = nullptr;
bool debugLogOpened = false;

// WInfoError's answer for a slot number it does not know: its previous answer.
int previousSlotAnswer = 0;

void writeLog(const char* bytes, std::size_t count) {
    yydebugopen();
    if (debugLog == nullptr) return;
    std::fwrite(bytes, 1, count, debugLog);
    std::fflush(debugLog);  // straight to the file, so the log survives a crash
}

// Stores value at 1-based position pos of a text, cut at its end.
void put(TextRef text, std::size_t pos, std::string_view value) {
    if (pos < 1 || pos > text.size()) return;
    std::size_t room = text.size() - (pos - 1);
    std::size_t n = value.size() < room ? value.size() : room;
    for (std::size_t i = 0; i < n; ++i) text[pos - 1 + i] = value[i];
}

bool isInternalName(std::string_view name) {
    if (name.size() < 2) return false;
    std::string_view pair = name.substr(0, 2);
    return pair == "YY" || pair == "yy" || pair == "XX" || pair == "xx";
}

// The operating-system text of a code, with its line end and any other line breaks turned into
// blanks, so that it reads as the tail of a one-line report.
std::string oneLineSystemText(int code, int type) {
    Text<systemTextLength> detail;
    WInfoErrorMessage(code, detail, type);
    std::string line(detail.trimmed());
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    return std::string(trimRight(line));
}

// The detail appended to the reports of some error numbers; empty when it gets none.
bool detailFor(int number, std::string& detail) {
    const CoreState& core = gravim.core;
    switch (number) {
    case 1:
    case 2:
        if (core.errorCategory != 2) return false;
        detail = oneLineSystemText(core.fileStatus, 2);
        return true;
    case 13:
    case 1072:
    case 1084: detail = oneLineSystemText(core.osStatus, 2); return true;
    case 1035: detail = oneLineSystemText(core.osStatus, 4); return true;
    case 1044: detail = std::string(yycompressiontext(core.osStatus)); return true;
    case 1083: detail = std::string(yymailtext(core.osStatus)); return true;
    case 1106:
    case 1108: {
        Text<systemTextLength> text;
        WInfoErrorMessage(core.osStatus, text, 5);
        detail = std::string(text.trimmed());
        return true;
    }
    default: return false;
    }
}

// Cancel in the box ends the program with exit code 0. A box that could not be shown is not an
// answer: the program goes on rather than ending silently.
void showErrorBox(std::string_view text) {
    if (yyerroroutputs.messageBox == nullptr) return;
    if (yyerroroutputs.messageBox(text) != 0) return;
    if (yyerroroutputs.exitProgram != nullptr) yyerroroutputs.exitProgram(0);
    std::exit(0);
}

}  // namespace

void yyseterror(int number) { gravim.core.lastError = number; }

void yyseterroroutputs(void (*statusBar)(std::string_view line), int (*messageBox)(std::string_view text)) {
    yyerroroutputs.statusBar = statusBar;
    yyerroroutputs.messageBox = messageBox;
}

void yysetfilestatus(int status, int category) {
    gravim.core.fileStatus = status;
    gravim.core.errorCategory = category;
}

void yyseterrorcategory(int category) { gravim.core.errorCategory = category; }

void yysetosstatus(int code) { gravim.core.osStatus = code; }

void yyerror(int number, std::string_view routine) {
    yyseterror(number);
    CoreState& core = gravim.core;
    if (core.debugLevel <= 0) return;

    // Reporting runs at level 0, so a failure inside it is recorded but never reported.
    const int level = core.debugLevel;
    const int reported = core.lastError;
    core.debugLevel = 0;

    Text<reportLength> line;
    const std::string_view name = trimRight(routine);
    const bool internal = isInternalName(name);
    put(line, 1, internal ? "Internal routine:" : "Routine:");
    // A name too long for the line is cut so that the error number still fits.
    const std::size_t namePos = internal ? 18 : 9;
    put(line, namePos, name.substr(0, reportLength - (namePos - 1) - 12));
    const std::size_t l1 = line.used();
    put(line, l1 + 1, " Error=    :");
    const std::size_t l2 = line.used();
    char digits[16];
    std::snprintf(digits, sizeof digits, "%4d", reported);
    put(line, l2 - 4, std::string_view(digits).size() > 4 ? "****" : digits);
    put(line, l2 + 1, yyerrortext(reported));

    std::string detail;
    const std::size_t length = line.used();
    if (length < reportLength - 2 && detailFor(reported, detail)) {
        put(line, length + 1, ":");
        put(line, length + 3, detail);
    }
    const std::string_view report = line.trimmed();

    switch (level) {
    case 1:
        std::printf(" %.*s\n", static_cast<int>(report.size()), report.data());
        std::fflush(stdout);
        break;
    case 2: IDebug(report); break;
    case 3:
        if (yyerroroutputs.statusBar != nullptr) yyerroroutputs.statusBar(report);
        break;
    case 4: {
        std::string text(report.substr(0, l1));
        text += '\r';
        text += report.substr(l1 + 1, l2 - 1 - (l1 + 1));
        text += '\r';
        if (report.size() > l2) text += report.substr(l2);
        showErrorBox(text);
        break;
    }
    default: break;
    }

    core.debugLevel = level;
    core.lastError = reported;
}

int WInfoError(int slot) {
    CoreState& core = gravim.core;
    int& previous = previousSlotAnswer;
    switch (slot) {
    case 1: previous = core.lastError; core.lastError = 0; break;
    case 2: previous = core.fileStatus; core.fileStatus = 0; break;
    case 3: previous = core.osStatus; core.osStatus = 0; break;
    case 4: previous = core.debugLevel; break;
    case 5: previous = core.errorCategory; break;
    default: break;
    }
    return previous;
}

void IDebugLevel(int level) {
    if (level >= 0 && level <= 4) gravim.core.debugLevel = level;
}

void IDebug(std::string_view text) {
    std::string line(text.substr(0, text.find('\0')));
    yydebugc(line.c_str());
}

void yydebug(const char* text) { yydebugc(text); }

void yydebugc(const char* text) {
    writeLog(text, std::char_traits<char>::length(text));
    writeLog("\r\n", 2);
}

void yydebugi(const char* name, int value) {
    // name=value and CR LF in one write of less than 100 characters; a long name is cut.
    char tail[24];
    const int tailLength = std::snprintf(tail, sizeof tail, "=%d\r\n", value);
    char line[100];
    const int room = static_cast<int>(sizeof line) - 1 - tailLength;
    const int length = std::snprintf(line, sizeof line, "%.*s%s", room, name, tail);
    writeLog(line, static_cast<std::size_t>(length));
}

void yydebugopen() {
    if (debugLogOpened) return;
    debugLogOpened = true;
    for (const char* name : {"debug", "debug.txt", "debug.dat"}) {
        debugLog = std::fopen(name, "wb");
        if (debugLog != nullptr) return;
    }
}

void yydebugreset() {
    if (debugLog != nullptr) std::fclose(debugLog);
    debugLog = nullptr;
    debugLogOpened = false;
}

void yyreseterrors() {
    yydebugreset();
    previousSlotAnswer = 0;
}

ErrorSilence::ErrorSilence() : savedError_(gravim.core.lastError), savedLevel_(gravim.core.debugLevel) {
    gravim.core.debugLevel = 0;
}

ErrorSilence::~ErrorSilence() {
    gravim.core.lastError = savedError_;
    gravim.core.debugLevel = savedLevel_;
}

void WInfoErrorMessage(int number, TextRef text, int type) {
    switch (type) {
    case 1: text.assign(yyerrortext(number)); break;
    case 2:
    case 4: {
        char work[systemTextLength] = "";
        if (number != 0) yyossystemmessage(number, work, static_cast<int>(sizeof work));
        work[systemTextLength - 1] = '\0';
        text.assign(work);
        break;
    }
    case 3: text.assign(yycompressiontext(number)); break;
    case 5: {
        // The state (five characters and its NUL, the NUL then blanked), then the message; the
        // text ends at the first NUL, so an empty state gives a blank text.
        char work[systemTextLength];
        std::fill(work, work + systemTextLength, ' ');
        std::size_t state = std::min(std::char_traits<char>::length(cSqlState), std::size_t{5});
        std::copy(cSqlState, cSqlState + state, work);
        work[state] = '\0';
        work[5] = ' ';
        std::size_t message = std::min(std::char_traits<char>::length(cSqlMsg), std::size_t{505});
        std::copy(cSqlMsg, cSqlMsg + message, work + 6);
        work[6 + message] = '\0';
        text.assign(std::string_view(work, std::find(work, work + systemTextLength, '\0') - work));
        break;
    }
    case 6: text.assign(yymailtext(number)); break;
    default: break;
    }
}
