// grid_window_commands_test_win.cpp - the grid window's commands on the fixture grid, through
// their real dialogs: sort, goto, find, rows, print, save, open and save as HTML, their message
// boxes, the settings they keep and the dialog that cannot be loaded.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "grid/grid.hpp"
#include "grid/grid_control_win.hpp"
#include "grid/grid_print_win.hpp"
#include "grid/grid_window_commands_win.hpp"
#include "grid/grid_window_record_win.hpp"
#include "grid_fixture_win.hpp"
#include "resources/library_ids.h"
#include "gui_driver_win.hpp"
#include "scratch.hpp"
#include "test_printer_win.hpp"

namespace {

constexpr int Plain = WinSystemMenu | WinMinimiseBox | WinMaximiseBox;
constexpr int NoToolbars[4] = {0, 0, 0, 0};

std::string textOf(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool isChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// As a user does: clicks a button of a dialog (posted: a handler may open a modal box).
void click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
// Clicks a check box or radio button at once, so that keys typed afterwards go where the test
// puts the focus (a posted click would take the focus after them).
void toggle(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// Types into a field with real keys, replacing its text. The keys arrive later, so a second
// field is reached with Tab, never by setting the focus.
void typeInto(HWND dialog, int id, const char* text) {
    SetForegroundWindow(dialog);
    HWND field = GetDlgItem(dialog, id);
    SetFocus(field);
    SendMessageA(field, EM_SETSEL, 0, -1);
    pressKeys({VK_DELETE});
    typeKeys(text);
}

// A message box: a static text of the box's own identifier and no field of a command dialog.
bool isMessageBox(HWND dialog) {
    return GetDlgItem(dialog, 0xFFFF) != nullptr && GetDlgItem(dialog, 1002) == nullptr &&
           (GetDlgItem(dialog, IDOK) != nullptr || GetDlgItem(dialog, IDYES) != nullptr);
}

// The message boxes answered so far, as "title: text".
struct Boxes {
    std::vector<std::string> seen;
    // An action that answers a message box with a button and records it; other dialogs go to next.
    std::function<void(HWND)> answering(int button, std::function<void(HWND)> next = nullptr) {
        return [this, button, next](HWND dialog) {
            if (isMessageBox(dialog)) {
                std::string box = textOf(dialog);
                box += ": ";
                box += textOf(GetDlgItem(dialog, 0xFFFF));
                seen.push_back(box);
                PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
            } else if (next) {
                next(dialog);
            }
        };
    }
};

// The fixture grid shown in a window of its own: a child window whose record makes it a grid
// window holding the fixture dialog's grid, so that grid 0 is that grid while the window is
// current and the test reads and changes the grid through its dialog field.
class GridWindowCommands : public ::testing::Test {
protected:
    void SetUp() override {
        grid = openGridFixture([] {});
        g = yygridrecord(grid);
        int dialog = 0;
        yyopenchild(40, 40, 400, 300, window, Plain, 0, NoToolbars, dialog, 0, -1, "Grid window");
        ASSERT_GT(window, 0);
        record = new GridWindowRecord;
        record->Grid = wordOf(grid);
        yysetwindowrecord(wWindow[window], reinterpret_cast<int*>(record));
        // The commands make the grid window current themselves and put the root back.
        yywinsel(0, 1);
        WDialogSelect(501);
    }
    void TearDown() override {
        if (window > 0) yysetwindowrecord(wWindow[window], nullptr);
        delete record;
        closeGridFixture();
    }

    void putNames(std::initializer_list<const char*> names) {
        int row = 0;
        for (const char* name : names) {
            int f = GridId;
            yygridputcellstring(f, Name, row++, 0.0, name, nullptr, static_cast<int>(std::strlen(name)) + 1, 0);
        }
    }
    std::string cell(int column, int row) {
        char text[64] = "";
        int f = GridId;
        yygridgetcellstring(f, column, row, text, sizeof text);
        return text;
    }
    std::vector<std::string> names(int rows) {
        std::vector<std::string> all;
        for (int row = 0; row < rows; ++row) all.push_back(cell(Name, row));
        return all;
    }
    int fact(int code) {
        int f = GridId, value = 0;
        yygridgetinfo(f, code, value);
        return value;
    }
    void focusCell(int column, int row) {
        int f = GridId;
        yygridcellfocus(f, column, row, -1);
    }
    // The current cell as (column, row), counted from 1.
    std::pair<int, int> current() { return {fact(4), fact(5)}; }
    // After a command: the root window and the fixture dialog are current again.
    void expectCallerStateBack() {
        EXPECT_EQ(gravim.windows.wIndex, 0);
        EXPECT_EQ(gravim.dialogs.currentDialog, 501);
    }

    HWND grid = nullptr;
    GridControlRecord* g = nullptr;
    int window = 0;
    GridWindowRecord* record = nullptr;
};

// ---- Sort -------------------------------------------------------------------------------------

TEST_F(GridWindowCommands, SortListsTheColumnsSortsAsChosenAndKeepsOrderAndCase) {
    const std::string fifty(50, 'L');
    const char* labels[] = {"Name", "", "Level", "", "Valid", "", fifty.c_str()};
    for (int item = 1; item <= 7; ++item) {
        int f = GridId;
        yygridlabelcolumn(f, item, labels[item - 1], static_cast<int>(std::strlen(labels[item - 1])));
    }
    WGridRows(GridId, 4);
    putNames({"b", "C", "a", "D"});
    focusCell(Name, 0);

    std::vector<std::string> listed;
    bool startedAscending = false, startedCaseOff = false;
    int result = -1;
    {
        AutoAct act("Sort", [&](HWND dialog) {
            HWND key = GetDlgItem(dialog, IDC_SORT_KEY);
            for (int i = 0; i < SendMessageA(key, CB_GETCOUNT, 0, 0); ++i) {
                char item[128] = "";
                SendMessageA(key, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
                listed.push_back(item);
            }
            startedAscending = isChecked(dialog, IDC_SORT_ASCENDING) && !isChecked(dialog, IDC_SORT_DESCENDING);
            startedCaseOff = !isChecked(dialog, IDC_SORT_MATCHCASE);
            click(dialog, IDC_SORT_DESCENDING);
            click(dialog, IDOK);
        });
        yygridwinsort(window, 0, result);
        EXPECT_EQ(act.acted(), 1);
    }
    EXPECT_EQ(listed, (std::vector<std::string>{"Name", "Column 2", "Level", "Column 4", "Valid", "Column 6", fifty}));
    EXPECT_TRUE(startedAscending);
    EXPECT_TRUE(startedCaseOff);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(names(4), (std::vector<std::string>{"D", "C", "b", "a"}));  // case ignored
    expectCallerStateBack();

    // The next sort starts descending; matching case puts the capitals last going down.
    bool keptDescending = false;
    {
        AutoAct act("Sort", [&](HWND dialog) {
            keptDescending = isChecked(dialog, IDC_SORT_DESCENDING);
            click(dialog, IDC_SORT_MATCHCASE);
            click(dialog, IDOK);
        });
        yygridwinsort(window, 0, result);
    }
    EXPECT_TRUE(keptDescending);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(names(4), (std::vector<std::string>{"b", "a", "D", "C"}));

    // Cancel sorts nothing and keeps the settings as they were.
    bool keptCase = false;
    {
        AutoAct act("Sort", [&](HWND dialog) {
            keptCase = isChecked(dialog, IDC_SORT_MATCHCASE);
            click(dialog, IDC_SORT_ASCENDING);
            click(dialog, IDCANCEL);
        });
        yygridwinsort(window, 0, result);
    }
    EXPECT_TRUE(keptCase);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(names(4), (std::vector<std::string>{"b", "a", "D", "C"}));
    EXPECT_EQ(gravim.grid.windowSortDescending, 1);
}

TEST_F(GridWindowCommands, SortingMovesTheRowLabelsOnlyWhenAsked) {
    WGridRows(GridId, 2);
    putNames({"b", "a"});
    for (int moveLabels : {0, 1}) {
        int f = GridId;
        yygridlabelrow(f, 0, "first", 5);
        f = GridId;
        yygridlabelrow(f, 1, "second", 6);
        putNames({"b", "a"});
        int result = -1;
        AutoAct act("Sort", [](HWND dialog) { click(dialog, IDOK); });
        yygridwinsort(window, moveLabels, result);
        char label[64] = "";
        f = GridId;
        yygridgetrowlabel(f, 0, label, sizeof label);
        EXPECT_EQ(names(2), (std::vector<std::string>{"a", "b"}));
        EXPECT_STREQ(label, moveLabels == 1 ? "second" : "first");
    }
}

// ---- Goto -------------------------------------------------------------------------------------

TEST_F(GridWindowCommands, GotoMovesToTheTypedCellAndCancelStays) {
    WGridRows(GridId, 10);
    struct Case {
        int kind;
        const char* title;
        const char* label;  // of the row or column field; none for the cell dialog
        const char* typed;
        bool ok;
        std::pair<int, int> expected;
    } cases[] = {
        {1, "Goto Cell", nullptr, "5", true, {3, 5}},
        {2, "Goto Row", "&Row", "7", true, {2, 7}},
        {3, "Goto Column", "&Column", "6", true, {6, 4}},
        {2, "Goto Row", "&Row", "9", false, {2, 4}},
    };
    for (const Case& c : cases) {
        focusCell(1, 3);  // column 2, row 4
        std::string title, label, shown, shownRow;
        AutoAct act("Goto", [&](HWND dialog) {
            title = textOf(dialog);
            if (c.kind == 1) {
                shown = textOf(GetDlgItem(dialog, IDC_GOTO_COLUMN));
                shownRow = textOf(GetDlgItem(dialog, IDC_GOTO_ROW));
                typeInto(dialog, IDC_GOTO_COLUMN, "3");
                pressKeys({VK_TAB});  // to the row, its text selected
                typeKeys(c.typed);
            } else {
                label = textOf(GetDlgItem(dialog, IDC_GOTO_LINE_LABEL));
                shown = textOf(GetDlgItem(dialog, IDC_GOTO_LINE));
                typeInto(dialog, IDC_GOTO_LINE, c.typed);
            }
            if (c.ok) pressKeys({VK_RETURN});
            else pressKeys({VK_ESCAPE});
        });
        yygridwingoto(window, c.kind);
        SCOPED_TRACE(c.title);
        EXPECT_EQ(act.acted(), 1);
        EXPECT_EQ(title, c.title);
        if (c.kind == 1) {
            EXPECT_EQ(shown, "2");
            EXPECT_EQ(shownRow, "4");
        } else {
            EXPECT_EQ(label, c.label);
            EXPECT_EQ(shown, c.kind == 2 ? "4" : "2");
        }
        EXPECT_EQ(current(), c.expected);
        expectCallerStateBack();
    }
}

// ---- Find -------------------------------------------------------------------------------------

class FindCall {
public:
    int matchCase = 0, numeric = 0;
    char text[1024] = {};
    void run(int window, int mode) { yygridwinfind(window, mode, matchCase, numeric, text); }
};

TEST_F(GridWindowCommands, FindSearchesFromTheDialogAndFindNextGoesOnToTheEnd) {
    WGridRows(GridId, 6);
    putNames({"alpha", "Beta", "gamma", "beta two", "delta", "BETA"});
    focusCell(Name, 0);
    FindCall find;
    Boxes boxes;
    bool numericShown = false;
    {
        // An empty text rings and keeps the dialog; then the typed text is searched.
        AutoAct act("Find", boxes.answering(IDOK, [&](HWND dialog) {
            numericShown = IsWindowVisible(GetDlgItem(dialog, IDC_FIND_NUMERIC)) != FALSE;
            SetDlgItemTextA(dialog, IDC_FIND_TEXT, "");
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            typeInto(dialog, IDC_FIND_TEXT, "beta");
            pressKeys({VK_RETURN});
        }));
        find.run(window, 1);
    }
    EXPECT_TRUE(numericShown);  // text and number columns: the switch is offered
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_STREQ(find.text, "beta");
    EXPECT_EQ(find.matchCase, 0);
    EXPECT_EQ(current(), std::make_pair(1, 2));
    expectCallerStateBack();

    find.run(window, 2);
    EXPECT_EQ(current(), std::make_pair(1, 4));
    find.run(window, 2);
    EXPECT_EQ(current(), std::make_pair(1, 6));
    {
        AutoAct act("Find", boxes.answering(IDOK));
        find.run(window, 2);
    }
    EXPECT_EQ(boxes.seen, (std::vector<std::string>{"Find: End of grid reached"}));
    EXPECT_EQ(current(), std::make_pair(1, 6));

    // Match case from the dialog; the dialog shows the last text and switches.
    focusCell(Name, 0);
    std::string shownText;
    {
        AutoAct act("Find", boxes.answering(IDOK, [&](HWND dialog) {
            shownText = textOf(GetDlgItem(dialog, IDC_FIND_TEXT));
            toggle(dialog, IDC_FIND_MATCHCASE);
            typeInto(dialog, IDC_FIND_TEXT, "BETA");
            pressKeys({VK_RETURN});
        }));
        find.run(window, 1);
    }
    EXPECT_EQ(shownText, "beta");
    EXPECT_EQ(find.matchCase, 1);
    EXPECT_EQ(current(), std::make_pair(1, 6));

    // Cancel searches nothing and keeps the text.
    focusCell(Name, 0);
    {
        AutoAct act("Find", [&](HWND dialog) {
            typeInto(dialog, IDC_FIND_TEXT, "gamma");
            pressKeys({VK_ESCAPE});
        });
        find.run(window, 1);
    }
    EXPECT_STREQ(find.text, "BETA");
    EXPECT_EQ(current(), std::make_pair(1, 1));
}

TEST_F(GridWindowCommands, FindOffersTheNumericSwitchOnlyWithBothKindsOfColumns) {
    struct Case {
        std::vector<int> positions;  // template controls (from 1) that become the columns
        bool dialog;                 // false: no searchable column, a box instead
        bool numericShown;
        int numericAfter;
    } cases[] = {
        {{1, 7}, true, false, 0},
        {{2, 3}, true, false, 1},
        {{5, 6}, false, false, 0},
    };
    for (const Case& c : cases) {
        int f = GridId;
        const std::vector<int> widths(c.positions.size(), -1);
        yygridredefine(f, static_cast<int>(c.positions.size()), c.positions.data(), widths.data());
        ASSERT_NE(f, -1);
        FindCall find;
        Boxes boxes;
        bool shown = true;
        int dialogs = 0;
        {
            AutoAct act("Find", boxes.answering(IDOK, [&](HWND dialog) {
                ++dialogs;
                shown = IsWindowVisible(GetDlgItem(dialog, IDC_FIND_NUMERIC)) != FALSE;
                click(dialog, IDCANCEL);
            }));
            find.run(window, 1);
        }
        EXPECT_EQ(dialogs, c.dialog ? 1 : 0);
        if (c.dialog) {
            EXPECT_EQ(shown, c.numericShown);
            EXPECT_TRUE(boxes.seen.empty());
        } else {
            EXPECT_EQ(boxes.seen, (std::vector<std::string>{"Find: Grid contains no searchable columns"}));
        }
        EXPECT_EQ(find.numeric, c.numericAfter);
    }
}

TEST_F(GridWindowCommands, FindNextSearchesNumbersWithTheNumericSwitch) {
    WGridRows(GridId, 3);
    WGridPutCellInteger(GridId, Count + 1, 3, 47);
    focusCell(Name, 0);
    FindCall find;
    std::strcpy(find.text, "47");
    Boxes boxes;
    AutoAct act("Find", boxes.answering(IDOK));
    find.run(window, 2);
    EXPECT_EQ(boxes.seen, (std::vector<std::string>{"Find: End of grid reached"}));  // numbers not searched
    EXPECT_EQ(current(), std::make_pair(1, 1));
    find.numeric = 1;
    find.run(window, 2);
    EXPECT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(current(), std::make_pair(Count + 1, 3));
}

// ---- Rows -------------------------------------------------------------------------------------

TEST_F(GridWindowCommands, RowCommandsInsertDeleteAndEmptyRows) {
    ASSERT_EQ(fact(2), 20);
    struct Case {
        const char* what;
        int rowsBefore, currentRow;  // current row from 1
        int command;                 // 0 insert before, 1 insert after, 2 delete
        int grow, moveLabels;
        int rowsAfter;
        std::vector<std::string> namesAfter;
        int freshRow;  // the row (from 0) emptied as a new one: first menu item, empty label; -1 none
    } cases[] = {
        {"insert before", 3, 2, 0, 1, 0, 4, {"r1", "", "r2", "r3"}, -1},
        {"insert after", 3, 2, 1, 1, 0, 4, {"r1", "r2", "", "r3"}, -1},
        {"insert after the last row without growing", 3, 3, 1, 0, 1, 3, {"r1", "r2", "r3"}, -1},
        {"insert after the last row, growing", 3, 3, 1, 1, 1, 4, {"r1", "r2", "r3", ""}, 3},
        {"delete", 3, 2, 2, 1, 0, 2, {"r1", "r3"}, -1},
        {"delete the only row, growing", 1, 1, 2, 1, 1, 1, {""}, 0},
        {"insert after the last allocated row", 20, 20, 1, 1, 1, 20, {"r1", "r2", "r3"}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WGridRows(GridId, 20);
        for (int row = 0; row < 20; ++row) {
            // Appended, not concatenated: GCC 12 takes the inlined concatenation for an overlapping copy.
            std::string name = "r", label = "L";
            name += std::to_string(row + 1);
            label += std::to_string(row + 1);
            int f = GridId;
            yygridputcellstring(f, Name, row, 0.0, name.c_str(), nullptr, static_cast<int>(name.size()) + 1, 0);
            f = GridId;
            yygridputcelloption(f, Colour, row, 3);
            f = GridId;
            yygridlabelrow(f, row, label.c_str(), static_cast<int>(label.size()));
        }
        WGridRows(GridId, c.rowsBefore);
        focusCell(Name, c.currentRow - 1);
        if (c.command == 2) yygridwindeleterow(window, c.moveLabels, c.grow);
        else yygridwininsertrow(window, c.moveLabels, c.grow, c.command);
        EXPECT_EQ(fact(3), c.rowsAfter);
        EXPECT_EQ(names(static_cast<int>(c.namesAfter.size())), c.namesAfter);
        if (c.freshRow >= 0) {
            int f = GridId, item = 0;
            yygridgetcellmenu(f, Colour, c.freshRow, item);
            EXPECT_EQ(item, 1);
            char label[64] = "x";
            f = GridId;
            yygridgetrowlabel(f, c.freshRow, label, sizeof label);
            EXPECT_STREQ(label, "");
        }
        EXPECT_EQ(cell(Name, 19), "r20");
        expectCallerStateBack();
    }
}

// ---- Print ------------------------------------------------------------------------------------

TEST_F(GridWindowCommands, PrintWithoutAPrinterSaysSo) {
    gravim.hardcopy.printerAvailable = 0;
    Boxes boxes;
    int result = -1;
    {
        AutoAct act("", boxes.answering(IDOK));
        yygridwinprint(window, 0, 2, 0, 6, result);
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(boxes.seen, (std::vector<std::string>{"Error: No printer installed"}));
}

std::string temporaryPath(const char* name) {
    char path[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, path);
    return std::string(path) + name;
}

TEST_F(GridWindowCommands, PrintStoresTheOptionsAndPrintsCancelPrintsNothing) {
    TestPrinter printer(temporaryPath("grid_window_print.ps"));
    ASSERT_TRUE(printer.installed()) << printer.error();
    gravim.hardcopy.printerAvailable = 1;
    bPrintSetsReady = 0;
    yyGridPrintInit();
    yygridprintsetopt(1, 1, 0, 1, 0, 100, 2);
    WGridRows(GridId, 3);
    putNames({"first", "second", "third"});
    printer.clearOutput();

    // Page setup from the options dialog, then Cancel: nothing printed, nothing stored.
    int result = -1, pageSetups = 0;
    {
        AutoAct setup("Page Setup", [&](HWND dialog) {
            ++pageSetups;
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            click(FindWindowA(nullptr, "Print Grid"), IDCANCEL);
        });
        AutoAct act("Print Grid", [&](HWND dialog) {
            click(dialog, IDC_PRINT_ROWLINES);
            click(dialog, IDC_PRINT_PAGESETUP);
        });
        yygridwinprint(window, 0, 2, 0, 6, result);
    }
    EXPECT_EQ(pageSetups, 1);
    EXPECT_EQ(result, 0);
    int options[6] = {};
    yygridprintgetopt(options[0], options[1], options[2], options[3], options[4], options[5], 2);
    EXPECT_EQ(std::vector<int>(options, options + 6), (std::vector<int>{1, 1, 0, 1, 0, 100}));
    EXPECT_TRUE(printer.output().empty());
    expectCallerStateBack();

    bool shownRows = false, shownColumns = false, shownFirstPage = false, shownText = false;
    std::string shownScale;
    {
        AutoAct act("Print Grid", [&](HWND dialog) {
            shownRows = isChecked(dialog, IDC_PRINT_ROWLINES);
            shownColumns = isChecked(dialog, IDC_PRINT_COLUMNLINES);
            shownFirstPage = isChecked(dialog, IDC_PRINT_LABELSFIRSTPAGE);
            shownText = isChecked(dialog, IDC_PRINT_TEXTCOLOURS);
            shownScale = textOf(GetDlgItem(dialog, IDC_PRINT_SCALE));
            toggle(dialog, IDC_PRINT_COLUMNLINES);
            toggle(dialog, IDC_PRINT_LABELSEVERYPAGE);
            toggle(dialog, IDC_PRINT_ALLCOLOURS);
            typeInto(dialog, IDC_PRINT_SCALE, "150");
            pressKeys({VK_RETURN});
        });
        yygridwinprint(window, 0, 2, 0, 6, result);
    }
    EXPECT_TRUE(shownRows && shownColumns && shownFirstPage && shownText);
    EXPECT_EQ(shownScale, "100");
    EXPECT_EQ(result, 1);
    yygridprintgetopt(options[0], options[1], options[2], options[3], options[4], options[5], 2);
    EXPECT_EQ(std::vector<int>(options, options + 6), (std::vector<int>{1, 0, 1, 1, 1, 150}));
    ASSERT_TRUE(waitForPrintedOutput(printer, 15000));
    EXPECT_NE(printer.output().find("%%Page:"), std::string::npos);
    // Left for read_grid_printed.py, which reads the page's texts with Ghostscript.
    std::string kept = std::string("Z:") + GRAV_GRID_PRINTED_DIR + "/grid-window-command.ps";
    for (char& c : kept)
        if (c == '/') c = '\\';
    EXPECT_TRUE(CopyFileA(printer.outputPath().c_str(), kept.c_str(), FALSE));
    expectCallerStateBack();
}

// ---- Files ------------------------------------------------------------------------------------

constexpr int FileNameBox = 0x47C;  // the file dialog's name box

// The file dialog's action: notes the name it proposes, types a name and presses a button.
std::function<void(HWND)> chooseName(std::string name, std::string* proposed = nullptr, int button = IDOK) {
    return [name, proposed, button](HWND dialog) {
        if (isMessageBox(dialog)) return;
        if (proposed != nullptr) *proposed = textOf(GetDlgItem(dialog, FileNameBox));
        SetDlgItemTextA(dialog, FileNameBox, name.c_str());
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    };
}

void writeText(const std::string& path, const std::string& text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The caller's texts of the file commands, as the grid window's record holds them.
struct FileCall {
    char name[260] = {};
    char filter[1001] = {};
    int filterIndex = 1, result = -1;
};

TEST_F(GridWindowCommands, SaveAsChoosesTheNameASelectionOnlyItsFolderAndCancelNothing) {
    ScratchFolder scratch;
    WGridRows(GridId, 3);
    putNames({"first", "second", "third"});
    const std::string whole = scratch.path() + "\\whole.csv";

    // No name yet: Save asks like Save As; the chosen name becomes the window's.
    FileCall call;
    std::string proposed = "x";
    {
        AutoAct act("Select File", chooseName(whole, &proposed));
        yygridwinsave(window, 0, call.result, call.filterIndex, 0, 0, -1, -1, -1, -1, call.name, call.filter);
        EXPECT_EQ(act.acted(), 1);
    }
    EXPECT_EQ(proposed, "");
    EXPECT_EQ(call.result, 1);
    EXPECT_EQ(std::string(call.name), whole);
    EXPECT_NE(readWholeFile(whole).find("third"), std::string::npos);
    expectCallerStateBack();

    // A selection proposes the folder only and leaves the window's name alone.
    const std::string part = scratch.path() + "\\part.csv";
    {
        AutoAct act("Select File", chooseName(part, &proposed));
        yygridwinsave(window, 1, call.result, call.filterIndex, 0, 0, 0, 1, 0, 0, call.name, call.filter);
    }
    EXPECT_EQ(proposed.find("whole"), std::string::npos) << proposed;
    EXPECT_EQ(call.result, 1);
    EXPECT_EQ(std::string(call.name), whole);
    const std::string written = readWholeFile(part);
    EXPECT_NE(written.find("second"), std::string::npos);
    EXPECT_EQ(written.find("third"), std::string::npos);

    // Cancel: nothing written, the name kept.
    DeleteFileA(part.c_str());
    {
        AutoAct act("Select File", chooseName(part, nullptr, IDCANCEL));
        yygridwinsave(window, 1, call.result, call.filterIndex, 0, 0, -1, -1, -1, -1, call.name, call.filter);
    }
    EXPECT_EQ(call.result, 0);
    EXPECT_EQ(std::string(call.name), whole);
    EXPECT_FALSE(exists(part));
}

TEST_F(GridWindowCommands, SaveKeepsABackupAndReportsAFileThatCannotBeOpened) {
    ScratchFolder scratch;
    WGridRows(GridId, 2);
    putNames({"new", "rows"});
    FileCall call;
    const std::string path = scratch.path() + "\\data.csv";
    std::strcpy(call.name, path.c_str());
    writeText(path, "old contents\r\n");
    gravim.core.lastError = 77;
    yygridwinsave(window, 0, call.result, call.filterIndex, 1, 0, -1, -1, -1, -1, call.name, call.filter);
    EXPECT_EQ(call.result, 1);
    EXPECT_EQ(gravim.core.lastError, 77);
    EXPECT_EQ(readWholeFile(path + ".bak"), "old contents\r\n");
    EXPECT_NE(readWholeFile(path).find("rows"), std::string::npos);

    // A folder that does not exist: the box, result 0 and the open error kept for the caller.
    std::strcpy(call.name, (scratch.path() + "\\missing\\data.csv").c_str());
    Boxes boxes;
    {
        AutoAct act("", boxes.answering(IDOK));
        yygridwinsave(window, 0, call.result, call.filterIndex, 0, 0, -1, -1, -1, -1, call.name, call.filter);
    }
    EXPECT_EQ(call.result, 0);
    EXPECT_EQ(boxes.seen, (std::vector<std::string>{"File Error: Error opening file"}));
    EXPECT_EQ(gravim.core.lastError, 1);
    expectCallerStateBack();
}

TEST_F(GridWindowCommands, OpenLoadsReportsDataErrorsAndTakesTheChosenName) {
    ScratchFolder scratch;
    const std::string path = scratch.path() + "\\stations.csv";
    writeText(path, "\"alpha\",1\r\n\"beta\",xx\r\n\"gamma\",3\r\n");
    WGridRows(GridId, 3);
    focusCell(Name, 2);
    FileCall call;
    Boxes boxes;
    gravim.core.lastError = 77;
    {
        AutoAct box("", boxes.answering(IDOK));
        AutoAct act("Select File", chooseName(path));
        yygridwinload(window, 1, 0, call.result, call.filterIndex, 0, call.name, call.filter);
    }
    EXPECT_EQ(call.result, 1);
    EXPECT_EQ(boxes.seen, (std::vector<std::string>{"Data Error: Non-numeric data found for numeric cell"}));
    EXPECT_EQ(names(3), (std::vector<std::string>{"alpha", "beta", "gamma"}));
    EXPECT_EQ(current(), std::make_pair(1, 1));
    EXPECT_EQ(std::string(call.name), path);
    EXPECT_EQ(gravim.core.lastError, 77);
    expectCallerStateBack();

    // A named file that is missing: the box, result 0, the name and the grid unchanged.
    boxes.seen.clear();
    std::strcpy(call.name, (scratch.path() + "\\none.csv").c_str());
    {
        AutoAct box("", boxes.answering(IDOK));
        yygridwinload(window, 0, 0, call.result, call.filterIndex, 0, call.name, call.filter);
    }
    EXPECT_EQ(call.result, 0);
    EXPECT_EQ(boxes.seen, (std::vector<std::string>{"File Error: Error opening file"}));
    EXPECT_EQ(names(3), (std::vector<std::string>{"alpha", "beta", "gamma"}));
    EXPECT_EQ(gravim.core.lastError, 77);

    // Cancel in the open dialog changes nothing.
    writeText(path, "\"other\",1\r\n");
    {
        AutoAct act("Select File", chooseName(path, nullptr, IDCANCEL));
        yygridwinload(window, 1, 0, call.result, call.filterIndex, 0, call.name, call.filter);
    }
    EXPECT_EQ(call.result, 0);
    EXPECT_EQ(names(1), (std::vector<std::string>{"alpha"}));
}

TEST_F(GridWindowCommands, SaveAsHtmlProposesTheNameWritesTheChosenPageAndKeepsTheSettings) {
    ScratchFolder scratch;
    WGridRows(GridId, 2);
    putNames({"north", "south"});
    const std::string data = scratch.path() + "\\grid.csv";
    const std::string page = scratch.path() + "\\grid.htm";
    char name[260] = {};
    std::strcpy(name, data.c_str());
    std::string shownName, shownTitle, shownBorder;
    bool defaults = false, selectionOffered = true;
    int result = -1;
    {
        AutoAct act("HTML Options", [&](HWND dialog) {
            shownName = textOf(GetDlgItem(dialog, IDC_HTML_FILE));
            shownTitle = textOf(GetDlgItem(dialog, IDC_HTML_TITLE));
            shownBorder = textOf(GetDlgItem(dialog, IDC_HTML_BORDER));
            defaults = isChecked(dialog, IDC_HTML_PAGE) && isChecked(dialog, IDC_HTML_SYMBOLS) &&
                       !isChecked(dialog, IDC_HTML_CENTRE) && isChecked(dialog, IDC_HTML_COLOURS) &&
                       isChecked(dialog, IDC_HTML_WHOLEGRID);
            selectionOffered = IsWindowEnabled(GetDlgItem(dialog, IDC_HTML_SELECTION)) != FALSE;
            toggle(dialog, IDC_HTML_TABLEONLY);
            toggle(dialog, IDC_HTML_CENTRE);
            typeInto(dialog, IDC_HTML_TITLE, "Stations");
            pressKeys({VK_RETURN});
        });
        yygridwinsavehtml(window, -1, -1, -1, -1, result, 0, name);
    }
    EXPECT_EQ(shownName, page);
    EXPECT_EQ(shownTitle, "");
    EXPECT_EQ(shownBorder, "1");
    EXPECT_TRUE(defaults);
    EXPECT_FALSE(selectionOffered);
    EXPECT_EQ(result, 1);
    const std::string written = readWholeFile(page);
    EXPECT_EQ(written.find("<html>"), std::string::npos);  // the table only
    EXPECT_NE(written.find("<center>"), std::string::npos);
    EXPECT_NE(written.find("<h2>Stations</h2>"), std::string::npos);
    EXPECT_NE(written.find("south"), std::string::npos);
    expectCallerStateBack();

    // The next call shows what was chosen; a selection is offered and chosen; Cancel writes nothing.
    DeleteFileA(page.c_str());
    bool kept = false, selectionChosen = false;
    {
        AutoAct act("HTML Options", [&](HWND dialog) {
            kept = isChecked(dialog, IDC_HTML_TABLEONLY) && isChecked(dialog, IDC_HTML_CENTRE) &&
                   textOf(GetDlgItem(dialog, IDC_HTML_TITLE)) == "Stations";
            selectionChosen = isChecked(dialog, IDC_HTML_SELECTION) &&
                              IsWindowEnabled(GetDlgItem(dialog, IDC_HTML_SELECTION)) != FALSE;
            click(dialog, IDCANCEL);
        });
        yygridwinsavehtml(window, 0, 0, 0, 0, result, 0, name);
    }
    EXPECT_TRUE(kept);
    EXPECT_TRUE(selectionChosen);
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(exists(page));
}

TEST_F(GridWindowCommands, SaveAsHtmlAsksForANameAndBeforeReplacingATypedOne) {
    ScratchFolder scratch;
    WGridRows(GridId, 1);
    putNames({"only"});
    const std::string page = scratch.path() + "\\existing.htm";
    writeText(page, "old page");
    char name[260] = {};
    HWND options = nullptr;
    int questions = 0;
    std::vector<std::string> seen;
    AutoAct boxes("Select File", [&](HWND box) {
        if (!isMessageBox(box)) return;
        const std::string text = textOf(GetDlgItem(box, 0xFFFF));
        seen.push_back(text);
        if (text == "You must enter a filename") {
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            SetDlgItemTextA(options, IDC_HTML_FILE, page.c_str());
        } else {
            // No first: the dialog stays; Yes the second time.
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(questions++ == 0 ? IDNO : IDYES, BN_CLICKED), 0);
            if (questions == 1) {
                EXPECT_EQ(readWholeFile(page), "old page");
            }
        }
        click(options, IDOK);
    });
    int result = -1;
    {
        AutoAct act("HTML Options", [&](HWND dialog) {
            options = dialog;
            SetDlgItemTextA(dialog, IDC_HTML_FILE, "");
            click(dialog, IDOK);
        });
        yygridwinsavehtml(window, -1, -1, -1, -1, result, 0, name);
    }
    const std::string question = "File already exists:\r" + page + "\rDo you want to replace it?";
    EXPECT_EQ(seen, (std::vector<std::string>{"You must enter a filename", question, question}));
    EXPECT_EQ(result, 1);
    EXPECT_NE(readWholeFile(page).find("only"), std::string::npos);
}

TEST_F(GridWindowCommands, SaveAsHtmlTakesTheBrowsedNameWithoutAskingAgain) {
    ScratchFolder scratch;
    WGridRows(GridId, 1);
    putNames({"browsed"});
    const std::string page = scratch.path() + "\\chosen.htm";
    char name[260] = {};
    HWND options = nullptr;
    AutoAct files("Select File", [&](HWND dialog) {
        if (isMessageBox(dialog)) {
            ADD_FAILURE() << textOf(GetDlgItem(dialog, 0xFFFF));
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
            return;
        }
        chooseName(page)(dialog);
        click(options, IDOK);
    });
    int result = -1;
    {
        AutoAct act("HTML Options", [&](HWND dialog) {
            options = dialog;
            click(dialog, IDC_HTML_BROWSE);
        });
        yygridwinsavehtml(window, -1, -1, -1, -1, result, 0, name);
    }
    EXPECT_EQ(result, 1);
    EXPECT_NE(readWholeFile(page).find("browsed"), std::string::npos);
}

// ---- In a real grid window --------------------------------------------------------------------

TEST(GridWindowCommandsInAWindow, TheWindowsCommandsAndKeysRunTheCommands) {
    HWND source = openGridFixture([] {});
    int f = GridId;
    yygridputcellstring(f, Name, 0, 0.0, "north", nullptr, 6, 0);
    f = GridId;
    yygridputcellstring(f, Name, 1, 0.0, "south", nullptr, 6, 0);
    WGridRows(GridId, 2);
    int n = 0, dialog = 0;
    yyopenchild(40, 40, 500, 400, n, Plain | WinStatusBar, 0, NoToolbars, dialog, 0, -1, "Grid window");
    ASSERT_GT(n, 0);
    WindowSelect(n);
    WDialogSelect(501);
    WGridEdit(GridId, 2, 0, 0x100000);  // rows grow and shrink with the row commands
    GridWindowRecord* w = yygridwindowrecord(n);
    ASSERT_NE(w, nullptr);
    HWND copy = gridWindowGrid(*w);
    auto fact = [&](int code) {
        int field = 0, value = 0;
        WindowSelect(n);
        yygridgetinfo(field, code, value);
        return value;
    };

    // Goto Row from the menu, through its dialog.
    {
        AutoAct act("Goto Row", [](HWND d) {
            typeInto(d, IDC_GOTO_LINE, "2");
            pressKeys({VK_RETURN});
        });
        SendMessageA(wWindow[n], WM_COMMAND, GridWinGotoRow, 0);
        EXPECT_EQ(act.acted(), 1);
    }
    EXPECT_EQ(fact(5), 2);

    // The window's keys are the library's table: each shortcut its menus name, to its command.
    ASSERT_NE(w->hGridAccelerators, nullptr);
    ACCEL keys[32];
    const int count = CopyAcceleratorTableA(w->hGridAccelerators, keys, 32);
    std::vector<std::string> shortcuts;
    for (int i = 0; i < count; ++i) {
        std::string key = (keys[i].fVirt & FCONTROL) ? "Ctrl+" : "";
        if (keys[i].fVirt & FSHIFT) key += "Shift+";
        if (keys[i].key == VK_F12) key += "F12";
        else if (keys[i].key == VK_F3) key += "F3";
        else if (keys[i].key == VK_DELETE) key += "Del";
        else key += static_cast<char>(keys[i].key);
        key += '=';
        key += std::to_string(keys[i].cmd);
        shortcuts.push_back(key);
    }
    EXPECT_EQ(shortcuts, (std::vector<std::string>{"Ctrl+N=32101", "Ctrl+O=32102", "Ctrl+S=32103", "F12=32104",
                                                   "Ctrl+P=32105", "Ctrl+X=32122", "Ctrl+C=32123", "Ctrl+V=32124",
                                                   "Del=32125", "Ctrl+I=32128", "Ctrl+Shift+I=32129",
                                                   "Ctrl+E=32130", "Ctrl+F=32141", "F3=32142"}));

    // Delete Row as its key sends it deletes the current row of the window's copy.
    SendMessageA(wWindow[n], WM_COMMAND, MAKEWPARAM(GridWinDeleteRow, 1), 0);
    EXPECT_EQ(fact(3), 1);
    char text[16] = "";
    yyGridGetString(yygridrecord(copy), Name, 0, text, sizeof text, 0);
    EXPECT_STREQ(text, "north");
    f = GridId;
    yygridgetcellstring(f, Name, 1, text, sizeof text);
    EXPECT_STREQ(text, "south");  // the dialog's own grid is never changed
    closeGridFixture();
    (void)source;
}

// ---- A dialog that cannot be loaded -----------------------------------------------------------

TEST_F(GridWindowCommands, EveryDialogCommandSaysWhenItsDialogCannotBeLoaded) {
    // The dialog table full: no command dialog can be loaded.
    for (int id = 700; gravim.core.lastError == 0 && id < 900; ++id) WDialogLoad(IDD_GRID_GOTOLINE, id);
    ASSERT_NE(gravim.core.lastError, 0);
    WDialogSelect(501);
    gravim.hardcopy.printerAvailable = 1;
    WGridRows(GridId, 3);
    const std::vector<std::pair<const char*, std::function<int()>>> commands = {
        {"sort", [&] { int r = -1; yygridwinsort(window, 0, r); return r; }},
        {"HTML", [&] { int r = -1; const char name[260] = "grid.csv"; yygridwinsavehtml(window, -1, -1, -1, -1, r, 0, name); return r; }},
        {"print", [&] { int r = -1; yygridwinprint(window, 0, 2, 0, 6, r); return r; }},
        {"goto", [&] { yygridwingoto(window, 2); return 0; }},
        {"find", [&] { FindCall f; std::strcpy(f.text, "x"); f.run(window, 1); return 0; }},
    };
    for (const auto& [what, command] : commands) {
        SCOPED_TRACE(what);
        gravim.core.lastError = 77;
        Boxes boxes;
        int result = -1;
        {
            AutoAct act("", boxes.answering(IDOK));
            result = command();
        }
        EXPECT_EQ(result, 0);
        EXPECT_EQ(boxes.seen, (std::vector<std::string>{"Error: Unable to load required dialog"}));
        EXPECT_EQ(gravim.core.lastError, 77);
        expectCallerStateBack();
    }
}

}  // namespace
