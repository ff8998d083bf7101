// email_win.cpp - sending the staged e-mail message through the system's Simple MAPI library.
// The mail system's resolved names are copied into the staged list at once: its buffers are
// released after the send, and the list must never point into them.
#include <windows.h>

#include <mapi.h>

#include <string>
#include <vector>

#include "base/email_internal.hpp"
#include "base/os_window_calls_win.hpp"

namespace {

HMODULE hEmailLib = nullptr;
LPMAPISENDMAIL pMapiSendMail = nullptr;

// The mail program's dialogs belong to the root frame.
ULONG_PTR mailParent() { return reinterpret_cast<ULONG_PTR>(yyoswindowcalls().rootFrame()); }

// MAPI takes texts as writable pointers although it never writes them.
LPSTR mapiText(const std::string& text) { return const_cast<LPSTR>(text.c_str()); }

// Copies what the mail system resolved into the staged entry; the class stays the caller's.
void takeResolved(MailRecipient& entry, const MapiRecipDesc& resolved) {
    entry.reserved = resolved.ulReserved;
    entry.name = resolved.lpszName != nullptr ? resolved.lpszName : "";
    entry.address = resolved.lpszAddress != nullptr ? resolved.lpszAddress : "";
    if (resolved.lpEntryID != nullptr && resolved.ulEIDSize > 0) {
        const char* bytes = static_cast<const char*>(resolved.lpEntryID);
        entry.entryId.assign(bytes, bytes + resolved.ulEIDSize);
    } else {
        entry.entryId.clear();
    }
}

// Resolves every staged recipient: by name, else (unknown or no name) by address. Returns the
// mail system's buffers, to be released after the send.
std::vector<void*> resolveRecipients() {
    std::vector<void*> buffers;
    auto resolveName = reinterpret_cast<LPMAPIRESOLVENAME>(
        reinterpret_cast<void*>(GetProcAddress(hEmailLib, "MAPIResolveName")));
    if (resolveName == nullptr) return buffers;
    for (MailRecipient& entry : emailRecipients) {
        lpMapiRecipDesc resolved = nullptr;
        ULONG result = MAPI_E_UNKNOWN_RECIPIENT;
        if (!entry.name.empty())
            result = resolveName(0, mailParent(), mapiText(entry.name), MAPI_LOGON_UI, 0, &resolved);
        if (result == MAPI_E_UNKNOWN_RECIPIENT) {
            resolved = nullptr;
            result = resolveName(0, mailParent(), mapiText(entry.address), MAPI_LOGON_UI, 0,
                                 &resolved);
        }
        if (result != SUCCESS_SUCCESS || resolved == nullptr) continue;
        takeResolved(entry, *resolved);
        buffers.push_back(resolved);
    }
    return buffers;
}

void releaseResolved(const std::vector<void*>& buffers) {
    auto freeBuffer = reinterpret_cast<LPMAPIFREEBUFFER>(
        reinterpret_cast<void*>(GetProcAddress(hEmailLib, "MAPIFreeBuffer")));
    if (freeBuffer == nullptr) return;
    for (void* buffer : buffers) freeBuffer(buffer);
}

}  // namespace

void yyemailload() {
    if (hEmailLib != nullptr) return;
    hEmailLib = LoadLibraryA("mapi32.dll");
    if (hEmailLib == nullptr) return;
    pMapiSendMail = reinterpret_cast<LPMAPISENDMAIL>(
        reinterpret_cast<void*>(GetProcAddress(hEmailLib, "MAPISendMail")));
}

void yyemailfree() {
    if (hEmailLib != nullptr) FreeLibrary(hEmailLib);
    hEmailLib = nullptr;
    pMapiSendMail = nullptr;
}

void yyemailsend(int options, int& status, int& code, std::string_view subject,
                 std::string_view body) {
    status = -1;
    code = 0;
    if (pMapiSendMail == nullptr) return;

    // The mail program may change the current directory; the program must not notice.
    char savedDirectory[MAX_PATH + 1] = "";
    DWORD savedLength = GetCurrentDirectoryA(sizeof savedDirectory, savedDirectory);

    std::vector<void*> resolvedBuffers;
    if ((options & MailResolveNames) != 0) resolvedBuffers = resolveRecipients();

    std::vector<MapiRecipDesc> recipients;
    for (MailRecipient& entry : emailRecipients) {
        MapiRecipDesc desc{};
        desc.ulReserved = entry.reserved;
        desc.ulRecipClass = entry.recipClass;
        desc.lpszName = mapiText(entry.name);
        desc.lpszAddress = mapiText(entry.address);
        desc.ulEIDSize = static_cast<ULONG>(entry.entryId.size());
        desc.lpEntryID = entry.entryId.empty() ? nullptr : entry.entryId.data();
        recipients.push_back(desc);
    }
    std::vector<MapiFileDesc> files;
    for (std::string& path : emailAttachments) {
        MapiFileDesc desc{};
        desc.nPosition = static_cast<ULONG>(-1);  // not placed in the text
        desc.lpszPathName = mapiText(path);
        files.push_back(desc);
    }

    std::string subjectText(subject), bodyText(body), empty;
    MapiMessage message{};
    message.lpszSubject = mapiText(subjectText);
    message.lpszNoteText = mapiText(bodyText);
    message.lpszDateReceived = mapiText(empty);
    message.lpszConversationID = mapiText(empty);
    message.nRecipCount = static_cast<ULONG>(recipients.size());
    message.lpRecips = recipients.empty() ? nullptr : recipients.data();
    message.nFileCount = static_cast<ULONG>(files.size());
    message.lpFiles = files.empty() ? nullptr : files.data();

    FLAGS flags = MAPI_LOGON_UI;
    if ((options & MailShowDialog) != 0 || recipients.empty()) flags |= MAPI_DIALOG;
    ULONG result = pMapiSendMail(0, mailParent(), &message, flags, 0);

    releaseResolved(resolvedBuffers);
    if (savedLength > 0 && savedLength <= MAX_PATH) SetCurrentDirectoryA(savedDirectory);

    status = result == SUCCESS_SUCCESS ? 0 : -2;
    code = result == SUCCESS_SUCCESS ? 0 : static_cast<int>(result);
}
