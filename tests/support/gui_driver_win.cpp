// gui_driver_win.cpp - test helpers that answer boxes and dialogs and pump with a deadline.
#include "gui_driver_win.hpp"

#include <commctrl.h>

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

struct AutoAct::State {
    std::string titlePart;
    std::function<void(HWND)> action;
    int acted = 0;
    UINT_PTR timer = 0;
    std::vector<HWND> done;
};

namespace {

std::vector<AutoAct::State*>& actors() {
    static std::vector<AutoAct::State*> list;
    return list;
}

void CALLBACK actTick(HWND, UINT, UINT_PTR timer, DWORD) {
    for (AutoAct::State* state : actors()) {
        if (state->timer != timer) continue;
        for (HWND dialog : threadDialogs()) {
            if (windowText(dialog).find(state->titlePart) == std::string::npos) continue;
            bool seen = false;
            for (HWND d : state->done) seen = seen || d == dialog;
            if (seen) continue;
            state->done.push_back(dialog);
            ++state->acted;
            state->action(dialog);  // may run a nested loop: the state stays valid while alive
            return;
        }
    }
}

struct ClassSearch {
    const char* name;
    HWND found;
};

BOOL CALLBACK matchClass(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<ClassSearch*>(data);
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, search->name) == 0 && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

AutoAct::AutoAct(std::string titlePart, std::function<void(HWND)> action) : state_(new State) {
    state_->titlePart = std::move(titlePart);
    state_->action = std::move(action);
    actors().push_back(state_);
    state_->timer = SetTimer(nullptr, 0, 50, actTick);
}

AutoAct::~AutoAct() {
    KillTimer(nullptr, state_->timer);
    auto& list = actors();
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (*it == state_) {
            list.erase(it);
            break;
        }
    }
    delete state_;
}

int AutoAct::acted() const { return state_->acted; }

HWND findChildOfClass(HWND parent, const char* className) {
    ClassSearch search{className, nullptr};
    EnumChildWindows(parent, matchClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void pressKeys(std::initializer_list<WORD> keys, bool shift, bool control) {
    std::vector<INPUT> in;
    auto push = [&](WORD vk, bool up) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        in.push_back(i);
    };
    if (shift) push(VK_SHIFT, false);
    if (control) push(VK_CONTROL, false);
    for (WORD vk : keys) {
        push(vk, false);
        push(vk, true);
    }
    if (control) push(VK_CONTROL, true);
    if (shift) push(VK_SHIFT, true);
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

void typeKeys(const char* text) {
    for (const char* p = text; *p != '\0'; ++p) {
        const SHORT vk = VkKeyScanA(*p);
        pressKeys({static_cast<WORD>(vk & 0xFF)}, (vk & 0x100) != 0);
    }
}

void clickAt(POINT point) {
    SetCursorPos(point.x, point.y);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
}

std::vector<std::string> menuTexts(HMENU menu) {
    std::vector<std::string> texts;
    for (int k = 0; k < GetMenuItemCount(menu); ++k) {
        char text[128] = "";
        const UINT state = GetMenuState(menu, static_cast<UINT>(k), MF_BYPOSITION);
        GetMenuStringA(menu, static_cast<UINT>(k), text, sizeof text, MF_BYPOSITION);
        texts.push_back((state & MF_SEPARATOR) && !(state & MF_POPUP) ? "-" : text);
    }
    return texts;
}

std::vector<int> buttonIds(HWND toolbar) {
    std::vector<int> ids;
    const int count = static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int k = 0; k < count; ++k) {
        TBBUTTON button = {};
        SendMessageA(toolbar, TB_GETBUTTON, static_cast<WPARAM>(k), reinterpret_cast<LPARAM>(&button));
        ids.push_back(button.fsStyle & BTNS_SEP ? 0 : button.idCommand);
    }
    return ids;
}
