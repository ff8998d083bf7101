// callback_guard_test_win.cpp - a window procedure whose work throws under the library's guard:
// the system gets the default answer, the failure is reported as a library error under the
// procedure's name, and the window and the program go on.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>

#include "base/callback_guard.hpp"
#include "base/errors.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"

namespace {

constexpr UINT ThrowNumber = WM_APP + 1;
constexpr UINT ThrowStandard = WM_APP + 2;
constexpr UINT Answer = WM_APP + 3;

int handled = 0;
std::string lastStatus;

LRESULT work(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case ThrowNumber: throw 42;  // not derived from std::exception
    case ThrowStandard: throw std::runtime_error("refused");
    case Answer: ++handled; return 7;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK guardedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "TestProc", [&] { return work(window, message, wParam, lParam); }, [] { return LRESULT{-5}; });
}

void throwingStatusBar(std::string_view line) {
    lastStatus = std::string(line);
    throw std::runtime_error("status bar gone");
}

class CallbackGuard : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        yyerroroutputs = {};
        WNDCLASSA cls{};
        cls.lpfnWndProc = guardedProc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.lpszClassName = "GuardTestWindow";
        RegisterClassA(&cls);
        window = CreateWindowA("GuardTestWindow", "guard", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                               cls.hInstance, nullptr);
        ASSERT_NE(window, nullptr);
        handled = 0;
    }
    void TearDown() override {
        DestroyWindow(window);
        UnregisterClassA("GuardTestWindow", GetModuleHandleA(nullptr));
        yyerroroutputs = {};
        yyresetgravim();
    }
    HWND window = nullptr;
};

TEST_F(CallbackGuard, AnySentExceptionGivesTheFallbackAndIsReported) {
    for (UINT message : {ThrowNumber, ThrowStandard}) {
        WInfoError(1);  // reading clears it
        EXPECT_EQ(SendMessageA(window, message, 0, 0), -5);
        EXPECT_EQ(WInfoError(1), CallbackFailedError);
    }
    EXPECT_EQ(SendMessageA(window, Answer, 0, 0), 7);
    EXPECT_EQ(handled, 1);
}

TEST_F(CallbackGuard, ADispatchedExceptionLeavesTheMessageLoopRunning) {
    PostMessageA(window, ThrowNumber, 0, 0);
    PostMessageA(window, Answer, 0, 0);
    MSG msg;
    while (PeekMessageA(&msg, window, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(WInfoError(1), CallbackFailedError);
}

TEST_F(CallbackGuard, AReportHookThatThrowsIsContainedToo) {
    yyerroroutputs.statusBar = throwingStatusBar;
    IDebugLevel(3);
    EXPECT_EQ(SendMessageA(window, ThrowStandard, 0, 0), -5);
    EXPECT_NE(lastStatus.find("TestProc"), std::string::npos);
    EXPECT_EQ(WInfoError(1), CallbackFailedError);
    EXPECT_EQ(SendMessageA(window, Answer, 0, 0), 7);
}

}  // namespace
