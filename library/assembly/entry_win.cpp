// entry_win.cpp - the process entry: assembles the library, runs the program's main routine and
// ends the run. Alone in its file so that test programs with their own main do not pull it in.
#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>

#include "assembly/assemble.hpp"
#include "base/os.hpp"
#include "base/startup.hpp"

namespace {

// Shows the failure and ends the process: no exception may leave WinMain.
LONG WINAPI reportException(EXCEPTION_POINTERS* exception) {
    char text[96];
    std::snprintf(text, sizeof text, "Unhandled exception 0x%08lX",
                  exception != nullptr && exception->ExceptionRecord != nullptr
                      ? static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode)
                      : 0UL);
    IOsExitProgram(text, 3);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    SetUnhandledExceptionFilter(reportException);
    try {
        yyassemblelibrary();
        applicationMain();
    } catch (const std::exception& failure) {
        IOsExitProgram(std::string("Unhandled exception: ") + failure.what(), 3);
    } catch (...) {
        IOsExitProgram("Unhandled exception", 3);
    }
    // Returning hands the code to the run-time, which flushes and closes the open files.
    std::fflush(nullptr);
    return 1;
}
