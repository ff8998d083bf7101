// companion_apply_win.cpp - applies a dialog's companion text (an RCDATA resource of the
// template's number) to the dialog's controls: items, checks, ranges, tabs, fonts and the rest.
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "base/convert_internal.hpp"
#include "dialogs/companion.hpp"
#include "dialogs/dialogs_internal_win.hpp"

GridFieldHooks gridFieldHooks;

void yysetgridfieldhooks(const GridFieldHooks& hooks) { gridFieldHooks = hooks; }

namespace {

HINSTANCE instance() { return GetModuleHandleA(nullptr); }

// The resource's bytes; empty when there is none. windres adds no NUL: the size bounds them.
std::string_view companionResource(int resource) {
    HRSRC found = FindResourceA(instance(), MAKEINTRESOURCEA(resource & 0xFFFF), MAKEINTRESOURCEA(10));
    if (found == nullptr) return {};  // RT_RCDATA
    HGLOBAL loaded = LoadResource(instance(), found);
    const char* bytes = loaded != nullptr ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (bytes == nullptr) return {};
    return {bytes, SizeofResource(instance(), found)};
}

int controlRectangle(HWND dialog, HWND control, RECT& r) {
    GetWindowRect(control, &r);
    if (FieldRecord* record = yyfieldrecord(control); record != nullptr && record->spinBuddy != nullptr) {
        RECT buddy;
        GetWindowRect(record->spinBuddy, &buddy);
        r.right = buddy.right;
    }
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return 0;
}

// Controls taking part in resizing: not up-down controls, page dialogs or scroll bars.
bool takesPartInResizing(HWND control) {
    if (yyfieldrecord(control) == nullptr) return false;
    return !yyclassis(control, UPDOWN_CLASSA) && !yyclassis(control, "ScrollBar") && !yyclassis(control, "#32770");
}

class DialogApplier : public CompanionSink {
public:
    DialogApplier(HWND dialog, int index) : dialog_(dialog), index_(index) {}

    void range(int control, double low, double high) override {
        HWND c = GetDlgItem(dialog_, control);
        if (c == nullptr) return;
        if (yyclassis(c, PROGRESS_CLASSA)) {
            SendMessageA(c, PBM_SETRANGE32, static_cast<WPARAM>(static_cast<int>(low)), static_cast<LPARAM>(static_cast<int>(high)));
            SendMessageA(c, PBM_SETPOS, templatePosition(c), 0);
        } else if (yyclassis(c, TRACKBAR_CLASSA)) {
            SendMessageA(c, TBM_SETRANGEMIN, FALSE, static_cast<int>(low));
            SendMessageA(c, TBM_SETRANGEMAX, FALSE, static_cast<int>(high));
            SendMessageA(c, TBM_SETPOS, TRUE, templatePosition(c));
        } else {
            yyfieldrange2(control, low, high, dialog_);
        }
    }

    void menu(int control, int /*count*/, int selection, const std::vector<std::string>& items) override {
        HWND c = GetDlgItem(dialog_, control);
        if (c == nullptr) return;
        bool list = yyclassis(c, "ListBox");
        if (!list && !yyclassis(c, "ComboBox")) return;
        SendMessageA(c, list ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
        for (const auto& item : items)
            SendMessageA(c, list ? LB_ADDSTRING : CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        int option = index_ == -1 ? 0 : selection - 1;
        if (option == -1) return;
        bool multiple = list && (GetWindowLongA(c, GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL));
        if (multiple) {
            if (option >= 0) SendMessageA(c, LB_SETSEL, TRUE, option);
        } else {
            SendMessageA(c, list ? LB_SETCURSEL : CB_SETCURSEL, option, 0);
        }
    }

    void check(int control, int state) override {
        if (HWND c = GetDlgItem(dialog_, control); c != nullptr && yyclassis(c, "Button"))
            SendMessageA(c, BM_SETCHECK, state, 0);
    }

    void tabs(int control, int /*count*/, int selectedPage, const std::vector<CompanionTabPage>& pages) override {
        HWND tab = GetDlgItem(dialog_, control);
        int selection = -1;
        std::vector<HWND> loaded;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (tab != nullptr && yyclassis(tab, WC_TABCONTROLA)) {
                TabItem item{};
                item.header.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
                item.header.pszText = const_cast<char*>(pages[i].label.c_str());
                item.header.iImage = -1;
                item.page = pages[i].page;
                item.disabled = 0;
                SendMessageA(tab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
            }
            int result = pages[i].page;
            yydialogload2(result, pages[i].page, 0, 0);
            int index = yydialogfind(pages[i].page);
            if (index > 0) loaded.push_back(hDialogList[index]);
            if (pages[i].page == selectedPage) selection = static_cast<int>(i);
        }
        if (tab == nullptr || !yyclassis(tab, WC_TABCONTROLA)) return restoreCurrent();
        RECT area;
        GetWindowRect(tab, &area);
        MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&area), 2);
        SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        for (HWND page : loaded)
            SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        restoreCurrent();
        SendMessageA(tab, TCM_SETCURSEL, selection >= 0 ? selection : 0, 0);
    }

    std::size_t grid(int control, std::string_view rest) override {
        HWND c = GetDlgItem(dialog_, control);
        if (c == nullptr || !yyclassis(c, "KBNGRID") || gridFieldHooks.initialise == nullptr) return 0;
        return gridFieldHooks.initialise(c, rest);
    }

    void colours(int control, const int (&text)[3], const int (&back)[3]) override {
        HWND c = GetDlgItem(dialog_, control);
        if (c == nullptr) return;
        yyFieldColour2(c, 1, text[0], text[1], text[2]);
        yyFieldColour2(c, 2, back[0], back[1], back[2]);
    }

    void trackbar(int control, int tic, int line, int page, int start, int end) override {
        HWND c = GetDlgItem(dialog_, control);
        if (c == nullptr || !yyclassis(c, TRACKBAR_CLASSA)) return;
        SendMessageA(c, TBM_SETTICFREQ, tic, 0);
        SendMessageA(c, TBM_SETLINESIZE, 0, line);
        SendMessageA(c, TBM_SETPAGESIZE, 0, page);
        if (!(GetWindowLongA(c, GWL_STYLE) & TBS_ENABLESELRANGE)) return;
        if (start == end) SendMessageA(c, TBM_CLEARSEL, TRUE, 0);
        else SendMessageA(c, TBM_SETSEL, TRUE, MAKELPARAM(start, end));
    }

    void length(int control, int maximum) override {
        HWND c = GetDlgItem(dialog_, control);
        if (c == nullptr) return;
        if (yyclassis(c, "Edit") || yyisnumericclass(c)) SendMessageA(c, EM_SETLIMITTEXT, maximum, 0);
        else if (yyclassis(c, "ComboBox")) SendMessageA(c, CB_LIMITTEXT, maximum, 0);
        if (FieldRecord* record = yyfieldrecord(c)) record->maxLength = maximum;
    }

    void dialog(int rootAccelerators, bool resizing, int growingControl, int align) override {
        int* record = yydialogrecord(dialog_);
        if (record == nullptr) return;
        record[DlgRootAccelerators] = rootAccelerators != 0 ? 1 : 0;
        if (!resizing || growingControl == 0) return;
        HWND growing = GetDlgItem(dialog_, growingControl);
        if (growing == nullptr) return;
        record[DlgGrowingControl] = static_cast<int>(reinterpret_cast<INT_PTR>(growing));
        computeAnchors(growing, align != 0);
        yyDialogCreateSizeGrip(dialog_);
    }

    void format(int control, std::string_view format) override {
        FieldRecord* record = yyfieldrecord(GetDlgItem(dialog_, control));
        if (record == nullptr || format.empty()) return;
        char* copy = new (std::nothrow) char[format.size() + 1];
        if (copy == nullptr) return;
        std::memcpy(copy, format.data(), format.size());
        copy[format.size()] = '\0';
        delete[] record->format;
        record->format = copy;
    }

    void treeview(int control, int menuResource, int selectedItem) override {
        HWND c = GetDlgItem(dialog_, control);
        if (c != nullptr && yyclassis(c, WC_TREEVIEWA)) yyTreeViewInit(c, menuResource, selectedItem);
    }

    void font(int control, int points, std::string_view face, int weight, int italic) override {
        HWND c = GetDlgItem(dialog_, control);
        if (c == nullptr) return;
        HDC screen = GetDC(nullptr);
        int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
        std::string name(face.substr(0, LF_FACESIZE - 1));
        HFONT font = CreateFontA(height, 0, 0, 0, weight, italic == 1, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_MODERN, name.c_str());
        if (font != nullptr) SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }

    void flags(int control, int flags) override {
        if (FieldRecord* record = yyfieldrecord(GetDlgItem(dialog_, control))) record->flags = flags;
    }

private:
    // The integer value of the template text (its first 17 characters).
    static int templatePosition(HWND control) {
        char text[18] = "";
        GetWindowTextA(control, text, sizeof text);
        int value = 0;
        yyst2int(value, text);
        return value;
    }

    // Pages loaded by a "[Tabs]" line made themselves current: the dialog being read is again.
    void restoreCurrent() {
        for (int i = 1; i <= nDialogs; ++i)
            if (hDialogList[i] == dialog_) iDlgCur = i;
    }

    void computeAnchors(HWND growing, bool align) {
        std::vector<HWND> windows;
        std::vector<AnchorControl> controls;
        std::size_t growingIndex = 0;
        for (HWND c = GetWindow(dialog_, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            if (!takesPartInResizing(c)) continue;
            RECT r;
            controlRectangle(dialog_, c, r);
            AnchorControl control;
            control.box = {r.left, r.top, r.right, r.bottom};
            if (yyclassis(c, "Static")) {
                LONG type = GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK;
                if (type == SS_ETCHEDHORZ || type == SS_ETCHEDVERT) control.etchedLine = type;
            }
            if (c == growing) growingIndex = controls.size();
            windows.push_back(c);
            controls.push_back(control);
        }
        RECT client;
        GetClientRect(dialog_, &client);
        yycomputeanchors(controls, growingIndex, align, {client.left, client.top, client.right, client.bottom});
        for (std::size_t i = 0; i < windows.size(); ++i) {
            FieldRecord* record = yyfieldrecord(windows[i]);
            record->anchors = controls[i].anchors;
            record->rightDistance = controls[i].rightDistance;
            record->bottomDistance = controls[i].bottomDistance;
        }
    }

    HWND dialog_;
    int index_;
};

}  // namespace

void yydialogkbn(HWND dialog, int resource, int index) {
    std::string_view text = companionResource(resource);
    if (text.empty()) return;
    DialogApplier applier(dialog, index);
    yyreadcompanion(text, applier);
}

void yyfieldrange2(int& field, double lower, double upper, HWND dialog) {
    FieldRecord* record = yyfieldrecord(GetDlgItem(dialog, field));
    if (GetDlgItem(dialog, field) == nullptr) {
        field = -1;
        return;
    }
    if (record == nullptr) return;
    record->lower = lower;
    record->upper = upper;
}
