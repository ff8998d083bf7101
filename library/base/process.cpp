// process.cpp - running programs, replacing this program by another one, and waiting.
#include <string>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "base/os.hpp"
#include "base/os_internal.hpp"
#include "base/wait_internal.hpp"

void IOsCommand(std::string_view command, int flags, int timeoutSeconds) {
    const std::string line(trimRight(command));
    if (line.empty()) return;
    int status = 0;
    yycmnd(line.c_str(), (flags & commandHidden) != 0, (flags & commandWait) != 0,
           timeoutSeconds < 0 ? -1 : timeoutSeconds, status);
    if (status == -1)
        yyerror(1034, "IOsCommand");
    else if (status != 0)
        yyoserror(status, "IOsCommand");
}

void IOsExecute(std::string_view command) {
    const std::string line(trimRight(command));
    if (line.empty()) {
        yyerror(23, "IOsExecute");
        return;
    }
    yyclosewindows();
    int status = 0;
    yyexec(status, line.c_str());
    if (status == 0) IOsExitProgram("", 0);
    IOsExitProgram("Failed to execute program", 2);
}

void IOsWait(int hundredths) {
    if (hundredths >= 1) yywait(hundredths);
}
