// processtimes_posix.cpp - the process's processor times in the native build.
#include <sys/resource.h>

#include "processtimes.hpp"

void processtimes(double& total, double& user, double& kernel) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    user = static_cast<double>(usage.ru_utime.tv_sec) + static_cast<double>(usage.ru_utime.tv_usec) / 1.0e6;
    kernel = static_cast<double>(usage.ru_stime.tv_sec) + static_cast<double>(usage.ru_stime.tv_usec) / 1.0e6;
    total = user + kernel;
}
