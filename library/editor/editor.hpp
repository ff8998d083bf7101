// editor.hpp - the text editor's operations: turning the current child window into a text
// editor, rich-text editor or browser, and reading and changing its text, positions, flags and
// formats. Unless a routine names a window it works on the editor in the current window.
// Positions are caller positions: a line end counts as two characters (CR LF).
#pragma once

// Makes the current child window an editor, or opens one more buffer in it. status is written
// only when a condition arises: 1 no child window current, 2 an application menu is not used
// with mode 1, 3 the menu resource is missing, 4 a modeless editor with a menu inside a parent
// that is no top-level host, 5 an inside child cannot be modal or semi-modeless (mode := 2), 6
// no memory, 7 no command line in mode 1, 8 another special window, 11 the client area holds
// windows, 12 35 buffers open. mode 1 modal, 2 modeless, 3 semi-modeless.
void yyeditfile(int& status, int& mode, int& menu, int& options, int& fontType, int& fontSize, int& filterIndex,
                int& hostWindow, const char* fileName, const char* filter);
// The current buffer's file-type filter index; status 1 when the current window is no editor.
void yyeditfilterindex(int& index, int& status);

void yyeditputtext(int& status, const char* text);
void yyeditputtextpart(int& from, int& to, const char* text);
void yyeditgettext(int& status, int& size, char* text);
void yyeditgettextpart(int& from, int& count, char* text);
void yyeditinfo(int& window, int& code, int& value);
void yyeditinfostring(int& window, int& code, int& length, char* text, int& size);
void yyeditconvertpos(int& direction, int& value, int& result);
void yyeditselect(int& from, int& to);
void yyeditsetflags(int& saved, int& changed);
void yyeditclearundo();
void yyeditsettop(int& line);
void yyeditsetpos(int& position);
void yyeditsetbackup(int& flag);
void yyeditsave(int& saveAs);
void yyeditfont(int& type, int& size, int& status);
void yyeditformattext(int& status, int& from, int& to, int& bold, int& italic, int& underline, int& strikeout,
                      int& size, int& colour, int& backColour, const char* face);
void yyeditformatpara(int& status, int& from, int& to, int& bullets, int& align);
void yyeditshowhide(int& show);
void yyeditredraw(int& window);

// Buffers (the stored buffers of a multi-buffer editor). `window` 0..50, `buffer` 1..35.
// A stored name reads back without trailing blanks, NUL-closed and blank-padded to `length`.
void yyeditstorebuffername(int window, int buffer, const char* name, int length);
void yyeditgetbuffername(int window, int buffer, char* name, int length);
void yyeditgetsave(int window, int buffer, int& saved);
int yyeditswap(int window, int from, int to);
void yyeditstorebuffer(int window, int buffer);
void yyeditretrievebuffer(int window, int buffer);
void yyeditclosebuffer(int window, int buffer);
// Switches the current window's multi-buffer editor to `buffer`: status 0, 1 no editor, 2 no
// multi-buffer editor or no such buffer.
void yyeditselectbuffer(int& buffer, int& status);

// The current editor's whole content as the control writes it (RTF in a rich-text editor, else
// text): its length in bytes (1 without an editor), a copy of at most `size` bytes of it, and
// its replacement by `length` bytes.
void yyeditcountrtf(int& length);
void yyeditgetrtf(char* destination, int& size);
void yyeditputrtf(int& length, const char* source);

// The command line and its history (index 0 the newest entry). Statuses as each routine names
// them: 1028 no editor, 1032 no command line, 1092 no history.
// The prompt left of the line, as wide as its first `length` characters: 0, 1 no editor, 2 no line.
void yyeditprompt(int& status, const char* text, int& length);
// The line's text with the caret at `caret`: 0, 1028, 1032.
void yyeditputcommand(int& status, const char* text, int& caret);
// At most size - 1 characters of the line and a NUL: 0, 2 the line was longer, 3 no line, 1 no editor.
void yyeditgetcommand(int& status, char* text, int& size);
void yyeditcheckhistory(int& status);  // 0 with a history, 1092 without, 1028 no editor
void yyeditclearhistory(int& status);  // 0, 2 no history, 1 no editor
// Inserts an entry at `index` (-1 the end).
void yyeditputhistory(int& index, const char* text);
// Entry `index` cut to size - 1 characters and a NUL (empty when there is none).
void yyeditgethistory(int& index, char* text, int& size);

// Colouring: from now on the current editor draws its text itself in the ranges the
// application's yyeditparsecallback gives for each line.
void yyeditsetcallback();
// The application's colouring routine (the library's own colours nothing): for the line of
// `lineLength` characters, with `selFrom`..`selTo` its selected columns from 1 (-1 none), fills
// at most `maxRanges` ranges (columns from 1, end inclusive; colour an RGB value or -1 for the
// highlight colours) and their `count`.
void yyeditparsecallback(int& window, int& selFrom, int& selTo, int& maxRanges, int* starts, int* ends, int* colours,
                         int& count, const char* line, int& lineLength);

// Finding: the find (which 1) or replace text of the current editor, at most 1023 characters;
// the options in library coding (2 case-insensitive, 4 upwards, 16 whole words). Status 0, or
// 1028 when the current window is no editor.
void yyeditfindstring(int& which, int& status, const char* text);
void yyeditfindflags(int& flags, int& status);

// Printing with page-setup set 0 (the application's) or 1 (the Print menu's).
// Prints the current editor's text, or caller positions from..to when 0 <= from < to, with set
// 0; title names the job. status 1 printed, 0 not printed or no editor.
void yyeditprintprog(int& status, int& from, int& to, const char* title);
// The page-setup dialog for a set; units -1 by the locale, 0 or 1 inches, 2 or more
// millimetres. result 1 OK, 0 Cancel.
void yyeditprintsetup(int& units, int& set, int& result);
// The print area in points: code 1 width, 2 height, 3 left margin, 4 top margin, 5 orientation
// (0 portrait, 1 landscape; setting 2 or 3 also turns the area to match).
void yyeditprintgetpossize(int& code, int& value, int& set);
void yyeditprintsetpossize(int& code, int& value, int& set);
