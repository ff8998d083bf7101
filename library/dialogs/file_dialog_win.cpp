// file_dialog_win.cpp - WSelectFile2: the system's open and save dialogs inside the modal
// bracket, starting in the caller's folder and restoring the current directory afterwards.
#include <windows.h>

#include <cderr.h>
#include <commdlg.h>

#include <string>

#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "base/os_internal.hpp"
#include "dialogs/common_dialogs.hpp"
#include "dialogs/common_dialogs_internal.hpp"
#include "dialogs/common_dialogs_win.hpp"
#include "dialogs/modal_win.hpp"

namespace {

constexpr int FilterLimit = 1000;

int majorVersion() {
    int major = 0, minor = 0;
    yyosver(major, minor);
    return major;
}

}  // namespace

DWORD yycommondialogerror(DWORD before) {
    const DWORD after = CommDlgExtendedError();
    return after == before ? 0 : after;
}

void yygetfiledialog(int filterResource, int& filterIndex, int save, int confirm, int pathNeedNotExist,
                     int multiple, int defaultExtension, int mustExist, int& ok, int& error, const char* title,
                     char* fileBuffer, const char* initialDirectory, const char* filterText, int bufferSize) {
    std::string filter;
    if (filterResource == -1) {
        if (filterText != nullptr && filterText[0] != '\0') {
            // NUL-separated pieces end in a double NUL.
            const char* end = filterText;
            while (end[0] != '\0' || end[1] != '\0') ++end;
            filter.assign(filterText, static_cast<std::size_t>(end - filterText) + 2);
        }
    } else if (filterResource != 0) {
        char text[FilterLimit + 1] = "";
        const int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(filterResource), text, sizeof text);
        filter = yyfiltertext(std::string_view(text, length > 0 ? static_cast<std::size_t>(length) : 0));
    }
    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    request.nFilterIndex = filterIndex > 0 ? static_cast<DWORD>(filterIndex) : 1;
    request.lpstrFile = fileBuffer;
    request.nMaxFile = static_cast<DWORD>(bufferSize);
    request.lpstrInitialDir = initialDirectory;
    request.lpstrTitle = title;
    request.Flags = OFN_HIDEREADONLY;
    if (!pathNeedNotExist) request.Flags |= OFN_PATHMUSTEXIST;
    if (defaultExtension && majorVersion() != 3) request.lpstrDefExt = "";
    if (save) {
        if (confirm) request.Flags |= OFN_OVERWRITEPROMPT;
    } else {
        if (mustExist) {
            request.Flags |= OFN_FILEMUSTEXIST;
        } else if (confirm) {
            request.Flags |= OFN_CREATEPROMPT;
        }
        if (multiple) request.Flags |= OFN_EXPLORER | OFN_ALLOWMULTISELECT;
    }
    BOOL chosen = FALSE;
    const DWORD before = CommDlgExtendedError();
    {
        ModalBracket bracket;
        request.hwndOwner = bracket.owner();
        chosen = save ? GetSaveFileNameA(&request) : GetOpenFileNameA(&request);
    }
    if (chosen) {
        ok = 1;
        error = 0;
        filterIndex = static_cast<int>(request.nFilterIndex);
        return;
    }
    ok = 0;
    const DWORD failure = yycommondialogerror(before);
    error = failure == 0 ? 0 : failure == FNERR_BUFFERTOOSMALL ? 1023 : 1004;
}

void yywsfile(int filterResource, const char* filterText, int flags, TextRef fileName, TextRef title,
              int& filterIndex, int freeze) {
    int error = 0;
    if (freeze == 1) {
        yygetwindowbitmap(1, -1, error);
        if (error != 0) yyerror(error, "WSelectFile");
    }
    const FileDialogSwitches s = yyfiledialogswitches(flags);
    char work[256];
    char name[256];
    TextRef(work).assign(fileName.view());
    yysplitp(TextRef(work), TextRef(name));
    std::string buffer = yyinitialname(TextRef(name).view(), fileName.size());

    char current[256] = "";
    bool tooLong = false;
    yydirn(current, sizeof current, tooLong);
    const std::string directory(TextRef(work).trimmed());
    const std::string initial = directory.empty() ? std::string(current) : directory;
    const std::string caption = title.isBlank() ? std::string("Select File") : std::string(title.trimmed());

    int ok = 0;
    yygetfiledialog(filterResource, filterIndex, s.save, s.confirm, s.pathNeedNotExist, s.multiple,
                    s.defaultExtension, s.mustExist, ok, error, caption.c_str(), buffer.data(), initial.c_str(),
                    filterText, static_cast<int>(buffer.size()));
    gravim.dialogs.lastAnswer = ok;
    if (ok == 1) {
        yychosenname(buffer, s.multiple, fileName);
    } else if (error > 0) {
        yyerror(error, "WSelectFile");
    }
    if (!(s.keepDirectory && ok == 1)) yydirc(current);
    if (freeze == 1) yygetwindowbitmap(0, -1, error);
    gravim.dialogs.exitField = 0;
}

void WSelectFile2(std::string_view filter, int flags, TextRef fileName, std::optional<std::string_view> title,
                  int* filterIndex) {
    char caption[260];
    TextRef(caption).assign(title.value_or(""));
    int index = filterIndex != nullptr ? *filterIndex : 1;
    const std::string text = yyfiltertext(filter);
    yywsfile(-1, text.c_str(), flags, fileName, TextRef(caption), index, 1);
    if (filterIndex != nullptr) *filterIndex = index;
}
