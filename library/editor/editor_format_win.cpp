// editor_format_win.cpp - formatting the selection of a rich-text editor (font dialog, bold,
// italic, underline, alignment, bullets), keeping the formatting buttons in step, and emptying
// the control for a new text.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>

#include "base/callback_guard.hpp"
#include "windows/window_tables_win.hpp"
#include "editor/editor_record_win.hpp"

namespace {

constexpr int UnderlineBox = 1041;  // the font dialog's underline check box

CHARFORMAT2A charFormat(HWND control) {
    CHARFORMAT2A format = {};
    format.cbSize = sizeof format;
    SendMessageA(control, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
}

PARAFORMAT paraFormat(HWND control) {
    PARAFORMAT format = {};
    format.cbSize = sizeof format;
    SendMessageA(control, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    return format;
}

// Applies a change with the position cache kept across the change notifications it causes.
template <typename Apply>
void keepingCache(EditorWindowRecord& r, Apply apply) {
    const int internal = r.PositionCacheInternal, external = r.PositionCacheExternal;
    apply();
    r.PositionCacheInternal = internal;
    r.PositionCacheExternal = external;
    yyEditUpdateBIU(r);
}

void setButton(HWND toolbar, int id, BYTE state) {
    if (toolbar != nullptr && SendMessageA(toolbar, TB_COMMANDTOINDEX, static_cast<WPARAM>(id), 0) >= 0)
        SendMessageA(toolbar, TB_SETSTATE, static_cast<WPARAM>(id), MAKELONG(state, 0));
}

}  // namespace

void yyEditFormatFont(HWND frame, EditorWindowRecord& r) {
    HWND control = richEditOf(r);
    const CHARFORMAT2A current = charFormat(control);
    LOGFONTA font = {};
    HDC screen = GetDC(nullptr);
    font.lfHeight = -MulDiv(static_cast<int>(current.yHeight) / 20, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    const bool boldKnown = (current.dwMask & CFM_BOLD) != 0, italicKnown = (current.dwMask & CFM_ITALIC) != 0;
    font.lfWeight = !boldKnown ? 0 : (current.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = italicKnown && (current.dwEffects & CFE_ITALIC) ? TRUE : FALSE;
    const bool underlined = (current.dwMask & CFM_UNDERLINE) != 0 && (current.dwEffects & CFE_UNDERLINE) != 0;
    font.lfUnderline = underlined ? TRUE : FALSE;
    font.lfStrikeOut = (current.dwMask & CFM_STRIKEOUT) != 0 && (current.dwEffects & CFE_STRIKEOUT) ? TRUE : FALSE;
    font.lfCharSet = current.bCharSet;
    font.lfPitchAndFamily = current.bPitchAndFamily;
    lstrcpynA(font.lfFaceName, current.szFaceName, LF_FACESIZE);
    CHOOSEFONTA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = frame;
    dialog.lpLogFont = &font;
    const bool autoColour = (current.dwMask & CFM_COLOR) == 0 || (current.dwEffects & CFE_AUTOCOLOR) != 0;
    dialog.rgbColors = autoColour ? GetSysColor(COLOR_WINDOWTEXT) : current.crTextColor;
    dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_TTONLY | CF_FORCEFONTEXIST | CF_INITTOLOGFONTSTRUCT;
    if (!boldKnown || !italicKnown) dialog.Flags |= CF_NOSTYLESEL;
    if ((current.dwMask & CFM_FACE) == 0) dialog.Flags |= CF_NOFACESEL;
    if ((current.dwMask & CFM_SIZE) == 0) dialog.Flags |= CF_NOSIZESEL;
    if (r.HelpMode) {
        dialog.Flags |= CF_ENABLEHOOK;
        dialog.lpfnHook = yyHelpEdFontHook;
        dialog.lCustData = underlined ? 1 : 0;
    }
    if (!ChooseFontA(&dialog)) return;
    CHARFORMAT2A chosen = {};
    chosen.cbSize = sizeof chosen;
    chosen.dwMask = CFM_FACE | CFM_CHARSET | CFM_SIZE | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
    lstrcpynA(chosen.szFaceName, font.lfFaceName, LF_FACESIZE);
    chosen.bCharSet = font.lfCharSet;
    chosen.bPitchAndFamily = font.lfPitchAndFamily;
    chosen.yHeight = dialog.iPointSize * 2;
    chosen.crTextColor = dialog.rgbColors;
    if (font.lfWeight == FW_BOLD) chosen.dwEffects |= CFE_BOLD;
    if (font.lfItalic) chosen.dwEffects |= CFE_ITALIC;
    if (font.lfUnderline) chosen.dwEffects |= CFE_UNDERLINE;
    if (font.lfStrikeOut) chosen.dwEffects |= CFE_STRIKEOUT;
    keepingCache(r, [&] { SendMessageA(control, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&chosen)); });
}

UINT_PTR CALLBACK yyHelpEdFontHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return yyguardcallback(
        "yyHelpEdFontHook",
        [&]() -> UINT_PTR {
            (void)wParam;
            if (message == WM_INITDIALOG) {
                const CHOOSEFONTA* choose = reinterpret_cast<const CHOOSEFONTA*>(lParam);
                EnableWindow(GetDlgItem(dialog, UnderlineBox), choose->lCustData != 0 ? TRUE : FALSE);
            }
            return 0;
        },
        []() -> UINT_PTR { return 0; });
}

void yyEditFormatBIU(EditorWindowRecord& r, int command) {
    HWND control = richEditOf(r);
    const CHARFORMAT2A current = charFormat(control);
    const DWORD mask = command == CmdBold ? CFM_BOLD : command == CmdItalic ? CFM_ITALIC : CFM_UNDERLINE;
    const DWORD effect = command == CmdBold ? CFE_BOLD : command == CmdItalic ? CFE_ITALIC : CFE_UNDERLINE;
    CHARFORMAT2A change = {};
    change.cbSize = sizeof change;
    change.dwMask = mask;
    // Uniform: inverted; mixed: switched on.
    const bool on = (current.dwMask & mask) == 0 || (current.dwEffects & effect) == 0;
    change.dwEffects = on ? effect : 0;
    keepingCache(r, [&] { SendMessageA(control, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&change)); });
}

void yyEditFormatLCR(EditorWindowRecord& r, int command) {
    PARAFORMAT change = {};
    change.cbSize = sizeof change;
    change.dwMask = PFM_ALIGNMENT;
    change.wAlignment = command == CmdAlignLeft ? PFA_LEFT : command == CmdAlignCentre ? PFA_CENTER : PFA_RIGHT;
    keepingCache(r, [&] { SendMessageA(richEditOf(r), EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&change)); });
}

void yyEditFormatBullet(EditorWindowRecord& r) {
    const PARAFORMAT current = paraFormat(richEditOf(r));
    const bool allBulleted = (current.dwMask & PFM_NUMBERING) != 0 && current.wNumbering == PFN_BULLET;
    PARAFORMAT change = {};
    change.cbSize = sizeof change;
    change.dwMask = PFM_NUMBERING;
    change.wNumbering = allBulleted ? 0 : PFN_BULLET;
    keepingCache(r, [&] { SendMessageA(richEditOf(r), EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&change)); });
}

void yyEditUpdateBIU(EditorWindowRecord& r) {
    if (!r.RichText || r.ReadOnly) return;
    HWND control = richEditOf(r);
    const CHARFORMAT2A chars = charFormat(control);
    const PARAFORMAT para = paraFormat(control);
    const BYTE base =
        (chars.dwMask & CFM_PROTECTED) != 0 && (chars.dwEffects & CFE_PROTECTED) == 0 ? TBSTATE_ENABLED : 0;
    auto state = [&](bool known, bool on) -> BYTE {
        return static_cast<BYTE>(base | (known && on ? TBSTATE_CHECKED : 0) | (!known ? TBSTATE_INDETERMINATE : 0));
    };
    const bool bulletsKnown = (para.dwMask & PFM_NUMBERING) != 0;
    const bool bulleted = bulletsKnown && para.wNumbering == PFN_BULLET;
    if (HWND toolbar = editorWindow(r.Toolbar)) {
        setButton(toolbar, CmdBold, state((chars.dwMask & CFM_BOLD) != 0, (chars.dwEffects & CFE_BOLD) != 0));
        setButton(toolbar, CmdItalic, state((chars.dwMask & CFM_ITALIC) != 0, (chars.dwEffects & CFE_ITALIC) != 0));
        setButton(toolbar, CmdUnderline,
                  state((chars.dwMask & CFM_UNDERLINE) != 0, (chars.dwEffects & CFE_UNDERLINE) != 0));
        setButton(toolbar, CmdBullet, state(bulletsKnown, bulleted));
    }
    if (r.MenuBar != nullptr && r.FormatMenu != nullptr)
        CheckMenuItem(r.FormatMenu, CmdBullet, MF_BYCOMMAND | (bulleted || !bulletsKnown ? MF_CHECKED : MF_UNCHECKED));
    if (HWND toolbar = editorWindow(r.Toolbar)) {
        const bool alignKnown = (para.dwMask & PFM_ALIGNMENT) != 0;
        const BYTE other = static_cast<BYTE>(base | (alignKnown ? 0 : TBSTATE_INDETERMINATE));
        setButton(toolbar, CmdAlignLeft, other);
        setButton(toolbar, CmdAlignCentre, other);
        setButton(toolbar, CmdAlignRight, other);
        if (alignKnown) {
            const int current = para.wAlignment == PFA_CENTER ? CmdAlignCentre
                                : para.wAlignment == PFA_RIGHT ? CmdAlignRight
                                                                : CmdAlignLeft;
            setButton(toolbar, current, static_cast<BYTE>(base | TBSTATE_CHECKED));
        }
    }
}

void yyEditResetFormat(EditorWindowRecord& r) {
    HWND control = richEditOf(r);
    int numerator = 0, denominator = 0;
    if (iVerRTF == 3)
        SendMessageA(control, EM_GETZOOM, reinterpret_cast<WPARAM>(&numerator), reinterpret_cast<LPARAM>(&denominator));
    SetWindowTextA(control, "");
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(r.Font), 0);
    PARAFORMAT para = {};
    para.cbSize = sizeof para;
    para.dwMask = PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET | PFM_ALIGNMENT | PFM_TABSTOPS | PFM_NUMBERING;
    para.wAlignment = PFA_LEFT;
    SendMessageA(control, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&para));
    if (iVerRTF == 3) SendMessageA(control, EM_SETZOOM, static_cast<WPARAM>(numerator), denominator);
}
