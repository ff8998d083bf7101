// editor_buffers_win.cpp - the stored buffers of a multi-buffer editor: storing the shown
// content into the buffer store and bringing a stored one back, switching buffers, their names
// and saved states, and the application's streaming of the whole content.
#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "base/callback_guard.hpp"
#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"
#include "editor/buffer_store.hpp"
#include "editor/editor_record_win.hpp"
#include "editor/editor_text.hpp"

namespace {

// Makes a window current for the stream routines and the access operations, and the previous
// one current again afterwards.
class CurrentWhile {
public:
    explicit CurrentWhile(int window) : previous_(gravim.windows.wIndex) {
        if (window != previous_) yywinsel(window, 0);
    }
    ~CurrentWhile() {
        if (gravim.windows.wIndex != previous_) yywinsel(previous_, 0);
    }
    CurrentWhile(const CurrentWhile&) = delete;
    CurrentWhile& operator=(const CurrentWhile&) = delete;

private:
    int previous_;
};

UINT streamFormat(const EditorWindowRecord& r) { return r.RichText ? SF_RTF : SF_TEXT; }

// Where a stream callback reads or writes: the next byte and the bytes left (counting only when
// `next` is null).
struct StreamCursor {
    char* next = nullptr;
    const char* source = nullptr;
    long long left = 0;
    long long total = 0;
};

DWORD CALLBACK countOut(DWORD_PTR cookie, LPBYTE, LONG count, LONG* done) {
    return yyguardcallback(
        "yyeditcountrtf",
        [&]() -> DWORD {
            reinterpret_cast<StreamCursor*>(cookie)->total += count;
            *done = count;
            return 0;
        },
        [&]() -> DWORD { return 1; });
}

// Copies each chunk to the destination, never past its size.
DWORD CALLBACK writeOut(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* done) {
    return yyguardcallback(
        "yyeditgetrtf",
        [&]() -> DWORD {
            auto* c = reinterpret_cast<StreamCursor*>(cookie);
            const long long n = std::min<long long>(count, c->left);
            if (n > 0) std::memcpy(c->next, bytes, static_cast<std::size_t>(n));
            c->next += n;
            c->left -= n;
            c->total += n;
            *done = count;
            return 0;
        },
        [&]() -> DWORD { return 1; });
}

DWORD CALLBACK readIn(DWORD_PTR cookie, LPBYTE bytes, LONG wanted, LONG* got) {
    return yyguardcallback(
        "yyeditputrtf",
        [&]() -> DWORD {
            auto* c = reinterpret_cast<StreamCursor*>(cookie);
            const long long n = std::max<long long>(0, std::min<long long>(wanted, c->left));
            if (n > 0) std::memcpy(bytes, c->source, static_cast<std::size_t>(n));
            c->source += n;
            c->left -= n;
            *got = static_cast<LONG>(n);
            return 0;
        },
        [&]() -> DWORD {
            *got = 0;
            return 1;
        });
}

long long countContent(const EditorWindowRecord& r) {
    StreamCursor cursor;
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&cursor), 0, countOut};
    SendMessageA(richEditOf(r), EM_STREAMOUT, streamFormat(r), reinterpret_cast<LPARAM>(&stream));
    return cursor.total;
}

long long writeContent(const EditorWindowRecord& r, char* destination, long long size) {
    StreamCursor cursor;
    cursor.next = destination;
    cursor.left = destination != nullptr ? std::max<long long>(0, size) : 0;
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&cursor), 0, writeOut};
    SendMessageA(richEditOf(r), EM_STREAMOUT, streamFormat(r), reinterpret_cast<LPARAM>(&stream));
    return cursor.total;
}

// Replaces the whole content; the position cache is stale afterwards.
void readContent(EditorWindowRecord& r, const char* source, long long length) {
    HWND control = richEditOf(r);
    if (source == nullptr || length <= 0) {
        SetWindowTextA(control, "");
    } else {
        StreamCursor cursor;
        cursor.source = source;
        cursor.left = length;
        EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&cursor), 0, readIn};
        SendMessageA(control, EM_STREAMIN, streamFormat(r), reinterpret_cast<LPARAM>(&stream));
    }
    r.PositionCacheInternal = r.PositionCacheExternal = -1;
}

EditorWindowRecord* editorOf(int window) {
    return window >= 0 && window < MaxWindows ? yyeditrecord(wWindow[window]) : nullptr;
}

}  // namespace

void yyeditstorebuffer(int window, int buffer) {
    StoredBuffer* entry = yyeditbufferentry(window, buffer);
    EditorWindowRecord* r = editorOf(window);
    if (entry == nullptr || r == nullptr) return;
    entry->StreamText = {};
    entry->StreamLength = 0;
    entry->TextAllocated = 0;
    CurrentWhile current(window);
    const long long length = countContent(*r);
    if (length > 0) {
        entry->StreamText.resize(static_cast<std::size_t>(length));
        entry->TextAllocated = 1;
        entry->StreamLength = static_cast<int>(writeContent(*r, entry->StreamText.data(), length));
    }
    int w = window;
    for (auto [code, field] : {std::pair{2, &entry->TextLength}, {4, &entry->SelectionStart}, {5, &entry->SelectionEnd},
                               {1, &entry->SavedFlag}, {3, &entry->ChangedFlag}, {9, &entry->FirstVisibleLine}}) {
        int c = code;
        yyeditinfo(w, c, *field);
    }
}

void yyeditretrievebuffer(int window, int buffer) {
    StoredBuffer* entry = yyeditbufferentry(window, buffer);
    EditorWindowRecord* r = editorOf(window);
    if (entry == nullptr || r == nullptr) return;
    CurrentWhile current(window);
    // The control reports the new text as a change: the bookmarks are the buffers' own.
    int bookmarks[EditorBuffers + 1], lengths[EditorBuffers + 1];
    std::memcpy(bookmarks, r->Bookmark, sizeof bookmarks);
    std::memcpy(lengths, r->BookmarkTextLength, sizeof lengths);
    readContent(*r, entry->StreamText.data(), entry->TextAllocated ? entry->StreamLength : 0);
    std::memcpy(r->Bookmark, bookmarks, sizeof bookmarks);
    std::memcpy(r->BookmarkTextLength, lengths, sizeof lengths);
    int from = entry->SelectionStart - 1, to = entry->SelectionEnd;
    yyeditselect(from, to);
    yyeditsettop(entry->FirstVisibleLine);
    yyeditsetflags(entry->SavedFlag, entry->ChangedFlag);
    yyeditclearundo();
    entry->StreamText = {};
    entry->StreamLength = 0;
    entry->TextAllocated = 0;
}

int yyeditswap(int window, int from, int to) {
    if (from != to) {
        yyeditstorebuffer(window, from);
        yyeditretrievebuffer(window, to);
    }
    return 0;
}

void yyeditstorebuffername(int window, int buffer, const char* name, int length) {
    StoredBuffer* entry = yyeditbufferentry(window, buffer);
    if (entry == nullptr) return;
    const std::size_t n = name == nullptr || length <= 0 ? 0 : strnlen(name, static_cast<std::size_t>(length));
    entry->Name.assign(name != nullptr ? name : "", std::min<std::size_t>(n, StoredNameLength));
    entry->NameAllocated = 1;
}

void yyeditgetbuffername(int window, int buffer, char* name, int length) {
    if (name == nullptr || length <= 0) return;
    const StoredBuffer* entry = yyeditbufferentry(window, buffer);
    std::string stored = entry != nullptr && entry->NameAllocated ? entry->Name : std::string();
    while (!stored.empty() && stored.back() == ' ') stored.pop_back();
    const std::size_t n = std::min(stored.size(), static_cast<std::size_t>(length - 1));
    std::memcpy(name, stored.data(), n);
    name[n] = '\0';
    if (n + 1 < static_cast<std::size_t>(length)) std::memset(name + n + 1, ' ', static_cast<std::size_t>(length) - n - 1);
}

void yyeditgetsave(int window, int buffer, int& saved) {
    const StoredBuffer* entry = yyeditbufferentry(window, buffer);
    saved = entry != nullptr ? entry->SavedFlag : 1;
}

void yyeditclosebuffer(int window, int buffer) { yyeditclosebufferentry(window, buffer); }

void yyeditcountrtf(int& length) {
    const EditorWindowRecord* r = yyeditcurrent();
    length = r == nullptr ? 1 : static_cast<int>(countContent(*r));
}

void yyeditgetrtf(char* destination, int& size) {
    if (const EditorWindowRecord* r = yyeditcurrent()) writeContent(*r, destination, size);
}

void yyeditputrtf(int& length, const char* source) {
    if (EditorWindowRecord* r = yyeditcurrent()) readContent(*r, source, length);
}

void yyEditSwitchBuffer(HWND frame, int buffer) {
    EditorWindowRecord* r = yyeditrecord(frame);
    if (r == nullptr || buffer < 1 || buffer > r->BufferCount) return;
    const int n = yygetwindowindex(frame);
    const int old = r->CurrentBuffer;
    if (r->ViewMenu != nullptr) {
        CheckMenuItem(r->ViewMenu, static_cast<UINT>(old - 1), MF_BYPOSITION | MF_UNCHECKED);
        CheckMenuItem(r->ViewMenu, static_cast<UINT>(buffer - 1), MF_BYPOSITION | MF_CHECKED);
    }
    r->CurrentBuffer = buffer;
    yyeditswap(n, old, buffer);
    yyeditstorebuffername(n, old, r->FileName, StoredNameLength);
    yyeditgetbuffername(n, buffer, r->FileName, StoredNameLength);
    yyEditTitle(frame);
    // A pass through 1 by 1 pixels makes the control lay out and paint the new text.
    HWND control = richEditOf(*r);
    RECT area;
    GetWindowRect(control, &area);
    SetWindowPos(control, nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    SetWindowPos(control, nullptr, 0, 0, area.right - area.left, area.bottom - area.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void yyeditselectbuffer(int& buffer, int& status) {
    HWND frame = nullptr;
    EditorWindowRecord* r = yyeditcurrent(&frame);
    if (r == nullptr) {
        status = 1;
        return;
    }
    if (!r->MultiBuffer || buffer < 1 || buffer > r->BufferCount) {
        status = 2;
        return;
    }
    yyEditSwitchBuffer(frame, buffer);
    status = 0;
}
