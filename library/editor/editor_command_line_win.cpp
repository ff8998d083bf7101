// editor_command_line_win.cpp - the command line below an editor's text: its typing (Enter
// raises the command event and records the history, Escape empties the line, Tab returns to the
// text, Up and Down walk the history), its prompt, and the application's access to the line and
// its history.
#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/callback_guard.hpp"
#include "windows/events.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "editor/editor_record_win.hpp"
#include "editor/editor_rules.hpp"
#include "editor/editor_text.hpp"

namespace {

constexpr int CommandTextLimit = 32767;

bool hasHistory(const EditorWindowRecord& r) { return r.CommandLine != 0 && r.CommandLine != r.CommandEdit; }

// The editor frame a command edit belongs to (the edit of a combo box lies one level deeper).
HWND frameOfEdit(HWND edit) {
    for (HWND w = GetParent(edit); w != nullptr; w = GetParent(w))
        if (yyeditrecord(w) != nullptr) return w;
    return nullptr;
}

WNDPROC ownProcedure(HWND edit) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_USERDATA)); }

LRESULT callOwn(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC own = ownProcedure(edit);
    return own != nullptr ? CallWindowProcA(own, edit, message, wParam, lParam) : DefWindowProcA(edit, message, wParam, lParam);
}

// Runs an action with the edit's own procedure installed, and the subclass again afterwards.
template <class Action>
auto withoutSubclass(HWND edit, Action action) {
    const WNDPROC own = ownProcedure(edit);
    if (own != nullptr) SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
    struct Reinstall {
        HWND edit;
        bool on;
        ~Reinstall() {
            if (on && IsWindow(edit)) SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yyEditSubCommand));
        }
    } reinstall{edit, own != nullptr};
    return action();
}

std::string windowText(HWND window, int limit) {
    const int length = std::min(GetWindowTextLengthA(window), limit);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    const int got = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return text;
}

std::string historyEntry(HWND combo, int index) {
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR || length < 0) return {};
    std::string entry(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT got = SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(got == CB_ERR ? 0 : static_cast<std::size_t>(std::min<LRESULT>(got, length)));
    return entry;
}

std::vector<std::string> historyEntries(HWND combo) {
    std::vector<std::string> entries;
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int k = 0; k < count; ++k) entries.push_back(historyEntry(combo, k));
    return entries;
}

void statusText(const EditorWindowRecord& r, int part, const char* text) {
    if (HWND bar = editorWindow(r.StatusBar)) SendMessageA(bar, SB_SETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
}

void enterPressed(HWND edit, HWND frame, EditorWindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam) {
    yyinterpretmessage(EvCommandLine, 0, 0, 0, frame);
    if (!hasHistory(r)) return;
    HWND combo = editorWindow(r.CommandLine);
    if (SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0)) callOwn(edit, message, wParam, lParam);
    const std::string line = windowText(edit, CommandTextLimit);
    if (line.find_first_not_of(' ') == std::string::npos) return;
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    const HistoryEnter action = yyedithistoryenter(line, count > 0 ? historyEntry(combo, 0) : std::string(), count);
    if (action.dropOldest) SendMessageA(combo, CB_DELETESTRING, EditorHistoryLimit - 1, 0);
    if (action.store) SendMessageA(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

// Up and Down in the history with the list closed.
void walkHistory(HWND edit, HWND combo, bool up) {
    const std::vector<std::string> entries = historyEntries(combo);
    const int selected = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    const std::string typed = windowText(edit, CommandTextLimit);
    const int next = up ? yyedithistoryup(entries, selected, typed) : yyedithistorydown(entries, selected, typed);
    // Past the oldest entry no entry is selected.
    if (next >= 0) SendMessageA(combo, CB_SETCURSEL, next < static_cast<int>(entries.size()) ? static_cast<WPARAM>(next) : static_cast<WPARAM>(-1), 0);
}

LRESULT commandKey(HWND edit, HWND frame, EditorWindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND control = richEditOf(r);
    HWND combo = editorWindow(r.CommandLine);
    const bool history = hasHistory(r);
    const bool dropped = history && SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
    if (message == WM_CHAR) {
        switch (wParam) {
        case 13: enterPressed(edit, frame, r, message, wParam, lParam); return 0;
        case 27:
            if (dropped) return callOwn(edit, message, wParam, lParam);
            SetWindowTextA(edit, "");
            return 0;
        case 9: {
            yysetactivemodelessdialog(nullptr);
            yysettitlewindow(frame);
            if (const int n = yygetwindowindex(frame); n >= 0) yywinsel(n, 0);
            SetFocus(control);
            return 0;
        }
        case 1:
            SendMessageA(edit, EM_SETSEL, 0, -1);
            SendMessageA(edit, EM_SCROLLCARET, 0, 0);
            return 0;
        default: return callOwn(edit, message, wParam, lParam);
        }
    }
    switch (wParam) {
    case VK_UP:
    case VK_DOWN:
        if (!history) {
            SendMessageA(control, WM_VSCROLL, wParam == VK_UP ? SB_LINEUP : SB_LINEDOWN, 0);
            return 0;
        }
        if (dropped) return callOwn(edit, message, wParam, lParam);
        walkHistory(edit, combo, wParam == VK_UP);
        return 0;
    case VK_PRIOR:
    case VK_NEXT: SendMessageA(control, WM_VSCROLL, wParam == VK_PRIOR ? SB_PAGEUP : SB_PAGEDOWN, 0); return 0;
    case VK_CAPITAL:
        statusText(r, 1, (GetKeyState(VK_CAPITAL) & 1) ? "\tCAPS" : "");
        return callOwn(edit, message, wParam, lParam);
    case VK_NUMLOCK:
        statusText(r, 2, (GetKeyState(VK_NUMLOCK) & 1) ? "\tNUM" : "");
        return callOwn(edit, message, wParam, lParam);
    default: return callOwn(edit, message, wParam, lParam);
    }
}

// The current editor with a command line; status as the caller names it otherwise.
EditorWindowRecord* commandEditor(int& status, int noEditor, int noLine, HWND* frame = nullptr) {
    EditorWindowRecord* r = yyeditcurrent(frame);
    if (r == nullptr) {
        status = noEditor;
        return nullptr;
    }
    if (r->CommandLine == 0) {
        status = noLine;
        return nullptr;
    }
    status = 0;
    return r;
}

}  // namespace

LRESULT CALLBACK yyEditSubCommand(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yyEditSubCommand",
        [&]() -> LRESULT {
            HWND frame = frameOfEdit(edit);
            EditorWindowRecord* r = yyeditrecord(frame);
            if (r != nullptr && (message == WM_CHAR || message == WM_KEYDOWN))
                return commandKey(edit, frame, *r, message, wParam, lParam);
            return withoutSubclass(edit, [&] { return callOwn(edit, message, wParam, lParam); });
        },
        [&]() -> LRESULT { return DefWindowProcA(edit, message, wParam, lParam); });
}

void yyeditprompt(int& status, const char* text, int& length) {
    EditorWindowRecord* r = yyeditcurrent();
    if (r == nullptr) {
        status = 1;
        return;
    }
    HWND promptFrame = editorWindow(r->PromptFrame), promptText = editorWindow(r->PromptText);
    if (r->CommandLine == 0 || promptFrame == nullptr || promptText == nullptr) {
        status = 2;
        return;
    }
    status = 0;
    const std::string prompt = text != nullptr ? text : "";
    SetWindowTextA(promptText, prompt.c_str());
    int width = 0;
    const int shown = std::clamp(length, 0, static_cast<int>(prompt.size()));
    if (shown > 0) {
        HDC context = GetDC(promptText);
        HGDIOBJ previous = SelectObject(context, reinterpret_cast<HFONT>(SendMessageA(promptText, WM_GETFONT, 0, 0)));
        SIZE extent = {0, 0};
        GetTextExtentPoint32A(context, prompt.c_str(), shown, &extent);
        SelectObject(context, previous);
        ReleaseDC(promptText, context);
        RECT border = {0, 0, extent.cx, 0};
        AdjustWindowRectEx(&border, static_cast<DWORD>(GetWindowLongA(promptFrame, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongA(promptFrame, GWL_EXSTYLE)));
        width = border.right - border.left;
    }
    SetWindowPos(promptFrame, nullptr, 0, 0, width, r->CommandLineHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(promptText, nullptr, 0, 0, width, r->CommandLineHeight - r->PromptOffset,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HWND line = editorWindow(r->CommandLine);
    HWND frame = GetParent(line);
    RECT rect;
    GetWindowRect(line, &rect);
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&rect), 2);
    int left = width;
    if (HWND bar = editorWindow(r->LeftBar)) {
        RECT barRect;
        GetWindowRect(bar, &barRect);
        left += barRect.right - barRect.left;
    }
    MoveWindow(line, left, rect.top, std::max(0L, rect.right - left), rect.bottom - rect.top, TRUE);
    InvalidateRect(promptFrame, nullptr, TRUE);
}

void yyeditputcommand(int& status, const char* text, int& caret) {
    EditorWindowRecord* r = commandEditor(status, 1028, 1032);
    if (r == nullptr) return;
    HWND edit = editorWindow(r->CommandEdit);
    if (hasHistory(*r)) SendMessageA(editorWindow(r->CommandLine), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextA(edit, text != nullptr ? text : "");
    withoutSubclass(edit, [&] {
        SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(caret), caret);
        SendMessageA(edit, EM_SCROLLCARET, 0, 0);
        return 0;
    });
}

void yyeditgetcommand(int& status, char* text, int& size) {
    EditorWindowRecord* r = commandEditor(status, 1, 3);
    if (r == nullptr) return;
    const std::string line = windowText(editorWindow(r->CommandEdit), CommandTextLimit);
    status = yyeditcopyout(text, size, line) ? 0 : 2;
}

void yyeditcheckhistory(int& status) {
    EditorWindowRecord* r = yyeditcurrent();
    status = r == nullptr ? 1028 : hasHistory(*r) ? 0 : 1092;
}

void yyeditclearhistory(int& status) {
    EditorWindowRecord* r = yyeditcurrent();
    status = r == nullptr ? 1 : hasHistory(*r) ? 0 : 2;
    if (status == 0) SendMessageA(editorWindow(r->CommandLine), CB_RESETCONTENT, 0, 0);
}

void yyeditputhistory(int& index, const char* text) {
    EditorWindowRecord* r = yyeditcurrent();
    if (r == nullptr || !hasHistory(*r)) return;
    SendMessageA(editorWindow(r->CommandLine), CB_INSERTSTRING, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text != nullptr ? text : ""));
}

void yyeditgethistory(int& index, char* text, int& size) {
    EditorWindowRecord* r = yyeditcurrent();
    const std::string entry = r != nullptr && hasHistory(*r) ? historyEntry(editorWindow(r->CommandLine), index) : std::string();
    yyeditcopyout(text, size, entry);
}
