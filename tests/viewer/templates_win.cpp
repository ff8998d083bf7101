// templates_win.cpp - the viewer's dialog templates and companion texts as the program carries
// them: titles, the fields each dialog's logic names, real fields, level and date lists.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "dialogs/companion.hpp"

namespace {

struct Control {
    int id;
    std::string className;
    std::string text;
    DWORD style;
};

struct Template {
    std::string title;
    std::vector<Control> controls;
};

// Reads a sz_Or_Ord field of a template; ordinals come back as "#<number>".
std::string readnameorordinal(const WORD*& at) {
    if (*at == 0) {
        ++at;
        return {};
    }
    if (*at == 0xFFFF) {
        std::string ordinal = "#" + std::to_string(at[1]);
        at += 2;
        return ordinal;
    }
    std::string text;
    while (*at != 0) text += static_cast<char>(*at++);
    ++at;
    return text;
}

const WORD* alignto4(const WORD* at) {
    return reinterpret_cast<const WORD*>((reinterpret_cast<UINT_PTR>(at) + 3) & ~UINT_PTR(3));
}

Template readtemplate(int id) {
    Template result;
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));  // RT_DIALOG
    if (found == nullptr) return result;
    const WORD* at = static_cast<const WORD*>(LockResource(LoadResource(nullptr, found)));
    EXPECT_EQ(at[1], 0xFFFF) << "dialog " << id << " is not an extended template";
    DWORD style = *reinterpret_cast<const DWORD*>(at + 6);
    WORD count = at[8];
    at += 13;
    readnameorordinal(at);  // menu
    readnameorordinal(at);  // class
    result.title = readnameorordinal(at);
    if (style & DS_SETFONT) {
        at += 3;
        readnameorordinal(at);
    }
    static const std::map<std::string, std::string> classes = {
        {"#128", "BUTTON"}, {"#129", "EDIT"}, {"#130", "STATIC"}, {"#133", "COMBOBOX"}};
    for (WORD i = 0; i < count; ++i) {
        at = alignto4(at);
        Control control;
        control.style = *reinterpret_cast<const DWORD*>(at + 4);
        control.id = static_cast<int>(*reinterpret_cast<const DWORD*>(at + 10));
        at += 12;
        control.className = readnameorordinal(at);
        if (auto known = classes.find(control.className); known != classes.end()) control.className = known->second;
        control.text = readnameorordinal(at);
        at = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(at + 1) + *at);
        result.controls.push_back(control);
    }
    return result;
}

std::string companiontext(int id) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (found == nullptr) return {};
    return std::string(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                       SizeofResource(nullptr, found));
}

// What the companion text of one dialog gives.
struct Companion : CompanionSink {
    struct Menu {
        int count, selection;
        std::vector<std::string> items;
    };
    std::map<int, Menu> menus;
    std::map<int, std::string> formats;
    std::map<int, std::pair<double, double>> ranges;
    std::map<int, int> checks;
    std::map<int, std::string> fonts;
    void menu(int control, int count, int selection, const std::vector<std::string>& items) override {
        menus[control] = {count, selection, items};
    }
    void format(int control, std::string_view format) override { formats[control] = format; }
    void range(int control, double low, double high) override { ranges[control] = {low, high}; }
    void check(int control, int state) override { checks[control] = state; }
    void font(int control, int points, std::string_view face, int weight, int) override {
        fonts[control] = std::string(face) + " " + std::to_string(points) + " " + std::to_string(weight);
    }
};

Companion companion(int id) {
    Companion result;
    yyreadcompanion(companiontext(id), result);
    return result;
}

const Control* find(const Template& dialog, int id) {
    for (const Control& control : dialog.controls)
        if (control.id == id) return &control;
    return nullptr;
}

TEST(DialogTemplates, TitlesAndTheFieldsTheLogicNames) {
    struct Dialog {
        int id;
        const char* title;
        std::vector<int> fields;
    } dialogs[] = {
        {103, "Map View Parameters - Quorvale",
         {1052, 1014, 1105, 1106, 1010, 1036, 1037, 1017, 1055, 1019, 1038, 1020, 1039, 1018, 1109, 1110, 1025,
          1064, 1029, 1065, 1045, 1056, 1057, 1058, 1059, 1060, 1073, 1075, 1077, 1078, 1012, 1126, 1035, 1076, 2,
          1009, 1067, 1031, 1033, 1027, 1114, 1030, 1043, 1048, 1026, 1028}},
        {104, "Time Series Parameters - Quorvale",
         {1052, 1014, 1105, 1106, 1010, 1036, 1027, 1114, 1030, 1043, 1047, 1055, 1019, 1037, 1017, 1038, 1020,
          1039, 1018, 1025, 1064, 1029, 1065, 1073, 1075, 1077, 1078, 1012, 1126, 1035, 1076, 2, 1046, 1023, 1115,
          1009, 1067, 1031, 1033}},
        {105, "Vertical Section parameters - Quorvale",
         {1052, 1014, 1105, 1106, 1027, 1114, 1010, 1036, 1030, 1043, 1040, 1055, 1019, 1037, 1017, 1038, 1020,
          1039, 1018, 1109, 1110, 1062, 1063, 1025, 1064, 1029, 1065, 1073, 1075, 1077, 1078, 1012, 1126, 1035,
          1076, 2, 1009, 1067, 1031, 1033}},
        {106, "Setup paths - Quorvale", {1003, 1117, 1118, 1119, 1028, 1031, 1026, 1120, 1121, 1122, 1123, 2}},
        {107, "Quorvale", {1028, 1079, 1081, 1083, 1080, 1082, 1084, 1042, 1085, 1086, 1, 2}},
        {108, "Global Vedu Quorvale",
         {1006, 1007, 1008, 1054, 1087, 1, 1124, 1032, 1088, 1002, 1074, 1016, 1004, 1005, 2001, 2003, 2004, 2005,
          1104, 2006, 1021, 1072, 1050, 1049, 1070}},
        {109, "Line Drawing Parameters - Quorvale",
         {1052, 1014, 1105, 1106, 1010, 1036, 1047, 1055, 1019, 1037, 1017, 1038, 1020, 1039, 1018, 1025, 1064,
          1029, 1065, 1027, 1114, 1030, 1043, 1012, 1126, 1035, 1076, 2, 1015, 1024, 1026, 1028, 1046, 1023, 1009,
          1067, 1031, 1033}},
        {110, "Derived product parameters-Quorvale",
         {1052, 1014, 1037, 1017, 1055, 1019, 1038, 1020, 1039, 1018, 1025, 1064, 1029, 1065, 1045, 1010, 1036,
          1009, 1031, 1033, 1034, 1048, 1073, 1075, 1077, 1078, 1035, 1076, 2, 1013, 1015, 1024, 1026, 1028, 1044}},
        {111, "Update Quorvale",
         {1089, 1022, 1090, 1099, 1092, 1091, 1093, 1094, 1095, 1096, 1097, 1098, 1100, 1101, 1102, 1103, 1066,
          1113, 1116, 1001, 1068, 1}},
        {112, "quorvale output information", {1004, 1125, 1127, 1128, 1009, 1}},
    };
    for (const Dialog& expected : dialogs) {
        Template dialog = readtemplate(expected.id);
        EXPECT_EQ(dialog.title, expected.title);
        std::set<int> seen;
        for (const Control& control : dialog.controls) {
            if (control.id == -1) continue;  // captions no routine names
            EXPECT_TRUE(seen.insert(control.id).second) << "dialog " << expected.id << " repeats " << control.id;
        }
        for (int field : expected.fields) EXPECT_TRUE(seen.count(field)) << "dialog " << expected.id << " lacks " << field;
    }
    EXPECT_EQ(readtemplate(101).controls.size(), 0u);  // the other edition's welcome dialog is left out
}

TEST(DialogTemplates, RealFieldsCarryTheirTextFormatAndRange) {
    struct Field {
        int dialog, id;
        const char* text;
        const char* format;
        double high;
    } fields[] = {
        {103, 1037, "25.00", "(f5.2)", 70}, {103, 1055, "60.00", "(f5.2)", 70},
        {103, 1038, "130.00", "(f6.2)", 360}, {103, 1039, "250.00", "(f6.2)", 400},
        {104, 1055, "40.00", "(f5.2)", 70}, {104, 1037, "40.00", "(f5.2)", 70},
        {104, 1038, "140.00", "(f6.2)", 400}, {104, 1039, "140.00", "(f6.2)", 400},
        {105, 1055, "60.00", "(f5.2)", 70}, {105, 1037, "65.00", "(f5.2)", 70},
        {105, 1038, "140.00", "(f6.2)", 360}, {105, 1039, "140.00", "(f6.2)", 400},
        {109, 1055, "40.00", "(f5.2)", 70}, {109, 1037, "40.00", "(f5.2)", 70},
        {109, 1038, "140.00", "(f6.2)", 360}, {109, 1039, "140.00", "(f6.2)", 400},
        {110, 1037, "25.00", "(f5.2)", 70}, {110, 1055, "25.00", "(f5.2)", 70},
        {110, 1038, "120.00", "(f6.2)", 360}, {110, 1039, "290.00", "(f6.2)", 400},
    };
    for (const Field& expected : fields) {
        SCOPED_TRACE(std::to_string(expected.dialog) + "/" + std::to_string(expected.id));
        const Control* control = find(readtemplate(expected.dialog), expected.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->className, "REALEDIT");
        EXPECT_EQ(control->text, expected.text);
        Companion texts = companion(expected.dialog);
        EXPECT_EQ(texts.formats[expected.id], expected.format);
        EXPECT_EQ(texts.ranges[expected.id], std::make_pair(0.0, expected.high));
    }
}

TEST(DialogTemplates, ListsAndSelectionsAtLoad) {
    const std::vector<std::string> levels = {"0",   "100", "200",  "300",  "400",  "500",  "600", "700",
                                             "800", "900", "1000", "1250", "1500", "1750", "2000"};
    struct List {
        int dialog, id, count, selection;
        const char* first;
        const char* last;
    } lists[] = {
        {103, 1052, 8, 1, "Temperature - Vedu data", "Sea Surface Temperature - Reynolds data"},
        {103, 1014, 8, 1, "Property", "Monthly average with station distribution"},
        {103, 1025, 12, 6, "January", "December"},      {103, 1064, 12, 5, "2004", "2015"},
        {103, 1065, 13, -999, "2004", ""},              {103, 1045, 2, 2, "Land with 200m and 1000m bathymetry  (slower)", "Land only  (faster)"},
        {103, 1059, 3, 2, "1", "3"},                    {103, 1019, 2, 2, "N", "S"},
        {104, 1052, 9, 1, "Vedu temperature (pressure vs. time)", "Reynolds sea surface temperature (time vs. longitude)"},
        {104, 1014, 4, 1, "Property", ""},              {104, 1047, 1, 1, "Choose  location", "Choose  location"},
        {104, 1036, 15, 15, "0", "2000"},               {104, 1029, 12, 6, "January", "December"},
        {105, 1040, 2, 1, "North - South", "East - West"}, {105, 1036, 15, 15, "0", "2000"},
        {106, 1122, 2, 1, "no", "yes"},
        {109, 1052, 15, 1, "Vedu temperature vs time", "Reynolds SST vs time"},
        {109, 1036, 15, 2, "0", "2000"},                {110, 1014, 2, 1, "Product", "Product + station distribution"},
        {110, 1025, 12, 8, "January", "December"},
    };
    for (const List& expected : lists) {
        SCOPED_TRACE(std::to_string(expected.dialog) + "/" + std::to_string(expected.id));
        Companion texts = companion(expected.dialog);
        ASSERT_TRUE(texts.menus.count(expected.id));
        const Companion::Menu& menu = texts.menus[expected.id];
        EXPECT_EQ(menu.count, expected.count);
        EXPECT_EQ(menu.selection, expected.selection);
        ASSERT_EQ(static_cast<int>(menu.items.size()), expected.count);
        EXPECT_EQ(menu.items.front(), expected.first);
        EXPECT_EQ(menu.items.back(), expected.last);
    }
    // Every level menu holds the 15 standard levels.
    for (int dialog : {103, 104, 105, 109, 110})
        for (int id : {1010, 1036}) EXPECT_EQ(companion(dialog).menus[id].items, levels) << dialog << "/" << id;
}

TEST(DialogTemplates, GroupsChecksFontsAndStatesAtLoad) {
    Companion main = companion(108);
    EXPECT_EQ(main.checks[1006], 1);
    EXPECT_EQ(main.fonts[1004], "MS Sans Serif 12 700");
    EXPECT_EQ(main.fonts[1005], "MS Sans Serif 10 400");
    for (int radio : {1006, 1007, 1008, 1054, 1087}) EXPECT_EQ(main.fonts[radio], "Arial 10 400");
    for (int dialog : {103, 104, 105, 109}) {
        EXPECT_EQ(companion(dialog).fonts[1027], "MS Sans Serif 8 700");
        EXPECT_EQ(companion(dialog).checks[1105], 1);
    }
    // The radio buttons of one group follow each other, the first one starting the group.
    Template dialog = readtemplate(108);
    std::vector<int> order;
    for (const Control& control : dialog.controls)
        if ((control.style & 0xF) == BS_AUTORADIOBUTTON && control.className == "BUTTON") order.push_back(control.id);
    EXPECT_EQ(order, (std::vector<int>{1006, 1007, 1008, 1054, 1087}));
    EXPECT_TRUE(find(dialog, 1006)->style & WS_GROUP);
    // Fields that start disabled.
    EXPECT_TRUE(find(readtemplate(103), 1077)->style & WS_DISABLED);
    EXPECT_TRUE(find(readtemplate(106), 1118)->style & WS_DISABLED);
    for (int id : {1009, 1010, 1031, 1036, 1033, 1034}) EXPECT_TRUE(find(readtemplate(110), id)->style & WS_DISABLED) << id;
}

}  // namespace
