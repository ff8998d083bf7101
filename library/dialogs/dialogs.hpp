// dialogs.hpp - dialogs loaded from resources and the values of their fields (public routines).
// Every field routine works on the current dialog, chosen with WDialogLoad or WDialogSelect;
// failures are reported through the error slots (1005 no current dialog, 1006 no such field).
#pragma once

#include <optional>
#include <string_view>

#include "base/text.hpp"

// FieldType: what kind of control a field is.
enum FieldType : int {
    FieldOther = 0,
    FieldLabel = 1,
    FieldOtherStatic = 2,
    FieldGroupBox = 3,
    FieldString = 4,
    FieldInteger = 5,
    FieldReal = 6,
    FieldDouble = 7,
    FieldPushButton = 8,
    FieldCheckBox = 9,
    FieldRadioButton = 10,
    FieldComboBox = 11,
    FieldListBox = 12,
    FieldTab = 13,
    FieldProgressBar = 14,
    FieldGrid = 15,
    FieldTrackbar = 16,
    FieldTreeView = 17,
};

// FieldState.
enum FieldState : int { FieldDisabled = 0, FieldEnabled = 1, FieldReadOnly = 2, FieldHidden = 3 };

// Loading, selecting and unloading. A dialog is loaded hidden and becomes current; identifier
// names it (default: its resource number); owner is the WindowNumber whose client area owns it.
void WDialogLoad(int resource, std::optional<int> identifier = std::nullopt, int owner = 0);
void WDialogSelect(int identifier);
void WDialogUnload(int keepPages = 0);

// Showing: the plain modeless show and hide (position in window units, -1 centres).
void WDialogShow(int x = -1, int y = -1, int focusField = 0, int mode = 2);
void WDialogHide();

// Texts and numbers.
void WDialogPutString(int field, std::string_view text);
void WDialogGetString(int field, TextRef text);
void WDialogGetStringLength(int field, int& length);
void WDialogPutInteger(int field, int value);
void WDialogPutReal(int field, float value, std::optional<std::string_view> format = std::nullopt);
void WDialogPutDouble(int field, double value, std::optional<std::string_view> format = std::nullopt);
void WDialogGetInteger(int field, int& value);
void WDialogGetReal(int field, float& value);
void WDialogRangeInteger(int field, std::optional<int> lower = std::nullopt, std::optional<int> upper = std::nullopt);

// Check boxes and radio groups.
void WDialogPutCheckBox(int field, int state);
void WDialogGetCheckBox(int field, int& state);
void WDialogPutRadioButton(int field);
void WDialogGetRadioButton(int field, int& position);

// Lists and combo boxes: items are blank-padded texts; option counts from 1.
void WDialogPutMenu(int field, const TextRef* items, int count, int option,
                    std::optional<std::string_view> text = std::nullopt);
void WDialogGetMenu(int field, int& option, TextRef* text = nullptr);
inline void wdialogputmenu1(int field, const TextRef* items, int count, int option,
                            std::optional<std::string_view> text = std::nullopt) {
    WDialogPutMenu(field, items, count, option, text);
}
inline void wdialoggetmenu1(int field, int& option, TextRef* text = nullptr) { WDialogGetMenu(field, option, text); }

// States, colours, images, clearing, focus, title.
void WDialogFieldState(int field, int state);
void WDialogColour(int field, std::optional<int> textColour = std::nullopt,
                   std::optional<int> backgroundColour = std::nullopt);
inline void wdialogcolour1(int field, std::optional<int> textColour = std::nullopt,
                           std::optional<int> backgroundColour = std::nullopt) {
    WDialogColour(field, textColour, backgroundColour);
}
void WDialogPutImage(int field, int identifier, int kind = 1);
void WDialogClearField(int field);
void WDialogSetField(int field, std::optional<int> position = std::nullopt);
void WDialogTitle(std::optional<std::string_view> title = std::nullopt, std::optional<int> icon = std::nullopt);

// The values an undefined field gives (each absent argument keeps its value).
void wdialogundefined(std::optional<int> integer = std::nullopt, std::optional<float> real = std::nullopt,
                      std::optional<double> dbl = std::nullopt);
