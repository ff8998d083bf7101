// editor_access_win.cpp - what an application reads and changes of an open editor: text,
// positions, selection, flags, fonts and formats, and the final state of a closed modal editor.
#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "windows/window_tables_win.hpp"
#include "editor/editor_record_win.hpp"
#include "editor/editor_text.hpp"

namespace {

// The final state of the last modal editor.
struct ModalResults {
    int saved = 0, length = 0, changed = 0, start = 0, end = 0, buffer = 0, count = 0, firstLine = 0;
    int fontType = 0, fontSize = 0, findFlags = 0;
    std::string findText, replaceText, fileName;
} modalResults;

// One remembered selection and first line for yyeditshowhide, for the whole library.
CHARRANGE hiddenSelection = {0, 0};
int hiddenFirstLine = 0;

bool converting(const EditorWindowRecord& r) { return iVerRTF >= 2 && !r.RawPositions; }

CHARRANGE selectionOf(HWND control) {
    CHARRANGE range = {0, 0};
    SendMessageA(control, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

int firstLine(HWND control) { return static_cast<int>(SendMessageA(control, EM_GETFIRSTVISIBLELINE, 0, 0)); }

void scrollTo(HWND control, int line) {
    const int now = firstLine(control);
    if (now != line) SendMessageA(control, EM_LINESCROLL, 0, line - now);
}

// The control's text of a control-position range, through EM_GETTEXTRANGE.
std::string textRange(HWND control, int from, int to) {
    if (to <= from) return {};
    std::vector<char> buffer(static_cast<std::size_t>(to - from) + 1, '\0');
    TEXTRANGEA range = {{from, to}, buffer.data()};
    const LRESULT got = SendMessageA(control, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    return std::string(buffer.data(), static_cast<std::size_t>(std::max<LRESULT>(0, std::min<LRESULT>(got, to - from))));
}

// Hides the control for a temporary selection unless the display is frozen.
class HiddenWhile {
public:
    HiddenWhile(const EditorWindowRecord& r) : control_(richEditOf(r)), hide_(r.DisplayFrozen == 0) {
        first_ = firstLine(control_);
        if (hide_) SendMessageA(control_, WM_SETREDRAW, FALSE, 0);
    }
    ~HiddenWhile() {
        scrollTo(control_, first_);
        if (hide_) {
            SendMessageA(control_, WM_SETREDRAW, TRUE, 0);
            InvalidateRect(control_, nullptr, TRUE);
        }
    }
    HiddenWhile(const HiddenWhile&) = delete;
    HiddenWhile& operator=(const HiddenWhile&) = delete;

private:
    HWND control_;
    bool hide_;
    int first_;
};

// The current editor for a format routine: status -1 without one, -2 when it is not rich text.
EditorWindowRecord* formattable(int& status) {
    EditorWindowRecord* r = yyeditcurrent();
    status = r == nullptr ? -1 : !r->RichText ? -2 : 0;
    return status == 0 ? r : nullptr;
}

int callerLength(const EditorWindowRecord& r) { return yyGetWindowTextLength(richEditOf(r), r.DisplayFrozen); }

void applyCharFormat(EditorWindowRecord& r, int from, int to, CHARFORMAT2A& format) {
    HWND control = richEditOf(r);
    int a = 0, b = 0;
    yyEditAdjustPos(r, from, to, a, b);
    HiddenWhile hidden(r);
    const CHARRANGE kept = selectionOf(control);
    SendMessageA(control, EM_HIDESELECTION, TRUE, 0);
    CHARRANGE range = {a, b};
    SendMessageA(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    SendMessageA(control, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    if (r.DisplayFrozen == 0) SendMessageA(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&kept));
    SendMessageA(control, EM_HIDESELECTION, FALSE, 0);
}

}  // namespace

int yyeditcontrolchars(HWND control) {
    GETTEXTLENGTHEX query = {GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    return static_cast<int>(SendMessageA(control, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0));
}

int yyEditLineFromChar(HWND control, int count) {
    int ends = 0;
    for (int k = 0; k < count; ++k)
        if (textRange(control, k, k + 1) == "\r") ++ends;
    return ends;
}

void yyEditAdjustPos(EditorWindowRecord& r, int from, int to, int& controlFrom, int& controlTo) {
    if (!converting(r)) {
        controlFrom = from;
        controlTo = to;
        return;
    }
    HWND control = richEditOf(r);
    HiddenWhile hidden(r);
    if (r.PositionCacheInternal < 0 || r.PositionCacheExternal < 0 || from < r.PositionCacheExternal ||
        to < r.PositionCacheExternal)
        r.PositionCacheInternal = r.PositionCacheExternal = 0;
    const int start = r.PositionCacheInternal;
    const int wanted = std::max(from, to) - start + 1;
    const int length = yyeditcontrolchars(control);
    const std::string text = textRange(control, start, std::min(length, start + std::max(0, wanted)));
    const PositionWalk walk = yyeditwalkpositions(text, start, r.PositionCacheExternal, from, to);
    controlFrom = walk.controlA;
    controlTo = walk.controlB;
    r.PositionCacheInternal = walk.internal;
    r.PositionCacheExternal = walk.external;
}

int yyeditcallerpos(EditorWindowRecord& r, int controlPosition) {
    if (!converting(r)) return controlPosition;
    HWND control = richEditOf(r);
    const bool wraps = (GetWindowLongA(control, GWL_STYLE) & WS_HSCROLL) == 0;
    const int ends = wraps ? yyEditLineFromChar(control, controlPosition)
                           : static_cast<int>(SendMessageA(control, EM_EXLINEFROMCHAR, 0, controlPosition));
    return controlPosition + ends;
}

void yyeditkeepmodalresults(EditorWindowRecord& r) {
    HWND control = richEditOf(r);
    ModalResults& m = modalResults;
    m.saved = SendMessageA(control, EM_GETMODIFY, 0, 0) != 0 ? 0 : 1;
    m.length = r.RawPositions ? yyeditcontrolchars(control) : callerLength(r);
    m.changed = r.ChangedFlag;
    const CHARRANGE selection = selectionOf(control);
    m.start = yyeditcallerpos(r, selection.cpMin);
    m.end = yyeditcallerpos(r, selection.cpMax);
    m.buffer = r.CurrentBuffer;
    m.count = r.BufferCount;
    m.firstLine = firstLine(control);
    m.fontType = r.FontType;
    m.fontSize = r.FontSize;
    m.findFlags = static_cast<int>(r.FindReplace.Flags);
    m.findText = r.FindText;
    m.replaceText = r.ReplaceText;
    m.fileName = r.FileName;
}

void yyeditputtext(int& status, const char* text) {
    EditorWindowRecord* r = yyeditcurrent();
    if (r == nullptr) {
        status = 1;
        return;
    }
    r->ProtectActive = 0;
    SetWindowTextA(richEditOf(*r), text != nullptr ? text : "");
    r->ProtectActive = 1;
    status = 0;
}

void yyeditputtextpart(int& from, int& to, const char* text) {
    EditorWindowRecord* r = yyeditcurrent();
    if (r == nullptr) {
        from = -1;
        return;
    }
    HWND control = richEditOf(*r);
    const char* insert = text != nullptr ? text : "";
    if (*insert != '\0' || from != to) {
        if (iVerRTF == 1) SendMessageA(control, EM_EMPTYUNDOBUFFER, 0, 0);
        else SendMessageA(control, EM_STOPGROUPTYPING, 0, 0);
    }
    int a = 0, b = 0;
    yyEditAdjustPos(*r, from, to, a, b);
    r->ProtectActive = 0;
    SendMessageA(control, EM_HIDESELECTION, TRUE, 0);
    CHARRANGE range = {a, b};
    SendMessageA(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    SendMessageA(control, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(insert));
    r->ProtectActive = 1;
    SendMessageA(control, EM_HIDESELECTION, FALSE, 0);
    SendMessageA(control, EM_SCROLLCARET, 0, 0);
    InvalidateRect(control, nullptr, TRUE);
    from = 0;
}

void yyeditgettext(int& status, int& size, char* text) {
    EditorWindowRecord* r = yyeditcurrent();
    if (r == nullptr) {
        status = 1;
        return;
    }
    HWND control = richEditOf(*r);
    HiddenWhile hidden(*r);
    const int length = yyeditcontrolchars(control);
    const std::string all = textRange(control, 0, length);
    status = yyeditcopyout(text, size, all) ? 0 : 2;
}

void yyeditgettextpart(int& from, int& count, char* text) {
    EditorWindowRecord* r = yyeditcurrent();
    if (r == nullptr) {
        from = -1;
        return;
    }
    HWND control = richEditOf(*r);
    const int last = from + count - 1;  // up to, not including
    int a = 0, b = 0;
    yyEditAdjustPos(*r, from, std::max(from, last), a, b);
    HiddenWhile hidden(*r);
    const std::string part = textRange(control, a, std::min(b, yyeditcontrolchars(control)));
    yyeditcopyout(text, std::max(0, count), part);
    from = 0;
}

void yyeditinfo(int& window, int& code, int& value) {
    if (code == 8) {
        value = iVerRTF;
        return;
    }
    if (window == -1) {
        const ModalResults& m = modalResults;
        const DWORD f = static_cast<DWORD>(m.findFlags);
        switch (code) {
        case 1: value = m.saved; break;
        case 2: value = m.length; break;
        case 3: value = m.changed; break;
        case 4: value = m.start + 1; break;
        case 5: value = std::min(m.end, m.length); break;
        case 6: value = m.buffer; break;
        case 7: value = m.count; break;
        case 9: value = m.firstLine; break;
        case 10: value = 0; break;
        case 11: value = m.fontType; break;
        case 12: value = m.fontSize; break;
        case 13:
            value = yyeditfindcode((f & FR_MATCHCASE) != 0, (f & FR_DOWN) != 0, (f & FR_WHOLEWORD) != 0);
            break;
        default: break;
        }
        return;
    }
    HWND frame = window >= 0 && window < MaxWindows ? wWindow[window] : nullptr;
    EditorWindowRecord* r = yyeditrecord(frame);
    if (r == nullptr) return;
    HWND control = richEditOf(*r);
    const CHARRANGE selection = selectionOf(control);
    switch (code) {
    case 1: value = SendMessageA(control, EM_GETMODIFY, 0, 0) != 0 ? 0 : 1; break;
    case 2: value = r->RawPositions ? yyeditcontrolchars(control) : callerLength(*r); break;
    case 3: value = r->ChangedFlag; break;
    case 4: value = yyeditcallerpos(*r, selection.cpMin) + 1; break;
    case 5: {
        const int length = r->RawPositions ? yyeditcontrolchars(control) : callerLength(*r);
        value = std::min(yyeditcallerpos(*r, selection.cpMax), length);
        break;
    }
    case 6: value = r->CurrentBuffer; break;
    case 7: value = r->BufferCount; break;
    case 9: value = firstLine(control); break;
    case 10: {
        const bool history = r->CommandLine != 0 && r->CommandLine != r->CommandEdit;
        value = history ? static_cast<int>(SendMessageA(editorWindow(r->CommandLine), CB_GETCOUNT, 0, 0)) : 0;
        break;
    }
    case 11: value = r->FontType; break;
    case 12: value = r->FontSize; break;
    case 13: {
        const DWORD f = r->FindReplace.Flags;
        value = yyeditfindcode((f & FR_MATCHCASE) != 0, (f & FR_DOWN) != 0, (f & FR_WHOLEWORD) != 0);
        break;
    }
    case 102: {
        RECT client;
        GetClientRect(control, &client);
        value = firstLine(control) + (r->LineHeight > 0 ? (client.bottom - client.top) / r->LineHeight : 0);
        break;
    }
    case 103: value = static_cast<int>(SendMessageA(control, EM_GETLINECOUNT, 0, 0)); break;
    case 104: value = r->RawPositions ? 1 : 0; break;
    default: break;
    }
}

void yyeditinfostring(int& window, int& code, int& length, char* text, int& size) {
    std::string find, replace, name;
    if (window == -1) {
        find = modalResults.findText;
        replace = modalResults.replaceText;
        name = modalResults.fileName;
    } else {
        HWND frame = window >= 0 && window < MaxWindows ? wWindow[window] : nullptr;
        EditorWindowRecord* r = yyeditrecord(frame);
        if (r == nullptr) return;
        find = r->FindText;
        replace = r->ReplaceText;
        name = r->FileName;
    }
    switch (code) {
    case 1:
        yyeditcopyout(text, size, find);
        length = static_cast<int>(find.size());
        break;
    case 2:
        yyeditcopyout(text, size, replace);
        length = static_cast<int>(replace.size());
        break;
    case 3: yyeditcopyout(text, size, name); break;
    default: break;
    }
}

void yyeditconvertpos(int& direction, int& value, int& result) {
    EditorWindowRecord* r = yyeditcurrent();
    if (r == nullptr) {
        result = -2;
        return;
    }
    HWND control = richEditOf(*r);
    if (direction == 1) {
        int a = 0, b = 0;
        yyEditAdjustPos(*r, value, value, a, b);
        result = static_cast<int>(SendMessageA(control, EM_EXLINEFROMCHAR, 0, a));
    } else {
        const int start = static_cast<int>(SendMessageA(control, EM_LINEINDEX, static_cast<WPARAM>(value), 0));
        result = start < 0 ? -1 : yyeditcallerpos(*r, start);
    }
}

void yyeditselect(int& from, int& to) {
    EditorWindowRecord* r = yyeditcurrent();
    if (r == nullptr) {
        from = -1;
        return;
    }
    int a = 0, b = 0;
    yyEditAdjustPos(*r, from, to, a, b);
    CHARRANGE range = {a, b};
    SendMessageA(richEditOf(*r), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    SendMessageA(richEditOf(*r), EM_SCROLLCARET, 0, 0);
}

void yyeditsetflags(int& saved, int& changed) {
    HWND frame = nullptr;
    EditorWindowRecord* r = yyeditcurrent(&frame);
    if (r == nullptr) return;
    r->ChangedFlag = changed;
    SendMessageA(richEditOf(*r), EM_SETMODIFY, saved == 0 ? TRUE : FALSE, 0);
    if (r->ShowModified) yyEditTitle(frame);
}

void yyeditclearundo() {
    EditorWindowRecord* r = yyeditcurrent();
    if (r == nullptr) return;
    SendMessageA(richEditOf(*r), EM_EMPTYUNDOBUFFER, 0, 0);
    yyeditundobuttons(*r);
}

void yyeditsettop(int& line) {
    if (EditorWindowRecord* r = yyeditcurrent()) scrollTo(richEditOf(*r), line);
}

void yyeditsetpos(int& position) {
    EditorWindowRecord* r = yyeditcurrent();
    if (r == nullptr) return;
    int a = 0, b = 0;
    yyEditAdjustPos(*r, position, position, a, b);
    HWND control = richEditOf(*r);
    SendMessageA(control, EM_SETSEL, static_cast<WPARAM>(a), a);
    SendMessageA(control, EM_SCROLLCARET, 0, 0);
    InvalidateRect(control, nullptr, TRUE);
}

void yyeditsetbackup(int& flag) {
    if (EditorWindowRecord* r = yyeditcurrent()) r->BackupOnSave = flag == 1 ? 1 : 0;
}

void yyeditsave(int& saveAs) {
    HWND frame = nullptr;
    if (yyeditcurrent(&frame) != nullptr) yyEditSaveFile(frame, saveAs);
}

void yyeditfont(int& type, int& size, int& status) {
    HWND frame = nullptr;
    EditorWindowRecord* r = yyeditcurrent(&frame);
    if (r == nullptr) {
        status = 1;
        return;
    }
    HWND control = richEditOf(*r);
    HFONT old = r->Font;
    const bool wasModified = SendMessageA(control, EM_GETMODIFY, 0, 0) != 0;
    yyEditCreateFont(*r, type == -1 ? r->FontType : type, size == -1 ? r->FontSize : size);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(r->Font), TRUE);
    if (!r->RichText && !wasModified) {
        SendMessageA(control, EM_SETMODIFY, FALSE, 0);
        if (r->ShowModified) yyEditTitle(frame);
    }
    if (old != r->Font) yyeditdeletefont(old);
    status = 0;
}

void yyeditformattext(int& status, int& from, int& to, int& bold, int& italic, int& underline, int& strikeout,
                      int& size, int& colour, int& backColour, const char* face) {
    EditorWindowRecord* r = formattable(status);
    if (r == nullptr) return;
    CHARFORMAT2A format = {};
    format.cbSize = iVerRTF > 1 ? sizeof(CHARFORMAT2A) : sizeof(CHARFORMATA);
    format.bCharSet = DEFAULT_CHARSET;
    auto effect = [&](int value, DWORD mask, DWORD bit, bool on) {
        if (value == -1) return;
        format.dwMask |= mask;
        if (on) format.dwEffects |= bit;
    };
    effect(bold, CFM_BOLD, CFE_BOLD, bold == 1);
    effect(italic, CFM_ITALIC, CFE_ITALIC, italic == 1);
    effect(strikeout, CFM_STRIKEOUT, CFE_STRIKEOUT, strikeout == 1);
    effect(underline, CFM_UNDERLINE, CFE_UNDERLINE, underline > 0);
    if (size != -1) {
        format.dwMask |= CFM_SIZE;
        format.yHeight = size * 20;
    }
    if (colour != -2) {
        format.dwMask |= CFM_COLOR;
        if (colour == -1) format.dwEffects |= CFE_AUTOCOLOR;
        else format.crTextColor = static_cast<COLORREF>(colour);
    }
    if (backColour != -2 && iVerRTF > 1) {
        format.dwMask |= CFM_BACKCOLOR;
        if (backColour == -1) format.dwEffects |= CFE_AUTOBACKCOLOR;
        else format.crBackColor = static_cast<COLORREF>(backColour);
    }
    if (face != nullptr && *face != '\0') {
        format.dwMask |= CFM_FACE | CFM_CHARSET;
        lstrcpynA(format.szFaceName, face, LF_FACESIZE);
    }
    applyCharFormat(*r, from - 1, to, format);
    status = 0;
}

void yyeditformatpara(int& status, int& from, int& to, int& bullets, int& align) {
    EditorWindowRecord* r = formattable(status);
    if (r == nullptr) return;
    PARAFORMAT format = {};
    format.cbSize = sizeof format;
    if (bullets != -1) {
        format.dwMask |= PFM_NUMBERING;
        format.wNumbering = bullets == 1 ? PFN_BULLET : 0;
    }
    if (align >= 0 && align <= 2) {
        format.dwMask |= PFM_ALIGNMENT;
        static const WORD alignments[] = {PFA_LEFT, PFA_CENTER, PFA_RIGHT};
        format.wAlignment = alignments[align];
    }
    HWND control = richEditOf(*r);
    int a = 0, b = 0;
    yyEditAdjustPos(*r, from - 1, to, a, b);
    HiddenWhile hidden(*r);
    const CHARRANGE kept = selectionOf(control);
    SendMessageA(control, EM_HIDESELECTION, TRUE, 0);
    CHARRANGE range = {a, b};
    SendMessageA(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    SendMessageA(control, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    if (r->DisplayFrozen == 0) SendMessageA(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&kept));
    SendMessageA(control, EM_HIDESELECTION, FALSE, 0);
    status = 0;
}

void yyeditshowhide(int& show) {
    EditorWindowRecord* r = yyeditcurrent();
    if (r == nullptr) return;
    HWND control = richEditOf(*r);
    if (show == 0) {
        hiddenFirstLine = firstLine(control);
        hiddenSelection = selectionOf(control);
        ShowWindow(control, SW_HIDE);
    } else {
        SendMessageA(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&hiddenSelection));
        scrollTo(control, hiddenFirstLine);
        ShowWindow(control, SW_SHOW);
    }
    r->DisplayFrozen = show == 0 ? 1 : 0;
}

void yyeditredraw(int& window) {
    HWND frame = window >= 0 && window < MaxWindows ? wWindow[window] : nullptr;
    if (EditorWindowRecord* r = yyeditrecord(frame)) {
        InvalidateRect(richEditOf(*r), nullptr, TRUE);
        UpdateWindow(richEditOf(*r));
    }
}
