// field_values_win.cpp - one put/get table over every field kind of the fixture dialog, with
// the errors 1005, 1006, 1009, 1010 and 1011 and the undefined values; then field states,
// colours, clearing and the tree-view routines.
#include <functional>
#include <string>

#include "assembly/assemble.hpp"
#include "dialog_fixture_win.hpp"

namespace {

std::string str(int v) { return std::to_string(v); }
std::string str(float v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", v);
    return buffer;
}

std::string getString(int field, std::size_t size = 12) {
    std::string text(size, '#');
    WDialogGetString(field, text);
    return text;
}
int getInteger(int field) {
    int value = 12345;
    WDialogGetInteger(field, value);
    return value;
}
float getReal(int field) {
    float value = 12345;
    WDialogGetReal(field, value);
    return value;
}
std::string getMenu(int field) {
    int option = 12345;
    Text<12> text;
    TextRef ref = text.ref();
    WDialogGetMenu(field, option, &ref);
    return str(option) + " [" + std::string(text.trimmed()) + "]";
}
std::string menuOf(int field, std::initializer_list<const char*> items, int option,
                   std::optional<std::string_view> text = std::nullopt) {
    std::vector<Text<10>> stored(items.begin(), items.end());
    std::vector<TextRef> refs;
    for (auto& t : stored) refs.push_back(t.ref());
    WDialogPutMenu(field, refs.data(), static_cast<int>(refs.size()), option, text);
    return "";
}

struct ValueCase {
    const char* name;
    std::function<std::string()> act;  // puts and gets; returns what the gets saw
    std::string expected;
    int error;  // error slot 1 afterwards
};

const ValueCase valueCases[] = {
    {"StringPutTrimsGetPads", [] { WDialogPutString(1001, "Hello   "); return getString(1001); }, "Hello       ", 0},
    {"StringGetCutsToTheBuffer", [] { WDialogPutString(1001, "Hello world"); return getString(1001, 5); }, "Hello", 0},
    {"StringLength", [] { WDialogPutString(1001, "abc"); int n = 0; WDialogGetStringLength(1001, n); return str(n); }, "3", 0},
    {"StringOfAMissingFieldIsBlanked", [] { return getString(4242, 4); }, "    ", 1006},
    {"IntegerPutIsLeftJustified", [] { WDialogPutInteger(1002, 42); return getString(1002, 4) + str(getInteger(1002)); }, "42  42", 0},
    {"IntegerOutsideItsRangeIsRefused",
     [] { WDialogPutInteger(1002, 7); WDialogRangeInteger(1002, 0, 70); WDialogPutInteger(1002, 80); return getString(1002, 3); },
     "7  ", 1009},
    {"IntegerOfADecimalTextIsTruncated", [] { WDialogPutString(1002, "12.9"); return str(getInteger(1002)); }, "12", 0},
    {"IntegerOfAnEmptyFieldIsUndefined", [] { WDialogPutString(1002, ""); return str(getInteger(1002)); }, "-999", 1010},
    {"RangeWithOnlyALowerBound",
     [] { WDialogRangeInteger(1002, 5); auto* r = yyfieldrecord(yyfieldwindow(1002)); return str(static_cast<int>(r->lower)) + " " + std::to_string(static_cast<long long>(r->upper)); },
     "5 2147483647", 0},
    {"RangeWithNoBoundsIsNone",
     [] { WDialogRangeInteger(1002, 1, 2); WDialogRangeInteger(1002); WDialogPutInteger(1002, 99); return getString(1002, 2); },
     "99", 0},
    {"RealWithAFormatKeepsIt",
     [] { WDialogPutReal(1037, 12.5f, "(f5.2)"); return getString(1037, 6) + yyfieldrecord(yyfieldwindow(1037))->format; },
     "12.50 (f5.2)", 0},
    {"StringPutRemovesTheFormat",
     [] { WDialogPutReal(1037, 12.5f, "(f5.2)"); WDialogPutString(1037, "3"); return std::string(yyfieldrecord(yyfieldwindow(1037))->format == nullptr ? "none" : "kept"); },
     "none", 0},
    {"RealWithoutFormatUsesTheDefault", [] { WDialogPutReal(1038, 1.0f); return getString(1038, 8); }, "1.0000  ", 0},
    {"RealGet", [] { WDialogPutReal(1037, 12.5f, "(f5.2)"); return str(getReal(1037)); }, "12.5", 0},
    {"RealOutsideTheCompanionRangeIsRefused", [] { WDialogPutReal(1037, 80.0f, "(f5.2)"); return getString(1037, 2); }, "  ", 1009},
    {"RealOfAnEmptyFieldIsUndefined", [] { return str(getReal(1037)); }, "-999", 1010},
    {"UndefinedValuesCanBeChanged", [] { wdialogundefined(0, 0.0f); return str(getReal(1037)) + str(getInteger(1002)); }, "00", 1010},
    {"DoubleWithAFormat", [] { WDialogPutDouble(1038, 2.25, "(F6.3)"); return getString(1038, 6); }, "2.250 ", 0},
    {"CheckBoxes", [] { WDialogPutCheckBox(1007, 1); int s = 0; WDialogGetCheckBox(1007, s); return str(s); }, "1", 0},
    {"RadioButtonsReadAsCheckBoxes", [] { int s = 5; WDialogGetCheckBox(1010, s); return str(s); }, "1", 0},
    {"CheckOfAPushButtonIsRefused", [] { WDialogPutCheckBox(1003, 1); return std::string(); }, "", 1006},
    {"RadioGroupPositionFromAnyButton", [] { int p = 0; WDialogGetRadioButton(1009, p); return str(p); }, "3", 0},
    {"RadioPutClearsTheRestOfTheGroup",
     [] { WDialogPutRadioButton(1009); int p = 0, s = 5; WDialogGetRadioButton(1008, p); WDialogGetCheckBox(1010, s); return str(p) + str(s); },
     "20", 0},
    {"RadioGroupWithNothingSetIsUndefined", [] { WDialogClearField(1008); int p = 0; WDialogGetRadioButton(1008, p); return str(p); }, "-999", 1010},
    {"MenuOfAListSelectsItsOption", [] { menuOf(1014, {"a", "b", "c"}, 2); return getMenu(1014); }, "2 [b]", 0},
    {"MenuOptionZeroOnAListFails", [] { return menuOf(1014, {"a", "b"}, 0); }, "", 1011},
    {"MenuOptionOutOfRange", [] { return menuOf(1012, {"a", "b"}, 5); }, "", 1011},
    {"MenuOfAMultipleSelectionListIsRefused", [] { return menuOf(1015, {"a"}, 1); }, "", 1006},
    {"MenuOptionZeroOnAComboClearsIt", [] { menuOf(1012, {"a", "b"}, 0); return getMenu(1012); }, "-999 []", 1010},
    {"EditableComboTakesTheMatchingItem", [] { menuOf(1013, {"alpha", "beta"}, 0, "beta  "); return getMenu(1013); }, "2 [beta]", 0},
    {"EditableComboShowsAnUnknownText", [] { menuOf(1013, {"alpha", "beta"}, 0, "zeta"); return getMenu(1013); }, "0 [zeta]", 0},
    {"ListWithoutSelectionIsUndefined", [] { return getMenu(1014); }, "-999 []", 1010},
    {"MenuOfATextFieldIsRefused", [] { int o = 0; WDialogGetMenu(1001, o); return std::string(); }, "", 1006},
    {"MissingFieldIsReported", [] { WDialogPutInteger(4242, 1); return std::string(); }, "", 1006},
};

class FieldValues : public DialogTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(FieldValues, PutAndGet) {
    WDialogLoad(103);
    ASSERT_EQ(lastError(), 0);
    EXPECT_EQ(GetParam().act(), GetParam().expected);
    EXPECT_EQ(lastError(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Table, FieldValues, ::testing::ValuesIn(valueCases),
                         [](const auto& info) { return std::string(info.param.name); });

using FieldRoutines = DialogTest;

TEST_F(FieldRoutines, EveryRoutineNeedsACurrentDialog) {
    const std::function<void()> calls[] = {
        [] { WDialogPutString(1001, "x"); },
        [] { int n; WDialogGetInteger(1002, n); },
        [] { WDialogPutReal(1037, 1.0f); },
        [] { int s; WDialogGetCheckBox(1006, s); },
        [] { int o; WDialogGetMenu(1014, o); },
        [] { WDialogFieldState(1001, 0); },
        [] { WDialogColour(1001, 0); },
        [] { WDialogClearField(1001); },
        [] { WDialogSetField(1001); },
        [] { WDialogTitle("x"); },
    };
    for (const auto& call : calls) {
        call();
        EXPECT_EQ(lastError(), 1005);
    }
}

TEST_F(FieldRoutines, StatesHideDisableAndMoveTheFocus) {
    WDialogLoad(103);
    WDialogShow();
    WDialogSetField(1001);
    EXPECT_EQ(GetFocus(), field(1001));
    WDialogFieldState(1001, FieldHidden);
    EXPECT_EQ(yyfieldstateof(field(1001)), FieldHidden);
    // The focus went to the dialog, whose own handling passes it on to one of its controls.
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == yycurrentdialogwindow() || IsChild(yycurrentdialogwindow(), focus));
    EXPECT_NE(focus, field(1001));
    EXPECT_NE(currentRecord()[DlgLastFieldWindow], static_cast<int>(reinterpret_cast<INT_PTR>(field(1001))));
    WDialogFieldState(1002, FieldReadOnly);
    EXPECT_EQ(yyfieldstateof(field(1002)), FieldReadOnly);
    WDialogFieldState(1003, FieldReadOnly);  // a button cannot be read-only: disabled
    EXPECT_EQ(yyfieldstateof(field(1003)), FieldDisabled);
    WDialogFieldState(1055, FieldEnabled);
    EXPECT_EQ(yyfieldstateof(field(1055)), FieldEnabled);
    EXPECT_EQ(yyfieldrecord(field(1055))->state, FieldEnabled);
}

TEST_F(FieldRoutines, ColoursKeepWhatIsNotGiven) {
    WDialogLoad(103);
    WDialogColour(1016, 0x00FF00);
    EXPECT_EQ(yyfieldrecord(field(1016))->textColour, 0x00FF00);
    WDialogColour(1016, std::nullopt, 0x123456);
    EXPECT_EQ(yyfieldrecord(field(1016))->textColour, 0x00FF00);
    EXPECT_EQ(yyfieldrecord(field(1016))->backColour, 0x123456);
    WDialogColour(1016, -1);
    EXPECT_EQ(yyfieldrecord(field(1016))->textColour, -1);
    int f = 1017;
    yyfieldcolour(f, 256, 0, 0, -1, 0, 0);
    EXPECT_EQ(yyfieldrecord(field(1017))->textColour, -1);
    EXPECT_EQ(yyfieldrecord(field(1017))->backColour, 255 * 65536);
    // What a coloured field paints with: the record's colours, else the 3-D face for a static.
    HDC dc = GetDC(field(1017));
    LRESULT brush = yyProcessColour(yycurrentdialogwindow(), WM_CTLCOLORSTATIC, dc, field(1017));
    EXPECT_NE(brush, 0);
    EXPECT_EQ(GetBkColor(dc), static_cast<COLORREF>(255 * 65536));
    WDialogColour(1017, 0x0000FF, -1);
    yyProcessColour(yycurrentdialogwindow(), WM_CTLCOLORSTATIC, dc, field(1017));
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_3DFACE));
    ReleaseDC(field(1017), dc);
    EXPECT_EQ(yyProcessColour(yycurrentdialogwindow(), WM_CTLCOLOREDIT, nullptr, field(1001)), 0);
}

TEST_F(FieldRoutines, ClearingEmptiesEveryKind) {
    WDialogLoad(103);
    WDialogPutInteger(1002, 5);
    EXPECT_EQ(yyfieldrecord(field(1002))->defined, 1);
    for (int id : {1002, 1012, 1014, 1006, 1030, 1040, 1016}) WDialogClearField(id);
    EXPECT_EQ(lastError(), 0);
    EXPECT_EQ(text(field(1002)), "");
    EXPECT_EQ(yyfieldrecord(field(1002))->defined, 0);
    EXPECT_EQ(SendMessageA(field(1012), CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(field(1014), LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(field(1006), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(field(1030), PBM_GETPOS, 0, 0), 0);
    EXPECT_EQ(TreeView_GetCount(field(1040)), 0u);
    EXPECT_EQ(text(field(1016)), "");
    WDialogClearField(1031);  // a trackbar cannot be cleared
    EXPECT_EQ(lastError(), 1006);
}

TEST_F(FieldRoutines, TreeViewItemsByIdentifier) {
    WDialogLoad(103);
    int f = 1040;
    yytreeviewinsert(f, 30030, 3, 40001, "Lake");  // under a leaf: the leaf becomes a branch
    EXPECT_EQ(f, 1040);
    int state = 0;
    yytreeviewgetstate(f, 30030, state);
    EXPECT_EQ(state, 1);
    yytreeviewsetstate(f, 30030, 2);
    yytreeviewgetstate(f, 30030, state);
    EXPECT_EQ(state, 2);
    yytreeviewinsert(f, 30011, 1, 40001, "Again");
    EXPECT_EQ(f, -3);  // duplicate while the check is on
    f = 1040;
    yytreeviewcheck(0);
    yytreeviewinsert(f, 30011, 1, 40001, "Before Pacific");
    yytreeviewcheck(1);
    EXPECT_EQ(f, 1040);
    // Repeated identifiers: the first in depth-first order wins.
    char name[32] = "";
    yytreeviewsetstring(f, 40001, "Renamed");
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = yyTreeViewFind(field(1040), 40001);
    item.pszText = name;
    item.cchTextMax = sizeof name;
    SendMessageA(field(1040), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(name, "Renamed");
    EXPECT_EQ(TreeView_GetParent(field(1040), item.hItem), yyTreeViewFind(field(1040), 30010));
    yytreeviewgetstate(f, 30011, state);
    EXPECT_EQ(f, -3);  // a leaf has no state
    f = 1040;
    yytreeviewdelete(f, 99);
    EXPECT_EQ(f, -2);
    f = 1040;
    yytreeviewdelete(f, 30010);
    EXPECT_EQ(yyTreeViewFind(field(1040), 30011), nullptr);
    f = 1040;
    yyfieldputtree(f, 30021);
    int selected = 0;
    yyfieldgettree(f, selected, false, nullptr, 0);
    EXPECT_EQ(selected, 30021);
    WDialogClearField(1040);
    f = 1040;
    yytreeviewinsert(f, 777, 2, 1, "Into an empty tree");
    EXPECT_EQ(f, 1040);
    f = 1001;
    yytreeviewinsert(f, 0, 0, 2, "not a tree");
    EXPECT_EQ(f, -1);
}

TEST_F(FieldRoutines, ListOptionsAndInsideTests) {
    WDialogLoad(103);
    int f = 1015, state = 0;
    yyfieldputopt2(f, 0, 2, 1);
    yyfieldgetopt(f, 2, state);
    EXPECT_GT(state, 0);
    yyfieldputopt(f, 2, 0);
    yyfieldgetopt(f, 2, state);
    EXPECT_EQ(state, 0);
    yyfieldgetopt(f, 9, state);
    EXPECT_EQ(state, -1);
    int count = 0;
    yygetoptioncount(f, count);
    EXPECT_EQ(count, 3);
    RECT r;
    GetWindowRect(field(1001), &r);
    MapWindowPoints(nullptr, yycurrentdialogwindow(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(yyFieldInRect(field(1001), r), 1);
    RECT half = r;
    half.right = (r.left + r.right) / 2;
    EXPECT_EQ(yyFieldInRect(field(1001), half), 2);
    RECT apart{r.right + 10, r.top, r.right + 20, r.bottom};
    EXPECT_EQ(yyFieldInRect(field(1001), apart), 0);
}

}  // namespace

namespace {

TEST_F(FieldRoutines, PicturesOnButtonsAndStatics) {
    WDialogLoad(103);
    WDialogPutImage(1017, 1060);  // a bitmap on a static
    EXPECT_EQ(lastError(), 0);
    EXPECT_EQ(GetWindowLongA(field(1017), GWL_STYLE) & SS_TYPEMASK, SS_BITMAP);
    EXPECT_NE(SendMessageA(field(1017), STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    WDialogPutImage(1003, 1060);  // a bitmap on a push button
    EXPECT_EQ(lastError(), 0);
    EXPECT_TRUE(GetWindowLongA(field(1003), GWL_STYLE) & BS_BITMAP);
    WDialogPutImage(1003, 4444);
    EXPECT_EQ(lastError(), 1015);
    WDialogPutImage(1001, 1060);
    EXPECT_EQ(lastError(), 1006);
    WDialogPutImage(1017, 21, 4);
    EXPECT_EQ(lastError(), 1015);
    WDialogPutImage(1017, 3, 4);
    EXPECT_EQ(lastError(), 1061);
}

// A library assembled without images and graphics: an off-screen bitmap and a metafile slot give
// a field no picture, and the picture it had stays.
TEST_F(FieldRoutines, WithoutPictureSourcesBitmapsAndSlotsGiveNoPicture) {
    WDialogLoad(103);
    WDialogPutImage(1017, 1060);
    const LRESULT before = SendMessageA(field(1017), STM_GETIMAGE, IMAGE_BITMAP, 0);
    yysetfieldbitmapsource(nullptr);
    yysetfieldmetafilesource(nullptr, nullptr);
    WDialogPutImage(1017, 1, 3);
    const int bitmapError = lastError();
    WDialogPutImage(1017, 3, 4);
    const int slotError = lastError();
    const LRESULT after = SendMessageA(field(1017), STM_GETIMAGE, IMAGE_BITMAP, 0);
    yyassemblelibrary();
    EXPECT_EQ(bitmapError, 1015);
    EXPECT_EQ(slotError, 1015);
    EXPECT_NE(before, 0);
    EXPECT_EQ(after, before);
    WDialogPutImage(1017, 3, 4);  // the sources are back
    EXPECT_EQ(lastError(), 1061);
}

TEST_F(FieldRoutines, TitleOfADialogAndOfATabPage) {
    WDialogLoad(103);
    WDialogTitle("Map view   ");
    EXPECT_EQ(text(yycurrentdialogwindow()), "Map view");
    WDialogTitle("Map", 77);
    EXPECT_EQ(lastError(), 1015);  // no such icon
    WDialogSelect(2001);
    WDialogTitle("First");
    WDialogSelect(103);
    char label[32];
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = label;
    item.cchTextMax = sizeof label;
    SendMessageA(field(1020), TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(label, "First");
}

// Resizing a dialog whose companion text names a growing control moves and stretches its fields.
TEST_F(FieldRoutines, AResizableDialogLaysOutItsFields) {
    WDialogLoad(104);
    HWND dialog = yycurrentdialogwindow();
    ASSERT_TRUE(yyIsResizableDialog(dialog));
    EXPECT_EQ(yyfieldrecord(field(1102))->anchors, anchorRight | anchorBottom);
    EXPECT_EQ(yyfieldrecord(field(1101))->anchors, anchorRight | anchorBottom);  // the box around it
    EXPECT_EQ(yyfieldrecord(field(IDOK))->anchors, anchorLeft | anchorRight);
    EXPECT_EQ(yyfieldrecord(field(IDCANCEL))->anchors, anchorTop | anchorBottom);
    RECT list, ok, cancel;
    auto place = [&](HWND c, RECT& r) {
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    };
    place(field(1102), list);
    place(field(IDOK), ok);
    place(field(IDCANCEL), cancel);
    RECT frame;
    GetWindowRect(dialog, &frame);
    SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left + 40, frame.bottom - frame.top + 30, SWP_NOMOVE | SWP_NOZORDER);
    RECT list2, ok2, cancel2;
    place(field(1102), list2);
    place(field(IDOK), ok2);
    place(field(IDCANCEL), cancel2);
    EXPECT_EQ(list2.right - list2.left, list.right - list.left + 40);
    EXPECT_EQ(list2.bottom - list2.top, list.bottom - list.top + 30);
    EXPECT_EQ(ok2.left, ok.left + 40);
    EXPECT_EQ(ok2.top, ok.top);
    EXPECT_EQ(cancel2.top, cancel.top + 30);
    EXPECT_EQ(cancel2.left, cancel.left);
}

}  // namespace

namespace {

// A tree copied into another instance of the same dialog keeps texts, identifiers, the
// expanded branch and the selection.
TEST_F(FieldRoutines, TreeCopyAndFieldPlaces) {
    WDialogLoad(103);
    HWND source = field(1040);
    WDialogLoad(103, 203);
    HWND destination = field(1040);
    TreeView_DeleteAllItems(destination);
    yyTreeViewCopy(destination, TVI_ROOT, source, TreeView_GetRoot(source));
    EXPECT_EQ(TreeView_GetCount(destination), TreeView_GetCount(source));
    HTREEITEM oceans = yyTreeViewFind(destination, 30010);
    ASSERT_NE(oceans, nullptr);
    EXPECT_TRUE(TreeView_GetItemState(destination, oceans, TVIS_EXPANDED) & TVIS_EXPANDED);
    int f = 1040, selected = 0;
    yyfieldgettree(f, selected, false, nullptr, 0);
    EXPECT_EQ(selected, 30012);

    int minimum = -1, maximum = -1;
    f = 1031;
    yygettrackrange(f, minimum, maximum);
    EXPECT_EQ(minimum, 0);
    EXPECT_EQ(maximum, 100);
    f = 1001;
    yygettrackrange(f, minimum, maximum);
    EXPECT_EQ(f, -1);
    int x = 0, y = 0, width = 0, height = 0;
    f = 1001;
    yygetfieldinfo(f, x, y, width, height, 0);
    RECT r;
    GetWindowRect(field(1001), &r);
    EXPECT_EQ(width, r.right - r.left);
    EXPECT_EQ(height, r.bottom - r.top);
    int cx = 0, cy = 0, cw = 0, ch = 0;
    yygetfieldinfo(f, cx, cy, cw, ch, 1);
    EXPECT_LE(cw, width);  // the client area lies within the frame
    EXPECT_GE(cx, x);
}

}  // namespace
