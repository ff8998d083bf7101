// buffer_store.cpp - storage of the editor buffer store.
// Allocated once by start-up rather than held in gravim: about 1800 entries, mostly unused.
#include "editor/buffer_store.hpp"

#include <memory>

namespace {
std::unique_ptr<EditorBufferEntry[]> store;
}

void yyeditallocatestore() {
    if (!store) store = std::make_unique<EditorBufferEntry[]>(editorStoreWindows * editorStoreBuffers);
    for (int i = 0; i < editorStoreWindows * editorStoreBuffers; ++i) store[i] = EditorBufferEntry{};
}

EditorBufferEntry* yyeditbufferentry(int window, int buffer) {
    if (!store || window < 0 || window >= editorStoreWindows || buffer < 1 || buffer > editorStoreBuffers)
        return nullptr;
    return &store[window * editorStoreBuffers + (buffer - 1)];
}

void yyeditreleasestore() {
    if (!store) return;
    // Window 0 keeps its entries; the children's are all gone with their windows.
    for (int i = editorStoreBuffers; i < editorStoreWindows * editorStoreBuffers; ++i) store[i] = EditorBufferEntry{};
}
