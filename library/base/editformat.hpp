// editformat.hpp - the edit-format writer (library-internal): one descriptor in parentheses,
// "(Iw)", "(Iw.m)", "(Fw.d)", "(Ew.d)", "(Ew.dEe)", "(Gw.d)", "(Gw.dEe)", letters in either case.
#pragma once

#include <optional>
#include <string_view>

#include "base/text.hpp"

enum class EditKind { Integer, Fixed, Exponent, General };

struct EditFormat {
    EditKind kind = EditKind::Integer;
    int width = 0;           // w
    int digits = 0;          // m (Iw.m: minimum digits), or d
    int exponentDigits = 0;  // e of Ee; 0 when absent
};

// Status of a formatted write, kept in error slot 2 by the writers that record it.
constexpr int EditWritten = 0;
constexpr int EditBadFormat = 1;  // not one descriptor we know, or the wrong one for the value
constexpr int EditTooLong = 2;    // the field is wider than the target text

// The descriptor of a format text; nothing for anything else. Blanks are ignored, a NUL ends it.
std::optional<EditFormat> yyparseeditformat(std::string_view format);

// Write value at position 1 of text, blanks after it. A value that does not fit its field is
// written as asterisks (status EditWritten). On another status text is left untouched.
int yyeditinteger(int value, TextRef text, std::string_view format);
int yyeditreal(double value, TextRef text, std::string_view format);

// The public writers' verdict on a write: false when the status is a failure or the field shows
// overflow asterisks that the format itself does not hold; the text then becomes ten asterisks
// (as many as fit) followed by blanks.
bool yyeditaccept(int status, TextRef text, std::string_view format);

// Ten asterisks, or as many as fit, then blanks.
void yyeditasterisks(TextRef text);
