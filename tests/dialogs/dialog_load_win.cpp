// dialog_load_win.cpp - loading the fixture dialog (103) with its companion text, checked field
// by field; the table's limits, selecting, unloading and the current index.
#include "dialog_fixture_win.hpp"

namespace {

using DialogLoad = DialogTest;

TEST_F(DialogLoad, ItemsAndSelectionsOfListsAndCombos) {
    WDialogLoad(103);
    ASSERT_EQ(lastError(), 0);
    HWND combo = field(1012);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 3);
    int option = 0;
    Text<20> item;
    TextRef itemRef = item.ref();
    WDialogGetMenu(1012, option, &itemRef);
    EXPECT_EQ(option, 2);
    EXPECT_EQ(item.trimmed(), "Salinity");

    HWND years = field(1014);
    EXPECT_EQ(SendMessageA(years, LB_GETCOUNT, 0, 0), 13);
    EXPECT_EQ(listItem(years, 0), "2004");
    EXPECT_EQ(listItem(years, 12), "");  // the year lists end with an empty item
    WDialogGetMenu(1014, option);
    EXPECT_EQ(lastError(), 1010);  // -999: nothing selected
    EXPECT_EQ(option, -999);
    EXPECT_EQ(SendMessageA(field(1013), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_GT(SendMessageA(field(1015), LB_GETSEL, 0, 0), 0);  // multiple selection: item 1 set
    EXPECT_EQ(yyfieldrecord(years)->flags, 1);
}

TEST_F(DialogLoad, ChecksRangesFormatsLengthsFontsColoursAndStates) {
    WDialogLoad(103);
    int state = -1;
    WDialogGetCheckBox(1006, state);  // a plain check box became automatic
    EXPECT_EQ(lastError(), 0);
    EXPECT_EQ(state, 1);
    int position = 0;
    WDialogGetRadioButton(1008, position);
    EXPECT_EQ(position, 3);

    FieldRecord* real = yyfieldrecord(field(1037));
    EXPECT_DOUBLE_EQ(real->lower, 0.0);
    EXPECT_DOUBLE_EQ(real->upper, 70.0);
    EXPECT_EQ(text(field(1037)), "");  // a range leaves the text alone
    EXPECT_STREQ(real->format, "(f5.2)");
    EXPECT_DOUBLE_EQ(yyfieldrecord(field(1038))->lower, 1000.0);  // no range

    HWND progress = field(1030);
    EXPECT_EQ(SendMessageA(progress, PBM_GETRANGE, FALSE, 0), 200);
    EXPECT_EQ(SendMessageA(progress, PBM_GETPOS, 0, 0), 50);
    HWND track = field(1031);
    EXPECT_EQ(SendMessageA(track, TBM_GETRANGEMAX, 0, 0), 100);
    EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 30);
    EXPECT_EQ(SendMessageA(track, TBM_GETLINESIZE, 0, 0), 2);
    EXPECT_EQ(SendMessageA(track, TBM_GETPAGESIZE, 0, 0), 7);
    int f = 1031, at = 0, start = 0, end = 0;
    yyfieldgettrack(f, at, start, end);
    EXPECT_EQ(start, 20);
    EXPECT_EQ(end, 40);

    EXPECT_EQ(SendMessageA(field(1001), EM_GETLIMITTEXT, 0, 0), 40);
    EXPECT_EQ(yyfieldrecord(field(1001))->maxLength, 40);
    EXPECT_EQ(yyfieldrecord(field(1002))->maxLength, 32767);

    HFONT font = reinterpret_cast<HFONT>(SendMessageA(field(1050), WM_GETFONT, 0, 0));
    LOGFONTA logical{};
    ASSERT_TRUE(GetObjectA(font, sizeof logical, &logical));
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(logical.lfHeight, -MulDiv(12, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(logical.lfWeight, 700);
    EXPECT_TRUE(logical.lfItalic);
    EXPECT_STREQ(logical.lfFaceName, "Tahoma");

    EXPECT_EQ(yyfieldrecord(field(1016))->textColour, 255);
    EXPECT_EQ(yyfieldrecord(field(1016))->backColour, -1);
    EXPECT_EQ(yyfieldrecord(field(1017))->textColour, -1);
    EXPECT_EQ(yyfieldrecord(field(1017))->backColour, 255 * 65536);

    EXPECT_EQ(yyfieldrecord(field(1055))->state, FieldReadOnly);
    EXPECT_EQ(yyfieldrecord(field(1056))->state, FieldDisabled);
    EXPECT_EQ(yyfieldrecord(field(1057))->state, FieldHidden);
    EXPECT_EQ(yyfieldrecord(field(1001))->state, FieldEnabled);
    EXPECT_EQ(currentRecord()[DlgRootAccelerators], 1);
    EXPECT_EQ(currentRecord()[DlgGrowingControl], 0);
    EXPECT_EQ(currentRecord()[DlgLastCell], 0x40001);
}

TEST_F(DialogLoad, TabPagesTreeGridsAndPictures) {
    WDialogLoad(103);
    HWND tab = field(1020);
    ASSERT_EQ(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0), 2);
    char label[64];
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = label;
    item.cchTextMax = sizeof label;
    SendMessageA(tab, TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(label, "General");
    SendMessageA(tab, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(label, "Options");
    EXPECT_EQ(SendMessageA(tab, TCM_GETCURSEL, 0, 0), 1);
    int page = 0, f = 1020;
    yyfieldgettab(f, page);
    EXPECT_EQ(page, 2002);
    EXPECT_GT(yydialogfind(2001), 0);
    EXPECT_GT(yydialogfind(2002), 0);
    EXPECT_EQ(currentRecord()[DlgId], 103);  // the pages' loading leaves 103 current
    HWND page2001 = hDialogList[yydialogfind(2001)];
    EXPECT_EQ(SendMessageA(GetDlgItem(page2001, 2102), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(GetDlgItem(page2001, 2101), EM_GETLIMITTEXT, 0, 0), 12);

    f = 1040;
    int selected = 0;
    char name[64] = "";
    yyfieldgettree(f, selected, true, name, sizeof name);
    EXPECT_EQ(selected, 30012);
    EXPECT_STREQ(name, "Atlantic");
    HWND tree = field(1040);
    HTREEITEM oceans = yyTreeViewFind(tree, 30010);
    HTREEITEM seas = yyTreeViewFind(tree, 30020);
    ASSERT_NE(oceans, nullptr);
    ASSERT_NE(seas, nullptr);
    EXPECT_TRUE(TreeView_GetItemState(tree, oceans, TVIS_EXPANDED) & TVIS_EXPANDED);  // checked popup
    EXPECT_FALSE(TreeView_GetItemState(tree, seas, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_NE(yyTreeViewFind(tree, 30030), nullptr);

    EXPECT_TRUE(GetWindowLongA(field(1060), GWL_STYLE) & BS_BITMAP);
    EXPECT_NE(SendMessageA(field(1060), BM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    EXPECT_FALSE(GetWindowLongA(field(1061), GWL_STYLE) & BS_BITMAP);  // no picture: its text shows
}

TEST_F(DialogLoad, FieldTypesAndStates) {
    WDialogLoad(103);
    const std::pair<int, int> types[] = {
        {1016, FieldLabel},    {1017, FieldOtherStatic}, {1018, FieldGroupBox},  {1001, FieldString},
        {1003, FieldPushButton}, {1006, FieldCheckBox},  {1008, FieldRadioButton}, {1012, FieldComboBox},
        {1014, FieldListBox},  {1020, FieldTab},         {1030, FieldProgressBar}, {1031, FieldTrackbar},
        {1040, FieldTreeView}, {1, FieldPushButton},
    };
    for (auto [id, expected] : types) {
        int f = id, type = -1;
        yygetfieldtype(f, type);
        EXPECT_EQ(type, expected) << id;
    }
    int f = 4242, type = 0;
    yygetfieldtype(f, type);
    EXPECT_EQ(f, -1);
    EnableWindow(field(1057), FALSE);
    EXPECT_EQ(yyfieldstateof(field(1057)), FieldHidden);  // hidden wins over disabled
}

TEST_F(DialogLoad, HundredDialogsAtMostAndMissingTemplates) {
    for (int i = 0; i < 100; ++i) WDialogLoad(104, 5000 + i);
    EXPECT_EQ(lastError(), 0);
    EXPECT_EQ(nDialogs, 100);
    WDialogLoad(104, 6000);
    EXPECT_EQ(lastError(), 1087);
    EXPECT_EQ(nDialogs, 100);
    EXPECT_EQ(gravim.dialogs.currentDialog, 5099);
    WDialogLoad(104, 5010);  // loaded already: made current, nothing created
    EXPECT_EQ(lastError(), 0);
    EXPECT_EQ(currentRecord()[DlgId], 5010);
    yyunloadalldialogs();
    WDialogLoad(777);
    EXPECT_EQ(lastError(), 1007);
    EXPECT_EQ(nDialogs, 0);
}

TEST_F(DialogLoad, SelectingAndUnloading) {
    WDialogLoad(103);
    WDialogSelect(999);
    EXPECT_EQ(lastError(), 1008);
    EXPECT_EQ(gravim.dialogs.currentDialog, 103);
    WDialogSelect(2001);
    WDialogUnload();
    EXPECT_EQ(lastError(), 1069);  // a page of 103
    EXPECT_GT(yydialogfind(2001), 0);
    WDialogSelect(103);
    WDialogUnload();
    EXPECT_EQ(lastError(), 0);
    EXPECT_EQ(nDialogs, 0);  // its pages went with it
    WDialogPutString(1001, "x");
    EXPECT_EQ(lastError(), 1005);

    WDialogLoad(103);
    WDialogUnload(1);
    EXPECT_EQ(yydialogfind(103), -1);
    EXPECT_GT(yydialogfind(2001), 0);  // kept
}

// Removing an entry below the current one shifts the table: the current index must follow.
TEST_F(DialogLoad, CurrentIndexFollowsItsDialogWhenTheTableShifts) {
    WDialogLoad(104, 1);
    WDialogLoad(104, 2);
    WDialogLoad(104, 3);
    int index = yydialogfind(2);
    yydialogunload2(hDialogList[index], 0, index);
    EXPECT_EQ(nDialogs, 2);
    ASSERT_NE(yycurrentdialogwindow(), nullptr);
    EXPECT_EQ(currentRecord()[DlgId], 3);
}

TEST_F(DialogLoad, ATemplateLoadedUnderAnotherIdentifierKeepsItsCompanionText) {
    WDialogLoad(103, 203);
    EXPECT_EQ(gravim.dialogs.currentDialog, 203);
    EXPECT_EQ(currentRecord()[DlgId], 203);
    EXPECT_EQ(SendMessageA(field(1012), CB_GETCOUNT, 0, 0), 3);
}

// The menu reader with table index -1 (a dialog outside the table) selects the first item.
TEST_F(DialogLoad, CompanionTextOutsideTheTableSelectsTheFirstItem) {
    WDialogLoad(104);
    HWND dialog = yycurrentdialogwindow();
    yydialogkbn(dialog, 103, -1);  // 104 has no 1012: nothing happens
    WDialogLoad(103);
    HWND fixture = yycurrentdialogwindow();
    yydialogkbn(fixture, 103, -1);
    EXPECT_EQ(SendMessageA(GetDlgItem(fixture, 1012), CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(SendMessageA(GetDlgItem(fixture, 1014), LB_GETCURSEL, 0, 0), 0);
}

}  // namespace
