// editor_window_win.cpp - what the window manager asks of editor windows: accelerators, the
// close check over the other buffers, turning an editor back into a plain child; and the frees
// both destruction and that turning back need.
#include <windows.h>

#include <richedit.h>

#include "windows/menus_win.hpp"
#include "windows/window_kinds_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"
#include "editor/editor_record_win.hpp"

namespace {

HWND frameOf(const EditorWindowRecord& r) { return GetParent(richEditOf(r)); }

}  // namespace

void yyeditdeletefont(HFONT font) {
    if (font == nullptr) return;
    for (int k : {SYSTEM_FIXED_FONT, SYSTEM_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, DEFAULT_GUI_FONT, OEM_FIXED_FONT})
        if (GetStockObject(k) == font) return;
    DeleteObject(font);
}

void yyeditfreeresources(EditorWindowRecord& r) {
    for (HACCEL* table : {&r.EditorAccelerators, &r.ApplicationAccelerators, &r.InsideParentAccelerators}) {
        if (*table != nullptr) DestroyAcceleratorTable(*table);
        *table = nullptr;
    }
    yyeditdeletefont(r.Font);
    r.Font = nullptr;
    for (HANDLE& file : r.BufferFile) {
        if (file != nullptr && file != INVALID_HANDLE_VALUE) CloseHandle(file);
        file = nullptr;
    }
}

void yyeditinstallkind() {
    SpecialWindowCalls calls;
    calls.accelerate = yyeditaccelerate;
    calls.mayClose = [](HWND frame, int* record) {
        return yyEditCheckSave(frame, record) == 1 && yyeditcheckotherbuffers(frame, record) == 1;
    };
    calls.revert = yyeditrevert;
    calls.focus = [](const int* record) {
        return editorWindow(reinterpret_cast<const EditorWindowRecord*>(record)->FocusControl);
    };
    calls.barsHeight = [](const int* record) {
        return heightOf(editorWindow(reinterpret_cast<const EditorWindowRecord*>(record)->Toolbar));
    };
    calls.ownBars = [](const int* record, HWND& toolbar, HWND& prompt, HWND& commandLine) {
        const auto* r = reinterpret_cast<const EditorWindowRecord*>(record);
        toolbar = editorWindow(r->Toolbar);
        prompt = editorWindow(r->PromptFrame);
        commandLine = editorWindow(r->CommandLine);
    };
    calls.runsOwnMenus = true;
    calls.ownMenuBar = true;
    yysetspecialwindowcalls(KindEditor, calls);
}

bool yyeditaccelerate(int* words, MSG* message) {
    auto* r = reinterpret_cast<EditorWindowRecord*>(words);
    if (HWND find = editorWindow(r->FindDialog); find != nullptr && IsDialogMessageA(find, message)) return true;
    HWND frame = frameOf(*r);
    if (frame == nullptr) return false;
    // The inside-parent table exists only while the editor lies inside a host.
    for (HACCEL table : {r->EditorAccelerators, r->ApplicationAccelerators, r->InsideParentAccelerators})
        if (table != nullptr && TranslateAcceleratorA(frame, table, message)) return true;
    return false;
}

int yyeditcheckotherbuffers(HWND frame, int* words) {
    auto* r = reinterpret_cast<EditorWindowRecord*>(words);
    if (!r->MultiBuffer) return 1;
    const int n = yygetwindowindex(frame);
    const int start = r->CurrentBuffer;
    int allowed = 1;
    for (int k = 1; k <= r->BufferCount && allowed != 0; ++k) {
        if (k == start) continue;
        int saved = 1;
        yyeditgetsave(n, k, saved);
        if (saved != 0) continue;
        yyeditstorebuffername(n, r->CurrentBuffer, r->FileName, 260);
        yyeditswap(n, r->CurrentBuffer, k);
        r->CurrentBuffer = k;
        yyeditgetbuffername(n, k, r->FileName, 260);
        yyEditTitle(frame);
        allowed = yyEditCheckSave(frame, words);
    }
    if (allowed == 0 && r->CurrentBuffer != start) {
        yyeditswap(n, r->CurrentBuffer, start);
        r->CurrentBuffer = start;
        yyeditgetbuffername(n, start, r->FileName, 260);
        yyEditTitle(frame);
    }
    return allowed;
}

void yyeditrevert(int n, int* words) {
    auto* r = reinterpret_cast<EditorWindowRecord*>(words);
    HWND frame = wWindow[n];
    // The editor's menu goes; a top-level frame shows no menu afterwards.
    if (r->MenuBar != nullptr) {
        yydestroymenubar(n, r->MenuBar);
        r->MenuBar = nullptr;
    }
    for (int word : {r->FindDialog, r->RichEdit, r->Toolbar, r->StatusBar, r->CommandLine, r->PromptFrame}) {
        if (HWND window = editorWindow(word)) DestroyWindow(window);
    }
    yyforgetstatusbar(n, editorWindow(r->StatusBar));
    yyeditfreeresources(*r);
    if (hClient[n] != nullptr) ShowWindow(hClient[n], SW_SHOW);
    DrawMenuBar(frame);
    delete r;
}
