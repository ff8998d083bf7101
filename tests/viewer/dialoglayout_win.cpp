// dialoglayout_win.cpp - every viewer dialog loaded by the library from the program's resources
// and shown: no control outside its dialog, none overlapping another, no text cut off, and the
// companion texts applied. With GRAV_DIALOG_SHOTS set to a folder, each dialog is saved there
// as dialog<N>.bmp for looking at.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/errors.hpp"
#include "base/startup.hpp"
#include "windows/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "gui_driver_win.hpp"

namespace {

struct Shown {
    HWND window;
    int id;
    RECT rect;  // in the dialog's client coordinates
};

std::vector<Shown> visiblecontrols(HWND dialog) {
    std::vector<Shown> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        controls.push_back({child, GetDlgCtrlID(child), rect});
    }
    return controls;
}

bool isgroupbox(HWND control) {
    char name[32];
    GetClassNameA(control, name, sizeof name);
    return lstrcmpiA(name, "Button") == 0 && (GetWindowLongA(control, GWL_STYLE) & 0xF) == BS_GROUPBOX;
}

// The height the control's text needs within its width (labels wrap; buttons keep one line).
int textheight(HWND control, int width) {
    char text[512];
    GetWindowTextA(control, text, sizeof text);
    if (text[0] == '\0') return 0;
    char name[32];
    GetClassNameA(control, name, sizeof name);
    LONG style = GetWindowLongA(control, GWL_STYLE);
    bool label = lstrcmpiA(name, "Static") == 0 && (style & SS_TYPEMASK) <= SS_RIGHT;
    bool button = lstrcmpiA(name, "Button") == 0 && !isgroupbox(control);
    if (!label && !button) return 0;
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT needed = {0, 0, width, 0};
    UINT format = DT_CALCRECT | (label ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextA(dc, text, -1, &needed, format);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    LONG kind = style & 0xF;
    bool boxed = kind == BS_AUTORADIOBUTTON || kind == BS_RADIOBUTTON || kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX;
    int room = boxed ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : (button ? 6 : 0);
    return needed.right + room > width ? needed.bottom * 100 : needed.bottom;  // too wide: cut off
}

void savebitmap(HWND dialog, const std::string& path) {
    RECT rect;
    GetWindowRect(dialog, &rect);
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    int rowBytes = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(rowBytes) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof file + sizeof info + pixels.size()), 0, 0,
                          sizeof file + sizeof info};
    if (std::FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info, sizeof info, 1, out);
        std::fwrite(pixels.data(), 1, pixels.size(), out);
        std::fclose(out);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

class DialogLayout : public ::testing::Test {
protected:
    void SetUp() override {
        WInitialise();
        WindowOpen(WinHidden);
    }
    void TearDown() override { WindowClose(); }
};

TEST_F(DialogLayout, EveryDialogShowsWithNothingCutOffOrOverlapping) {
    const char* shots = std::getenv("GRAV_DIALOG_SHOTS");
    // Until the library registers its numeric edit classes, the dialogs with real fields cannot
    // be created; they join the check as soon as the classes are there.
    WNDCLASSA numeric;
    bool realFields = GetClassInfoA(GetModuleHandleA(nullptr), "REALEDIT", &numeric) ||
                      GetClassInfoA(nullptr, "REALEDIT", &numeric);
    for (int id = 103; id <= 112; ++id) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        bool hasRealFields = id == 103 || id == 104 || id == 105 || id == 109 || id == 110;
        if (hasRealFields && !realFields) continue;
        WInfoError(1);
        WDialogLoad(id);
        EXPECT_EQ(WInfoError(1), 0);
        WDialogShow(1, 1, 0, 2);
        EXPECT_EQ(WInfoError(1), 0);
        HWND dialog = yycurrentdialogwindow();
        ASSERT_NE(dialog, nullptr);
        pumpUntil([] { return false; }, 300);
        RECT client;
        GetClientRect(dialog, &client);
        std::vector<Shown> controls = visiblecontrols(dialog);
        EXPECT_GT(controls.size(), 5u);
        for (const Shown& c : controls) {
            EXPECT_TRUE(c.rect.left >= 0 && c.rect.top >= 0 && c.rect.right <= client.right && c.rect.bottom <= client.bottom)
                << "control " << c.id << " lies outside the dialog";
            int needed = textheight(c.window, c.rect.right - c.rect.left);
            EXPECT_LE(needed, c.rect.bottom - c.rect.top + 2) << "text of control " << c.id << " is cut off";
        }
        for (std::size_t i = 0; i < controls.size(); ++i) {
            for (std::size_t k = i + 1; k < controls.size(); ++k) {
                if (isgroupbox(controls[i].window) || isgroupbox(controls[k].window)) continue;
                RECT overlap;
                EXPECT_FALSE(IntersectRect(&overlap, &controls[i].rect, &controls[k].rect))
                    << "controls " << controls[i].id << " and " << controls[k].id << " overlap";
            }
        }
        if (shots != nullptr) savebitmap(dialog, std::string(shots) + "\\dialog" + std::to_string(id) + ".bmp");
        WDialogHide();
    }
}

TEST_F(DialogLayout, CompanionTextsAreApplied) {
    WNDCLASSA numeric;
    if (!GetClassInfoA(GetModuleHandleA(nullptr), "REALEDIT", &numeric) && !GetClassInfoA(nullptr, "REALEDIT", &numeric))
        GTEST_SKIP() << "the numeric edit classes are not registered yet";
    WDialogLoad(103);
    WDialogShow(1, 1, 0, 2);
    int item = 0;
    WDialogGetMenu(1064, item);
    EXPECT_EQ(item, 5);
    Text<10> year;
    TextRef text = year.ref();
    WDialogGetMenu(1064, item, &text);
    EXPECT_EQ(year.trimmed(), "2008");
    float north = 0;
    WDialogGetReal(1037, north);
    EXPECT_FLOAT_EQ(north, 25.0f);
    int radio = 0;
    WDialogGetRadioButton(1105, radio);
    EXPECT_EQ(radio, 1);
    WDialogHide();
    WDialogLoad(108);
    WDialogGetRadioButton(1006, radio);
    EXPECT_EQ(radio, 1);
}

}  // namespace
