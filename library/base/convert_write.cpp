// convert_write.cpp - writing numbers into texts with edit formats: the public writers, the
// left-justified NUL-terminated writers for edit controls, and the re-formatters.
#include <algorithm>
#include <cstring>

#include "base/convert.hpp"
#include "base/convert_internal.hpp"
#include "base/editformat.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "base/strings.hpp"

namespace {

constexpr int ConversionError = 18;
constexpr std::string_view IntegerFormat = "(I11)";

// Moves the written characters (from the first that is neither blank nor NUL to the last
// non-blank one) to position 1, blanks after them, and a NUL right after them where there is room.
void leftJustifyWithNul(TextRef text) {
    std::size_t used = text.used();
    int located = ilocatechar(text.view().substr(0, used));
    std::size_t start = located == 0 ? used : static_cast<std::size_t>(located - 1);
    std::size_t count = used - start;
    if (count > 0) std::memmove(text.data(), text.data() + start, count);
    std::fill(text.data() + count, text.data() + text.size(), ' ');
    if (count < text.size()) text[count] = '\0';
}

// An edit control's text after a failed write: the asterisks, then a NUL where there is room.
void asterisksWithNul(TextRef text) {
    yyeditasterisks(text);
    if (text.size() > 10) text[10] = '\0';
}

// Ends a write for an edit control; the status of the write is kept in error slot 2.
void finishControlText(int status, TextRef text, std::string_view routine) {
    gravim.core.fileStatus = status;
    if (status != EditWritten) {
        asterisksWithNul(text);
        yyerror(ConversionError, routine);
        return;
    }
    leftJustifyWithNul(text);
}

// Ends a re-formatted text: left-justified, with a NUL after its last non-blank character.
void finishReformatted(TextRef text) {
    ijustifystring(text, "L");
    std::size_t used = text.used();
    if (used < text.size()) text[used] = '\0';
}

}  // namespace

void IntegerToString(int value, TextRef text, std::string_view format) {
    if (!yyeditaccept(yyeditinteger(value, text, format), text, format)) {
        yyerror(ConversionError, "IntegerToString");
    }
}

void IRealToString(float value, TextRef text, std::string_view format) {
    if (!yyeditaccept(yyeditreal(value, text, format), text, format)) {
        yyerror(ConversionError, "IRealToString");
    }
}

void IDoubleToString(double value, TextRef text, std::string_view format) {
    if (!yyeditaccept(yyeditreal(value, text, format), text, format)) {
        yyerror(ConversionError, "IDoubleToString");
    }
}

// These show a field overflow as its asterisks: only a failed write is an error.
void yydbl2st(double value, TextRef text, std::string_view format) {
    finishControlText(yyeditreal(value, text, format), text, "yydbl2st");
}

void yyrea2st(float value, TextRef text, std::string_view format) {
    finishControlText(yyeditreal(value, text, format), text, "yyrea2st");
}

void yyint2st(int value, TextRef text) {
    // Only a text shorter than the eleven positions of the format can fail.
    if (yyeditinteger(value, text, IntegerFormat) != EditWritten) {
        text.fill('*');
        yyerror(ConversionError, "yyint2st");
        return;
    }
    leftJustifyWithNul(text);
}

// The re-formatters read before they write, since both use the same text; nothing they call
// reports, so the error slots and the debug level stay as they were.
void yyformr(TextRef text, std::string_view format) {
    float value = 0;
    yyst2rea(value, text.view());
    yyeditaccept(yyeditreal(value, text, format), text, format);
    finishReformatted(text);
}

void yyformd(TextRef text, std::string_view format) {
    double value = 0;
    yyst2dbl(value, text.view());
    yyeditaccept(yyeditreal(value, text, format), text, format);
    finishReformatted(text);
}

void yyformi(TextRef text) {
    double value = 0;
    yyst2dbl(value, text.view());
    int whole = yydbl2int(value);
    yyeditaccept(yyeditinteger(whole, text, IntegerFormat), text, IntegerFormat);
    finishReformatted(text);
}
