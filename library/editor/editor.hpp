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
