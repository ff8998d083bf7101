// os_layer_posix.cpp - native stand-ins of the operating-system layer, so that the portable
// routines above it build and run under the sanitizers. Backslashes in names become slashes.
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>

#include "base/os_internal.hpp"

const int yyosfilenotfound = ENOENT;
const int yyosnomorefiles = ENODATA;
const int yyosnametoolong = ENAMETOOLONG;
const int yyosinvalidargument = EINVAL;
const int yyosfileexists = EEXIST;
const int yyosdiskfull = ENOSPC;

std::string yynativename(const char* name) {
    std::string path(name);
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

namespace {

void copyOut(const char* text, char* buffer, int size) {
    if (size > 0) std::snprintf(buffer, static_cast<std::size_t>(size), "%s", text);
}

int attributesOf(const struct stat& status) {
    int attributes = S_ISDIR(status.st_mode) ? attributeDirectory : 0x20;
    if ((status.st_mode & S_IWUSR) == 0) attributes |= attributeReadOnly;
    return attributes;
}

struct tm localTime(time_t when) {
    struct tm parts {};
    localtime_r(&when, &parts);
    return parts;
}

// An open search: the folder, the pattern and the entries still to look at.
struct PosixSearch {
    DIR* folder = nullptr;
    std::string directory;  // with its trailing slash, or empty
    std::string pattern;
};

}  // namespace

int yygetenv(const char* name, char* buffer, int size) {
    buffer[0] = '\0';
    const char* value = std::getenv(name);
    if (value == nullptr) return 0;
    const int length = static_cast<int>(std::strlen(value));
    if (length >= size) return length + 1;
    copyOut(value, buffer, size);
    return length;
}

int yyputenv(const char* name, const char* value) { return setenv(name, value, 1) == 0 ? 0 : errno; }

void yydate(int& year, int& month, int& day) {
    const struct tm now = localTime(std::time(nullptr));
    year = now.tm_year + 1900;
    month = now.tm_mon + 1;
    day = now.tm_mday;
}

void yytime(int& hour, int& minute, int& second, int& milliseconds) {
    struct timeval now {};
    gettimeofday(&now, nullptr);
    const struct tm parts = localTime(now.tv_sec);
    hour = parts.tm_hour;
    minute = parts.tm_min;
    second = parts.tm_sec;
    milliseconds = static_cast<int>(now.tv_usec / 1000);
}

void yyosver(int& major, int& minor) {
    major = 6;
    minor = 1;
}

int yywinvariant() { return 4; }

int yydirc(const char* name) { return chdir(yynativename(name).c_str()) == 0 ? 0 : errno; }
int yydird(const char* name) { return rmdir(yynativename(name).c_str()) == 0 ? 0 : errno; }
int yydirm(const char* name) { return mkdir(yynativename(name).c_str(), 0777) == 0 ? 0 : errno; }

int yydirn(char* buffer, int size, bool& tooLong) {
    tooLong = false;
    buffer[0] = '\0';
    if (getcwd(buffer, static_cast<std::size_t>(size)) != nullptr) return 0;
    if (errno != ERANGE) return errno;
    tooLong = true;
    return 0;
}

int yydelf(const char* name) { return unlink(yynativename(name).c_str()) == 0 ? 0 : errno; }
int yyrename(const char* from, const char* to) {
    return std::rename(yynativename(from).c_str(), yynativename(to).c_str()) == 0 ? 0 : errno;
}

int yycopyf(const char* from, const char* to) {
    std::ifstream in(yynativename(from), std::ios::binary);
    if (!in) return ENOENT;
    std::ofstream out(yynativename(to), std::ios::binary | std::ios::trunc);
    if (!out) return EACCES;
    out << in.rdbuf();
    return out ? 0 : EIO;
}

int yyfileattr(const char* name, int attributes) {
    const mode_t mode = (attributes & attributeReadOnly) != 0 ? 0444 : 0644;
    return chmod(yynativename(name).c_str(), mode) == 0 ? 0 : errno;
}

void yyfileinfo(const char* name, int info[9]) {
    std::intptr_t search = 0;
    FindMatch match;
    const int code = yyfind(search, name, match);
    std::string path;
    if (code == 0) {
        const std::string pattern = yynativename(name);
        const std::size_t slash = pattern.rfind('/');
        path = (slash == std::string::npos ? std::string() : pattern.substr(0, slash + 1)) + match.name;
    }
    yyfindclose(search);
    struct stat status {};
    if (code != 0 || stat(path.c_str(), &status) != 0) {
        info[0] = -1;
        return;
    }
    const struct tm when = localTime(status.st_mtime);
    info[0] = static_cast<int>(status.st_size);
    info[1] = when.tm_year + 1900;
    info[2] = when.tm_mon + 1;
    info[3] = when.tm_mday;
    info[4] = when.tm_hour;
    info[5] = when.tm_min;
    info[6] = when.tm_sec;
    info[7] = attributesOf(status);
    info[8] = static_cast<int>((status.st_size + 1023) / 1024);
}

int yyfind(std::intptr_t& search, const char* pattern, FindMatch& match) {
    PosixSearch* state = reinterpret_cast<PosixSearch*>(search);
    if (state == nullptr) {
        const std::string path = yynativename(pattern);
        const std::size_t slash = path.rfind('/');
        auto* fresh = new PosixSearch;
        fresh->directory = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
        fresh->pattern = slash == std::string::npos ? path : path.substr(slash + 1);
        fresh->folder = opendir(fresh->directory.empty() ? "." : fresh->directory.c_str());
        if (fresh->folder == nullptr) {
            const int code = errno;
            delete fresh;
            return code;
        }
        search = reinterpret_cast<std::intptr_t>(fresh);
        state = fresh;
        const int first = yyfind(search, pattern, match);
        return first == yyosnomorefiles ? yyosfilenotfound : first;
    }
    while (const dirent* entry = readdir(state->folder)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (fnmatch(state->pattern.c_str(), name.c_str(), FNM_CASEFOLD) != 0) continue;
        struct stat status {};
        if (stat((state->directory + name).c_str(), &status) != 0) continue;
        match.name = name;
        match.attributes = attributesOf(status);
        const struct tm when = localTime(status.st_mtime);
        match.dosDateTime = (static_cast<unsigned>(when.tm_year - 80) << 25) |
                            (static_cast<unsigned>(when.tm_mon + 1) << 21) |
                            (static_cast<unsigned>(when.tm_mday) << 16) |
                            (static_cast<unsigned>(when.tm_hour) << 11) |
                            (static_cast<unsigned>(when.tm_min) << 5) |
                            static_cast<unsigned>(when.tm_sec / 2);
        match.size = status.st_size;
        return 0;
    }
    return yyosnomorefiles;
}

void yyfindclose(std::intptr_t& search) {
    auto* state = reinterpret_cast<PosixSearch*>(search);
    if (state != nullptr) {
        closedir(state->folder);
        delete state;
    }
    search = 0;
}

unsigned yydisk(const char*) { return 0; }
int yydrivetype(const char*) { return 1; }
int yydspace() { return 2147155968; }
int yydspacemb() { return 4096; }

void yygetcl(char* buffer, int size) {
    // The arguments of /proc/self/cmdline joined by blanks, as a Windows command line reads.
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    std::string line((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    while (!line.empty() && line.back() == '\0') line.pop_back();
    for (char& c : line)
        if (c == '\0') c = ' ';
    copyOut(line.c_str(), buffer, size);
}

void yygetexe(char* buffer, int size) {
    if (size <= 0) return;
    const ssize_t n = readlink("/proc/self/exe", buffer, static_cast<std::size_t>(size - 1));
    buffer[n > 0 ? n : 0] = '\0';
}

void yyusername(char* buffer, int size, bool& tooLong) {
    const char* name = std::getenv("USER");
    if (name == nullptr) name = "";
    tooLong = std::strlen(name) + 1 > static_cast<std::size_t>(size);
    copyOut(name, buffer, size);
}

int yyerrorstr(int code, char* buffer, int size) {
    copyOut(std::strerror(code), buffer, size);
    return static_cast<int>(std::strlen(buffer));
}

int yyfullpathname(const char* name, char* buffer, int size) {
    char resolved[4096];
    if (realpath(yynativename(name).c_str(), resolved) == nullptr) return errno;
    if (std::strlen(resolved) + 1 > static_cast<std::size_t>(size)) return yyosnametoolong;
    copyOut(resolved, buffer, size);
    return 0;
}

int yyassocexe(const char*, char*, int) { return 1; }

int yygetfiletime(const char* name, unsigned times[6]) {
    struct stat status {};
    if (stat(yynativename(name).c_str(), &status) != 0) return errno;
    // 100-nanosecond units since 1601, as the system's file times count.
    const time_t seconds[3] = {status.st_ctime, status.st_atime, status.st_mtime};
    for (int i = 0; i < 3; ++i) {
        const unsigned long long units = (static_cast<unsigned long long>(seconds[i]) + 11644473600ULL) * 10000000ULL;
        times[2 * i] = static_cast<unsigned>(units & 0xffffffffU);
        times[2 * i + 1] = static_cast<unsigned>(units >> 32);
    }
    return 0;
}

int yysetfiletime(const char*, const unsigned*) { return EINVAL; }

int yygetmeasure() { return 2; }

void yywinmessagebox(const char* text, const char* title) {
    std::fprintf(stderr, "%s: %s\n", title, text);
}

void yyexitprogram(int code) {
    std::fflush(nullptr);
    std::exit(code);
}
