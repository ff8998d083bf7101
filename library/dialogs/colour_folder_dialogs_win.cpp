// colour_folder_dialogs_win.cpp - the colour dialog with its caption, and the folder browser
// with an edit box for typing a folder (which may be accepted or created when missing).
#include <windows.h>

#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>


#include "base/callback_guard.hpp"
#include "dialogs/common_dialogs_win.hpp"
#include "dialogs/modal_win.hpp"

namespace {

// The caption shared by all colour dialogs.
char colourCaption[256];

// The folder-selection state, valid while a folder browser is up.
struct DirSelect {
    char* folder = nullptr;      // the caller's folder text, at least 260 characters
    char caption[260] = "";
    int flags = 0;
    WNDPROC browserProcedure = nullptr;
    HWND edit = nullptr;
};
DirSelect dirSelect;

constexpr int FolderLength = 260;
constexpr int PromptId = 0x3742;  // the browser's prompt text
constexpr int AcceptMissing = 4, OfferCreation = 64;

void copyFolder(const char* text) {
    lstrcpynA(dirSelect.folder, text, FolderLength);
}

void browserStarted(HWND browser) {
    HWND prompt = GetDlgItem(browser, PromptId);
    if (prompt != nullptr) {
        char text[260] = "";
        GetWindowTextA(prompt, text, sizeof text);
        ShowWindow(prompt, SW_HIDE);
        SetWindowTextA(browser, text);
        RECT place;
        GetWindowRect(prompt, &place);
        MapWindowPoints(nullptr, browser, reinterpret_cast<POINT*>(&place), 2);
        RECT units = {0, 0, 0, 13};
        MapDialogRect(browser, &units);
        dirSelect.edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | ES_AUTOHSCROLL | WS_TABSTOP,
                                         place.left, place.top, place.right - place.left, units.bottom, browser,
                                         nullptr, GetModuleHandleA(nullptr), nullptr);
        if (dirSelect.edit != nullptr) {
            SendMessageA(dirSelect.edit, EM_LIMITTEXT, FolderLength, 0);
            SendMessageA(dirSelect.edit, WM_SETFONT, SendMessageA(prompt, WM_GETFONT, 0, 0), FALSE);
            ShowWindow(dirSelect.edit, SW_SHOW);
        }
    }
    SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(dirSelect.folder));
    if (dirSelect.flags & (AcceptMissing | OfferCreation)) SendMessageA(browser, BFFM_ENABLEOK, 0, TRUE);
    dirSelect.browserProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(browser, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yyBrowseCallbackProc2)));
}

void selectionChanged(HWND browser, LPARAM item) {
    char path[MAX_PATH] = "";
    if (SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(item), path)) {
        copyFolder(path);
    } else {
        SendMessageA(browser, BFFM_ENABLEOK, 0, FALSE);
    }
    if (dirSelect.edit != nullptr) SetWindowTextA(dirSelect.edit, dirSelect.folder);
}

// True when the OK may close the browser with the typed folder.
bool acceptTyped(HWND browser) {
    const DWORD attributes = GetFileAttributesA(dirSelect.folder);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (dirSelect.flags & OfferCreation) {
            if (MessageBoxA(browser, "The specified directory does not exist.\nDo you wish to create it?",
                            "Create Directory?", MB_YESNO | MB_ICONQUESTION) != IDYES)
                return false;
            if (CreateDirectoryA(dirSelect.folder, nullptr)) return true;
            MessageBoxA(browser, "An error occurred creating\nthe specified directory.", "Error",
                        MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
        if (dirSelect.flags & AcceptMissing) return true;
        MessageBoxA(browser, "The specified directory does not exist.\nSpecify a valid directory.",
                    "Invalid Directory", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        MessageBoxA(browser, "The specified path is not a valid directory name.\nSpecify a valid directory.",
                    "Invalid Directory", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

}  // namespace

LRESULT browserProcedure(HWND browser, UINT message, WPARAM wParam, LPARAM lParam);

UINT_PTR CALLBACK yychoosecolorhook(HWND dialog, UINT message, WPARAM, LPARAM) {
    return yyguardcallback(
        "yychoosecolorhook",
        [&]() -> UINT_PTR {
            if (message == WM_INITDIALOG) SetWindowTextA(dialog, colourCaption);
            return 0;
        },
        []() -> UINT_PTR { return 0; });
}

void yygetrgbdialog(int& colour, int custom[16], int& ok, int& error, const char* caption) {
    lstrcpynA(colourCaption, caption != nullptr ? caption : "", sizeof colourCaption);  // a longer one is cut
    COLORREF work[16];
    for (int k = 0; k < 16; ++k) work[k] = static_cast<COLORREF>(custom[k]);
    CHOOSECOLORA request{};
    request.lStructSize = sizeof request;
    request.rgbResult = static_cast<COLORREF>(colour);
    request.lpCustColors = work;
    request.Flags = CC_FULLOPEN | CC_RGBINIT | CC_ENABLEHOOK;
    request.lpfnHook = yychoosecolorhook;
    BOOL chosen = FALSE;
    const DWORD before = CommDlgExtendedError();
    {
        ModalBracket bracket;
        request.hwndOwner = bracket.owner();
        chosen = ChooseColorA(&request);
    }
    if (chosen) {
        colour = static_cast<int>(request.rgbResult);
        for (int k = 0; k < 16; ++k) custom[k] = static_cast<int>(work[k]);
        ok = 1;
        error = 0;
        return;
    }
    ok = 0;
    error = yycommondialogerror(before) == 0 ? 0 : 1004;
}

int CALLBACK yyBrowseCallbackProc1(HWND browser, UINT message, LPARAM lParam, LPARAM) {
    return yyguardcallback(
        "yyBrowseCallbackProc1",
        [&] {
            if (message == BFFM_INITIALIZED) browserStarted(browser);
            if (message == BFFM_SELCHANGED) selectionChanged(browser, lParam);
            return 0;
        },
        [] { return 0; });
}

LRESULT CALLBACK yyBrowseCallbackProc2(HWND browser, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yyBrowseCallbackProc2", [&] { return browserProcedure(browser, message, wParam, lParam); },
        [&] { return CallWindowProcA(dirSelect.browserProcedure, browser, message, wParam, lParam); });
}

LRESULT browserProcedure(HWND browser, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && wParam == MAKEWPARAM(IDOK, 0) && dirSelect.edit != nullptr) {
        char typed[FolderLength + 1] = "";
        GetWindowTextA(dirSelect.edit, typed, sizeof typed);
        copyFolder(typed);
        SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(dirSelect.folder));
        copyFolder(typed);  // the selection's path must not replace what was typed
        if (!acceptTyped(browser)) return 0;
    }
    return CallWindowProcA(dirSelect.browserProcedure, browser, message, wParam, lParam);
}

void yyselectdir(int useCaption, int& result, int flags, char* folder, const char* caption) {
    dirSelect = DirSelect{};
    dirSelect.folder = folder;
    lstrcpynA(dirSelect.caption, useCaption == 1 && caption != nullptr ? caption : "Select Directory",
              sizeof dirSelect.caption);
    dirSelect.flags = flags;
    const HRESULT com = CoInitialize(nullptr);
    BROWSEINFOA request{};
    request.ulFlags = BIF_RETURNONLYFSDIRS;
    request.lpszTitle = dirSelect.caption;
    request.lpfn = yyBrowseCallbackProc1;
    LPITEMIDLIST chosen = nullptr;
    {
        ModalBracket bracket;
        request.hwndOwner = bracket.owner();
        chosen = SHBrowseForFolderA(&request);
    }
    result = chosen != nullptr ? 1 : 2;
    if (chosen != nullptr) CoTaskMemFree(chosen);
    if (SUCCEEDED(com)) CoUninitialize();
    dirSelect.folder = nullptr;
}
