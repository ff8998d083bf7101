// wait_win.cpp - the timed wait behind IOsWait (Win32), serving every window message.
// Pumps this thread's queue directly until the event loop provides its root-window timer.
#include <windows.h>

#include "core/wait_internal.hpp"

void yywait(int hundredths) {
    const DWORD start = GetTickCount();
    const DWORD duration = static_cast<DWORD>(hundredths) * 10;
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));  // left for the main loop
                return;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        const DWORD passed = GetTickCount() - start;
        if (passed >= duration) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, duration - passed, QS_ALLINPUT);
    }
}
