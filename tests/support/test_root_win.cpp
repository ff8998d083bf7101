// test_root_win.cpp - opening and closing the root window of a window test.
#include "test_root_win.hpp"

#include <windows.h>

#include <commctrl.h>

#include "base/gravim.hpp"
#include "base/startup.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal.hpp"

void openTestRoot(int flags, int x, int y, int width, int height, int menu, const int* toolbars) {
    yyresetgravim();
    WInitialise();
    WindowOpen(flags, x, y, width, height, menu, toolbars);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    gravim.events.wMessageType = 0;
    yyclearparked();
}

void closeTestRoot() {
    WindowClose();
    yyresetgravim();
}

std::string statusBarText(int n) {
    char text[256] = "";
    SendMessageA(wMessLine[n], SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    return text;
}
