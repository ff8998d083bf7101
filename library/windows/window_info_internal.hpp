// window_info_internal.hpp - the portable rules behind the information queries, and the
// operating-system queries they ask (library-internal).
#pragma once

#include <string_view>

// True when a directory text is a drive's root: a letter, ":" and "\" and nothing more.
bool yyisdriveroot(std::string_view directory);
// The reported drive type for the system's type code: 0 none or undetermined, 1 removable,
// 2 fixed, 3 remote, 4 CD-ROM, 5 RAM disk.
int yyreporteddrivetype(int systemCode);

// The operating-system queries behind WInfoWindow and WInfoDialog, also used by page setup
// (answered by the Windows layer only).
// Position (modes 0, 2) or outer size (1, 3) of the current window (0, 1) or current dialog
// (2, 3); child 1 and the parent's WindowNumber when it is a child window, else both 0.
void yygetwindowpos(int mode, int& first, int& second, int& child, int& parent);
// Screen position of the current window's client area.
void yygetclientpos(int& x, int& y);
// 0 minimised, 1 normal, 2 maximised, 3 hidden.
void yygetminmaxstate(int& state);
// Client size and position the current window has or will have when restored.
void yygetrestwinsize(int& width, int& height, int& x, int& y, int& child, int& parent);
// System colour item 6..26 as an RGBValue (other items leave colour unchanged).
void yygetsyscolor(int item, int& colour);
void yygetmousebuttons(int& count);
// Cursor code: kind 1 of window ident, kind 3 of the current graphics field, else the default.
void yygetmousecursor(int& code, int kind, int ident);
// As WInfoDialog item 10.
void yygetdialogtype(int& type);
// Path of a special folder (shell folder code); unchanged when the shell cannot tell.
void yygetfolderpath(int code, char* text, int size);
void yygetsystemdir(char* text, int size);
// 1: the database state text, 2: the database message text.
void yygetsqlerrorstr(int which, char* text, int size);
// 1 while desktop composition is on.
void yygetdwmstate(int& state);
