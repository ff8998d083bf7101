// levels.hpp - the vertical coordinate of the plot dialogs: level-menu texts as numbers, level
// limits with their messages, the level items offered, unit captions, the vertical-unit and
// fill-level groups, and west longitudes turned into degrees east.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "resources/velquonids.h"
#include "viewerport.hpp"

constexpr int VerticalPressure = 1;
constexpr int VerticalDepth = 2;
constexpr int TimeArchive = 1;
constexpr int TimeRealTime = 2;

constexpr int FieldUpperLevel = IDC_UPPER_LEVEL;
constexpr int FieldLowerLevel = IDC_LOWER_LEVEL;
constexpr int FieldPressureButton = IDC_PRESSURE_BUTTON;
constexpr int FieldFillDefault = IDC_FILL_DEFAULT;
constexpr int FieldFillSpecify = IDC_FILL_SPECIFY;
constexpr int FieldFillText = IDC_FILL_TEXT;
constexpr int FieldFillExample = IDC_FILL_EXAMPLE;
constexpr int FillTextLength = 44;
constexpr int DepthItemCount = 15;

// The level of a menu text: the nearest integer to the number in its first four characters.
void menutodepthinteger(int item, int& level, std::string_view text, int verticalMode);

// The box of a level beyond the limit of the time and vertical mode; nothing when both pass.
std::optional<ViewerMessage> depthlimitmessage(int verticalMode, int upper, int lower, int timeMode);
// Shows that box; failure 1 after a box, else 0.
void checkdepthdbarorm(ViewerPort& port, int verticalMode, int upper, int lower, int timeMode, int& failure);

// The number of level items offered with real-time data (7 pressure, 6 depth); each value 0
// becomes 1 and each value above n becomes n.
void realtimedepth(int& first, int& second, int verticalMode, int& n);

// The 15 level items of the vertical mode: "0" .. "1750" and "2000" (pressure) or "1900".
std::vector<std::string> depthtexts(int verticalMode);
// Unit captions and labels of the vertical mode; fills the caller's list.
void dbarorm(ViewerPort& port, int verticalMode, int grey, std::vector<std::string>& depthList);
// Reads the unit and the selected levels, sets the captions and puts the level items back with
// their selections: all 15, or with real-time data the ones it reaches.
void levelmenus(ViewerPort& port, int timeMode, int grey);
// Sets the 12 fields of the vertical-unit group to state.
void vertunitmode(ViewerPort& port, int state);
// The fill-level fields: the text field only for "Specify levels" of an unchanged property.
void filllevelcheck(ViewerPort& port, int property, int previousProperty, std::string_view example);

// Mode 1 turns a west longitude (letter item 2) into degrees east and the letter into "E".
void longconv(float& longitude, int& letterItem, int mode);
