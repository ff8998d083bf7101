// grid_control_test_win.cpp - a real grid in a real dialog under Wine: building from the
// companion text, typing and moving with real keys, clicks, selections and their events, the
// clipboard, the wheel, the header, the modal copy and the cell routines.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "base/errors.hpp"
#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "windows/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "event_wait_win.hpp"
#include "grid/grid.hpp"
#include "grid/grid_control_win.hpp"
#include "gui_driver_win.hpp"
#include "grid_fixture_win.hpp"

namespace {

class GridControl : public ::testing::Test {
protected:
    void SetUp() override {
        grid = openGridFixture([] { WMessageEnable(EvFieldChanged, 1); });
        g = yygridrecord(grid);
        collectEvents();
    }
    void TearDown() override { closeGridFixture(); }

    std::string cell(int column, int row) {
        char text[256] = "";
        int f = GridId;
        yyGridGetString(g, column, row, text, sizeof text, 0);
        (void)f;
        return text;
    }
    // Real key presses, pumped at once unless an event test lets the library's wait take them.
    static void keys(std::initializer_list<WORD> vks, bool shift = false, bool control = false, bool pumped = true) {
        pressKeys(vks, shift, control);
        if (pumped) pump();
    }
    static void typeText(const char* text) { typeKeys(text); }
    static void pump(int ms = 80) {
        const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
        pumpUntil([&] { return GetTickCount() >= end; }, ms + 50);
    }
    // A screen point inside cell (column, row) of the cell area.
    POINT cellPoint(int column, int row, int dx = 4, int dy = 4) {
        int x = 0;
        for (int c = g->iFirstColumn; c < column; ++c) x += g->pColumns[c].cxWidth - 1;
        POINT p{x + dx, (row - g->iFirstRow) * (g->cyRow - 1) + dy};
        ClientToScreen(g->hCells, &p);
        return p;
    }
    static void click(POINT p, bool shift = false, bool right = false, bool pumped = true) {
        SetCursorPos(p.x, p.y);
        std::vector<INPUT> in;
        auto key = [&](bool up) {
            INPUT i{};
            i.type = INPUT_KEYBOARD;
            i.ki.wVk = VK_SHIFT;
            i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            in.push_back(i);
        };
        auto button = [&](DWORD flag) {
            INPUT i{};
            i.type = INPUT_MOUSE;
            i.mi.dwFlags = flag;
            in.push_back(i);
        };
        if (shift) key(false);
        button(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
        button(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
        if (shift) key(true);
        SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
        if (pumped) pump();
    }
    static std::string clipboard() {
        std::string text;
        if (!OpenClipboard(nullptr)) return text;
        HANDLE data = GetClipboardData(CF_TEXT);
        if (const char* bytes = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr) {
            text.assign(bytes, strlen(bytes) + 1);  // with its NUL
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }
    static void setClipboard(const std::string& text) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
        CloseClipboard();
    }
    void focusCell(int column, int row) {
        yygridupdatecell(grid, column, row, 1, 0);
        SetFocus(grid);
        pump();
        collectEvents();
    }

    HWND grid = nullptr;
    GridControlRecord* g = nullptr;
};

TEST_F(GridControl, IsBuiltFromTheCompanionTextAndTheRowTemplate) {
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->bInitialised, 1);
    EXPECT_EQ(g->nColumns, 7);
    EXPECT_EQ(g->nRows, 20);
    const int types[] = {4, 5, 6, 7, 9, 11, 4};
    for (int c = 0; c < 7; ++c) {
        int f = GridId, type = 0;
        yygridcelltype(f, c, type);
        EXPECT_EQ(type, types[c]) << c;
    }
    int f = GridId, length = 0;
    yygridcelllength(f, Name, length);
    EXPECT_EQ(length, 21);
    // The menu column offers the template's items from its second on.
    char item[32] = "";
    yygridgetmenustring(f, Colour, 2, item, sizeof item);
    EXPECT_STREQ(item, "red");
    char label[64] = "";
    yygridgetrowlabel(f, 3, label, sizeof label);
    EXPECT_STREQ(label, "Station 4");
    yygridgetcolumnlabel(f, Name + 1, label, sizeof label);
    EXPECT_STREQ(label, "Name");
    char format[32] = "";
    yygridgetformat(f, Level, format, sizeof format);
    EXPECT_STREQ(format, "(F8.2)");
    // The read-only template makes every cell of its column read-only.
    EXPECT_TRUE(g->pColumns[Note].pCellFlags[7] & CellReadOnly);
    ASSERT_NE(g->hEditor, nullptr);
}

TEST_F(GridControl, PutRoutinesFollowTheirTable) {
    const int cases[][4] = {{1, 1, 1}, {8, 1, 1017}, {1, 21, 1017}, {5, 1, 1111}, {6, 1, 1111}};
    for (const auto& c : cases) {
        WInfoError(1);
        WGridPutCellInteger(GridId, c[0], c[1], 7);
        EXPECT_EQ(WInfoError(1), c[2] == 1 ? 0 : c[2]) << c[0] << "," << c[1];
    }
    WInfoError(1);
    WGridPutCellInteger(999, 1, 1, 7);
    EXPECT_EQ(WInfoError(1), 1006);
    WInfoError(1);
    WGridPutCellInteger(GridId, Count + 1, 2, 150);  // outside 0..100
    EXPECT_EQ(WInfoError(1), 1009);
    WGridPutCellReal(GridId, Count + 1, 3, 1.9f);
    EXPECT_EQ(cell(Count, 2), "1");  // truncated toward zero
    WGridPutCellReal(GridId, Level + 1, 4, 2.5f, "(F8.3)");
    EXPECT_EQ(cell(Level, 3), "2.500");
    WGridPutCellReal(GridId, Level + 1, 5, 1.25f);
    EXPECT_EQ(cell(Level, 4), "1.250");  // the column keeps its new format
    WGridPutCellDouble(GridId, Depth + 1, 19, 0.0);  // a value of 0 taken from its text
    double value = -1;
    int undefined = -1, f = GridId;
    yygridgetcellvalue(f, Depth, 18, value, undefined);
    EXPECT_EQ(undefined, 0);
    EXPECT_EQ(value, 0.0);
    WGridPutCellInteger(GridId, Name + 1, 20, 42);  // a row off screen: a text column takes the text
    EXPECT_EQ(cell(Name, 19), "42");
    WGridPutCellInteger(GridId, Count + 1, 20, 9);
    EXPECT_EQ(cell(Count, 19), "9");
    WDialogUnload();
    WInfoError(1);
    WGridPutCellInteger(GridId, 1, 1, 1);
    EXPECT_EQ(WInfoError(1), 1005);
}

TEST_F(GridControl, TypingAndMovingStoresCellsAndReportsThem) {
    focusCell(Name, 0);
    typeText("abc");
    keys({VK_DOWN});
    EXPECT_EQ(cell(Name, 0), "abc");
    EXPECT_EQ(g->iCurRow, 1);
    WMessageRecord record;
    focusCell(Name, 1);
    keys({VK_UP}, false, false, false);
    ASSERT_EQ(nextEvent(record, {EvFieldChanged}, 1000), EvFieldChanged);
    EXPECT_EQ(record.Value2, GridId);
    EXPECT_EQ(record.PosX, 0x40002);  // from (row 1, column 0)
    EXPECT_EQ(record.PosY, 0x40001);  // to (row 0, column 0)
    keys({VK_UP});  // the bell in row 0: nothing moves
    EXPECT_EQ(g->iCurRow, 0);
    // Tab moves between cells with style 0x4000.
    keys({VK_TAB});
    EXPECT_EQ(g->iCurColumn, Count);
}

TEST_F(GridControl, ARefusedNumberKeepsTheCell) {
    focusCell(Count, 0);
    typeText("500");  // outside 0..100
    keys({VK_DOWN});
    EXPECT_EQ(g->iCurRow, 0);
    DWORD start = 0, end = 0;
    SendMessageA(g->hEditor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 3u);
    SetWindowTextA(g->hEditor, "50");
    keys({VK_DOWN});
    EXPECT_EQ(g->iCurRow, 1);
    EXPECT_EQ(cell(Count, 0), "50");
}

TEST_F(GridControl, CopyGivesTabSeparatedLines) {
    int f = GridId;
    WGridPutCellInteger(GridId, Count + 1, 1, 12);
    yygridputcellcheck(f, Valid, 0, 1);
    yygridputcelloption(f, Colour, 1, 3);
    yygridputcellstring(f, Name, 1, 0.0, "two", "", 10, 0);
    focusCell(Name, 0);
    yygridselectrange(grid, 0, 1, Count, Colour);
    keys({'C'}, false, true);
    const std::string expected = std::string("12\t\t\tYes\tblue\r\n\t\t\tNo\tgreen\r\n") + '\0';  // cells start on the first item
    EXPECT_EQ(clipboard(), expected);
}

TEST_F(GridControl, PasteStoresABlockAndRaisesItsEvent) {
    focusCell(Name, 18);
    setClipboard("x\t5\ny\t12.5\r\nz\t7\r\n");
    keys({'V'}, false, true, false);
    WMessageRecord record;
    ASSERT_EQ(nextEvent(record, {EvFieldChanged}, 1000), EvFieldChanged);
    EXPECT_EQ(cell(Name, 18), "x");
    EXPECT_EQ(cell(Count, 19), "12");
    EXPECT_EQ(g->nRows, 20);  // the third line fell off the grid
    EXPECT_EQ(record.Value3, 1);
    EXPECT_EQ(record.PosX, (18 + 1) + (1 << 18));
    EXPECT_EQ(record.PosY, (19 + 1) + (2 << 18));
}

TEST_F(GridControl, DeleteEmptiesTheSelection) {
    WGridPutCellInteger(GridId, Count + 1, 3, 4);
    focusCell(Name, 0);
    yygridselectrange(grid, 2, 3, Count, Count);
    keys({VK_DELETE});
    EXPECT_EQ(cell(Count, 2), "");
    WGridPutCellInteger(GridId, Count + 1, 3, 4);
    yygridselectrange(grid, 2, 3, Count, Count);
    keys({VK_DELETE}, true);  // Shift+Delete cuts
    EXPECT_EQ(cell(Count, 2), "");
    EXPECT_EQ(clipboard(), std::string("4\r\n\r\n") + '\0');
    // A block with a read-only cell cannot be emptied.
    WGridPutCellInteger(GridId, Count + 1, 3, 4);
    yygridselectrange(grid, 2, 3, Count, Note);
    EXPECT_EQ(yygridcancut(grid), 0);
}

TEST_F(GridControl, ClickingACheckBoxToggles) {
    focusCell(Name, 0);
    click(cellPoint(Valid, 2, 8, g->cyRow / 2));
    EXPECT_EQ(g->iCurColumn, Valid);
    EXPECT_EQ(g->iCurRow, 2);
    EXPECT_EQ(cell(Valid, 2), "Yes");
}

TEST_F(GridControl, ShiftClickSelectsAndRaisesTheSelectionEvent) {
    focusCell(Name, 1);
    click(cellPoint(Level, 3), true, false, false);
    WMessageRecord record;
    ASSERT_EQ(nextEvent(record, {EvFieldChanged}, 1000), EvFieldChanged);
    EXPECT_EQ(record.Value1, GridId);
    EXPECT_EQ(record.Value3, 2);
    EXPECT_EQ(record.PosX, yypackcell(Name, 1));
    EXPECT_EQ(record.PosY, yypackcell(Level, 3));
    EXPECT_EQ(g->iSelFirstRow, 1);
    EXPECT_EQ(g->iSelLastRow, 3);
    EXPECT_EQ(g->iSelFirstColumn, Name);
    EXPECT_EQ(g->iSelLastColumn, Level);
    EXPECT_EQ(g->iCurRow, 1);
}

TEST_F(GridControl, ThreeWheelNotchesOfFortyScrollOneLine) {
    focusCell(Name, 0);
    for (int i = 0; i < 3; ++i) SendMessageA(grid, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-40)), 0);
    EXPECT_EQ(g->iFirstRow, 1);
}

TEST_F(GridControl, ClearFieldEmptiesTheGrid) {
    WGridPutCellInteger(GridId, Count + 1, 2, 4);
    WDialogClearField(GridId);
    EXPECT_EQ(cell(Count, 1), "");
    char item[32] = "x";
    int f = GridId;
    yygridgetmenustring(f, Colour, 1, item, sizeof item);
    EXPECT_STREQ(item, "");  // the menus went too
}

TEST_F(GridControl, HeaderCornerSelectsEverything) {
    focusCell(Name, 0);
    NMHEADERA n{};
    n.hdr.hwndFrom = g->hHeader;
    n.hdr.code = HDN_ITEMCLICKA;
    n.iItem = 0;
    SendMessageA(grid, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&n));
    EXPECT_EQ(g->iSelFirstRow, 0);
    EXPECT_EQ(g->iSelLastRow, 19);
    EXPECT_EQ(g->iSelLastColumn, 6);
}

TEST_F(GridControl, EnterFollowsTheStyleBits) {
    focusCell(Name, 3);
    keys({VK_RETURN});  // without 0x1000 the dialog's default button acts: the cell stays
    EXPECT_EQ(g->iCurRow, 3);
    int f = GridId;
    yyfieldoption(f, 1, 1);  // Enter moves to the next row
    focusCell(Name, 4);
    keys({VK_RETURN});
    EXPECT_EQ(g->iCurRow, 5);
    // Tab wraps only with 0x8000: in the last column of a row it rings the bell.
    focusCell(Note, 2);
    keys({VK_TAB});
    EXPECT_EQ(g->iCurColumn, Note);
    EXPECT_EQ(g->iCurRow, 2);
}

TEST_F(GridControl, AClickInThePartlyVisibleLastRowScrollsItIn) {
    // A grid half a row taller than its whole rows shows a part of the next row.
    RECT r;
    GetWindowRect(grid, &r);
    SetWindowPos(grid, nullptr, 0, 0, r.right - r.left, r.bottom - r.top + g->cyRow / 2, SWP_NOMOVE | SWP_NOZORDER);
    pump();
    focusCell(Name, 0);
    const int partly = g->iFirstRow + g->nRowsFit;
    click(cellPoint(Name, partly, 4, 2));
    EXPECT_EQ(g->iCurRow, partly);
    EXPECT_EQ(g->iFirstRow, 1);
}

TEST_F(GridControl, ADividerDraggedBelowFourteenPixelsStops) {
    focusCell(Depth, 0);
    RECT item;
    SendMessageA(g->hHeader, HDM_GETITEMRECT, Name + 1, reinterpret_cast<LPARAM>(&item));
    POINT divider{item.right - 1, (item.top + item.bottom) / 2};
    ClientToScreen(g->hHeader, &divider);
    SetCursorPos(divider.x, divider.y);
    pump();
    auto mouse = [](DWORD flags, int dx) {
        INPUT i{};
        i.type = INPUT_MOUSE;
        i.mi.dwFlags = flags;
        i.mi.dx = dx;
        SendInput(1, &i, sizeof i);
        pump();
    };
    const int before = g->pColumns[Depth].cxWidth;
    RECT editor;
    GetWindowRect(g->hEditor, &editor);
    mouse(MOUSEEVENTF_LEFTDOWN, 0);
    for (int i = 0; i < 10; ++i) mouse(MOUSEEVENTF_MOVE, -10);
    mouse(MOUSEEVENTF_LEFTUP, 0);
    pump(200);
    EXPECT_EQ(g->pColumns[Name].cxWidth, 14);
    EXPECT_EQ(g->pColumns[Depth].cxWidth, before);
    RECT moved;
    GetWindowRect(g->hEditor, &moved);
    EXPECT_LT(moved.left, editor.left);  // the editor of a later column follows
    HDITEMA h{};
    h.mask = HDI_WIDTH;
    SendMessageA(g->hHeader, HDM_GETITEMA, Name + 1, reinterpret_cast<LPARAM>(&h));
    EXPECT_EQ(h.cxy, 13);
}

TEST_F(GridControl, AReadOnlyGridRevertsAMenuChoice) {
    WDialogFieldState(GridId, 2);
    focusCell(Colour, 0);
    ASSERT_NE(g->hEditor, nullptr);
    SendMessageA(g->hEditor, CB_SETCURSEL, 2, 0);
    SendMessageA(g->hCells, WM_COMMAND, MAKEWPARAM(0xFFFF, CBN_SELCHANGE), reinterpret_cast<LPARAM>(g->hEditor));
    EXPECT_EQ(SendMessageA(g->hEditor, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(yygridcancut(grid), 0);
    EXPECT_EQ(yygridcanpaste(grid), 0);
}

TEST_F(GridControl, ContextMenuOffersTheCellCommands) {
    focusCell(Name, 0);
    yygridselectrange(grid, 0, 1, Name, Count);
    POINT p = cellPoint(Name, 1);
    ScreenToClient(g->hCells, &p);
    SendMessageA(g->hCells, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(p.x, p.y));
    EXPECT_EQ(g->iSelFirstRow, 0);  // a right press keeps the selection
    setClipboard("a\tb");
    HMENU menu = yygridcontextmenu(grid, g->hCells);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 8);
    const UINT ids[] = {32221, 0, 32122, 32123, 32124, 32125, 0, 32226};
    const bool grayed[] = {true, false, false, false, false, false, false, true};
    for (int i = 0; i < 8; ++i) {
        if (ids[i] == 0) continue;
        EXPECT_EQ(GetMenuItemID(menu, i), ids[i]) << i;
        EXPECT_EQ((GetMenuState(menu, i, MF_BYPOSITION) & MF_GRAYED) != 0, grayed[i]) << i;
    }
    DestroyMenu(menu);
    // Without a selection the editor's commands are offered.
    yygridselectnone(grid);
    setClipboard("single");
    SetWindowTextA(g->hEditor, "text");
    SendMessageA(g->hEditor, EM_SETSEL, 0, 2);
    menu = yygridcontextmenu(grid, g->hEditor);
    EXPECT_EQ(GetMenuItemID(menu, 2), 32222u);
    EXPECT_EQ(GetMenuState(menu, 2, MF_BYPOSITION) & MF_GRAYED, 0u);
    EXPECT_EQ(GetMenuItemID(menu, 4), 32224u);
    EXPECT_EQ(GetMenuState(menu, 7, MF_BYPOSITION) & MF_GRAYED, 0u);
    DestroyMenu(menu);
    // The grid carries the commands out.
    yygridselectrange(grid, 0, 0, Name, Name);
    SendMessageA(grid, WM_COMMAND, 32123, 0);
    EXPECT_EQ(clipboard(), std::string("text\r\n") + '\0');
}

// The screen point at the middle of header item `item` (0 the corner, c + 1 column c).
POINT headerPoint(const GridControlRecord* g, int item) {
    RECT r{};
    SendMessageA(g->hHeader, HDM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&r));
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(g->hHeader, &p);
    return p;
}

// The screen point at the middle of the row label at row position `slot`.
POINT rowLabelPoint(const GridControlRecord* g, int slot) {
    HWND label = g->pRowLabelWindows[slot];
    RECT r{};
    GetClientRect(label, &r);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(label, &p);
    return p;
}

struct Block {
    int firstRow, lastRow, firstColumn, lastColumn;
    bool operator==(const Block&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Block& b) {
    return out << "rows " << b.firstRow << ".." << b.lastRow << " columns " << b.firstColumn << ".." << b.lastColumn;
}
Block selection(const GridControlRecord* g) { return {g->iSelFirstRow, g->iSelLastRow, g->iSelFirstColumn, g->iSelLastColumn}; }

TEST_F(GridControl, TitleAndRowLabelClicksSelectWholeColumnsAndRows) {
    focusCell(Name, 2);
    click(headerPoint(g, Level + 1));
    EXPECT_EQ(selection(g), (Block{0, 19, Level, Level}));
    EXPECT_EQ(g->iCurColumn, Level);
    EXPECT_EQ(g->iCurRow, g->iFirstRow);

    // Shift on a title: the whole columns from the current one to the clicked one, with the event.
    click(headerPoint(g, Valid + 1), true, false, false);
    WMessageRecord record;
    ASSERT_EQ(nextEvent(record, {EvFieldChanged}, 1000), EvFieldChanged);
    EXPECT_EQ(record.Value3, 2);
    EXPECT_EQ(record.PosX, yypackcell(Level, 0));
    EXPECT_EQ(record.PosY, yypackcell(Valid, 19));
    EXPECT_EQ(selection(g), (Block{0, 19, Level, Valid}));
    EXPECT_EQ(g->iCurColumn, Level);
    EXPECT_TRUE(yygridhasfocus(grid));
    collectEvents();

    // A row label: its row becomes current in the first column shown, and the row is selected.
    click(rowLabelPoint(g, 3));
    EXPECT_EQ(selection(g), (Block{3, 3, 0, 6}));
    EXPECT_EQ(g->iCurRow, 3);
    EXPECT_EQ(g->iCurColumn, g->iFirstColumn);
    click(rowLabelPoint(g, 5), true);
    EXPECT_EQ(selection(g), (Block{3, 5, 0, 6}));
    EXPECT_EQ(g->iCurRow, 3);
    click(rowLabelPoint(g, 1), true);
    EXPECT_EQ(selection(g), (Block{1, 3, 0, 6}));
    EXPECT_TRUE(yygridhasfocus(grid));
}

TEST_F(GridControl, DraggingOverCellsSelectsTheBlock) {
    focusCell(Name, 0);
    const POINT from = cellPoint(Name, 1), to = cellPoint(Level, 3);
    SetCursorPos(from.x, from.y);
    pump();
    auto mouse = [](DWORD flags) {
        INPUT i{};
        i.type = INPUT_MOUSE;
        i.mi.dwFlags = flags;
        SendInput(1, &i, sizeof i);
    };
    mouse(MOUSEEVENTF_LEFTDOWN);
    pump();
    EXPECT_EQ(g->iCurRow, 1);
    EXPECT_EQ(selection(g).firstRow, -1);  // nothing yet while the pointer stays in the pressed cell
    for (int step = 1; step <= 4; ++step) {
        SetCursorPos(from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4);
        pump(40);
    }
    mouse(MOUSEEVENTF_LEFTUP);
    pump();
    EXPECT_EQ(selection(g), (Block{1, 3, Name, Level}));
    EXPECT_EQ(g->iCurColumn, Name);
    EXPECT_EQ(g->iCurRow, 1);
    // Back to the pressed cell: the selection is cleared.
    SetCursorPos(from.x, from.y);
    mouse(MOUSEEVENTF_LEFTDOWN);
    pump();
    SetCursorPos(to.x, to.y);
    pump(40);
    SetCursorPos(from.x + 1, from.y);
    pump(40);
    mouse(MOUSEEVENTF_LEFTUP);
    pump();
    EXPECT_EQ(selection(g).firstRow, -1);
}

// The colour the screen shows at a point of the cell area.
COLORREF shownAt(const GridControlRecord* g, POINT screen) {
    ScreenToClient(g->hCells, &screen);
    HDC dc = GetDC(g->hCells);
    const COLORREF colour = GetPixel(dc, screen.x, screen.y);
    ReleaseDC(g->hCells, dc);
    return colour;
}

TEST_F(GridControl, CheckBoxCellsInASelectionAreHighlighted) {
    int f = GridId;
    yygridputcellcheck(f, Valid, 2, 1);
    focusCell(Valid, 1);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const int right = g->pColumns[Valid].cxWidth - 4;  // beside the box, inside the cell
    EXPECT_NE(shownAt(g, cellPoint(Valid, 2, right, g->cyRow / 2)), highlight);
    click(cellPoint(Valid, 3), true);
    ASSERT_EQ(selection(g), (Block{1, 3, Valid, Valid}));
    pump(150);
    for (int row : {2, 3}) EXPECT_EQ(shownAt(g, cellPoint(Valid, row, right, g->cyRow / 2)), highlight) << row;
    // The current cell's check box, over the selection, looks selected too.
    EXPECT_EQ(shownAt(g, cellPoint(Valid, 1, right, g->cyRow / 2)), highlight);
    // The boxes themselves stay drawn: the checked one shows dark pixels of its mark.
    bool dark = false;
    for (int x = 2; x < 20 && !dark; ++x)
        for (int y = 2; y < g->cyRow - 2 && !dark; ++y) {
            const COLORREF c = shownAt(g, cellPoint(Valid, 2, x, y));
            dark = GetRValue(c) < 64 && GetGValue(c) < 64 && GetBValue(c) < 64;
        }
    EXPECT_TRUE(dark);
    // Without the focus in the grid nothing is drawn selected.
    SetFocus(GetDlgItem(GetParent(grid), 1001));
    pump(150);
    EXPECT_NE(shownAt(g, cellPoint(Valid, 3, right, g->cyRow / 2)), highlight);
    // The focus comes back straight into the editor (as by a click on it or a Tab): the
    // selection is drawn selected again.
    SetFocus(g->hEditor);
    pump(150);
    EXPECT_EQ(selection(g), (Block{1, 3, Valid, Valid}));
    for (int row : {1, 3}) EXPECT_EQ(shownAt(g, cellPoint(Valid, row, right, g->cyRow / 2)), highlight) << row;
    // A block selected with the current cell in another column, its editor a text editor.
    focusCell(Level, 2);
    yygridselectrange(grid, 3, 4, Count, Valid);
    pump(150);
    for (int row : {3, 4}) {
        EXPECT_EQ(shownAt(g, cellPoint(Count, row, 4, g->cyRow / 2)), highlight) << row;
        EXPECT_EQ(shownAt(g, cellPoint(Valid, row, right, g->cyRow / 2)), highlight) << row;
    }
}

TEST_F(GridControl, AClickAfterTheFocusLeftTakesTheCellAgain) {
    focusCell(Name, 1);
    HWND other = GetDlgItem(GetParent(grid), 1001);
    RECT r;
    GetWindowRect(other, &r);
    const POINT outside{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    click(outside);
    ASSERT_EQ(GetFocus(), other);
    click(cellPoint(Name, 1));
    EXPECT_EQ(GetFocus(), g->hEditor);
    EXPECT_EQ(g->iCurRow, 1);
    // A check box clicked again after the focus went away toggles once more.
    click(cellPoint(Valid, 2, 8, g->cyRow / 2));
    EXPECT_EQ(cell(Valid, 2), "Yes");
    click(outside);
    ASSERT_EQ(GetFocus(), other);
    click(cellPoint(Valid, 2, 8, g->cyRow / 2));
    EXPECT_EQ(cell(Valid, 2), "No");
    EXPECT_TRUE(yygridhasfocus(grid));
}

// The modal copy of dialog 501 while it is shown (the last visible dialog of its title), or null.
HWND shownCopy() {
    HWND copy = nullptr;
    for (HWND w = FindWindowA("#32770", "Grid fixture"); w != nullptr; w = FindWindowExA(nullptr, w, "#32770", "Grid fixture"))
        if (IsWindowVisible(w)) copy = w;
    return copy;
}

HWND copyHeader = nullptr;
int copyItems = 0;
std::string copyTitles;

// Reads the modal copy's header once it shows, widens its first column's title, then presses OK.
void CALLBACK widenInTheCopy(HWND, UINT, UINT_PTR id, DWORD) {
    HWND copy = shownCopy();
    if (copy == nullptr) return;
    KillTimer(nullptr, id);
    GridControlRecord* c = yygridrecord(GetDlgItem(copy, GridId));
    copyHeader = c->hHeader;
    copyItems = static_cast<int>(SendMessageA(copyHeader, HDM_GETITEMCOUNT, 0, 0));
    for (int item = 1; item < copyItems; ++item) {
        char text[64] = "";
        HDITEMA h{};
        h.mask = HDI_TEXT;
        h.pszText = text;
        h.cchTextMax = sizeof text;
        SendMessageA(copyHeader, HDM_GETITEMA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&h));
        copyTitles += std::string(text) + "|";
    }
    HDITEMA h{};
    h.mask = HDI_WIDTH;
    h.cxy = 77;
    SendMessageA(copyHeader, HDM_SETITEMA, 1, reinterpret_cast<LPARAM>(&h));
    PostMessageA(GetDlgItem(copy, IDOK), BM_CLICK, 0, 0);
}

TEST_F(GridControl, TheModalCopyHasTheHeaderItemsAndGivesItsWidthsBack) {
    char before[64] = "";
    HDITEMA own{};
    own.mask = HDI_TEXT;
    own.pszText = before;
    own.cchTextMax = sizeof before;
    std::string titles;
    for (int item = 1; item <= g->nColumns; ++item) {
        SendMessageA(g->hHeader, HDM_GETITEMA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&own));
        titles += std::string(before) + "|";
    }
    WDialogUnload();
    WDialogLoad(501);
    copyHeader = nullptr;
    copyItems = 0;
    copyTitles.clear();
    UINT_PTR timer = SetTimer(nullptr, 0, 50, widenInTheCopy);
    WDialogShow(-1, -1, 0, 1);
    KillTimer(nullptr, timer);
    ASSERT_NE(copyHeader, nullptr);
    grid = yyfieldwindow(GridId);
    g = yygridrecord(grid);
    EXPECT_NE(copyHeader, g->hHeader);
    EXPECT_EQ(copyItems, g->nColumns + 1);
    EXPECT_EQ(copyTitles, titles);
    HDITEMA h{};
    h.mask = HDI_WIDTH;
    SendMessageA(g->hHeader, HDM_GETITEMA, 1, reinterpret_cast<LPARAM>(&h));
    EXPECT_EQ(h.cxy, 77);
}

HWND copyGrid = nullptr;

// Types into the modal copy of dialog 501 once it shows, then presses OK.
void CALLBACK typeIntoTheCopy(HWND, UINT, UINT_PTR id, DWORD) {
    HWND copy = shownCopy();
    if (copy == nullptr) return;
    KillTimer(nullptr, id);
    copyGrid = GetDlgItem(copy, GridId);
    GridControlRecord* c = yygridrecord(copyGrid);
    yygridupdatecell(copyGrid, Name, 1, 1, 0);
    SetWindowTextA(c->hEditor, "first");
    SendMessageA(c->hEditor, EM_SETMODIFY, TRUE, 0);
    yygridupdatecell(copyGrid, Name, 0, 1, 0);
    SetWindowTextA(c->hEditor, "still");  // left in the copy's editor
    SendMessageA(c->hEditor, EM_SETMODIFY, TRUE, 0);
    PostMessageA(GetDlgItem(copy, IDOK), BM_CLICK, 0, 0);
}

TEST_F(GridControl, TheModalCopyGivesItsValuesBack) {
    WDialogUnload();
    WDialogLoad(501);
    copyGrid = nullptr;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, typeIntoTheCopy);
    WDialogShow(-1, -1, 0, 1);
    KillTimer(nullptr, timer);
    ASSERT_NE(copyGrid, nullptr);
    grid = yyfieldwindow(GridId);
    g = yygridrecord(grid);
    EXPECT_EQ(cell(Name, 1), "first");
    EXPECT_EQ(cell(Name, 0), "still");
}

TEST_F(GridControl, Screenshot) {
    const char* path = getenv("GRAV_GRID_SHOT");
    if (path == nullptr) GTEST_SKIP() << "GRAV_GRID_SHOT names the picture to write";
    int f = GridId;
    for (int r = 0; r < 6; ++r) {
        yygridputcellstring(f, Name, r, 0.0, ("Site " + std::to_string(r)).c_str(), "", 20, 0);
        WGridPutCellInteger(GridId, Count + 1, r + 1, r * 7);
        WGridPutCellReal(GridId, Level + 1, r + 1, 1.5f * static_cast<float>(r));
        WGridPutCellDouble(GridId, Depth + 1, r + 1, 1000.0 / (r + 1));
        yygridputcellcheck(f, Valid, r, r % 2);
        yygridputcelloption(f, Colour, r, 1 + r % 3);
    }
    focusCell(Level, 2);
    yygridselectrange(grid, 3, 4, Count, Valid);
    pump(300);
    HWND dialog = GetParent(grid);
    RECT r;
    GetWindowRect(dialog, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    BITMAPINFOHEADER info{sizeof info, w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const int stride = (w * 3 + 3) & ~3;
    std::vector<char> bits(static_cast<std::size_t>(stride * h));
    GetDIBits(memory, picture, 0, static_cast<UINT>(h), bits.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    SelectObject(memory, old);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof info + bits.size()), 0, 0,
                          sizeof(BITMAPFILEHEADER) + sizeof info};
    FILE* out = fopen(path, "wb");
    ASSERT_NE(out, nullptr);
    fwrite(&file, sizeof file, 1, out);
    fwrite(&info, sizeof info, 1, out);
    fwrite(bits.data(), 1, bits.size(), out);
    fclose(out);
}

}  // namespace
