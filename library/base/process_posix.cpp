// process_posix.cpp - native stand-in for starting programs: the command runs under /bin/sh.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "base/os_internal.hpp"

extern char** environ;

namespace {

int startShell(const char* command, pid_t& child) {
    char shell[] = "/bin/sh";
    char flag[] = "-c";
    char* arguments[] = {shell, flag, const_cast<char*>(command), nullptr};
    return posix_spawn(&child, shell, nullptr, nullptr, arguments, environ);
}

}  // namespace

void yycmnd(const char* command, bool, bool wait, int timeoutSeconds, int& status) {
    pid_t child = 0;
    status = startShell(command, child);
    if (status != 0 || !wait) return;
    // Polls every 10 ms; a program left running after a time-out is not waited for again.
    for (long waited = 0; timeoutSeconds < 0 || waited < timeoutSeconds * 1000L; waited += 10) {
        const pid_t done = waitpid(child, nullptr, WNOHANG);
        if (done == child) return;
        if (done < 0) {
            status = errno;
            return;
        }
        usleep(10000);
    }
    status = waitpid(child, nullptr, WNOHANG) == child ? 0 : -1;
}

void yyexec(int& status, const char* command) {
    pid_t child = 0;
    status = startShell(command, child);
}

void yyclosewindows() {}
