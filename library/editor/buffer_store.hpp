// buffer_store.hpp - the editor buffer store: 35 file buffers for each of windows 0..50.
// Start-up allocates it; the editor keeps each buffer's stored text and bookkeeping here.
#pragma once

#include "core/addon_calls.hpp"

constexpr int editorStoreWindows = 51;  // windows 0..50
constexpr int editorStoreBuffers = 35;  // buffers 1..35

struct EditorBufferEntry {
    int allocated[2] = {0, 0};  // the two allocation flags: 0 while the entry holds nothing
};

// Entry of a window 0..50 and buffer 1..35; null before the store is allocated or out of range.
EditorBufferEntry* yyeditbufferentry(int window, int buffer);
