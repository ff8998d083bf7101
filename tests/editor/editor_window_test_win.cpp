// editor_window_test_win.cpp - real editors under Wine: creation statuses, menus and toolbar per
// option word, typing with real keys, files saved and read back byte for byte, RTF read back by
// unrtf on the Linux side, backups, sharing, the save question and the close protocol, bookmarks,
// paste, the access operations and the formatting buttons.
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "base/startup.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "windows/windows_internal_win.hpp"
#include "editor/editor.hpp"
#include "editor/editor_record_win.hpp"
#include "event_wait_win.hpp"
#include "gui_driver_win.hpp"
#include "scratch.hpp"
#include "test_printer_win.hpp"

namespace {

constexpr int Plain = WinSystemMenu | WinMinimiseBox | WinMaximiseBox;
constexpr int NoToolbars[4] = {0, 0, 0, 0};

// A file of the output folder in the Windows form the editor makes absolute.
std::string outputPath(const std::string& name) {
    std::string path = std::string("Z:") + GRAV_EDITOR_OUTPUT + "/" + name;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

// The application's text counts as a change only when it says so.
void putChanged(const char* text) {
    int status = 0, saved = 0, changed = 1;
    yyeditputtext(status, text);
    yyeditsetflags(saved, changed);
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

int buttonState(HWND toolbar, int id) {
    return static_cast<int>(SendMessageA(toolbar, TB_GETSTATE, static_cast<WPARAM>(id), 0));
}

void pumpFor(int milliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    pumpUntil([&] { return GetTickCount() >= end; }, milliseconds + 100);
}

class Editor : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&classes);
        yyresetgravim();
        WInitialise();
        WindowOpen(Plain | WinHidden, KeepValue, KeepValue, 300, 200);
        collectEvents();
    }
    void TearDown() override {
        WindowClose();
        yyresetgravim();
    }

    // Opens a top-level child window with a status bar and makes it the current window.
    int openChild(int flags = Plain | WinStatusBar, int parent = 0, const char* title = "Editor") {
        int result = 0, dialog = 0;
        yyopenchild(40, 40, 560, 380, result, flags, 0, NoToolbars, dialog, parent, -1, title);
        WindowSelect(result);
        return result;
    }
    int edit(int options, const std::string& file = "", int mode = 2, int menu = 0, const char* filter = "") {
        int status = 0, font = 3, size = 10, index = -1, host = -1;
        yyeditfile(status, mode, menu, options, font, size, index, host, file.c_str(), filter);
        return status;
    }
    EditorWindowRecord& record(int n) { return *yyeditrecord(wWindow[n]); }
    HWND control(int n) { return richEditOf(record(n)); }
    void focusText(int n) {
        SetForegroundWindow(wWindow[n]);
        SetFocus(control(n));
        pumpFor(50);
    }
    void closeChild(int n) {
        int dialog = 0;
        yyclosechild(n, dialog);
    }
    std::string text(int n) {
        std::vector<char> buffer(static_cast<std::size_t>(GetWindowTextLengthA(control(n))) + 1);
        GetWindowTextA(control(n), buffer.data(), static_cast<int>(buffer.size()));
        return buffer.data();
    }
};

TEST_F(Editor, CreationStatuses) {
    int status = edit(0);
    EXPECT_EQ(status, 1);  // the root window is current
    const int n = openChild();
    CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, hClient[n], nullptr, nullptr, nullptr);
    EXPECT_EQ(edit(0), 11);  // its client area holds a window
    closeChild(n);

    const int other = openChild();
    int fake[8] = {KindDialog};
    yysetwindowrecord(wWindow[other], fake);
    EXPECT_EQ(edit(0), 8);
    yysetwindowrecord(wWindow[other], nullptr);
    EXPECT_EQ(edit(0, "", 2, 30999), 3);  // no such menu: an empty menu bar
    EXPECT_EQ(GetMenuItemCount(GetMenu(wWindow[other])), 3);
    closeChild(other);

    // An inside child cannot be semi-modeless: mode 2 instead.
    const int outer = openChild();
    const int inner = openChild(Plain | WinInside, outer);
    int mode = 3, menu = 0, options = 0, font = 3, size = 10, index = -1, host = -1;
    status = 0;
    yyeditfile(status, mode, menu, options, font, size, index, host, "", "");
    EXPECT_EQ(status, 5);
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(record(inner).Mode, 2);
    closeChild(outer);
}

// Ends a modal editor from a thread timer: the action runs inside the editor's own loop.
struct ModalAction {
    static std::function<void()> action;
    static void CALLBACK fire(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        if (action) action();
    }
};
std::function<void()> ModalAction::action;

TEST_F(Editor, ModalStatusesAndResults) {
    // A modal editor with a menu and a command line: status 2, then 7 overwrites it (both arise).
    int n = openChild();
    ModalAction::action = [&] {
        HWND frame = wWindow[n];
        EditorWindowRecord* r = yyeditrecord(frame);
        EXPECT_EQ(r->CommandLine, 0);
        putChanged("abcdef");
        int from = 3, to = 3;
        yyeditselect(from, to);
        PostMessageA(frame, WM_COMMAND, CmdExit, 0);
    };
    SetTimer(nullptr, 0, 100, ModalAction::fire);
    AutoAnswer no(IDNO, "Editor");
    int status = edit(EditCommandLine, "", 1, 30999);
    EXPECT_EQ(status, 7);
    EXPECT_EQ(no.answered(), 1);
    EXPECT_EQ(no.lastText().find("Do you want to save changes?") != std::string::npos, true) << no.lastText();
    int window = -1, code = 4, value = 0;
    yyeditinfo(window, code, value);
    EXPECT_EQ(value, 4);  // the caret after the third character
    code = 2;
    yyeditinfo(window, code, value);
    EXPECT_EQ(value, 6);
    code = 1;
    yyeditinfo(window, code, value);
    EXPECT_EQ(value, 0);  // modified, not saved
    EXPECT_EQ(wWindow[n], nullptr);  // the modal editor took its window along

    n = openChild();
    ModalAction::action = [&] { PostMessageA(wWindow[n], WM_CLOSE, 0, 0); };
    SetTimer(nullptr, 0, 100, ModalAction::fire);
    EXPECT_EQ(edit(0, "", 1, 30999), 2);
}

TEST_F(Editor, MenusAndToolbarFollowTheOptionWord) {
    const int n = openChild();
    ASSERT_EQ(edit(EditRichText | EditMultiBuffer), 0);
    HMENU bar = GetMenu(wWindow[n]);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(menuTexts(bar), (std::vector<std::string>{"&File", "&Edit", "&Search", "F&ormat", "&View"}));
    EXPECT_EQ(menuTexts(GetSubMenu(bar, 0)),
              (std::vector<std::string>{"&New\bCtrl+N", "&Open\bCtrl+O", "&Close", "-", "&Save\bCtrl+S",
                                        "Save &As\bF12", "-", "&Print\bCtrl+P", "Prin&t Selection\bCtrl+Shift+P", "-",
                                        "E&xit"}));
    EXPECT_EQ(menuTexts(GetSubMenu(bar, 1)),
              (std::vector<std::string>{"&Undo\bCtrl+Z", "&Redo\bCtrl+Y", "-", "Cu&t\bCtrl+X", "&Copy\bCtrl+C",
                                        "&Paste\bCtrl+V", "&Delete\bDel", "-", "Select &All\bCtrl+A"}));
    EXPECT_EQ(menuTexts(GetSubMenu(bar, 2)),
              (std::vector<std::string>{"&Find\bCtrl+F", "Find &Next\bF3", "&Replace\bCtrl+H", "-",
                                        "&Set Bookmark\bShift+F2", "Goto &Bookmark\bF2"}));
    EXPECT_EQ(menuTexts(GetSubMenu(bar, 3)),
              (std::vector<std::string>{"&Font", "&Bullet Style", "-", "Align &Left\bCtrl+L", "Align &Centre\bCtrl+E",
                                        "Align &Right\bCtrl+R"}));
    EXPECT_EQ(menuTexts(GetSubMenu(bar, 4)), (std::vector<std::string>{"&1 Untitled"}));
    EXPECT_TRUE(GetMenuState(GetSubMenu(bar, 2), CmdGotoBookmark, MF_BYCOMMAND) & MF_GRAYED);
    HWND toolbar = editorWindow(record(n).Toolbar);
    EXPECT_EQ(buttonIds(toolbar), (std::vector<int>{CmdNew, CmdOpen, CmdSave, CmdPrint, CmdFind, 0, CmdCut, CmdCopy,
                                                    CmdPaste, CmdUndo, CmdRedo, 0, CmdBold, CmdItalic, CmdUnderline,
                                                    CmdAlignLeft, CmdAlignCentre, CmdAlignRight, CmdBullet}));
    EXPECT_EQ(buttonState(toolbar, CmdCut) & TBSTATE_ENABLED, 0);
    EXPECT_NE(buttonState(toolbar, CmdAlignLeft) & TBSTATE_CHECKED, 0);
    closeChild(n);

    // A browser without the library's accelerator table: no table, plain labels, standard images.
    const int m = openChild();
    const HINSTANCE own = wInstance;
    wInstance = GetModuleHandleA("kernel32.dll");
    ASSERT_EQ(edit(EditReadOnly | EditNoPrint), 0);
    wInstance = own;
    bar = GetMenu(wWindow[m]);
    EXPECT_EQ(menuTexts(GetSubMenu(bar, 0)), (std::vector<std::string>{"&Open", "Save &As", "-", "E&xit"}));
    EXPECT_EQ(menuTexts(GetSubMenu(bar, 1)), (std::vector<std::string>{"&Copy\bCtrl+C", "-", "Select &All\bCtrl+A"}));
    EXPECT_EQ(menuTexts(GetSubMenu(bar, 2)),
              (std::vector<std::string>{"&Find", "Find &Next", "-", "&Set Bookmark", "Goto &Bookmark"}));
    EXPECT_EQ(buttonIds(editorWindow(record(m).Toolbar)), (std::vector<int>{CmdOpen, CmdFind, 0, CmdCopy}));
    EXPECT_EQ(record(m).EditorAccelerators, nullptr);
    closeChild(m);

    const int k = openChild();
    ASSERT_EQ(edit(EditNoMenu | EditNoToolbar), 0);
    EXPECT_EQ(GetMenu(wWindow[k]), nullptr);
    EXPECT_EQ(record(k).Toolbar, 0);
    closeChild(k);
}

TEST_F(Editor, TypedTextIsSavedAndReadBackByteForByte) {
    ScratchFolder scratch;
    const std::string path = outputPath("typed.txt");
    DeleteFileA(path.c_str());
    int n = openChild();
    ASSERT_EQ(edit(EditQuietOpen, path), 0);  // a new file: nothing opened, the name kept
    focusText(n);
    typeKeys("ab");
    pressKeys({VK_RETURN});
    typeKeys("cd");
    pumpFor(100);
    EXPECT_EQ(std::string(record(n).FileName), path);
    int saveAs = 0;
    yyeditsave(saveAs);
    EXPECT_EQ(fileBytes(path), "ab\r\ncd");
    int window = n, code = 1, value = -1;
    yyeditinfo(window, code, value);
    EXPECT_EQ(value, 1);
    char title[300] = "";
    GetWindowTextA(wWindow[n], title, sizeof title);
    EXPECT_EQ(std::string(title), "Editor - [" + path + "]");
    closeChild(n);

    n = openChild();
    ASSERT_EQ(edit(0, path), 0);
    int status = 0, size = 100;
    char got[100] = "";
    yyeditgettext(status, size, got);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(std::string(got), "ab\rcd");
    // Caller positions count the line end twice: 4 is the c.
    int from = 4, count = 2;
    yyeditgettextpart(from, count, got);
    EXPECT_EQ(std::string(got), "c");
    closeChild(n);
}

TEST_F(Editor, TextFilesArePreparedForTheControl) {
    const std::string four = outputPath("four.txt"), five = outputPath("five.txt"), odd = outputPath("odd.txt");
    writeBytes(four, "{\\rt");
    writeBytes(five, "{\\rtf1 x}");
    writeBytes(odd, std::string("a\0b\x1a", 4));
    struct Case {
        std::string path, text;
    } cases[] = {{four, "{\\rt"}, {five, "{\\rtf1 x}"}, {odd, "a b"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const int n = openChild();
        ASSERT_EQ(edit(0, c.path), 0);
        EXPECT_EQ(text(n), c.text);
        closeChild(n);
    }
}

TEST_F(Editor, RichTextByTheNameAndReadBackByUnrtf) {
    const std::string upper = outputPath("X.RTF"), twice = outputPath("x.rtf.txt");
    const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Hello {\\b bold} world\\par}";
    writeBytes(upper, rtf);
    writeBytes(twice, rtf);
    int n = openChild();
    ASSERT_EQ(edit(EditRichText, upper), 0);
    EXPECT_EQ(text(n).substr(0, 16), "Hello bold world");
    closeChild(n);
    n = openChild();
    ASSERT_EQ(edit(EditRichText, twice), 0);
    EXPECT_EQ(text(n), rtf);  // read as text
    closeChild(n);

    // Saved RTF: unrtf reads the same text on the Linux side (tests/editor/read_saved.py).
    const std::string saved = outputPath("saved.rtf");
    DeleteFileA(saved.c_str());
    n = openChild();
    ASSERT_EQ(edit(EditRichText | EditQuietOpen, saved), 0);
    int status = 0;
    yyeditputtext(status, "Gravimonder editor line one\r\nline two");
    int from = 1, to = 11, on = 1, keep = -1, unchanged = -2;
    yyeditformattext(status, from, to, on, keep, keep, keep, keep, unchanged, unchanged, "");
    EXPECT_EQ(status, 0);
    int saveAs = 0;
    yyeditsave(saveAs);
    EXPECT_EQ(fileBytes(saved).substr(0, 6), "{\\rtf1");
    // A picture of the window for the record.
    pumpFor(200);
    HDC screen = GetDC(nullptr);
    RECT rect;
    GetWindowRect(wWindow[n], &rect);
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, w, h, screen, rect.left, rect.top, SRCCOPY);
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = w;
    info.biHeight = h;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    std::vector<char> pixels(static_cast<std::size_t>((w * 3 + 3) / 4 * 4 * h));
    GetDIBits(memory, picture, 0, static_cast<UINT>(h), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    SelectObject(memory, old);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof info + pixels.size()), 0, 0,
                             static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof info)};
    std::ofstream shot(outputPath("editor_window.bmp"), std::ios::binary | std::ios::trunc);
    shot.write(reinterpret_cast<const char*>(&file), sizeof file);
    shot.write(reinterpret_cast<const char*>(&info), sizeof info);
    shot.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    closeChild(n);
}

TEST_F(Editor, BackupsSharingAndTheShorterSave) {
    const std::string path = outputPath("backup.txt"), backup = path + ".bak";
    writeBytes(path, "first version of the file");
    DeleteFileA(backup.c_str());
    const int n = openChild();
    ASSERT_EQ(edit(EditBackup, path), 0);
    // A writable editor keeps its file open for reading: others read it but cannot write it.
    HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(reader, INVALID_HANDLE_VALUE);
    if (reader != INVALID_HANDLE_VALUE) CloseHandle(reader);
    HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(writer, INVALID_HANDLE_VALUE);
    if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);

    int status = 0, saveAs = 0;
    yyeditputtext(status, "second, a longer version of the file");
    yyeditsave(saveAs);
    yyeditputtext(status, "third");
    yyeditsave(saveAs);
    EXPECT_EQ(fileBytes(path), "third");
    EXPECT_EQ(fileBytes(backup), "second, a longer version of the file");

    // A hidden file, which cannot be created anew, is replaced by the shorter text all the same.
    yyeditputtext(status, "a much longer fourth version of the text in the file");
    yyeditsave(saveAs);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    yyeditputtext(status, "fifth");
    yyeditsave(saveAs);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(fileBytes(path), "fifth");
    // Each save was written beside the file and took its place: nothing else is left.
    EXPECT_EQ(GetFileAttributesA((path + ".~1").c_str()), INVALID_FILE_ATTRIBUTES);
    closeChild(n);

    // A browser keeps nothing open.
    const int b = openChild();
    ASSERT_EQ(edit(EditReadOnly, path), 0);
    writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(writer, INVALID_HANDLE_VALUE);
    if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);
    closeChild(b);
}

TEST_F(Editor, SaveQuestionAndTheCloseProtocol) {
    const std::string path = outputPath("question.txt");
    writeBytes(path, "kept");
    const int n = openChild();
    ASSERT_EQ(edit(0, path), 0);
    putChanged("changed");
    WMessageRecord event{};
    {
        AutoAnswer cancel(IDCANCEL, "Editor");
        PostMessageA(wWindow[n], WM_CLOSE, 0, 0);
        EXPECT_EQ(nextEvent(event, {EvCloseRequest}, 1500), 0);
        EXPECT_EQ(cancel.answered(), 1);
        EXPECT_NE(cancel.lastText().find("Do you want to save changes to " + path + "?"), std::string::npos);
    }
    {
        AutoAnswer no(IDNO, "Editor");
        PostMessageA(wWindow[n], WM_CLOSE, 0, 0);
        EXPECT_EQ(nextEvent(event, {EvCloseRequest}, 3000), EvCloseRequest);
        EXPECT_EQ(event.Win, n);
        EXPECT_EQ(no.answered(), 1);
        EXPECT_EQ(fileBytes(path), "kept");
    }
    {
        AutoAnswer yes(IDYES, "Editor");
        PostMessageA(wWindow[n], WM_CLOSE, 0, 0);
        EXPECT_EQ(nextEvent(event, {EvCloseRequest}, 3000), EvCloseRequest);
        EXPECT_EQ(yes.answered(), 1);
        EXPECT_EQ(fileBytes(path), "changed");
    }
    // Saved: the close needs no question.
    PostMessageA(wWindow[n], WM_CLOSE, 0, 0);
    EXPECT_EQ(nextEvent(event, {EvCloseRequest}, 3000), EvCloseRequest);
    closeChild(n);
}

TEST_F(Editor, TypingBeforeABookmarkMovesIt) {
    const int n = openChild();
    ASSERT_EQ(edit(0), 0);
    int status = 0;
    yyeditputtext(status, "0123456789");
    int from = 5, to = 5;
    yyeditselect(from, to);
    SendMessageA(wWindow[n], WM_COMMAND, CmdSetBookmark, 0);
    EXPECT_EQ(record(n).Bookmark[1], 5);
    focusText(n);
    SendMessageA(control(n), EM_SETSEL, 2, 2);
    typeKeys("xy");
    pumpFor(100);
    EXPECT_EQ(record(n).Bookmark[1], 7);
    SendMessageA(control(n), EM_SETSEL, 9, 9);
    typeKeys("z");
    pumpFor(100);
    EXPECT_EQ(record(n).Bookmark[1], 7);
    SendMessageA(wWindow[n], WM_COMMAND, CmdGotoBookmark, 0);
    CHARRANGE range = {};
    SendMessageA(control(n), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.cpMin, 7);
    closeChild(n);
}

TEST_F(Editor, CtrlVInAPlainEditorPastesPlainText) {
    const int n = openChild();
    ASSERT_EQ(edit(0), 0);
    ASSERT_TRUE(OpenClipboard(wWindow[n]));
    EmptyClipboard();
    const std::string plain = "pasted", rich = "{\\rtf1 {\\b RICH}}";
    auto put = [](UINT format, const std::string& bytes) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
        std::memcpy(GlobalLock(memory), bytes.c_str(), bytes.size() + 1);
        GlobalUnlock(memory);
        SetClipboardData(format, memory);
    };
    put(RegisterClipboardFormatA("Rich Text Format"), rich);
    put(CF_TEXT, plain);
    CloseClipboard();
    focusText(n);
    pressKeys({'V'}, false, true);
    pumpFor(150);
    EXPECT_EQ(text(n), "pasted");
    CHARFORMAT2A format = {};
    format.cbSize = sizeof format;
    SendMessageA(control(n), EM_SETSEL, 0, -1);
    SendMessageA(control(n), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format.dwEffects & CFE_BOLD, 0u);
    closeChild(n);
}

TEST_F(Editor, AccessOperations) {
    const int n = openChild();
    ASSERT_EQ(edit(0), 0);
    int status = -1;
    yyeditputtext(status, "abcdefghijklmnopqrst");
    EXPECT_EQ(status, 0);
    int size = 10;
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    yyeditgettext(status, size, buffer);
    EXPECT_EQ(status, 2);
    EXPECT_STREQ(buffer, "abcdefghi");
    EXPECT_EQ(buffer[10], '#');
    int window = n, code = 4, value = 0;
    SendMessageA(control(n), EM_SETSEL, 0, 0);
    yyeditinfo(window, code, value);
    EXPECT_EQ(value, 1);
    int from = 1, to = 3, on = 1, keep = -1, unchanged = -2;
    yyeditformattext(status, from, to, on, keep, keep, keep, keep, unchanged, unchanged, "");
    EXPECT_EQ(status, -2);  // no formats in a plain editor

    // Caller positions: "ab", a line end, "cd".
    yyeditputtext(status, "ab\r\ncd");
    from = 3;
    to = 5;
    yyeditselect(from, to);  // the LF maps to the CR
    CHARRANGE range = {};
    SendMessageA(control(n), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.cpMin, 2);
    EXPECT_EQ(range.cpMax, 4);
    code = 4;
    yyeditinfo(window, code, value);
    EXPECT_EQ(value, 3);
    code = 5;
    yyeditinfo(window, code, value);
    EXPECT_EQ(value, 5);
    char name[8];
    std::memset(name, '#', sizeof name);
    int infoWindow = n, infoCode = 3, length = 0, infoSize = 4;
    record(n).FileName[0] = '\0';
    std::strcpy(record(n).FindText, "searching");
    infoCode = 1;
    yyeditinfostring(infoWindow, infoCode, length, name, infoSize);
    EXPECT_STREQ(name, "sea");
    EXPECT_EQ(length, 9);
    EXPECT_EQ(name[4], '#');
    closeChild(n);
}

TEST_F(Editor, BoldAndAlignmentButtons) {
    const int n = openChild();
    ASSERT_EQ(edit(EditRichText), 0);
    int status = 0;
    yyeditputtext(status, "plain bold\r\nsecond");
    int from = 7, to = 10, on = 1, keep = -1, unchanged = -2;
    yyeditformattext(status, from, to, on, keep, keep, keep, keep, unchanged, unchanged, "");
    HWND c = control(n);
    HWND toolbar = editorWindow(record(n).Toolbar);
    auto boldOfAll = [&] {
        CHARFORMAT2A format = {};
        format.cbSize = sizeof format;
        SendMessageA(c, EM_SETSEL, 0, 10);
        SendMessageA(c, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return (format.dwMask & CFM_BOLD) == 0 ? -1 : (format.dwEffects & CFE_BOLD) ? 1 : 0;
    };
    EXPECT_EQ(boldOfAll(), -1);  // partly bold
    SendMessageA(c, EM_SETSEL, 0, 10);
    pumpFor(50);
    EXPECT_NE(buttonState(toolbar, CmdBold) & TBSTATE_INDETERMINATE, 0);
    SendMessageA(wWindow[n], WM_COMMAND, CmdBold, 0);
    EXPECT_EQ(boldOfAll(), 1);
    EXPECT_NE(buttonState(toolbar, CmdBold) & TBSTATE_CHECKED, 0);
    SendMessageA(wWindow[n], WM_COMMAND, CmdBold, 0);
    EXPECT_EQ(boldOfAll(), 0);

    // A centred and a left-aligned paragraph selected together: indeterminate alignment buttons.
    SendMessageA(c, EM_SETSEL, 0, 0);
    SendMessageA(wWindow[n], WM_COMMAND, CmdAlignCentre, 0);
    EXPECT_NE(buttonState(toolbar, CmdAlignCentre) & TBSTATE_CHECKED, 0);
    SendMessageA(c, EM_SETSEL, 0, -1);
    pumpFor(50);
    for (int id : {CmdAlignLeft, CmdAlignCentre, CmdAlignRight}) {
        SCOPED_TRACE(id);
        EXPECT_NE(buttonState(toolbar, id) & TBSTATE_INDETERMINATE, 0);
    }
    closeChild(n);
}


// ---- buffers ----

namespace buffers {

int info(int n, int code) {
    int value = -99;
    yyeditinfo(n, code, value);
    return value;
}

std::string viewLabel(EditorWindowRecord& r, int buffer) { return menuTexts(r.ViewMenu).at(static_cast<std::size_t>(buffer - 1)); }

bool viewChecked(EditorWindowRecord& r, int buffer) {
    return (GetMenuState(r.ViewMenu, static_cast<UINT>(buffer - 1), MF_BYPOSITION) & MF_CHECKED) != 0;
}

int selectBuffer(int buffer) {
    int status = -1;
    yyeditselectbuffer(buffer, status);
    return status;
}

}  // namespace buffers

TEST_F(Editor, StoredBuffersComeBackWithSelectionLineAndFlags) {
    using namespace buffers;
    const int n = openChild();
    ASSERT_EQ(edit(EditMultiBuffer), 0);
    std::string lines;
    for (int k = 0; k < 80; ++k) lines += "line " + std::to_string(k) + "\r\n";
    int status = 0;
    yyeditputtext(status, lines.c_str());
    int top = 20;
    yyeditsettop(top);
    int from = 2, to = 7;
    yyeditselect(from, to);
    yyeditsettop(top);
    int saved = 0, changed = 1;
    yyeditsetflags(saved, changed);
    SendMessageA(control(n), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("NE"));  // something to undo
    from = 2;
    to = 7;
    yyeditselect(from, to);
    yyeditsettop(top);
    ASSERT_EQ(info(n, 4), 3);
    const int firstLine = info(n, 9);
    ASSERT_GT(firstLine, 0);
    const std::string before = text(n);

    SendMessageA(wWindow[n], WM_COMMAND, CmdNew, 0);
    EXPECT_EQ(info(n, 7), 2);
    EXPECT_EQ(text(n), "");
    EXPECT_EQ(viewLabel(record(n), 2), "&2 Untitled");
    EXPECT_EQ(selectBuffer(1), 0);
    EXPECT_EQ(info(n, 6), 1);
    EXPECT_TRUE(viewChecked(record(n), 1));
    EXPECT_FALSE(viewChecked(record(n), 2));
    EXPECT_EQ(text(n), before);
    EXPECT_EQ(info(n, 4), 3);
    EXPECT_EQ(info(n, 5), 7);
    EXPECT_EQ(info(n, 9), firstLine);
    EXPECT_EQ(info(n, 1), 0);  // still modified
    EXPECT_EQ(info(n, 3), 1);
    EXPECT_EQ(SendMessageA(control(n), EM_CANUNDO, 0, 0), 0);
    // Switching to the shown buffer changes nothing; numbers outside the buffers are refused.
    EXPECT_EQ(selectBuffer(1), 0);
    EXPECT_EQ(info(n, 4), 3);
    EXPECT_EQ(selectBuffer(3), 2);
    EXPECT_EQ(selectBuffer(0), 2);
    closeChild(n);
    const int plain = openChild();
    ASSERT_EQ(edit(0), 0);
    EXPECT_EQ(selectBuffer(1), 2);
    closeChild(plain);
    EXPECT_EQ(selectBuffer(1), 1);
}

TEST_F(Editor, FurtherFilesOpenAsBuffersAndClosingMovesTheLaterOnesDown) {
    using namespace buffers;
    std::vector<std::string> paths;
    for (const char* name : {"b1.txt", "b2.txt", "b3.txt", "b4.txt"}) {
        paths.push_back(outputPath(name));
        writeBytes(paths.back(), std::string("text of ") + name);
    }
    const int n = openChild();
    ASSERT_EQ(edit(EditMultiBuffer, paths[0]), 0);
    for (int k = 1; k < 4; ++k) {
        int status = 0, mode = 2, menu = 0, options = EditMultiBuffer, font = 3, size = 10, index = k + 1, host = -1;
        yyeditfile(status, mode, menu, options, font, size, index, host, paths[static_cast<std::size_t>(k)].c_str(), "");
        ASSERT_EQ(status, 0);
    }
    EditorWindowRecord& r = record(n);
    ASSERT_EQ(r.BufferCount, 4);
    EXPECT_EQ(r.CurrentBuffer, 4);
    EXPECT_EQ(viewLabel(r, 3), "&3 " + paths[2]);

    // A path already open switches to its buffer, in any letter case.
    std::string upper = paths[1];
    for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(edit(EditMultiBuffer, upper), 0);
    EXPECT_EQ(r.BufferCount, 4);
    EXPECT_EQ(r.CurrentBuffer, 2);
    EXPECT_EQ(text(n), "text of b2.txt");

    // Bookmarks of buffers 3 and 4, then buffer 2 closes.
    ASSERT_EQ(selectBuffer(3), 0);
    int from = 4, to = 4;
    yyeditselect(from, to);
    SendMessageA(wWindow[n], WM_COMMAND, CmdSetBookmark, 0);
    ASSERT_EQ(selectBuffer(4), 0);
    from = to = 6;
    yyeditselect(from, to);
    SendMessageA(wWindow[n], WM_COMMAND, CmdSetBookmark, 0);
    ASSERT_EQ(selectBuffer(2), 0);
    SendMessageA(wWindow[n], WM_COMMAND, CmdClose, 0);
    ASSERT_EQ(r.BufferCount, 3);
    EXPECT_EQ(GetMenuItemCount(r.ViewMenu), 3);
    EXPECT_EQ(viewLabel(r, 2), "&2 " + paths[2]);
    EXPECT_EQ(viewLabel(r, 3), "&3 " + paths[3]);
    EXPECT_EQ(r.BufferFilterIndex[2], 3);
    EXPECT_EQ(r.BufferFilterIndex[3], 4);
    EXPECT_EQ(r.Bookmark[2], 4);
    EXPECT_EQ(r.Bookmark[3], 6);
    EXPECT_EQ(r.CurrentBuffer, 2);
    EXPECT_EQ(text(n), "text of b3.txt");
    EXPECT_EQ(std::string(r.FileName), paths[2]);
    ASSERT_EQ(selectBuffer(3), 0);
    EXPECT_EQ(text(n), "text of b4.txt");
    char name[300];
    yyeditgetbuffername(n, 1, name, 260);
    EXPECT_EQ(std::string(name), paths[0]);
    EXPECT_EQ(name[259], ' ');
    yyeditgetbuffername(n, 30, name, 260);
    EXPECT_EQ(name[0], '\0');

    // Closing the current last of three makes 2 current, with its check mark.
    SendMessageA(wWindow[n], WM_COMMAND, CmdClose, 0);
    EXPECT_EQ(r.BufferCount, 2);
    EXPECT_EQ(r.CurrentBuffer, 2);
    EXPECT_TRUE(viewChecked(r, 2));
    EXPECT_EQ(text(n), "text of b3.txt");
    closeChild(n);
}

TEST_F(Editor, ThirtySixthBufferIsRefused) {
    const int n = openChild();
    ASSERT_EQ(edit(EditMultiBuffer), 0);
    for (int k = 2; k <= EditorBuffers; ++k) SendMessageA(wWindow[n], WM_COMMAND, CmdNew, 0);
    ASSERT_EQ(record(n).BufferCount, EditorBuffers);
    EXPECT_EQ(buffers::viewLabel(record(n), 35), "&Z Untitled");
    const std::string path = outputPath("b36.txt");
    writeBytes(path, "36");
    EXPECT_EQ(edit(EditMultiBuffer, path), 12);
    EXPECT_EQ(record(n).BufferCount, EditorBuffers);
    closeChild(n);
}

TEST_F(Editor, ClosingAsksAboutEveryModifiedBufferAndCancelBringsTheFirstBack) {
    using namespace buffers;
    const int n = openChild();
    ASSERT_EQ(edit(EditMultiBuffer), 0);
    putChanged("first");
    SendMessageA(wWindow[n], WM_COMMAND, CmdNew, 0);
    putChanged("second");
    SendMessageA(wWindow[n], WM_COMMAND, CmdNew, 0);
    putChanged("third");
    SendMessageA(wWindow[n], WM_COMMAND, CmdNew, 0);  // buffer 4, unchanged
    ASSERT_EQ(selectBuffer(1), 0);
    std::vector<std::string> asked;
    AutoAct answer("Editor", [&](HWND box) {
        asked.push_back(text(n));
        const int button = asked.size() < 3 ? IDNO : IDCANCEL;
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    });
    PostMessageA(wWindow[n], WM_CLOSE, 0, 0);
    WMessageRecord event{};
    EXPECT_EQ(nextEvent(event, {EvCloseRequest}, 2000), 0);
    EXPECT_EQ(asked, (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_EQ(record(n).CurrentBuffer, 1);
    EXPECT_EQ(text(n), "first");
    closeChild(n);
}

TEST_F(Editor, ClosingASplitWindowAsksAboutTheEditorPanesBuffers) {
    using namespace buffers;
    const int n = openChild();
    int panes[2] = {0, 0};
    const int flags[2] = {Plain, Plain};
    const int menus[2] = {0, 0};
    const int toolbars[2][4] = {};
    int dialogs[2] = {0, 0};
    const int backgrounds[2] = {-1, -1};
    yywindowsplit(panes, SplitStacked, flags, -1, menus, toolbars, dialogs, backgrounds, "first", "second");
    ASSERT_GT(panes[0], 0);
    WindowSelect(panes[0]);
    ASSERT_EQ(edit(EditMultiBuffer), 0);
    putChanged("one");
    SendMessageA(wWindow[panes[0]], WM_COMMAND, CmdNew, 0);
    putChanged("two");
    std::vector<std::string> asked;
    AutoAct answer("", [&](HWND box) {
        asked.push_back(text(panes[0]));
        const int button = asked.size() < 2 ? IDNO : IDCANCEL;
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    });
    PostMessageA(wWindow[n], WM_CLOSE, 0, 0);
    WMessageRecord event{};
    EXPECT_EQ(nextEvent(event, {EvCloseRequest}, 2000), 0);
    EXPECT_EQ(asked, (std::vector<std::string>{"two", "one"}));
    EXPECT_EQ(record(panes[0]).CurrentBuffer, 2);
    EXPECT_EQ(text(panes[0]), "two");
    closeChild(n);
}

// ---- command line, history and colouring ----

// The application's colouring routine of this test program: with `colourMode` 1 one range, columns
// 3 to 5 in red; with 2 far too many ranges, overlapping and past the line; else nothing.
int colourMode = 0;
int colourCalls = 0;

}  // namespace

void yyeditparsecallback(int&, int&, int&, int& maxRanges, int* starts, int* ends, int* colours, int& count,
                         const char*, int&) {
    ++colourCalls;
    count = 0;
    if (colourMode == 1) {
        starts[0] = 3;
        ends[0] = 5;
        colours[0] = 255;
        count = 1;
    } else if (colourMode == 2) {
        for (int k = 0; k < maxRanges; ++k) {
            starts[k] = k % 7;
            ends[k] = k + 500;
            colours[k] = 255;
        }
        count = maxRanges + 50;  // more than there is room for
    }
}

namespace {

HWND commandEdit(int n) { return editorWindow(yyeditrecord(wWindow[n])->CommandEdit); }
HWND commandCombo(int n) { return editorWindow(yyeditrecord(wWindow[n])->CommandLine); }

int historyCount(int n) { return static_cast<int>(SendMessageA(commandCombo(n), CB_GETCOUNT, 0, 0)); }

std::string historyAt(int index, int size = 100) {
    std::vector<char> text(static_cast<std::size_t>(size) + 8, 'Q');
    yyeditgethistory(index, text.data(), size);
    return text.data();
}

// Enter on the command line with real keys; true when the command event came for window n.
bool enterCommand(int n, const char* text) {
    SetWindowTextA(commandEdit(n), text);
    SendMessageA(commandEdit(n), EM_SETSEL, 0, -1);
    pressKeys({VK_RETURN});
    WMessageRecord event{};
    return nextEvent(event, {EvCommandLine}, 2000) == EvCommandLine && event.Win == n;
}

TEST_F(Editor, CommandLineRaisesTheEventAndKeepsTheHistory) {
    const int n = openChild();
    ASSERT_EQ(edit(EditCommandHistory), 0);
    ASSERT_NE(commandCombo(n), commandEdit(n));
    SetForegroundWindow(wWindow[n]);
    SetFocus(commandEdit(n));
    pumpFor(50);
    typeKeys("dir");
    pressKeys({VK_RETURN});
    WMessageRecord event{};
    ASSERT_EQ(nextEvent(event, {EvCommandLine}, 2000), EvCommandLine);
    EXPECT_EQ(historyCount(n), 1);
    EXPECT_EQ(historyAt(0), "dir");
    EXPECT_TRUE(enterCommand(n, "dir"));  // the same command twice is stored once
    EXPECT_EQ(historyCount(n), 1);
    EXPECT_TRUE(enterCommand(n, "   "));  // blanks raise the event but store nothing
    EXPECT_EQ(historyCount(n), 1);
    for (const char* command : {"abd", "ABc", "xyz"}) EXPECT_TRUE(enterCommand(n, command));
    EXPECT_EQ(historyCount(n), 4);
    EXPECT_EQ(SendMessageA(commandCombo(n), CB_GETCURSEL, 0, 0), 0);  // the line shows the command entered
    EXPECT_EQ(historyAt(0, 3), "xy");  // cut to the caller's size

    // Up with "ab" typed and nothing selected: the newest entry beginning with it in any case.
    SendMessageA(commandCombo(n), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextA(commandEdit(n), "ab");
    pressKeys({VK_UP});
    pumpFor(50);
    EXPECT_EQ(SendMessageA(commandCombo(n), CB_GETCURSEL, 0, 0), 1);
    pressKeys({VK_UP});
    pumpFor(50);
    EXPECT_EQ(SendMessageA(commandCombo(n), CB_GETCURSEL, 0, 0), 0);
    pressKeys({VK_UP});  // never above the newest
    pumpFor(50);
    EXPECT_EQ(SendMessageA(commandCombo(n), CB_GETCURSEL, 0, 0), 0);
    SendMessageA(commandCombo(n), CB_SETCURSEL, 3, 0);
    pressKeys({VK_DOWN});  // past the oldest: no entry
    pumpFor(50);
    EXPECT_EQ(SendMessageA(commandCombo(n), CB_GETCURSEL, 0, 0), CB_ERR);

    // Escape empties the line, Ctrl+A selects it, Tab goes back to the text.
    SetWindowTextA(commandEdit(n), "some words");
    SendMessageA(commandEdit(n), WM_CHAR, 1, 0);
    DWORD from = 0, to = 0;
    SendMessageA(commandEdit(n), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 10u);
    pressKeys({VK_ESCAPE});
    pumpFor(50);
    EXPECT_EQ(GetWindowTextLengthA(commandEdit(n)), 0);
    pressKeys({VK_TAB});
    pumpFor(50);
    EXPECT_EQ(GetFocus(), control(n));

    int status = -1, index = -1;
    yyeditputhistory(index, "oldest");
    EXPECT_EQ(historyAt(4), "oldest");
    yyeditcheckhistory(status);
    EXPECT_EQ(status, 0);
    yyeditclearhistory(status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(historyCount(n), 0);
    EXPECT_EQ(historyAt(0), "");
    closeChild(n);
}

TEST_F(Editor, CommandLineAccessStatuses) {
    const int n = openChild();
    ASSERT_EQ(edit(EditCommandLine), 0);
    int status = -1, caret = 2;
    yyeditputcommand(status, "hello", caret);
    EXPECT_EQ(status, 0);
    DWORD from = 0, to = 0;
    SendMessageA(commandEdit(n), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 2u);
    EXPECT_EQ(to, 2u);
    char text[16] = "";
    int size = 3;
    yyeditgetcommand(status, text, size);
    EXPECT_EQ(status, 2);
    EXPECT_STREQ(text, "he");
    size = 16;
    yyeditgetcommand(status, text, size);
    EXPECT_EQ(status, 0);
    EXPECT_STREQ(text, "hello");
    yyeditcheckhistory(status);
    EXPECT_EQ(status, 1092);
    yyeditclearhistory(status);
    EXPECT_EQ(status, 2);
    // Without a history Enter raises the event and the line stays as typed.
    SetForegroundWindow(wWindow[n]);
    SetFocus(commandEdit(n));
    EXPECT_TRUE(enterCommand(n, "kept"));
    EXPECT_EQ(GetWindowTextLengthA(commandEdit(n)), 4);
    int length = 6;
    yyeditprompt(status, "Cmd > ", length);
    EXPECT_EQ(status, 0);
    RECT prompt, line;
    GetWindowRect(editorWindow(record(n).PromptFrame), &prompt);
    GetWindowRect(commandEdit(n), &line);
    EXPECT_GT(prompt.right - prompt.left, 20);
    EXPECT_EQ(line.left, prompt.right);
    closeChild(n);

    const int plain = openChild();
    ASSERT_EQ(edit(0), 0);
    yyeditputcommand(status, "x", caret);
    EXPECT_EQ(status, 1032);
    yyeditgetcommand(status, text, size);
    EXPECT_EQ(status, 3);
    yyeditprompt(status, "x", length);
    EXPECT_EQ(status, 2);
    yyeditcheckhistory(status);
    EXPECT_EQ(status, 1092);
    closeChild(plain);
    yyeditputcommand(status, "x", caret);
    EXPECT_EQ(status, 1028);
    yyeditgetcommand(status, text, size);
    EXPECT_EQ(status, 1);
    yyeditcheckhistory(status);
    EXPECT_EQ(status, 1028);
    yyeditclearhistory(status);
    EXPECT_EQ(status, 1);
}

// Pixels of a control's client area between two character positions of one line.
int countPixels(HWND control, int first, int last, int lineHeight, COLORREF colour) {
    POINT a = {0, 0}, b = {0, 0};
    yyEditPosFromChar(control, first, a);
    yyEditPosFromChar(control, last, b);
    HDC dc = GetDC(control);
    int found = 0;
    for (int y = a.y; y < a.y + lineHeight; ++y)
        for (int x = a.x; x < b.x; ++x)
            if (GetPixel(dc, x, y) == colour) ++found;
    ReleaseDC(control, dc);
    return found;
}

TEST_F(Editor, ColouringDrawsTheHooksRangesAndTheWholeSelectionHighlighted) {
    const int n = openChild();
    ASSERT_EQ(edit(0), 0);
    int status = 0;
    yyeditputtext(status, "abcdefgh\r\nsecond line");
    SetForegroundWindow(wWindow[n]);
    colourMode = 1;
    yyeditsetcallback();
    EXPECT_EQ(record(n).ColouringOn, 1);
    RedrawWindow(control(n), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const int height = record(n).LineHeight;
    const COLORREF red = RGB(255, 0, 0);
    EXPECT_GT(countPixels(control(n), 2, 5, height, red), 0);  // columns 3..5
    EXPECT_EQ(countPixels(control(n), 0, 2, height, red), 0);
    EXPECT_EQ(countPixels(control(n), 5, 8, height, red), 0);
    EXPECT_GT(countPixels(control(n), 5, 8, height, GetSysColor(COLOR_WINDOWTEXT)), 0);

    // Far too many ranges, overlapping and past the line: drawn within the line, nothing breaks.
    colourMode = 2;
    RedrawWindow(control(n), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GT(countPixels(control(n), 0, 8, height, red), 0);

    colourCalls = 0;
    SendMessageA(control(n), EM_SETSEL, 0, -1);
    RedrawWindow(control(n), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(colourCalls, 0);
    EXPECT_GT(countPixels(control(n), 0, 8, height, GetSysColor(COLOR_HIGHLIGHT)), 0);
    EXPECT_EQ(countPixels(control(n), 0, 8, height, red), 0);
    colourMode = 0;
    closeChild(n);
}


// ---- find, replace and printing ----

CHARRANGE selectionIn(HWND control) {
    CHARRANGE range = {0, 0};
    SendMessageA(control, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

// Posted, as a click would come: the editor's events are raised while the test waits for them.
void clickInDialog(HWND dialog, int button) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

TEST_F(Editor, FindAndReplaceThroughTheSystemDialogs) {
    const int n = openChild();
    ASSERT_EQ(edit(EditApplicationPrints), 0);
    int status = -1, which = 1, flags = 0;
    yyeditputtext(status, "one cat two Cat three cat");
    yyeditfindstring(which, status, "cat");
    EXPECT_EQ(status, 0);
    yyeditfindflags(flags, status);  // match case, downwards
    EXPECT_EQ(status, 0);
    SendMessageA(wWindow[n], WM_COMMAND, CmdFind, 0);
    HWND dialog = editorWindow(record(n).FindDialog);
    ASSERT_NE(dialog, nullptr);
    clickInDialog(dialog, IDOK);  // Find Next
    WMessageRecord event{};
    ASSERT_EQ(nextEvent(event, {EvMenu}, 2000), EvMenu);
    EXPECT_EQ(event.Value1, CmdFind);
    EXPECT_EQ(selectionIn(control(n)).cpMin, 4);
    clickInDialog(dialog, IDOK);  // the next one, not the same; "Cat" differs in case
    EXPECT_EQ(nextEvent(event, {EvMenu}, 2000), EvMenu);
    EXPECT_EQ(selectionIn(control(n)).cpMin, 22);
    // The find dialog is titled "Find" too: only the box is answered.
    int boxes = 0;
    std::string boxText;
    auto answerBoxes = [&](HWND findDialog) {
        return std::make_unique<AutoAct>("Find", [&, findDialog](HWND box) {
            if (box == findDialog) return;
            ++boxes;
            char said[128] = "";
            GetDlgItemTextA(box, 0xFFFF, said, sizeof said);
            boxText = said;
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
        });
    };
    {
        auto answer = answerBoxes(dialog);
        clickInDialog(dialog, IDOK);
        EXPECT_TRUE(pumpUntil([&] { return boxes == 1; }, 3000));
        EXPECT_EQ(boxText, "End of text reached");
    }
    clickInDialog(dialog, IDCANCEL);
    pumpUntil([&] { return record(n).FindDialog == 0; }, 2000);
    EXPECT_EQ(record(n).FindDialog, 0);

    // Replace All of three occurrences, in any case: one box at the end.
    flags = 2;
    yyeditfindflags(flags, status);
    which = 2;
    yyeditfindstring(which, status, "dog");
    SendMessageA(wWindow[n], WM_COMMAND, CmdReplace, 0);
    dialog = editorWindow(record(n).FindDialog);
    ASSERT_NE(dialog, nullptr);
    {
        boxes = 0;
        auto answer = answerBoxes(dialog);
        clickInDialog(dialog, psh2);  // Replace All
        EXPECT_EQ(nextEvent(event, {EvMenu}, 3000), EvMenu);
        EXPECT_EQ(event.Value1, CmdReplace);
        EXPECT_EQ(boxes, 1);
    }
    EXPECT_EQ(text(n), "one dog two dog three dog");
    clickInDialog(dialog, IDCANCEL);
    pumpFor(50);

    // Upwards from the end finds the last; a first-generation control always searches down.
    which = 1;
    yyeditfindstring(which, status, "dog");
    flags = 4;
    yyeditfindflags(flags, status);
    SendMessageA(control(n), EM_SETSEL, 25, 25);
    EXPECT_EQ(yyEditFind(wWindow[n], record(n), record(n).FindReplace), 1);
    EXPECT_EQ(selectionIn(control(n)).cpMin, 22);
    const int version = iVerRTF;
    iVerRTF = 1;
    SendMessageA(control(n), EM_SETSEL, 10, 10);
    EXPECT_EQ(yyEditFind(wWindow[n], record(n), record(n).FindReplace), 1);
    iVerRTF = version;
    EXPECT_EQ(selectionIn(control(n)).cpMin, 12);
    closeChild(n);
    yyeditfindstring(which, status, "x");
    EXPECT_EQ(status, 1028);
    yyeditfindflags(flags, status);
    EXPECT_EQ(status, 1028);
}

TEST_F(Editor, PrintsOnTheTestPrinterWithBothPageSetupSets) {
    TestPrinter printer(outputPath("printer.ps"));
    ASSERT_TRUE(printer.installed()) << printer.error();
    const int n = openChild();
    ASSERT_EQ(edit(0), 0);
    int status = -1;
    yyeditputtext(status, "first printed line\r\nsecond printed line");
    // A job without pages may end without any output: `pages` false waits only a short while.
    auto printed = [&](const char* name, bool pages = true) {
        const bool done = waitForPrintedOutput(printer, pages ? 10000 : 2000);
        if (pages) {
            EXPECT_TRUE(done) << name;
        }
        writeBytes(outputPath(name), printer.output());
        printer.clearOutput();
    };
    printer.clearOutput();
    int from = -1, to = -1;
    yyeditprintprog(status, from, to, "whole text");
    EXPECT_EQ(status, 1);
    printed("print-whole.ps");
    from = 20;
    to = 26;
    yyeditprintprog(status, from, to, "part");
    EXPECT_EQ(status, 1);
    printed("print-part.ps");

    // Width 300 points from a left margin of 72 reads back as set.
    int code = 3, value = 72, set = 0;
    yyeditprintsetpossize(code, value, set);
    code = 1;
    value = 300;
    yyeditprintsetpossize(code, value, set);
    value = 0;
    yyeditprintgetpossize(code, value, set);
    EXPECT_EQ(value, 300);
    code = 3;
    yyeditprintgetpossize(code, value, set);
    EXPECT_EQ(value, 72);

    // The menu's Print asks in the page-setup dialog first: set 1.
    int start = 0, end = 5;
    yyeditselect(start, end);
    {
        AutoAnswer ok(IDOK);
        SendMessageA(wWindow[n], WM_COMMAND, CmdPrintSelection, 0);
        EXPECT_GE(ok.answered(), 1);
    }
    printed("print-selection.ps");
    {
        AutoAnswer cancel(IDCANCEL);
        SendMessageA(wWindow[n], WM_COMMAND, CmdPrint, 0);
        EXPECT_GE(cancel.answered(), 1);
    }
    // The page-setup dialog in millimetres: the margins are converted, the points stay.
    int units = 2, result = -1;
    {
        AutoAnswer ok(IDOK);
        yyeditprintsetup(units, set, result);
    }
    EXPECT_EQ(result, 1);
    code = 3;
    yyeditprintgetpossize(code, value, set);
    EXPECT_NEAR(value, 72, 1);
    {
        AutoAnswer cancel(IDCANCEL);
        units = 0;
        yyeditprintsetup(units, set, result);
    }
    EXPECT_EQ(result, 0);
    yyeditputtext(status, "");
    from = to = -1;
    yyeditprintprog(status, from, to, "empty");
    EXPECT_EQ(status, 1);
    printed("print-empty.ps", false);
    closeChild(n);
    yyeditprintprog(status, from, to, "none");
    EXPECT_EQ(status, 0);
}

TEST_F(Editor, WithoutAPrinterNothingIsPrinted) {
    // Runs after the test printer is gone: the sets name a printer that no longer exists.
    const int n = openChild();
    ASSERT_EQ(edit(0), 0);
    int status = -1, from = -1, to = -1;
    yyeditputtext(status, "text");
    yyeditprintprog(status, from, to, "nothing");
    EXPECT_EQ(status, 0);
    closeChild(n);
}

TEST_F(Editor, ContentStreamsOutBoundedAndBackIn) {
    const int n = openChild();
    ASSERT_EQ(edit(EditRichText), 0);
    int status = 0;
    yyeditputtext(status, "streamed text");
    int length = 0;
    yyeditcountrtf(length);
    ASSERT_GT(length, 20);
    std::vector<char> whole(static_cast<std::size_t>(length) + 16, '#');
    int size = length;
    yyeditgetrtf(whole.data(), size);
    const std::string rtf(whole.data(), static_cast<std::size_t>(length));
    EXPECT_EQ(rtf.rfind("{\\rtf", 0), 0u);
    EXPECT_NE(rtf.find("streamed text"), std::string::npos);
    EXPECT_EQ(whole[static_cast<std::size_t>(length)], '#');
    // A smaller destination takes only its size.
    std::vector<char> small(32, '#');
    size = 10;
    yyeditgetrtf(small.data(), size);
    EXPECT_EQ(std::string(small.data(), 10), rtf.substr(0, 10));
    EXPECT_EQ(small[10], '#');
    yyeditputtext(status, "other");
    int back = length;
    yyeditputrtf(back, rtf.c_str());
    EXPECT_EQ(text(n), "streamed text");
    closeChild(n);

    const int plain = openChild();
    ASSERT_EQ(edit(0), 0);
    yyeditputtext(status, "plain");
    yyeditcountrtf(length);
    EXPECT_EQ(length, 5);
    closeChild(plain);
    yyeditcountrtf(length);
    EXPECT_EQ(length, 1);  // no editor
}

}  // namespace
