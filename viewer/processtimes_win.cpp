// processtimes_win.cpp - the process's processor times from the operating system.
#include <windows.h>

#include "processtimes.hpp"

namespace {
double seconds(const FILETIME& time) {
    ULARGE_INTEGER ticks;
    ticks.LowPart = time.dwLowDateTime;
    ticks.HighPart = time.dwHighDateTime;
    return static_cast<double>(ticks.QuadPart) / 1.0e7;  // 100-ns units
}
}  // namespace

void processtimes(double& total, double& user, double& kernel) {
    FILETIME created, ended, kernelTime, userTime;
    user = kernel = 0.0;
    if (GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernelTime, &userTime)) {
        user = seconds(userTime);
        kernel = seconds(kernelTime);
    }
    total = user + kernel;
}
