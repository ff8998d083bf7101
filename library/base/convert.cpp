// convert.cpp - reading numbers from texts: the public readers, and the silent readers behind
// numeric edit controls and grid cells.
#include "base/convert.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "base/convert_internal.hpp"
#include "base/errors_internal.hpp"
#include "base/strings.hpp"

namespace {

// Error numbers of the readers.
constexpr int ReadOk = 0;
constexpr int TooLarge = 4;
constexpr int NoWord = 10;
constexpr int TwoDecimalMarks = 11;
constexpr int InvalidCharacter = 12;

constexpr double LargestReal = 3.4028234663852886e38;

// The two flavours of the one real-number reader.
struct NumberRules {
    long long maxExponent;
    bool letterD;  // D and d mark an exponent too
};
constexpr NumberRules RealRules{38, false};
constexpr NumberRules DoubleRules{308, true};

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isDecimalMark(char c) { return c == '.' || c == ','; }

// The first blank-delimited word; empty when the text is blank.
std::string_view wordOf(std::string_view text) {
    int first = 0, last = 0;
    ilocatestring(text, first, last);
    if (first == 0) return {};
    return text.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1));
}

// Edit-control texts end at their first NUL.
std::string_view beforeNul(std::string_view text) { return text.substr(0, text.find('\0')); }

int readInteger(std::string_view text, int& result) {
    result = 0;
    std::string_view word = wordOf(text);
    if (word.empty()) return NoWord;
    bool negative = word[0] == '-';
    if (word[0] == '-' || word[0] == '+') word.remove_prefix(1);
    for (char c : word) {
        if (!isDigit(c)) return InvalidCharacter;
    }
    // Leading zeros count as digits.
    if (word.size() > 10 || (word.size() == 10 && word[0] > '2')) return TooLarge;
    std::int64_t sum = 0;
    for (char c : word) {
        sum = sum * 10 + (c - '0');
        if (sum > 2147483647) return TooLarge;
    }
    result = static_cast<int>(negative ? -sum : sum);
    return ReadOk;
}

// Where the exponent of a word starts: the first E (else e, and for a double else D, else d),
// else a sign exactly three characters before the end that is not the word's first character
// (a letterless three-digit exponent, as in 0.12346+100). npos when there is none.
std::size_t exponentPosition(std::string_view word, const NumberRules& rules) {
    std::string_view letters = rules.letterD ? "EeDd" : "Ee";
    for (char letter : letters) {
        std::size_t at = word.find(letter);
        if (at != std::string_view::npos) return at;
    }
    for (char sign : {'+', '-'}) {
        std::size_t at = word.find(sign);  // only the first one of each sign is considered
        if (at != std::string_view::npos && at > 0 && at + 4 == word.size()) return at;
    }
    return std::string_view::npos;
}

// One part of a number (mantissa or exponent) with its sign split off.
struct Part {
    bool negative = false;
    std::string_view digits;  // digits and, in a mantissa, at most one decimal mark
};

int splitPart(std::string_view text, bool mantissa, Part& part) {
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        part.negative = text[0] == '-';
        text.remove_prefix(1);
    }
    part.digits = text;
    int marks = 0;
    for (char c : text) {
        if (isDigit(c)) continue;
        if (!isDecimalMark(c) || !mantissa) return InvalidCharacter;
        if (++marks > 1) return TwoDecimalMarks;
    }
    return ReadOk;
}

// Digits standing before the part's decimal mark (all of them when it has none).
std::size_t wholeDigits(const Part& part) {
    std::size_t mark = part.digits.find_first_of(".,");
    return mark == std::string_view::npos ? part.digits.size() : mark;
}

// The exponent's value, saturated far beyond any range so that long digit runs cannot overflow.
long long exponentValue(const Part& part) {
    long long value = 0;
    for (char c : part.digits) value = std::min(value * 10 + (c - '0'), 1000000000LL);
    return part.negative ? -value : value;
}

// The procedure behind IStringToReal and IStringToDouble, without the final rounding to single
// precision. The value comes from the decimal digits correctly rounded, so it is the same on
// every platform; the range rules work on the decimal exponents.
int readNumber(std::string_view text, const NumberRules& rules, double& result) {
    result = 0;
    std::string_view word = wordOf(text);
    if (word.empty()) return NoWord;

    std::size_t at = exponentPosition(word, rules);
    bool hasExponent = at != std::string_view::npos;
    Part mantissa, exponent;
    std::string_view exponentText;
    if (hasExponent) {
        bool letter = word[at] != '+' && word[at] != '-';
        exponentText = word.substr(letter ? at + 1 : at);
    }
    if (int error = splitPart(word.substr(0, at), true, mantissa)) return error;
    if (int error = splitPart(exponentText, false, exponent)) return error;

    std::size_t limit = static_cast<std::size_t>(rules.maxExponent + 1);
    if (wholeDigits(mantissa) > limit || exponent.digits.size() > limit) return TooLarge;

    std::size_t whole = wholeDigits(mantissa);
    std::string digits(mantissa.digits.substr(0, whole));
    if (whole < mantissa.digits.size()) digits.append(mantissa.digits.substr(whole + 1));
    std::size_t leading = digits.find_first_not_of('0');
    if (leading == std::string::npos) return ReadOk;  // a zero mantissa is 0 whatever the exponent
    digits.erase(0, leading);
    digits.erase(digits.find_last_not_of('0') + 1);

    // 10^top <= |mantissa| < 10^(top+1)
    long long top = static_cast<long long>(whole) - 1 - static_cast<long long>(leading);
    long long power = hasExponent ? exponentValue(exponent) : 0;
    if (hasExponent) {
        // The mantissa is normalised by q = trunc(log10|mantissa| - 1) and the range rules apply
        // to the exponent after it; log10 is an integer only for a power of ten.
        bool powerOfTen = digits == "1";
        long long q = (top >= 1 || powerOfTen) ? top - 1 : top;
        if (power + q > rules.maxExponent) return TooLarge;
        if (power + q < -rules.maxExponent) return ReadOk;
    }

    long long scale = top + power - static_cast<long long>(digits.size() - 1);
    std::string decimal = digits + "e" + std::to_string(scale);
    double value = 0;
    auto parsed = std::from_chars(decimal.data(), decimal.data() + decimal.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        if (top + power < 0) return ReadOk;  // too small for a double: 0
        return TooLarge;
    }
    if (parsed.ec != std::errc() || !std::isfinite(value)) return TooLarge;
    result = mantissa.negative ? -value : value;
    return ReadOk;
}

int readReal(std::string_view text, float& result) {
    double value = 0;
    int error = readNumber(text, RealRules, value);
    if (error == ReadOk && std::fabs(value) > LargestReal) error = TooLarge;
    result = error == ReadOk ? static_cast<float>(value) : 0.0f;
    return error;
}

}  // namespace

void IStringToInteger(std::string_view text, int& result) {
    if (int error = readInteger(text, result)) yyerror(error, "IStringToInteger");
}

void IStringToReal(std::string_view text, float& result) {
    if (int error = readReal(text, result)) yyerror(error, "IStringToReal");
}

void IStringToDouble(std::string_view text, double& result) {
    if (int error = readNumber(text, DoubleRules, result)) yyerror(error, "IStringToReal");
}

void INextInteger(TextRef text, int& result) {
    int first = 0, last = 0;
    ilocatestring(text.view(), first, last);
    if (first == 0) {
        result = 0;
        yyerror(NoWord, "INextInteger");
        return;
    }
    IStringToInteger(text.view(), result);
    text.slice(static_cast<std::size_t>(first), static_cast<std::size_t>(last)).blank();
}

void INextReal(TextRef text, float& result) {
    int first = 0, last = 0;
    ilocatestring(text.view(), first, last);
    if (first == 0) {
        result = 0;
        yyerror(NoWord, "INextReal");
        return;
    }
    IStringToReal(text.view(), result);
    text.slice(static_cast<std::size_t>(first), static_cast<std::size_t>(last)).blank();
}

void yyst2dbl(double& result, std::string_view text) {
    readNumber(beforeNul(text), DoubleRules, result);
}

void yyst2rea(float& result, std::string_view text) { readReal(beforeNul(text), result); }

void yyst2dblcheck(double& result, int& valid, std::string_view text) {
    valid = readNumber(beforeNul(text), DoubleRules, result) == ReadOk ? 1 : 0;
}

void yyst2int(int& result, std::string_view text) {
    // Read through a double rather than a real, so integers beyond 2^24 keep every digit.
    double value = 0;
    readNumber(beforeNul(text), RealRules, value);
    result = yydbl2int(value);
}

int yydbl2int(double value) {
    double whole = std::trunc(value);
    // Outside the 32-bit range the conversion would be undefined: such values are unreadable.
    if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) return 0;
    return static_cast<int>(whole);
}
