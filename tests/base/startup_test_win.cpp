// startup_test_win.cpp - whole start-up, one probe process per case: environment and options
// file in, home and character directories, file units, debug level, scratch names, hardcopy
// choices, command line and the version exit out.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "scratch.hpp"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

std::string windowsPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path.size() > 1 && path[1] == ':' ? path : "Z:" + path;
}

const std::string probe = windowsPath(GRAV_STARTUP_PROBE);
const std::string child = windowsPath(GRAV_CHILD_HELPER);

std::string substituted(std::string text, const std::string& dir) {
    for (std::size_t at; (at = text.find("{dir}")) != std::string::npos;) text.replace(at, 5, dir);
    return text;
}

struct ProbeCase {
    const char* title;
    Pairs environment;   // "{dir}" stands for the case's folder, with its separator
    Pairs files;         // created in the case's folder before the run
    std::string arguments;
    int exitCode;
    Pairs expected;      // report lines; "file:NAME" text the file holds; "wait:NAME" a file to come
};

// Runs the probe in folder with the case's environment; returns its exit code and report.
int runProbe(const ProbeCase& c, const std::string& dir, std::map<std::string, std::string>& report) {
    const char* controlled[] = {"GRAVIM", "DUDA", "GRAVINIT", "GRAVDEBUG", "TEMP", "TMP",
                                "GRAVPROBE_OUT", "GRAVPROBE_OPTIONS", "GRAVPROBE_TWICE",
                                "GRAVPROBE_EXECUTE", "GRAVPROBE_THROW"};
    Pairs saved;
    for (const char* name : controlled) {
        char value[1024] = "";
        const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
        saved.push_back({name, n > 0 ? value : "\x01"});
        SetEnvironmentVariableA(name, nullptr);
    }
    SetEnvironmentVariableA("TEMP", dir.c_str());
    SetEnvironmentVariableA("GRAVPROBE_OUT", (dir + "report.txt").c_str());
    for (const auto& [name, value] : c.environment)
        SetEnvironmentVariableA(name.c_str(), substituted(value, dir).c_str());

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = "startup_probe " + c.arguments;  // argument 0 as typed, not the full path
    DWORD code = 999;
    // Under Wine a process start now and then fails once for no reason of the case's (seen once
    // in a whole run, not again in isolation): the start is tried three times, each failure named
    // with the system's code; three failures leave the exit code 999 and the case fails.
    bool started = false;
    for (int attempt = 0; attempt < 3 && !started; ++attempt) {
        std::string commandLine = line;
        started = CreateProcessA(probe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 dir.c_str(), &startup, &process) != 0;
        if (!started) {
            std::fprintf(stderr, "%s: start %d of the probe failed with system code %lu\n", c.title,
                         attempt + 1, static_cast<unsigned long>(GetLastError()));
            Sleep(200);
        }
    }
    if (started) {
        if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 998);
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    for (const auto& [name, value] : saved)
        SetEnvironmentVariableA(name.c_str(), value == "\x01" ? nullptr : value.c_str());

    std::istringstream lines(readWholeFile(dir + "report.txt"));
    for (std::string entry; std::getline(lines, entry);) {
        const std::size_t equals = entry.find('=');
        if (equals != std::string::npos) report[entry.substr(0, equals)] = entry.substr(equals + 1);
    }
    return static_cast<int>(code);
}

const std::string crlfOptions = " debug = 3\r\nLFNPLOTI=44\r\nLFNGEN=44\r\nCHARDIR=  C:\\My Fonts\r\n"
                                "PRINTER NAME=3\r\nPLOTTER=12\r\nDB=2\r\n";

const ProbeCase cases[] = {
    {"defaults", {}, {}, "", 1,
     {{"home", ""}, {"chardir", ""}, {"charset", "standard.chr"}, {"lfngen", "40"}, {"lfnplot", "42"},
      {"debug", "0"}, {"plot", "{dir}kbn$$00.plt"}, {"dump", "{dir}kbn$$00.dmp"}, {"printer", "28"},
      {"plotter", "1"}, {"variant", "1"}, {"dumptarget", "10"}, {"display", "ok"}, {"separator", "\\"},
      {"editorstore", "ok"}, {"error", "0"}, {"argc", "0"}}},
    {"GRAVIM names the home", {{"GRAVIM", "D:\\lib"}}, {}, "", 1,
     {{"home", "D:\\lib\\"}, {"chardir", "D:\\lib\\charsets\\"}}},
    {"DUDA is cut at its own name", {{"DUDA", "c:\\tools\\Duda\\bin"}}, {}, "", 1,
     {{"home", "c:\\tools\\"}, {"chardir", "c:\\tools\\charsets\\"}}},
    {"GRAVIM wins over DUDA", {{"GRAVIM", "E:\\g\\"}, {"DUDA", "c:\\duda"}}, {}, "", 1,
     {{"home", "E:\\g\\"}}},
    {"options file with CR LF lines", {}, {{"gravim.ini", crlfOptions}}, "", 1,
     {{"debug", "3"}, {"lfnplot", "44"}, {"lfngen", "40"}, {"chardir", "C:\\My Fonts\\"},
      {"printer", "3"}, {"plotter", "1"}, {"variant", "2"}, {"dumptarget", "10"}, {"error", "0"}}},
    {"a printer type that implies the HP-GL/2 variant", {}, {{"gravim.ini", "PRINTER=29\r\n"}}, "", 1,
     {{"printer", "29"}, {"plotter", "1"}, {"variant", "3"}}},
    {"the plotter's variant wins over the printer type's", {},
     {{"gravim.ini", "PRINTER=29\r\nPLOTTER=12\r\n"}}, "", 1, {{"printer", "29"}, {"variant", "2"}}},
    {"HPGL2 wins over both", {}, {{"gravim.ini", "PRINTER=38\r\nPLOTTER=12\r\nHPGL2=4\r\n"}}, "", 1,
     {{"printer", "38"}, {"variant", "4"}}},
    {"GRAVINIT wins over gravim.ini here", {{"GRAVINIT", "{dir}other.ini"}},
     {{"gravim.ini", "PRINTER=3\r\n"}, {"other.ini", "PRINTER=7\r\n"}}, "", 1, {{"printer", "7"}}},
    {"GRAVINIT naming no file falls back", {{"GRAVINIT", "{dir}none.ini"}},
     {{"gravim.ini", "PRINTER=3\r\n"}}, "", 1, {{"printer", "3"}}},
    {"gravim.ini in the home directory", {{"GRAVIM", "{dir}home"}},
     {{"home/gravim.ini", "PRINTER=5\r\nCHARSET=greek.chr\r\n"}}, "", 1,
     {{"printer", "5"}, {"charset", "greek.chr"}, {"chardir", "{dir}home\\charsets\\"}}},
    {"the WInitialise argument wins", {{"GRAVPROBE_OPTIONS", "{dir}arg.ini"}},
     {{"gravim.ini", "PRINTER=3\r\n"}, {"arg.ini", "PRINTER=8\r\nHPGL2=4\r\n"}}, "", 1,
     {{"printer", "8"}, {"variant", "4"}}},
    {"GRAVDEBUG 2 logs conversion errors", {{"GRAVDEBUG", "2"}},
     {{"gravim.ini", "LFNGEN=abc\r\n"}}, "", 1,
     {{"debug", "2"}, {"lfngen", "40"}, {"error", "0"},
      {"file:debug", "Routine:IStringToInteger Error=  12:Invalid character detected"}}},
    {"GRAVDEBUG of two characters reads blank", {{"GRAVDEBUG", "33"}}, {}, "", 1,
     {{"debug", "0"}, {"error", "0"}}},
    {"a taken scratch number", {}, {{"kbn$$00.plt", "in use"}}, "", 1,
     {{"plot", "{dir}kbn$$01.plt"}, {"dump", "{dir}kbn$$00.dmp"}}},
    {"TMP when TEMP is blank", {{"TEMP", ""}, {"TMP", "{dir}tmp"}}, {}, "", 1,
     {{"plot", "{dir}tmp\\kbn$$00.plt"}}},
    {"a second call changes nothing", {{"GRAVIM", "D:\\lib"}, {"GRAVPROBE_TWICE", "1"}}, {}, "", 1,
     {{"home", "D:\\lib\\"}, {"debug", "0"}}},
    {"the version exit", {}, {{"gravim.ini", "PRINTER=4\r\nVER=\r\nPLOTTER=2\r\n"}}, "", 0,
     {{"boxtitle", "Gravimonder"}, {"boxtext", "Abnormal exit (code 0) : Gravimonder version 9.0c"},
      {"printer", "4"}, {"plotter", "2"}}},
    {"IOsExecute starts a program and ends this one",
     {{"GRAVPROBE_EXECUTE", "\"" + child + "\" sleep 10 {dir}started.txt"}}, {}, "", 0,
     {{"wait:started.txt", ""}}},
    {"IOsExecute of a missing program", {{"GRAVPROBE_EXECUTE", "no_such_program.exe"}}, {}, "", 2,
     {{"boxtext", "Abnormal exit (code 2) : Failed to execute program"}}},
    {"an exception ends the run with a stop box", {{"GRAVPROBE_THROW", "1"}}, {}, "", 3,
     {{"boxtext", "Abnormal exit (code 3) : Unhandled exception: probe failure"}}},
    {"command line words", {}, {}, "a \"b c\" \"\" d", 1,
     {{"argc", "3"}, {"arg0", probe}, {"arg1", "a"}, {"arg2", "b c"}, {"arg3", "d"}}},
    {"a missing closing quote", {}, {}, "x \"open end", 1,
     {{"argc", "2"}, {"arg1", "x"}, {"arg2", "open end"}}},
};

TEST(StartupProbe, EachCaseInItsOwnProcess) {
    for (const ProbeCase& c : cases) {
        ScratchFolder folder;
        const std::string dir = folder.path() + "\\";
        CreateDirectoryA((dir + "home").c_str(), nullptr);
        CreateDirectoryA((dir + "tmp").c_str(), nullptr);
        for (const auto& [name, content] : c.files) std::ofstream(dir + name, std::ios::binary) << content;

        std::map<std::string, std::string> report;
        EXPECT_EQ(runProbe(c, dir, report), c.exitCode) << c.title;
        for (const auto& [key, value] : c.expected) {
            if (key.rfind("wait:", 0) == 0) {
                const std::string name = dir + key.substr(5);
                bool found = false;
                for (int tries = 0; tries < 100 && !found; ++tries, Sleep(100))
                    found = GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
                EXPECT_TRUE(found) << c.title << ": " << key;
                continue;
            }
            if (key.rfind("file:", 0) == 0) {
                EXPECT_NE(readWholeFile(dir + key.substr(5)).find(value), std::string::npos)
                    << c.title << ": " << key;
                continue;
            }
            ASSERT_TRUE(report.count(key)) << c.title << ": no " << key;
            EXPECT_EQ(report[key], substituted(value, dir)) << c.title << ": " << key;
        }
    }
}

}  // namespace
