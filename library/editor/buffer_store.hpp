// buffer_store.hpp - the editor buffer store: 35 file buffers for each of windows 0..50.
// Start-up allocates it; a multi-buffer editor keeps here, for each buffer, its name and, while
// the buffer is not shown, its content with caret, selection, scroll position and flags.
#pragma once

#include <string>
#include <vector>

constexpr int editorStoreWindows = 51;  // windows 0..50
constexpr int editorStoreBuffers = 35;  // buffers 1..35
constexpr int StoredNameLength = 260;

struct StoredBuffer {
    int StreamLength = 0;      // bytes in StreamText
    int TextLength = 0;        // caller positions
    int SelectionStart = 0;    // from 1
    int SelectionEnd = 0;
    int SavedFlag = 1;         // 1 not modified, 0 modified
    int ChangedFlag = 0;
    int FirstVisibleLine = 0;  // from 0
    int NameAllocated = 0;     // 1 once Name exists
    int TextAllocated = 0;     // 1 while StreamText holds the content
    std::string Name;                // at most StoredNameLength characters
    std::vector<char> StreamText;    // RTF in a rich-text editor, else plain text
};

// Allocates the store (once) and marks every entry empty (start-up).
void yyeditallocatestore();
// Releases what the entries of windows 1..50 hold and empties them (the root window closed).
void yyeditreleasestore();
// Installs the store's start-up and close hooks with the base (when the library is assembled).
void yyeditinstallhooks();

// Entry of a window 0..50 and buffer 1..35; null before the store is allocated or out of range.
StoredBuffer* yyeditbufferentry(int window, int buffer);
// Frees entry `buffer` of `window` and moves the entries above it one place down; the last
// entry is left holding nothing.
void yyeditclosebufferentry(int window, int buffer);
