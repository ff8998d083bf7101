// own_page_setup_rig_win.hpp - driving the library's own page-setup dialog (a program carrying
// dialog 32010) on the Wine test printer, step by step as a user would: its fields, the steps run
// on a timer, the preview read back, and the fixture that opens the root window.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/errors.hpp"
#include "base/gravim.hpp"
#include "windows/window_info.hpp"
#include "base/startup.hpp"
#include "windows/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "graphics/addon_ports.hpp"
#include "hardcopy/page_setup_win.hpp"
#include "gui_driver_win.hpp"
#include "hardcopy/printer_layer_win.hpp"
#include "recording_device.hpp"
#include "page_setup_rig_win.hpp"
#include "test_printer_win.hpp"

constexpr int Preview = 1024, Paper = 1033, Source = 1034, MarginTitle = 1038, Left = 1039, Right = 1040,
              Top = 1042, Bottom = 1044, Portrait = 1208, Landscape = 1209, PrinterButton = 1301;

// Runs one step per timer tick on the visible own page-setup dialog; the messages a step posts
// are handled by the dialog's event loop before the next tick. The timer also ticks inside a box
// the dialog opens (Print Setup), so a step waits until the dialog is enabled again. A dialog
// still up well after the last step is cancelled, so that a step that missed fails the test
// instead of hanging it.
class Steps {
public:
    explicit Steps(std::vector<std::function<void(HWND)>> steps) : steps_(std::move(steps)) {
        active = this;
        timer_ = SetTimer(nullptr, 0, 60, tick);
    }
    ~Steps() {
        KillTimer(nullptr, timer_);
        active = nullptr;
    }
    std::size_t done() const { return next_; }

private:
    static constexpr DWORD GiveUpMs = 60000;
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        Steps* s = active;
        if (s == nullptr || s->running_) return;
        HWND dialog = FindWindowA("#32770", "Page Setup");
        if (dialog == nullptr || !IsWindowVisible(dialog) || GetDlgItem(dialog, PrinterButton) == nullptr) return;
        if (s->next_ >= s->steps_.size()) {
            if (GetTickCount() - s->lastStep_ > GiveUpMs && IsWindowEnabled(dialog)) {
                ADD_FAILURE() << "the page-setup dialog is still up " << GiveUpMs << " ms after the last step";
                PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                s->lastStep_ = GetTickCount();
            }
            return;
        }
        if (!IsWindowEnabled(dialog)) return;
        s->running_ = true;
        s->steps_[s->next_++](dialog);
        s->lastStep_ = GetTickCount();
        s->running_ = false;
    }
    static inline Steps* active = nullptr;
    std::vector<std::function<void(HWND)>> steps_;
    std::size_t next_ = 0;
    bool running_ = false;
    DWORD lastStep_ = 0;
    UINT_PTR timer_ = 0;
};

inline void click(HWND dialog, int button) { PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0); }

inline std::string textOf(HWND dialog, int field) {
    char text[256] = "";
    GetDlgItemTextA(dialog, field, text, sizeof text);
    std::string s = text;
    s.erase(0, s.find_first_not_of(' '));
    return s;
}

inline std::vector<std::string> margins(HWND dialog) {
    return {textOf(dialog, Left), textOf(dialog, Right), textOf(dialog, Top), textOf(dialog, Bottom)};
}

// Chooses a combo box entry as a user would: focus, then the selection.
inline void choose(HWND dialog, int field, int index) {
    HWND combo = GetDlgItem(dialog, field);
    SetFocus(combo);
    SendMessageA(combo, CB_SETCURSEL, index, 0);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(field, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

inline std::vector<std::string> entries(HWND dialog, int field) {
    std::vector<std::string> list;
    const int count = static_cast<int>(SendDlgItemMessageA(dialog, field, CB_GETCOUNT, 0, 0));
    for (int k = 0; k < count; ++k) {
        char text[128] = "";
        SendDlgItemMessageA(dialog, field, CB_GETLBTEXT, k, reinterpret_cast<LPARAM>(text));
        std::string s = text;
        s.erase(s.find_last_not_of(' ') + 1);
        list.push_back(s);
    }
    return list;
}

// The page of the last preview drawn: the size in pixels of the last filled rectangle sent to the
// drawing device (the page, drawn white after the face), 0 by 0 when none was.
inline SIZE previewPage(const RecordingDevice& device) {
    const std::vector<RecordedOpcode> filled = device.of(DeviceSide::Current, OpRectangle);
    if (filled.empty()) return {0, 0};
    const RecordedOpcode& page = filled.back();
    return {std::abs(page.px2 - page.px1) + 1, std::abs(page.py2 - page.py1) + 1};
}

// True when field 1024 shows a picture of its own size (the preview bitmap).
inline bool previewShown(HWND dialog) {
    auto bitmap = reinterpret_cast<HBITMAP>(SendDlgItemMessageA(dialog, Preview, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info{};
    RECT field{};
    GetClientRect(GetDlgItem(dialog, Preview), &field);
    return bitmap != nullptr && GetObjectA(bitmap, sizeof info, &info) != 0 && info.bmWidth == field.right &&
           info.bmHeight == field.bottom;
}



class OwnPageSetup : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        WInitialise();
        WindowOpen(7, 40, 40, 300, 200);
        ASSERT_TRUE(printer.installed()) << printer.error();
        PageDlgShown = 0;
        lpPrintType[0] = '\0';
    }
    void TearDown() override {
        yysetprinterqueries(nullptr);
        WindowClose();
        PageDlgShown = 0;
    }
    TestPrinter printer{[] {
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof temp, temp);
        return std::string(temp) + "grav_own_page_setup.ps";
    }()};
};
