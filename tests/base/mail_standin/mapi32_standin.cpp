// mapi32_standin.cpp - the tests' stand-in for the system mail library (loaded as mapi32.dll).
// It records every message and resolve request as text, answers with results the test chose,
// and scribbles over the buffers it frees so that a caller still reading them shows garbage.
#include <windows.h>

#include <mapi.h>

#include <cstring>
#include <map>
#include <string>

#define STANDIN_EXPORT extern "C" __declspec(dllexport)

namespace {

struct DirectoryEntry {
    std::string name, address, entryId;
};

std::string journal;                              // what the library was asked, line by line
std::map<std::string, DirectoryEntry> directory;  // names and addresses the mail system knows
std::map<void*, std::size_t> openBuffers;         // resolve buffers not yet freed, with sizes
ULONG sendResult = SUCCESS_SUCCESS;
ULONG_PTR lastParent = 0;

std::string text(const char* value) { return value == nullptr ? "(null)" : value; }

std::string hex(const void* bytes, ULONG size) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    const unsigned char* p = static_cast<const unsigned char*>(bytes);
    for (ULONG i = 0; p != nullptr && i < size; ++i) {
        out += digits[p[i] >> 4];
        out += digits[p[i] & 15];
    }
    return out;
}

void record(const MapiMessage& m, FLAGS flags) {
    journal += "send flags=" + std::to_string(flags) + "\n";
    journal += "subject=" + text(m.lpszSubject) + "\n";
    journal += "body=" + text(m.lpszNoteText) + "\n";
    journal += "type=" + text(m.lpszMessageType) + " date=" + text(m.lpszDateReceived) +
               " conversation=" + text(m.lpszConversationID) +
               " flags=" + std::to_string(m.flFlags) +
               " originator=" + (m.lpOriginator == nullptr ? "none" : "set") + "\n";
    for (ULONG i = 0; i < m.nRecipCount; ++i) {
        const MapiRecipDesc& r = m.lpRecips[i];
        journal += "recipient reserved=" + std::to_string(r.ulReserved) +
                   " class=" + std::to_string(r.ulRecipClass) + " name=" + text(r.lpszName) +
                   " address=" + text(r.lpszAddress) + " id=" + hex(r.lpEntryID, r.ulEIDSize) +
                   "\n";
    }
    for (ULONG i = 0; i < m.nFileCount; ++i) {
        const MapiFileDesc& f = m.lpFiles[i];
        journal += "file flags=" + std::to_string(f.flFlags) +
                   " position=" + std::to_string(static_cast<LONG>(f.nPosition)) +
                   " path=" + text(f.lpszPathName) + " name=" + text(f.lpszFileName) +
                   " type=" + (f.lpFileType == nullptr ? "none" : "set") + "\n";
    }
}

// One block holding the description and its texts, as a mail system hands it out.
MapiRecipDesc* newResolved(const DirectoryEntry& entry) {
    std::size_t size = sizeof(MapiRecipDesc) + entry.name.size() + entry.address.size() +
                       entry.entryId.size() + 2;
    char* block = new char[size]();
    auto* desc = reinterpret_cast<MapiRecipDesc*>(block);
    char* texts = block + sizeof(MapiRecipDesc);
    desc->ulReserved = 7;
    desc->ulRecipClass = MAPI_TO;
    desc->lpszName = std::strcpy(texts, entry.name.c_str());
    texts += entry.name.size() + 1;
    desc->lpszAddress = std::strcpy(texts, entry.address.c_str());
    texts += entry.address.size() + 1;
    std::memcpy(texts, entry.entryId.data(), entry.entryId.size());
    desc->ulEIDSize = static_cast<ULONG>(entry.entryId.size());
    desc->lpEntryID = texts;
    openBuffers[block] = size;
    return desc;
}

}  // namespace

STANDIN_EXPORT ULONG WINAPI MAPISendMail(LHANDLE, ULONG_PTR parent, lpMapiMessage message,
                                         FLAGS flags, ULONG) {
    lastParent = parent;
    record(*message, flags);
    // A mail program may move the current directory; the caller has to put it back.
    SetCurrentDirectoryA("C:\\");
    return sendResult;
}

STANDIN_EXPORT ULONG WINAPI MAPIResolveName(LHANDLE, ULONG_PTR parent, LPSTR name, FLAGS flags,
                                            ULONG, lpMapiRecipDesc* resolved) {
    lastParent = parent;
    journal += "resolve " + text(name) + " flags=" + std::to_string(flags) + "\n";
    auto found = directory.find(text(name));
    if (found == directory.end()) return MAPI_E_UNKNOWN_RECIPIENT;
    *resolved = newResolved(found->second);
    return SUCCESS_SUCCESS;
}

STANDIN_EXPORT ULONG WINAPI MAPIFreeBuffer(LPVOID buffer) {
    auto found = openBuffers.find(buffer);
    if (found == openBuffers.end()) {
        journal += "free of an unknown buffer\n";
        return MAPI_E_FAILURE;
    }
    std::memset(found->first, 'X', found->second);
    delete[] static_cast<char*>(found->first);
    openBuffers.erase(found);
    return SUCCESS_SUCCESS;
}

// Test controls.
STANDIN_EXPORT void StandInReset() {
    journal.clear();
    directory.clear();
    sendResult = SUCCESS_SUCCESS;
    lastParent = 0;
}
STANDIN_EXPORT void StandInSetSendResult(ULONG result) { sendResult = result; }
// Makes the mail system know key (a name or an address) as the given recipient.
STANDIN_EXPORT void StandInAddDirectoryEntry(const char* key, const char* name,
                                             const char* address, const char* entryId) {
    directory[key] = DirectoryEntry{name, address, entryId};
}
STANDIN_EXPORT const char* StandInLog() { return journal.c_str(); }
STANDIN_EXPORT ULONG_PTR StandInLastParent() { return lastParent; }
STANDIN_EXPORT int StandInOpenBuffers() { return static_cast<int>(openBuffers.size()); }
