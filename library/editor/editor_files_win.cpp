// editor_files_win.cpp - moving the current buffer between the control and its file: reading
// text and RTF, writing with a backup copy, the save question and the title.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "base/callback_guard.hpp"
#include "base/gravim.hpp"
#include "base/os_internal.hpp"
#include "base/save_file.hpp"
#include "windows/windows_internal_win.hpp"
#include "windows/window_tables_win.hpp"
#include "dialogs/modal_win.hpp"
#include "editor/editor_record_win.hpp"
#include "editor/editor_text.hpp"

namespace {

std::string systemText(DWORD code) {
    char text[300] = "";
    yyerrorstr(static_cast<int>(code), text, sizeof text);
    return text;
}

void warn(HWND frame, const std::string& body, const char* title) {
    MessageBoxA(frame, body.c_str(), title, MB_OK | MB_ICONWARNING);
}

HANDLE openForReading(const char* name) {
    return CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

void closeHandle(HANDLE& file) {
    if (file != nullptr && file != INVALID_HANDLE_VALUE) CloseHandle(file);
    file = nullptr;
}

bool isChildFrame(HWND frame) { return (GetWindowLongA(frame, GWL_STYLE) & WS_CHILD) != 0; }

// After a common dialog: a child frame takes the focus back and shows an active title.
void regainFocus(HWND frame) {
    if (!isChildFrame(frame)) return;
    SetFocus(frame);
    SendMessageA(frame, WM_NCACTIVATE, TRUE, 0);
}

bool readTextFile(HWND frame, EditorWindowRecord& r, HANDLE file, DWORD size) {
    std::vector<char> block(static_cast<std::size_t>(size) + 1, '\0');
    DWORD got = 0;
    if (!ReadFile(file, block.data(), size, &got, nullptr) || got < size) {
        warn(frame, systemText(GetLastError()), "Read Error");
        return false;
    }
    const PreparedText prepared = yyeditpreparetext(std::string_view(block.data(), size), iVerRTF);
    HWND control = richEditOf(r);
    yyEditResetFormat(r);
    SendMessageA(control, EM_SETSEL, 0, 0);
    // Not undoable: the history is emptied below anyway.
    if (prepared.guarded) {
        SendMessageA(control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(prepared.text.c_str() + 3));
        SendMessageA(control, EM_SETSEL, 0, 0);
        const std::string head = prepared.text.substr(0, 3);
        SendMessageA(control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(head.c_str()));
    } else {
        SendMessageA(control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(prepared.text.c_str()));
    }
    SendMessageA(control, EM_SETSEL, 0, 0);
    SendMessageA(control, EM_SCROLLCARET, 0, 0);
    SendMessageA(control, EM_EMPTYUNDOBUFFER, 0, 0);
    yyeditundobuttons(r);
    SendMessageA(control, EM_SETMODIFY, FALSE, 0);
    r.ChangedFlag = 0;
    yyEditTitle(frame);
    return true;
}

bool readRtfFile(HWND frame, EditorWindowRecord& r, HANDLE file) {
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(file), 0, yyEditLoadRTF};
    SendMessageA(richEditOf(r), EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    if (stream.dwError != 0) {
        warn(frame, systemText(stream.dwError), "Read Error");
        return false;
    }
    SendMessageA(richEditOf(r), EM_SETMODIFY, FALSE, 0);
    r.ChangedFlag = 0;
    yyEditTitle(frame);
    return true;
}

// The save-file dialog; false on Cancel.
bool askForName(HWND frame, EditorWindowRecord& r) {
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = frame;
    dialog.lpstrFilter = yyeditfilter(r);
    dialog.nFilterIndex = static_cast<DWORD>(r.BufferFilterIndex[r.CurrentBuffer]);
    dialog.lpstrFile = r.FileName;
    dialog.nMaxFile = 260;
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
    dialog.lpstrDefExt = gravim.system.WinVerMajor >= 4 ? "" : nullptr;
    std::string previous = r.FileName;
    if (r.Mode == 2) yyDisableDialogs(frame, 1);
    const BOOL chosen = GetSaveFileNameA(&dialog);
    if (r.Mode == 2) yyEnableDialogs(frame, 1);
    regainFocus(frame);
    if (!chosen) {
        std::memcpy(r.FileName, previous.c_str(), previous.size() + 1);
        return false;
    }
    r.BufferFilterIndex[r.CurrentBuffer] = static_cast<int>(dialog.nFilterIndex);
    const int n = yygetwindowindex(frame);
    yyeditstorebuffername(n, r.CurrentBuffer, r.FileName, 260);
    if (r.ViewMenu != nullptr) yyeditsetviewitem(r, r.CurrentBuffer, r.FileName, true);
    yyEditTitle(frame);
    return true;
}

}  // namespace

DWORD CALLBACK yyEditLoadRTF(DWORD_PTR file, LPBYTE buffer, LONG wanted, LONG* got) {
    return yyguardcallback(
        "yyEditLoadRTF",
        [&]() -> DWORD {
            DWORD read = 0;
            if (!ReadFile(reinterpret_cast<HANDLE>(file), buffer, static_cast<DWORD>(wanted), &read, nullptr)) {
                *got = 0;
                const DWORD code = GetLastError();
                return code != 0 ? code : 1;
            }
            *got = static_cast<LONG>(read);
            return 0;
        },
        [&]() -> DWORD {
            *got = 0;
            return 1;
        });
}

DWORD CALLBACK yyEditSaveRTF(DWORD_PTR file, LPBYTE buffer, LONG count, LONG* written) {
    return yyguardcallback(
        "yyEditSaveRTF",
        [&]() -> DWORD {
            DWORD put = 0;
            WriteFile(reinterpret_cast<HANDLE>(file), buffer, static_cast<DWORD>(count), &put, nullptr);
            *written = static_cast<LONG>(put);
            return static_cast<DWORD>(count) - put;
        },
        [&]() -> DWORD {
            *written = 0;
            return static_cast<DWORD>(count);
        });
}

const char* yyeditfilter(const EditorWindowRecord& r) { return r.FileFilter; }

int yyEditOpenFile(HWND frame, int quiet) {
    EditorWindowRecord* r = yyeditrecord(frame);
    if (r == nullptr) return 0;
    r->ProtectActive = 0;
    HANDLE& file = r->BufferFile[r->CurrentBuffer];
    closeHandle(file);
    HANDLE opened = openForReading(r->FileName);
    if (opened == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        if (!(quiet != 0 && r->QuietOpen != 0)) warn(frame, systemText(code) + "\n" + r->FileName, "Open Error");
        r->ProtectActive = 1;
        return 0;
    }
    file = opened;
    LARGE_INTEGER size = {};
    GetFileSizeEx(file, &size);
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    bool read = false;
    if (size.QuadPart > EditorTextLimit) {
        warn(frame, systemText(ERROR_NOT_ENOUGH_MEMORY), "Read Error");
    } else if (yyeditisrtfname(r->FileName, r->RichText != 0)) {
        read = readRtfFile(frame, *r, file);
    } else {
        read = readTextFile(frame, *r, file, static_cast<DWORD>(size.QuadPart));
    }
    if (!read) closeHandle(file);
    yyEditUpdateBIU(*r);
    r->Bookmark[r->CurrentBuffer] = -1;
    if (r->ReadOnly) closeHandle(file);
    r->ProtectActive = 1;
    return read ? 1 : 0;
}

int yyEditSaveFile(HWND frame, int saveAs) {
    EditorWindowRecord* r = yyeditrecord(frame);
    if (r == nullptr) return 0;
    if ((saveAs != 0 || r->FileName[0] == '\0') && !askForName(frame, *r)) return 0;
    const bool rtf = yyeditisrtfname(r->FileName, r->RichText != 0);
    HANDLE& kept = r->BufferFile[r->CurrentBuffer];
    closeHandle(kept);
    if (r->BackupOnSave) {
        const std::string backup = std::string(r->FileName) + ".bak";
        CopyFileA(r->FileName, backup.c_str(), FALSE);  // a failed copy does not stop the save
    }
    // The text goes to a file beside the old one, which it replaces only once it is whole.
    SaveFile save;
    int status = 0;
    yysavebegin(r->FileName, save, status);
    if (status != 0) {
        warn(frame, systemText(static_cast<DWORD>(status)) + "\n" + r->FileName, "Open Error");
        return 0;
    }
    const auto cookie = static_cast<DWORD_PTR>(static_cast<std::intptr_t>(save.handle));
    EDITSTREAM stream = {cookie, 0, yyEditSaveRTF};
    SendMessageA(richEditOf(*r), EM_STREAMOUT, rtf ? SF_RTF : SF_TEXT, reinterpret_cast<LPARAM>(&stream));
    if (stream.dwError == 0) yysaveend(save, status);
    yysavediscard(save);
    int saved = 0;
    if (stream.dwError != 0 || status != 0) {
        warn(frame, systemText(stream.dwError != 0 ? ERROR_WRITE_FAULT : static_cast<DWORD>(status)), "Write Error");
    } else {
        SendMessageA(richEditOf(*r), EM_SETMODIFY, FALSE, 0);
        if (r->ShowModified) yyEditTitle(frame);
        saved = 1;
    }
    if (!r->ReadOnly) {
        HANDLE reopened = openForReading(r->FileName);
        kept = reopened == INVALID_HANDLE_VALUE ? nullptr : reopened;
    }
    return saved;
}

int yyEditCheckSave(HWND frame, int* words) {
    auto* r = reinterpret_cast<EditorWindowRecord*>(words);
    if (r == nullptr || r->Kind != KindEditor) return 1;
    HWND control = richEditOf(*r);
    if ((GetWindowLongA(control, GWL_STYLE) & ES_READONLY) != 0 || !r->AllowSave ||
        SendMessageA(control, EM_GETMODIFY, 0, 0) == 0)
        return 1;
    const std::string question = yyeditsavequestion(r->FileName, r->HideFileName != 0);
    const int answer = MessageBoxA(frame, question.c_str(), r->WindowTitle, MB_YESNOCANCEL | MB_ICONWARNING);
    if (answer == IDYES) return yyEditSaveFile(frame, 0);
    if (answer == IDNO) return 1;
    return 0;
}

void yyEditTitle(HWND frame) {
    EditorWindowRecord* r = yyeditrecord(frame);
    if (r == nullptr) return;
    const bool modified = r->ShowModified != 0 && SendMessageA(richEditOf(*r), EM_GETMODIFY, 0, 0) != 0;
    if ((GetWindowLongA(frame, GWL_STYLE) & WS_CAPTION) == WS_CAPTION) {
        const std::string title = yyedittitletext(r->WindowTitle, r->FileName, r->HideFileName != 0, modified);
        SetWindowTextA(frame, title.c_str());
    } else if (HWND bar = editorWindow(r->StatusBar)) {
        const std::string name = yyeditstatusname(r->FileName, r->HideFileName != 0, modified);
        SendMessageA(bar, SB_SETTEXTA, 4, reinterpret_cast<LPARAM>(name.c_str()));
    }
}

void yyEditCloseFile(HWND frame) {
    if (EditorWindowRecord* r = yyeditrecord(frame)) closeHandle(r->BufferFile[r->CurrentBuffer]);
}
