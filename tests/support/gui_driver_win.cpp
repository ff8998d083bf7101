// gui_driver_win.cpp - test helpers that answer boxes and dialogs and pump with a deadline.
#include "gui_driver_win.hpp"

#include <vector>

namespace {

struct Answerer {
    int buttonId = IDOK;
    std::string titlePart;
    int answered = 0;
    std::string lastTitle;
    std::string lastText;
    UINT_PTR timer = 0;
};
Answerer* active = nullptr;

std::string windowText(HWND window) {
    char buffer[1024] = "";
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

BOOL CALLBACK collectDialog(HWND window, LPARAM list) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32770" && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> threadDialogs() {
    std::vector<HWND> found;
    EnumThreadWindows(GetCurrentThreadId(), collectDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

void CALLBACK answerTick(HWND, UINT, UINT_PTR, DWORD) {
    if (active == nullptr) return;
    for (HWND dialog : threadDialogs()) {
        std::string title = windowText(dialog);
        if (!active->titlePart.empty() && title.find(active->titlePart) == std::string::npos) continue;
        if (GetPropA(dialog, "gravtest.answered") != nullptr) continue;
        SetPropA(dialog, "gravtest.answered", reinterpret_cast<HANDLE>(1));
        std::string text;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            char name[16] = "";
            GetClassNameA(child, name, sizeof name);
            if (std::string(name) == "Static") {
                if (!text.empty()) text += '\n';
                text += windowText(child);
            }
        }
        active->lastTitle = title;
        active->lastText = text;
        ++active->answered;
        HWND button = GetDlgItem(dialog, active->buttonId);
        if (button != nullptr)
            PostMessageA(button, BM_CLICK, 0, 0);
        else
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(active->buttonId, BN_CLICKED), 0);
    }
}

}  // namespace

AutoAnswer::AutoAnswer(int buttonId, std::string titlePart) {
    active = new Answerer;
    active->buttonId = buttonId;
    active->titlePart = std::move(titlePart);
    active->timer = SetTimer(nullptr, 0, 50, answerTick);
}

AutoAnswer::~AutoAnswer() {
    KillTimer(nullptr, active->timer);
    delete active;
    active = nullptr;
}

int AutoAnswer::answered() const { return active->answered; }
const std::string& AutoAnswer::lastTitle() const { return active->lastTitle; }
const std::string& AutoAnswer::lastText() const { return active->lastText; }

bool pumpUntil(const std::function<bool()>& done, int timeoutMs) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (static_cast<int>(GetTickCount() - start) >= timeoutMs) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

std::string visibleDialogTitles() {
    std::string titles;
    for (HWND dialog : threadDialogs()) {
        titles += '\'';
        titles += windowText(dialog);
        titles += "' ";
    }
    return titles;
}
