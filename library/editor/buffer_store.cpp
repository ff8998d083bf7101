// buffer_store.cpp - storage of the editor buffer store.
// Allocated once by start-up rather than held in gravim: about 1800 entries, mostly unused.
#include "editor/buffer_store.hpp"

#include <memory>
#include <utility>

#include "base/addon_hooks.hpp"

namespace {
std::unique_ptr<StoredBuffer[]> store;
}

void yyeditallocatestore() {
    if (!store) store = std::make_unique<StoredBuffer[]>(editorStoreWindows * editorStoreBuffers);
    for (int i = 0; i < editorStoreWindows * editorStoreBuffers; ++i) store[i] = StoredBuffer{};
}

StoredBuffer* yyeditbufferentry(int window, int buffer) {
    if (!store || window < 0 || window >= editorStoreWindows || buffer < 1 || buffer > editorStoreBuffers)
        return nullptr;
    return &store[window * editorStoreBuffers + (buffer - 1)];
}

void yyeditclosebufferentry(int window, int buffer) {
    if (yyeditbufferentry(window, buffer) == nullptr) return;
    for (int k = buffer; k < editorStoreBuffers; ++k)
        *yyeditbufferentry(window, k) = std::move(*yyeditbufferentry(window, k + 1));
    *yyeditbufferentry(window, editorStoreBuffers) = StoredBuffer{};
}

void yyeditreleasestore() {
    if (!store) return;
    // Window 0 keeps its entries; the children's are all gone with their windows.
    for (int i = editorStoreBuffers; i < editorStoreWindows * editorStoreBuffers; ++i) store[i] = StoredBuffer{};
}

void yyeditinstallhooks() {
    AddonHooks hooks;
    hooks.startupDefaults = yyeditallocatestore;
    hooks.closeEnded = yyeditreleasestore;
    yysetaddonhooks(HooksEditor, hooks);
}
