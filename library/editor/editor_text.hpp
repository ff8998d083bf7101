// editor_text.hpp - the editor's rules that need no window: preparing a text file for the
// control, walking caller positions (a line end counts twice) to control positions (once), the
// View menu labels, the title and save-question texts, the file-type filter list and the
// library coding of the find options.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Limits of the editor's texts, counted without the closing NUL.
constexpr std::size_t EditorPathLength = 259;    // a file name
constexpr std::size_t EditorTitleLength = 1023;  // the composed title, the find and replace texts
constexpr std::size_t EditorFilterLength = 1000; // the file-type filter list

// A text file as the control receives it: every NUL a blank, a last Ctrl-Z dropped. A control of
// the second generation or later takes a text starting "{\r" for RTF: with at least five bytes
// the text is inserted from its fourth character first and the first three in front of it
// afterwards (guarded); a shorter one goes in whole.
struct PreparedText {
    std::string text;
    bool guarded = false;
};
PreparedText yyeditpreparetext(std::string_view file, int richEditVersion);

// True when a file is read and written as RTF: a rich-text editor and a name whose last four
// characters are ".rtf" in any case (a name shorter than four characters compared whole).
bool yyeditisrtfname(std::string_view name, bool richText);

// Walks the control's text from a known pair of positions (control `internal`, caller
// `external`) to the control positions of caller positions a and b. The control text holds a
// line end as one CR; a caller position on the LF of a line end maps to the CR. The walk stops
// when both are found or past max(a, b) + 1; positions past the text map past its end.
struct PositionWalk {
    int controlA = -1, controlB = -1;
    int internal = 0, external = 0;  // the pair where the walk stopped (the new cache)
};
PositionWalk yyeditwalkpositions(std::string_view controlText, int internal, int external, int a, int b);

// The number of CR characters among the first `count` characters of a control text.
int yyeditcountlineends(std::string_view controlText, int count);

// The View menu label of buffer n (1..35): "&1 " .. "&9 ", "&A " .. "&Z ", then the name or
// "Untitled".
std::string yyeditviewlabel(int buffer, std::string_view name);

// The frame title: the window title, then (when a name shows) " - [" name " *" "]", the
// brackets only with a window title; at most EditorTitleLength characters.
std::string yyedittitletext(std::string_view windowTitle, std::string_view fileName, bool hideFileName,
                            bool modifiedMark);
// Status part 4 of a frame without caption: the name and " *", or nothing.
std::string yyeditstatusname(std::string_view fileName, bool hideFileName, bool modifiedMark);
// The save question, with the name when it shows (at most EditorPathLength characters of it).
std::string yyeditsavequestion(std::string_view fileName, bool hideFileName);

// The Open and Save As filter list: the caller's pairs with every occurrence of its last
// character turned into a NUL (at most EditorFilterLength characters taken), closed by a NUL;
// an empty filter gives the built-in list (RTF first in a rich-text editor).
std::string yyeditfilterlist(std::string_view filter, bool richText);

// Find options in library coding (2 case-insensitive, 4 upwards, 16 whole words).
int yyeditfindcode(bool matchCase, bool down, bool wholeWord);

// Copies a text into a caller's buffer of `size` characters: at most size - 1 characters and a
// NUL. Returns false when the text was cut. Nothing is written when size < 1.
bool yyeditcopyout(char* destination, int size, std::string_view text);
