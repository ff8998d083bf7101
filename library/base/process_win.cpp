// process_win.cpp - starting programs and waiting for them (Win32).
#include <windows.h>

#include <string>

#include "base/os_internal.hpp"
#include "base/os_window_calls_win.hpp"

namespace {

bool start(const char* command, WORD show, PROCESS_INFORMATION& process) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show;
    std::string line(command);  // the system may write into the command line
    return CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE,
                          CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup,
                          &process) != 0;
}

// Waits for the process without a time-out: repaints are served, every other message of this
// thread is discarded, so windows stay drawn but take no input meanwhile.
int waitServingPaint(HANDLE process) {
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            if (message.message == WM_PAINT) DispatchMessageA(&message);
        const DWORD result = WaitForSingleObject(process, 100);
        if (result == WAIT_OBJECT_0) return 0;
        if (result == WAIT_FAILED) return static_cast<int>(GetLastError());
    }
}

int waitBlocking(HANDLE process, int timeoutSeconds) {
    const unsigned long long millis = static_cast<unsigned long long>(timeoutSeconds) * 1000ULL;
    const DWORD limit = millis >= INFINITE ? INFINITE - 1 : static_cast<DWORD>(millis);
    const DWORD result = WaitForSingleObject(process, limit);
    if (result == WAIT_OBJECT_0) return 0;
    if (result == WAIT_TIMEOUT) return -1;
    return static_cast<int>(GetLastError());
}

}  // namespace

void yycmnd(const char* command, bool hidden, bool wait, int timeoutSeconds, int& status) {
    PROCESS_INFORMATION process{};
    if (!start(command, hidden ? SW_HIDE : SW_SHOWNORMAL, process)) {
        status = static_cast<int>(GetLastError());
        return;
    }
    status = 0;
    if (wait)
        status = timeoutSeconds >= 0 ? waitBlocking(process.hProcess, timeoutSeconds)
                                     : waitServingPaint(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void yyexec(int& status, const char* command) {
    PROCESS_INFORMATION process{};
    if (!start(command, SW_SHOWNORMAL, process)) {
        status = static_cast<int>(GetLastError());
        return;
    }
    status = 0;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void yyclosewindows() { yyoswindowcalls().closeWindows(); }
