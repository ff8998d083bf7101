// wait_win.cpp - the timed wait behind IOsWait (Win32), serving every window message.
// With the root window open the wait ends on timer 999 of the root client area; before it opens
// (or after it closed) the wait keeps its own deadline, so a pause is a pause either way.
#include <windows.h>

#include "base/gravim.hpp"
#include "base/wait_internal.hpp"
#include "base/os_window_calls_win.hpp"

namespace {

// Dispatches one message; false for a quit request, which is left for the main loop.
bool dispatch(MSG& message) {
    if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return true;
}

void waitWithoutWindow(int hundredths) {
    const DWORD start = GetTickCount();
    const DWORD duration = static_cast<DWORD>(hundredths) * 10;
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            if (!dispatch(message)) return;
        const DWORD passed = GetTickCount() - start;
        if (passed >= duration) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, duration - passed, QS_ALLINPUT);
    }
}

}  // namespace

void yyendwait() { gravim.events.TimerEnabled = 0; }

void yywait(int hundredths) {
    if (hundredths < 1) return;
    const auto rootClient = yyoswindowcalls().rootClient;
    if (gravim.windows.rootOpen != 1 || rootClient() == nullptr) {
        waitWithoutWindow(hundredths);
        return;
    }
    const EventState& e = gravim.events;
    if (SetTimer(rootClient(), WaitTimerId, static_cast<UINT>(hundredths) * 10u, nullptr) == 0) return;
    gravim.events.TimerEnabled = 1;
    MSG message;
    // The client procedure clears TimerEnabled when timer 999 arrives; the events produced
    // meanwhile go to no one, but exposes and resizes are parked for the next WMessage. The root
    // window may close meanwhile, so its client area is asked for again after every message.
    while (e.TimerEnabled == 1 && rootClient() != nullptr) {
        if (GetMessageA(&message, nullptr, 0, 0) < 0) continue;
        if (!dispatch(message)) break;
    }
    if (e.TimerEnabled == 1 && rootClient() != nullptr) KillTimer(rootClient(), WaitTimerId);
    yyendwait();
}
