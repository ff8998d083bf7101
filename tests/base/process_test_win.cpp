// process_test_win.cpp - running real batch files and a small child program, hidden or shown,
// waited for with and without a time-out, and the timed wait.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "base/errors.hpp"
#include "base/gravim.hpp"
#include "base/os.hpp"
#include "gui_driver_win.hpp"
#include "scratch.hpp"

namespace {

std::string windowsPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return "Z:" + path;
}

const std::string child = windowsPath(GRAV_CHILD_HELPER);

// A window that counts its repaints and a posted message.
struct Seen {
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
        if (message == WM_PAINT) ++paints;
        if (message == WM_USER + 1) ++posted;
        return DefWindowProcA(window, message, w, l);
    }
    static inline int paints = 0;
    static inline int posted = 0;
};

bool exists(const std::string& name) { return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES; }

class RunningPrograms : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        // sleeper.bat MS: sleeps, then leaves done.txt; report.bat ARGS: reports GRAVTEST_ENV and
        // its arguments (%1 keeps its quotes, %~2 loses them) to report.txt.
        batch("sleeper.bat", "@\"" + child + "\" sleep %1 done.txt\r\n");
        batch("report.bat", "@\"" + child + "\" echo report.txt GRAVTEST_ENV %1 %~2\r\n");
    }
    void TearDown() override { yyresetgravim(); }
    void batch(const std::string& name, const std::string& text) {
        std::ofstream(name, std::ios::binary) << text;
    }
    ScratchFolder folder;
};

TEST_F(RunningPrograms, HiddenStartWaitedForInheritsTheEnvironmentAndArguments) {
    IOsVariablePut("GRAVTEST_ENV", "from the parent");
    IOsCommand("report.bat \"two words\" \"un quoted\"", commandHidden | commandWait);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_EQ(readWholeFile("report.txt"), "GRAVTEST_ENV=from the parent\n[two words]\n[un]\n[quoted]\n");
    IOsVariablePut("GRAVTEST_ENV");
}

TEST_F(RunningPrograms, ShownStartWithoutWaitReturnsAtOnce) {
    const DWORD start = GetTickCount();
    IOsCommand("sleeper.bat 1500", 0);
    EXPECT_LT(GetTickCount() - start, 1200u);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_FALSE(exists("done.txt"));
    EXPECT_TRUE(pumpUntil([] { return exists("done.txt"); }, 10000));
}

TEST_F(RunningPrograms, TimeOutReturnsWhileTheProgramRunsOn) {
    const DWORD start = GetTickCount();
    IOsCommand("sleeper.bat 4000", commandHidden | commandWait, 1);
    const DWORD waited = GetTickCount() - start;
    EXPECT_EQ(WInfoError(1), 1034);
    EXPECT_GE(waited, 900u);
    EXPECT_LT(waited, 3500u);
    EXPECT_FALSE(exists("done.txt"));
    EXPECT_TRUE(pumpUntil([] { return exists("done.txt"); }, 10000));  // it kept running

    IOsCommand("sleeper.bat 2000", commandWait, 0);
    EXPECT_EQ(WInfoError(1), 1034);
}

TEST_F(RunningPrograms, WaitWithoutTimeOutServesRepaintsOnly) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Seen::procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "GravTestWaitWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("GravTestWaitWindow", "wait", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                200, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    pumpUntil([] { return false; }, 200);
    Seen::paints = 0;
    InvalidateRect(window, nullptr, TRUE);
    PostMessageA(window, WM_USER + 1, 0, 0);

    IOsCommand("sleeper.bat 600", commandHidden | commandWait);
    EXPECT_EQ(WInfoError(1), 0);
    EXPECT_TRUE(exists("done.txt"));
    EXPECT_GE(Seen::paints, 1);
    EXPECT_EQ(Seen::posted, 0);  // discarded while waiting
    DestroyWindow(window);
    UnregisterClassA("GravTestWaitWindow", windowClass.hInstance);
}

TEST_F(RunningPrograms, MissingProgramAndEmptyCommand) {
    IOsCommand("no_such_program_here.exe", commandWait);
    EXPECT_EQ(WInfoError(1), 13);
    EXPECT_EQ(WInfoError(3), ERROR_FILE_NOT_FOUND);
    IOsCommand("     ", commandWait);
    EXPECT_EQ(WInfoError(1), 0);
    IOsExecute("   ");
    EXPECT_EQ(WInfoError(1), 23);
}

TEST_F(RunningPrograms, TimedWait) {
    DWORD start = GetTickCount();
    IOsWait(0);
    IOsWait(-5);
    EXPECT_LT(GetTickCount() - start, 100u);
    start = GetTickCount();
    IOsWait(100);
    const DWORD waited = GetTickCount() - start;
    EXPECT_GE(waited, 950u);
    EXPECT_LT(waited, 2000u);
}

TEST_F(RunningPrograms, DeletingSkipsAReadOnlyFileAndReportsItOnce) {
    for (const char* name : {"a.tmp", "b.tmp", "c.tmp"}) std::ofstream(name) << "x";
    SetFileAttributesA("b.tmp", FILE_ATTRIBUTE_READONLY);
    IOsDeleteFile("*.tmp");
    EXPECT_EQ(WInfoError(1), 13);
    EXPECT_EQ(WInfoError(3), ERROR_ACCESS_DENIED);
    EXPECT_FALSE(exists("a.tmp"));
    EXPECT_TRUE(exists("b.tmp"));
    EXPECT_FALSE(exists("c.tmp"));
    SetFileAttributesA("b.tmp", FILE_ATTRIBUTE_NORMAL);
}

TEST_F(RunningPrograms, DriveRootsExist) {
    EXPECT_TRUE(IOsDirExists("C:\\"));
    EXPECT_TRUE(IOsDirExists("z:\\"));
    EXPECT_FALSE(IOsDirExists("Q:\\"));
}

}  // namespace
