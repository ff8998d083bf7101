// field_public_win.cpp - the public field routines of the current dialog: each tests that a
// dialog is current, calls the internal field routine and turns its status into an error.
#include <string>
#include <vector>

#include "base/convert.hpp"
#include "base/convert_internal.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "base/strings.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"

namespace {

// False (and error 1005) when no dialog is current.
bool current(std::string_view routine) {
    if (yycurrentdialogwindow() != nullptr) return true;
    yyerror(1005, routine);
    return false;
}

// False (and error 1006) when the internal routine found no such field.
bool found(int status, std::string_view routine) {
    if (status != -1) return true;
    yyerror(1006, routine);
    return false;
}

// Writes a number with a format into a 100-character text and left-justifies it.
template <class Write>
std::string numberText(Write write) {
    Text<100> text;
    write(text.ref());
    ijustifystring(text.ref(), "L");
    return std::string(text.trimmed());
}

std::string fieldFormat(int field) {
    char format[51] = "";
    int f = field;
    yyfieldgetformat(f, format, sizeof format);
    return format;
}

template <class Value>
void putNumber(int field, Value value, std::string_view routine, std::string_view format, std::string text) {
    if (!current(routine)) return;
    int f = field;
    yyfieldrangecheck(f, static_cast<double>(value));
    if (!found(f, routine)) return;
    if (f == -2) {
        yyerror(1009, routine);
        return;
    }
    yyfieldputtext(f, static_cast<double>(value), text, format);
    found(f, routine);
}

}  // namespace

void WDialogPutString(int field, std::string_view text) {
    if (!current("WDialogPutString")) return;
    int f = field;
    yyfieldputtext(f, 0.0, trimRight(text), "");
    found(f, "WDialogPutString");
}

void WDialogGetString(int field, TextRef text) {
    if (!current("WDialogGetString")) {
        text.blank();
        return;
    }
    int f = field;
    int length = 0;
    yyfieldgetlength(f, length);
    std::string buffer(length + 1, '\0');
    if (f != -1) yyfieldgetstring(f, buffer.data(), length + 1);
    if (!found(f, "WDialogGetString")) {
        text.blank();
        return;
    }
    buffer.resize(lstrlenA(buffer.c_str()));
    text.assign(buffer);
}

void WDialogGetStringLength(int field, int& length) {
    if (!current("WDialogGetStringLength")) return;
    int f = field;
    yyfieldgetlength(f, length);
    found(f, "WDialogGetStringLength");
}

void WDialogPutInteger(int field, int value) {
    std::string text = numberText([&](TextRef t) { IntegerToString(value, t, "(I11)"); });
    putNumber(field, value, "WDialogPutInteger", "(I11)", text);
}

void WDialogPutReal(int field, float value, std::optional<std::string_view> format) {
    if (!current("WDialogPutReal")) return;
    std::string used = format ? std::string(trimRight(format->substr(0, 50))) : fieldFormat(field);
    std::string text = numberText([&](TextRef t) { IRealToString(value, t, used); });
    putNumber(field, value, "WDialogPutReal", used, text);
}

void WDialogPutDouble(int field, double value, std::optional<std::string_view> format) {
    if (!current("WDialogPutDouble")) return;
    std::string used = format ? std::string(trimRight(format->substr(0, 50))) : fieldFormat(field);
    std::string text = numberText([&](TextRef t) { IDoubleToString(value, t, used); });
    putNumber(field, value, "WDialogPutDouble", used, text);
}

void WDialogGetInteger(int field, int& value) {
    if (!current("WDialogGetInteger")) return;
    int f = field;
    double read = 0.0;
    yyfieldgetvalue(f, read);
    if (!found(f, "WDialogGetInteger")) return;
    if (f == -2) {
        value = gravim.dialogs.undefinedInteger;
        yyerror(1010, "WDialogGetInteger");
        return;
    }
    value = yydbl2int(read);
}

void WDialogGetReal(int field, float& value) {
    if (!current("WDialogGetReal")) return;
    int f = field;
    double read = 0.0;
    yyfieldgetvalue(f, read);
    if (!found(f, "WDialogGetReal")) return;
    if (f == -2) {
        value = gravim.dialogs.undefinedReal;
        yyerror(1010, "WDialogGetReal");
        return;
    }
    value = static_cast<float>(read);
}

void WDialogRangeInteger(int field, std::optional<int> lower, std::optional<int> upper) {
    if (!current("WDialogRangeInteger")) return;
    double low = noRangeLower;
    double high = noRangeUpper;
    if (lower || upper) {
        low = lower ? *lower : -2147483647.0;
        high = upper ? *upper : 2147483647.0;
    }
    int f = field;
    yyfieldrange(f, low, high);
    found(f, "WDialogRangeInteger");
}

void WDialogPutCheckBox(int field, int state) {
    if (!current("WDialogPutCheckBox")) return;
    int f = field;
    yyfieldputcheck(f, state);
    found(f, "WDialogPutCheckBox");
}

void WDialogGetCheckBox(int field, int& state) {
    if (!current("WDialogGetCheckBox")) return;
    int f = field;
    yyfieldgetcheck(f, state);
    found(f, "WDialogGetCheckBox");
}

void WDialogPutRadioButton(int field) {
    if (!current("WDialogPutRadioButton")) return;
    int f = field;
    yyfieldputradio(f);
    found(f, "WDialogPutRadioButton");
}

void WDialogGetRadioButton(int field, int& position) {
    if (!current("WDialogGetRadioButton")) return;
    int f = field;
    yyfieldgetradio(f, position);
    if (!found(f, "WDialogGetRadioButton")) return;
    if (f == -2) {
        position = gravim.dialogs.undefinedInteger;
        yyerror(1010, "WDialogGetRadioButton");
    }
}

void WDialogPutMenu(int field, const TextRef* items, int count, int option, std::optional<std::string_view> text) {
    if (!current("WDialogPutMenu")) return;
    int f = field;
    int kind = 0;
    yygetmenutype(f, kind);
    if (f == -1 || kind == 4) {
        yyerror(1006, "WDialogPutMenu");
        return;
    }
    yyfieldclear(f);
    for (int i = 0; i < count; ++i) yyfieldputmenu(kind, f, items[i].trimmed());
    if (option == 0 && kind == 3 && text) {
        yyfieldputcombo(f, trimRight(*text));
        return;
    }
    yyfieldputoption(kind, f, option - 1);
    if (f == -1 && (option != 0 || kind == 1)) yyerror(1011, "WDialogPutMenu");
}

void WDialogGetMenu(int field, int& option, TextRef* text) {
    if (!current("WDialogGetMenu")) return;
    int f = field;
    int kind = 0;
    yygetmenutype(f, kind);
    if (!found(f, "WDialogGetMenu")) return;
    char buffer[1025] = "";
    bool wanted = text != nullptr;
    if (kind == 1 || kind == 4) yyfieldgetlist(f, option, wanted, buffer, sizeof buffer);
    else yyfieldgetcombo(f, option, wanted, buffer, sizeof buffer);
    if (f == -2) {
        option = gravim.dialogs.undefinedInteger;
        yyerror(1010, "WDialogGetMenu");
        return;
    }
    if (wanted) text->assign(buffer);
}

void WDialogFieldState(int field, int state) {
    if (!current("WDialogFieldState")) return;
    int f = field;
    yyfieldenable(f, state, 0);
    found(f, "WDialogFieldState");
}

void WDialogColour(int field, std::optional<int> textColour, std::optional<int> backgroundColour) {
    if (!current("WDialogColour")) return;
    HWND c = yyfieldwindow(field);
    FieldRecord* record = yyfieldrecord(c);
    if (c == nullptr || record == nullptr) {
        yyerror(1006, "WDialogColour");
        return;
    }
    auto word = [](std::optional<int> given, int current) {
        if (!given) return current;
        return *given == -1 ? -1 : (*given & 0xFFFFFF);
    };
    record->textColour = word(textColour, record->textColour);
    record->backColour = word(backgroundColour, record->backColour);
    RedrawWindow(c, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME | RDW_ALLCHILDREN);
}

void WDialogClearField(int field) {
    if (!current("WDialogClearField")) return;
    int f = field;
    yyfieldclear(f);
    found(f, "WDialogClearField");
}

void WDialogSetField(int field, std::optional<int> position) {
    if (!current("WDialogSetField")) return;
    HWND dialog = yycurrentdialogwindow();
    HWND c = yyfieldwindow(field);
    if (c == nullptr) {
        yyerror(1006, "WDialogSetField");
        return;
    }
    if (!IsWindowVisible(dialog)) return;
    SetFocus(c);
    bool caret = position && (yyclassis(c, "Edit") || yyisnumericclass(c) || yyclassis(c, "ComboBox"));
    if (caret) {
        int at = *position - 1;
        if (yyclassis(c, "ComboBox")) SendMessageA(c, CB_SETEDITSEL, 0, MAKELPARAM(at, at));
        else SendMessageA(c, EM_SETSEL, at, at);
    } else {
        yyDialogSelectAll(c);
    }
    if (int* record = yydialogrecord(dialog)) record[DlgCurrentField] = field;
    yyUpdateLast(dialog, c);
}

void WDialogTitle(std::optional<std::string_view> title, std::optional<int> icon) {
    if (!current("WDialogTitle")) return;
    std::string text = title ? std::string(trimRight(*title)) : std::string();
    yydialogtitle(title ? text.c_str() : nullptr, icon.value_or(-1));
}

void wdialogundefined(std::optional<int> integer, std::optional<float> real, std::optional<double> dbl) {
    if (integer) gravim.dialogs.undefinedInteger = *integer;
    if (real) gravim.dialogs.undefinedReal = *real;
    if (dbl) gravim.dialogs.undefinedDouble = *dbl;
}

void yydialogtitle(const char* title, int icon) {
    HWND dialog = yycurrentdialogwindow();
    bool caption = (GetWindowLongA(dialog, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    if (title != nullptr) {
        if (caption) {
            SetWindowTextA(dialog, title);
        } else if (GetWindowLongA(dialog, GWL_STYLE) & WS_CHILD) {
            // A tab page: its title labels every tab that names it.
            const int* record = yydialogrecord(dialog);
            for (int i = 1; i <= nDialogs && record != nullptr; ++i) {
                for (HWND c = GetWindow(hDialogList[i], GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
                    if (!yyclassis(c, WC_TABCONTROLA)) continue;
                    int count = static_cast<int>(SendMessageA(c, TCM_GETITEMCOUNT, 0, 0));
                    for (int t = 0; t < count; ++t) {
                        if (yytabpageid(c, t) != record[DlgId]) continue;
                        TabItem item{};
                        item.header.mask = TCIF_TEXT;
                        item.header.pszText = const_cast<char*>(title);
                        SendMessageA(c, TCM_SETITEMA, t, reinterpret_cast<LPARAM>(&item));
                        InvalidateRect(c, nullptr, TRUE);
                    }
                }
            }
        }
    }
    if (!caption || icon == -1) return;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const char* name = icon == 0 ? "icon1" : MAKEINTRESOURCEA(icon & 0xFFFF);
    HICON large = static_cast<HICON>(LoadImageA(instance, name, IMAGE_ICON, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    HICON small = static_cast<HICON>(LoadImageA(instance, name, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    if (large == nullptr) {
        yyerror(1015, "WDialogTitle");
        return;
    }
    HICON oldLarge = reinterpret_cast<HICON>(SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large)));
    HICON oldSmall = reinterpret_cast<HICON>(SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small)));
    // The icon a dialog starts with is the root window class's: that one stays.
    WNDCLASSEXA rootClass{};
    rootClass.cbSize = sizeof rootClass;
    GetClassInfoExA(instance, "GRAVIMONDER", &rootClass);
    if (oldLarge != nullptr && oldLarge != large && oldLarge != rootClass.hIcon) DestroyIcon(oldLarge);
    if (oldSmall != nullptr && oldSmall != small && oldSmall != rootClass.hIconSm) DestroyIcon(oldSmall);
}
