// common_dialogs_test_win.cpp - Wine's real file, colour and folder dialogs answered as a user
// would: typing a name, colour values or a folder, then OK, Cancel, Yes or No.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/errors.hpp"
#include "base/gravim.hpp"
#include "windows/window_info.hpp"
#include "base/startup.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "dialogs/common_dialogs.hpp"
#include "dialogs/common_dialogs_win.hpp"
#include "gui_driver_win.hpp"

namespace {

constexpr int FileNameBox = 0x47C;  // the file dialog's name combo box
constexpr int FileTypeBox = 0x470;  // its filter combo box

std::string currentDirectory() {
    char text[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof text, text);
    return text;
}

void writeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
}

std::string textOf(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Types a name into the file dialog and presses a button.
std::function<void(HWND)> typeName(std::string name, int button = IDOK, std::string* shownName = nullptr,
                                   int* filterCount = nullptr) {
    return [name, button, shownName, filterCount](HWND dialog) {
        if (shownName != nullptr) *shownName = textOf(GetDlgItem(dialog, FileNameBox));
        if (filterCount != nullptr)
            *filterCount = static_cast<int>(SendDlgItemMessageA(dialog, FileTypeBox, CB_GETCOUNT, 0, 0));
        SetDlgItemTextA(dialog, FileNameBox, name.c_str());
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    };
}

class CommonDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        WInitialise();
        WindowOpen(7, 40, 40, 300, 200);
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof temp, temp);
        folder_ = std::string(temp) + "grav_common_" + std::to_string(GetCurrentProcessId());
        other_ = folder_ + "\\other";
        CreateDirectoryA(folder_.c_str(), nullptr);
        CreateDirectoryA(other_.c_str(), nullptr);
        for (const char* name : {"a.txt", "b.txt"}) writeFile(folder_ + "\\" + name);
        writeFile(other_ + "\\c.txt");
        start_ = currentDirectory();
    }
    void TearDown() override {
        SetCurrentDirectoryA(start_.c_str());
        WindowClose();
        for (const char* name : {"\\a.txt", "\\b.txt", "\\other\\c.txt"}) DeleteFileA((folder_ + name).c_str());
        RemoveDirectoryA((folder_ + "\\made").c_str());
        RemoveDirectoryA(other_.c_str());
        RemoveDirectoryA(folder_.c_str());
        yyresetgravim();
    }
    std::string folder_, other_, start_;
};

TEST_F(CommonDialogs, OpenStartsInTheGivenFolderAndReturnsTheTypedName) {
    char name[200];
    TextRef(name).assign(folder_ + "\\a.txt");
    std::string shown;
    int filters = 0;
    int index = 2;
    AutoAct act("Pick a file", typeName("b.txt", IDOK, &shown, &filters));
    WSelectFile2("Text files|*.txt|All files|*.*|", 0, TextRef(name), "Pick a file", &index);
    EXPECT_EQ(act.acted(), 1);
    EXPECT_EQ(shown, "a.txt");
    EXPECT_EQ(filters, 2);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(TextRef(name).trimmed(), folder_ + "\\b.txt");
    EXPECT_EQ(WInfoDialog(4), 1);
    EXPECT_EQ(WInfoDialog(2), 0);
    EXPECT_EQ(currentDirectory(), start_);  // flag 8 clear: restored
}

// Goes to a folder in the file dialog (typing it and pressing OK), then chooses a name there.
std::function<void(HWND)> goThenChoose(std::string folder, std::string name) {
    return [folder, name](HWND dialog) {
        SetDlgItemTextA(dialog, FileNameBox, folder.c_str());
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        SetDlgItemTextA(dialog, FileNameBox, name.c_str());
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
}

TEST_F(CommonDialogs, TheCurrentDirectoryIsRestoredUnlessFlagEightKeepsIt) {
    char name[200];
    TextRef(name).assign(folder_ + "\a.txt");
    {
        AutoAct act("Select File", goThenChoose(other_, "c.txt"));
        WSelectFile2("Text files;*.txt;", 0, TextRef(name));
    }
    EXPECT_EQ(TextRef(name).trimmed(), other_ + "\\c.txt");
    EXPECT_EQ(currentDirectory(), start_);
    TextRef(name).assign(folder_ + "\\a.txt");
    {
        AutoAct act("Select File", goThenChoose(other_, "c.txt"));
        WSelectFile2("Text files;*.txt;", 8, TextRef(name));
    }
    EXPECT_EQ(TextRef(name).trimmed(), other_ + "\\c.txt");
    EXPECT_EQ(lstrcmpiA(currentDirectory().c_str(), other_.c_str()), 0) << currentDirectory();
}

TEST_F(CommonDialogs, CancelLeavesTheNameAndAnswersZero) {
    char name[200];
    TextRef(name).assign(folder_ + "\\a.txt");
    const std::string before(name, sizeof name);
    AutoAct act("Select File", typeName("b.txt", IDCANCEL));
    WSelectFile2("", 0, TextRef(name));
    EXPECT_EQ(act.acted(), 1);
    EXPECT_EQ(std::string(name, sizeof name), before);
    EXPECT_EQ(WInfoDialog(4), 0);
    EXPECT_EQ(WInfoError(1), 0);
}

TEST_F(CommonDialogs, TwoFilesComeBackAsFolderAndNames) {
    char name[200];
    TextRef(name).assign(folder_ + "\\");
    AutoAct act("Select File", typeName("\"a.txt\" \"b.txt\""));
    WSelectFile2("All|*.*|", 16, TextRef(name));
    const std::string expected = folder_ + std::string("\0a.txt\0b.txt", 12);
    EXPECT_EQ(std::string(name, expected.size()), expected);
    EXPECT_EQ(name[expected.size()], ' ');
}

TEST_F(CommonDialogs, ANameTooLongForTheVariableIsError1023) {
    char name[12];
    TextRef(name).assign("a.txt");
    SetCurrentDirectoryA(folder_.c_str());
    AutoAct act("Select File", typeName(other_ + "\\c.txt"));
    WSelectFile2("", 0, TextRef(name));
    EXPECT_EQ(TextRef(name).trimmed(), "a.txt");
    EXPECT_EQ(WInfoDialog(4), 0);
    EXPECT_EQ(WInfoError(1), 1023);
}

TEST_F(CommonDialogs, ColourValuesTypedAndAddedToTheCustomColours) {
    const std::string longCaption(300, 'c');
    std::string title;
    AutoAct act(std::string(40, 'c'), [&title](HWND dialog) {
        title = textOf(dialog);
        SetDlgItemTextA(dialog, 706, "10");  // red, green, blue
        SetDlgItemTextA(dialog, 707, "20");
        SetDlgItemTextA(dialog, 708, "30");
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(712, BN_CLICKED), 0);  // add to custom colours
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    int colour = RGB(200, 200, 200), ok = -5, error = -5;
    int custom[16] = {};
    yygetrgbdialog(colour, custom, ok, error, longCaption.c_str());
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(colour, static_cast<int>(RGB(10, 20, 30)));
    EXPECT_EQ(custom[0], static_cast<int>(RGB(10, 20, 30)));
    EXPECT_EQ(title, std::string(255, 'c'));  // cut to the shared caption's size

    AutoAct cancel("Colours", [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0); });
    colour = 5;
    yygetrgbdialog(colour, custom, ok, error, "Colours");
    EXPECT_EQ(cancel.acted(), 1);
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(colour, 5);
}

// Types a folder into the browser's edit box and presses OK.
std::function<void(HWND)> typeFolder(std::string folder) {
    return [folder](HWND browser) {
        HWND edit = findChildOfClass(browser, "Edit");
        ASSERT_NE(edit, nullptr);
        SetWindowTextA(edit, folder.c_str());
        PostMessageA(browser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
}

TEST_F(CommonDialogs, FolderFlagFourAcceptsAMissingFolder) {
    char folder[260];
    lstrcpyA(folder, folder_.c_str());
    const std::string missing = folder_ + "\\missing";
    AutoAct act("Where to?", typeFolder(missing));
    int result = 0;
    yyselectdir(1, result, 4, folder, "Where to?");
    EXPECT_EQ(act.acted(), 1);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(std::string(folder), missing);
}

TEST_F(CommonDialogs, FolderFlagSixtyFourCreatesTheFolderWhenTheUserSaysYes) {
    char folder[260];
    lstrcpyA(folder, folder_.c_str());
    const std::string made = folder_ + "\\made";
    std::string question;
    AutoAct yes("Create Directory?", [&question](HWND box) {
        HWND text = findChildOfClass(box, "Static");
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (textOf(child).find("exist") != std::string::npos) text = child;
        question = textOf(text);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
    });
    AutoAct act("Select Directory", typeFolder(made));
    int result = 0;
    yyselectdir(0, result, 64, folder, "ignored");
    EXPECT_EQ(yes.acted(), 1);
    EXPECT_EQ(question, "The specified directory does not exist.\nDo you wish to create it?");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(std::string(folder), made);
    EXPECT_NE(GetFileAttributesA(made.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST_F(CommonDialogs, FolderWithoutFlagsRefusesAMissingFolderUntilCancelled) {
    char folder[260];
    lstrcpyA(folder, folder_.c_str());
    AutoAct invalid("Invalid Directory", [](HWND box) {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        // The browser stays; cancel it next.
        HWND browser = GetWindow(box, GW_OWNER);
        if (browser != nullptr) PostMessageA(browser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    AutoAct act("Select Directory", typeFolder(folder_ + "\\missing"));
    int result = 0;
    yyselectdir(0, result, 0, folder, "");
    EXPECT_EQ(invalid.acted(), 1);
    EXPECT_EQ(result, 2);
}

TEST_F(CommonDialogs, DialogPositionsAreClientOrigins) {
    int x = -1, y = -1;
    yygetwindlgpos(0, 0, 0, x, y);
    POINT client = {0, 0};
    ClientToScreen(hClient[0], &client);
    EXPECT_EQ(x, client.x);
    EXPECT_EQ(y, client.y);
    yygetwindlgpos(-1, 0, 0, x, y);  // no dialog: the current window's frame
    POINT frame = {0, 0};
    ClientToScreen(wWindow[0], &frame);
    EXPECT_EQ(x, frame.x);
    EXPECT_EQ(y, frame.y);
    yygetwindlgpos(44, 0, 0, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
}

}  // namespace
