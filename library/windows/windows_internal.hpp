// windows_internal.hpp - portable internals of the window manager and the event model.
#pragma once

#include <cstddef>

#include "base/text.hpp"

// Key code of a virtual key (Windows numbering) with the modifier offset 0, 20 Shift or 40 Ctrl.
int yyinterpretkey(int key, int offset);
// True for a key that alone produces no key event (Shift, Ctrl, Alt, Pause and the locks).
bool yyissilentkey(int key);
// True for a numeric-keypad key, which keeps its keypad code even when it produced a character.
bool yyiskeypadkey(int key);
// Modifier state of a mouse message's key flags: 1 Ctrl, 2 Shift, 4 left, 8 middle, 16 right.
int yymousemodifiers(unsigned flags);

// The current window's client size in pixels, the scale of the window units (the graphics layer
// follows a resize of the current window).
void yysetclientsize(int width, int height);
// The current window by number alone, for the native stand-in of the drawing targets.
void yysetcurrentwindow(int n);

// The switch of an event type (0 for a type outside 1..16).
int yyinfomessage(int type);
// Puts every switch back to its default (wMessageDefault).
void yyresetswitches();
// Empties every parked entry.
void yyclearparked();
// Empties the parked entry of window n (0..50); the window closed or its event was taken.
void yyforgetparked(int n);
// Copies the slot's words into the parked entry of window n under the given type.
void yyparkslot(int n, int type);

// The 18 window-text colours WindowOpen sets (RGBValue: red + 256 green + 65536 blue); the last
// two are the system's text and window colours, filled in by the caller.
extern const int yystandardtextcolours[16];

// Window-text colours (indices into the colour table), underline, and the font: the requested
// cell in pixels goes in, the font's average width and height come back. Natively they only
// record the request.
void yysetfontcolour(int foreground, int background);
void yysetfontunderline(int flag);
void yycreatefont(int family, int bold, int italic, int& width, int& height);

// Small text services (terminated texts).
int yystrlen(const char* text);       // length up to the last non-blank character
int yysubstrlen(const char* text);    // characters before the first blank or the end
void yystrctof(const char* text, char* buffer, int n);  // copy into n characters, blank-padded
int yyAsciiToInt(const char* text);   // optional "-" and decimal digits; no digits gives 0
int yysizeofmenuiteminfo();           // menu-item record size: 44 on 32-bit, 72 on 64-bit

// Which bell command a WindowBell text is: -1 switch off, 1 switch on, 0 ring.
int yybellcommand(std::string_view text);
