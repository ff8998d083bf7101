// numeric_internal.hpp - the rules of the numeric edit fields (library-internal, portable).
// Which keys a field takes, and when it refuses to give up the focus.
#pragma once

#include <string_view>

// The three families of numeric classes; the spin variants follow their edit class.
enum class NumericKind { Integer, Real, Double };

// What a typed character does in a numeric field.
enum class NumericKey {
    Insert,     // the character (possibly changed, see yynumericchar) goes into the text
    Pass,       // a control character the edit control handles itself
    SelectAll,  // Ctrl+A: the whole text is selected
    Refuse,     // beep and drop it
};

// Decides on character c (as the system delivers it, 0..255) typed into a field of that kind;
// decimal is the decimal character the field shows ("." or the locale's). An accepted exponent
// letter is stored upper-case: c is changed to "E" or "D".
NumericKey yynumericchar(NumericKind kind, int& c, char decimal);

// What the range check knows about a field leaving the focus.
struct NumericCheck {
    std::string_view text;  // the field's text (at most 255 characters are looked at)
    bool hasRange = false;  // lower bound <= upper bound
    double lower = 0, upper = 0;
    bool defined = false;   // the field held a value (after a put or a non-empty entry)
    bool strict = false;    // the focus goes to another window, or the check is forced
};
// True when the field must keep the focus: a number outside its range, a text that is not a
// number (only when strict), or an empty text in a field that had a value and has a range.
bool yynumericrefuses(const NumericCheck& check);
