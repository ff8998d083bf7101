// editformat.cpp - the edit-format writer: parses one edit descriptor and writes an integer or
// a floating value right-justified into a field at the start of a text.
#include "base/editformat.hpp"

#include <algorithm>
#include <bit>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace {

// Widths and digit counts saturate here while parsing, so a long run of digits cannot overflow;
// a field this wide is wider than any text we are given.
constexpr int NumberCap = 1000000;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Walks a format text skipping blanks, which are insignificant anywhere in a format.
class FormatReader {
public:
    explicit FormatReader(std::string_view text) : text_(text.substr(0, text.find('\0'))) {}

    // The next non-blank character, or NUL at the end.
    char peek() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void skip() { ++pos_; }
    bool take(char c) {
        if (upperAscii(peek()) != c) return false;
        skip();
        return true;
    }
    std::optional<int> number() {
        if (!isDigit(peek())) return std::nullopt;
        int value = 0;
        for (char c = peek(); isDigit(c); c = peek()) {
            value = std::min(value * 10 + (c - '0'), NumberCap);
            skip();
        }
        return value;
    }
    bool atEnd() { return peek() == '\0'; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::optional<EditKind> kindOf(char letter) {
    switch (upperAscii(letter)) {
        case 'I': return EditKind::Integer;
        case 'F': return EditKind::Fixed;
        case 'E': return EditKind::Exponent;
        case 'G': return EditKind::General;
        default: return std::nullopt;
    }
}

// The exact decimal expansion of a finite non-negative double: value = 0.digits x 10^exponent,
// digits without leading or trailing zeros, empty for zero. Exact digits make the rounding below
// the same on every platform, whatever its floating-point unit.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal exactDecimal(double magnitude) {
    Decimal result;
    if (magnitude == 0) return result;
    // A double is m x 2^k with m odd: below 2^53 it has exactly -k decimal places (the last one a
    // 5) and an integer part of at most 16 digits; from 2^53 up it is an integer of at most 309
    // digits. So a fixed expansion with that many places is the exact value, and costs only the
    // digits there are (a scientific one long enough for every double writes 780 digits).
    int binaryExponent = 0;
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(std::frexp(magnitude, &binaryExponent), 53));
    binaryExponent -= 53;
    while ((mantissa & 1) == 0) {
        mantissa >>= 1;
        ++binaryExponent;
    }
    const int places = binaryExponent < 0 ? -binaryExponent : 0;
    char buffer[1200];  // 1074 places below 2^53, or 309 digits
    auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, places);
    std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));  // ddd.ddd or ddd
    const std::size_t point = std::min(text.find('.'), text.size());
    result.digits.reserve(text.size());
    result.digits.append(text.substr(0, point));
    if (point < text.size()) result.digits.append(text.substr(point + 1));
    // value = 0.digits x 10^exponent with the integer part's digits before the point
    const std::size_t first = result.digits.find_first_not_of('0');
    result.exponent = static_cast<int>(point) - static_cast<int>(first);
    result.digits.erase(0, first);
    result.digits.erase(result.digits.find_last_not_of('0') + 1);
    return result;
}

// Adds one to a string of digits; 999 becomes 1000.
void increment(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The first count digits of the expansion (zeros past its end), rounded half away from zero at
// the digit after them; one digit longer when the rounding carries. Empty when count < 0.
std::string roundedDigits(const Decimal& exact, int count) {
    if (count < 0) return {};
    std::size_t keep = static_cast<std::size_t>(count);
    std::string head = exact.digits.substr(0, std::min(keep, exact.digits.size()));
    head.resize(keep, '0');
    char following = keep < exact.digits.size() ? exact.digits[keep] : '0';
    if (following >= '5') increment(head);
    return head;
}

// Concatenation by appending (also keeps GCC 12 from a false overlap warning on operator+).
std::string joined(std::initializer_list<std::string_view> parts) {
    std::string result;
    for (std::string_view part : parts) result.append(part);
    return result;
}

std::string padLeft(std::string field, int width, char pad = ' ') {
    std::size_t size = static_cast<std::size_t>(width);
    if (field.size() < size) field.insert(0, size - field.size(), pad);
    return field;
}

// Each builder gives its field right-justified in exactly width characters, or nothing when the
// value does not fit.
using Field = std::optional<std::string>;

Field integerField(int value, int width, int minimumDigits) {
    if (minimumDigits > width) return std::nullopt;
    std::int64_t wide = value;  // so that the most negative value has a magnitude
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, wide < 0 ? -wide : wide).ptr;
    const auto count = static_cast<std::size_t>(end - digits);
    const std::size_t minimum = static_cast<std::size_t>(minimumDigits);
    const std::size_t zeros = count < minimum ? minimum - count : 0;
    const std::size_t length = (wide < 0 ? 1 : 0) + zeros + count;
    const std::size_t size = static_cast<std::size_t>(width);
    if (length > size) return std::nullopt;
    // Built in place, right-justified, like a fixed field.
    std::string field(size - length, ' ');
    if (wide < 0) field.push_back('-');
    field.append(zeros, '0');
    field.append(digits, count);
    return field;
}

// The number of binary places of a finite magnitude m x 2^-places, m odd (0 for an integer).
int binaryPlaces(double magnitude) {
    if (magnitude == 0) return 0;
    int binaryExponent = 0;
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(std::frexp(magnitude, &binaryExponent), 53));
    binaryExponent += std::countr_zero(mantissa) - 53;
    return binaryExponent < 0 ? -binaryExponent : 0;
}

// round(magnitude x 10^decimals), half away from zero, as digits without leading zeros (empty
// for zero). to_chars rounds the exact value correctly but takes a tie to even; a tie occurs only
// when the magnitude has exactly decimals + 1 binary places (its value x 10^decimals is then an odd
// number of halves), and those digits it writes exactly, so the tie is rounded up here. This is
// the rounding of the exact expansion without building it (a fixed field is most of a grid's save).
std::string roundedUnits(double magnitude, int decimals) {
    const bool tie = binaryPlaces(magnitude) == decimals + 1;
    const int written = tie ? decimals + 1 : decimals;
    char small[400];  // 309 integer digits, the point and 89 places
    std::string large;
    char* buffer = small;
    std::size_t capacity = sizeof small;
    if (static_cast<std::size_t>(written) + 311 > capacity) {
        large.resize(static_cast<std::size_t>(written) + 311);
        buffer = large.data();
        capacity = large.size();
    }
    auto end = std::to_chars(buffer, buffer + capacity, magnitude, std::chars_format::fixed, written).ptr;
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));  // ddd.ddd or ddd
    const std::size_t point = std::min(text.find('.'), text.size());
    std::string digits(text.substr(0, point));
    if (point < text.size()) digits.append(text.substr(point + 1));
    if (tie) {
        assert(digits.back() == '5');
        digits.pop_back();
        increment(digits);
    }
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    return digits;
}

Field fixedField(double value, int width, int decimals) {
    if (width < 1 || decimals + 1 > width) return std::nullopt;
    bool negative = value < 0;
    // round(|value| x 10^decimals) as digits: the last `decimals` of them follow the point
    const std::string units = roundedUnits(std::fabs(value), decimals);
    const std::size_t places = static_cast<std::size_t>(decimals);
    const std::size_t wholeDigits = units.size() > places ? units.size() - places : 0;
    std::size_t length = (negative ? 1 : 0) + wholeDigits + 1 + places;
    const std::size_t size = static_cast<std::size_t>(width);
    const bool leadingZero = wholeDigits == 0 && length < size;  // only where there is room for it
    if (leadingZero) ++length;
    if (length > size) return std::nullopt;
    // Built in place, right-justified: a field of a usual width needs no allocation.
    std::string field(size - length, ' ');
    if (negative) field.push_back('-');
    if (leadingZero) field.push_back('0');
    field.append(units, 0, wholeDigits);
    field.push_back('.');
    if (units.size() < places) field.append(places - units.size(), '0');
    field.append(units, wholeDigits, std::string::npos);
    return field;
}

// "E+dd" (or E and exponentDigits digits), or a sign and three digits without the letter when a
// format without Ee meets an exponent beyond 99.
std::optional<std::string> exponentText(int exponent, int exponentDigits) {
    std::string magnitude = std::to_string(exponent < 0 ? -exponent : exponent);
    std::string_view sign = exponent < 0 ? "-" : "+";
    if (exponentDigits == 0) {
        if (magnitude.size() <= 2) return joined({"E", sign, padLeft(magnitude, 2, '0')});
        if (magnitude.size() == 3) return joined({sign, magnitude});
        return std::nullopt;
    }
    if (magnitude.size() > static_cast<std::size_t>(exponentDigits)) return std::nullopt;
    return joined({"E", sign, padLeft(magnitude, exponentDigits, '0')});
}

Field exponentField(double value, int width, int digits, int exponentDigits) {
    // the shortest possible field: point, digits and four exponent characters (or E, sign, e)
    long shortest = 1L + digits + (exponentDigits == 0 ? 4L : 2L + exponentDigits);
    if (shortest > width) return std::nullopt;
    bool negative = value < 0;
    Decimal exact = exactDecimal(std::fabs(value));
    std::string mantissa(static_cast<std::size_t>(digits), '0');
    int exponent = 0;  // zero is written with the exponent +00
    if (!exact.digits.empty()) {
        mantissa = roundedDigits(exact, digits);
        exponent = exact.exponent;
        if (mantissa.size() > static_cast<std::size_t>(digits)) {  // 0.999.. rounded up to 1.00..
            mantissa.pop_back();
            ++exponent;
        }
    }
    auto tail = exponentText(exponent, exponentDigits);
    if (!tail) return std::nullopt;
    std::size_t length = (negative ? 1 : 0) + 1 + mantissa.size() + tail->size();
    std::size_t size = static_cast<std::size_t>(width);
    if (length > size) return std::nullopt;
    std::string_view lead = length < size ? "0" : "";
    return padLeft(joined({negative ? "-" : "", lead, ".", mantissa, *tail}), width);
}

// Fixed form for magnitudes that round into 0.1 .. below 10^d, trailed by the blanks an
// exponent would have taken; exponent form otherwise.
Field generalField(double value, int width, int digits, int exponentDigits) {
    if (digits + 1 > width) return std::nullopt;  // no form is shorter; bounds the work below
    int trail = exponentDigits == 0 ? 4 : exponentDigits + 2;
    int decimals = digits - 1;  // zero is written with d-1 decimals
    if (value != 0) {
        Decimal exact = exactDecimal(std::fabs(value));
        std::string rounded = roundedDigits(exact, digits);
        // 10^(k-1) <= rounded magnitude < 10^k
        int k = exact.exponent + (rounded.size() > static_cast<std::size_t>(digits) ? 1 : 0);
        if (k < 0 || k > digits) return exponentField(value, width, digits, exponentDigits);
        decimals = digits - k;
    }
    Field fixed = fixedField(value, width - trail, decimals);
    if (!fixed) return std::nullopt;
    fixed->append(static_cast<std::size_t>(trail), ' ');
    return fixed;
}

// The field at the start of the text, blanks after it; asterisks across the field when the
// value did not fit.
void placeField(TextRef text, int width, const Field& field) {
    text.blank();
    std::size_t size = static_cast<std::size_t>(width);
    if (field) {
        std::copy_n(field->data(), std::min(field->size(), text.size()), text.data());
    } else {
        std::fill(text.data(), text.data() + size, '*');
    }
}

}  // namespace

std::optional<EditFormat> yyparseeditformat(std::string_view format) {
    FormatReader in(format);
    if (!in.take('(')) return std::nullopt;
    auto kind = kindOf(in.peek());
    if (!kind) return std::nullopt;
    in.skip();

    EditFormat result;
    result.kind = *kind;
    auto width = in.number();
    if (!width || *width < 1) return std::nullopt;
    result.width = *width;

    bool hasDigits = in.take('.');
    if (hasDigits) {
        auto digits = in.number();
        if (!digits) return std::nullopt;
        result.digits = *digits;
    }
    bool floating = result.kind == EditKind::Exponent || result.kind == EditKind::General;
    if (floating && in.take('E')) {
        auto exponentDigits = in.number();
        if (!exponentDigits || *exponentDigits < 1) return std::nullopt;
        result.exponentDigits = *exponentDigits;
    }
    if (!in.take(')') || !in.atEnd()) return std::nullopt;

    if (result.kind != EditKind::Integer && !hasDigits) return std::nullopt;
    if (floating && result.digits < 1) return std::nullopt;
    return result;
}

namespace {

// The writers are called with the same few formats cell after cell (a grid's columns, a save), so
// the last formats parsed are kept with their texts; a format longer than a slot is parsed anew.
std::optional<EditFormat> parsedFormat(std::string_view format) {
    struct Slot {
        char text[32];
        std::size_t length = 0;
        bool used = false;
        std::optional<EditFormat> edit;
    };
    constexpr std::size_t Slots = 4;
    thread_local Slot slots[Slots];
    thread_local std::size_t next = 0;
    if (format.size() > sizeof Slot::text) return yyparseeditformat(format);
    for (const Slot& slot : slots)
        if (slot.used && std::string_view(slot.text, slot.length) == format) return slot.edit;
    Slot& slot = slots[next];
    next = (next + 1) % Slots;
    std::copy(format.begin(), format.end(), slot.text);
    slot.length = format.size();
    slot.used = true;
    slot.edit = yyparseeditformat(format);
    return slot.edit;
}

}  // namespace

int yyeditinteger(int value, TextRef text, std::string_view format) {
    auto edit = parsedFormat(format);
    if (!edit || edit->kind != EditKind::Integer) return EditBadFormat;
    if (static_cast<std::size_t>(edit->width) > text.size()) return EditTooLong;
    placeField(text, edit->width, integerField(value, edit->width, edit->digits));
    return EditWritten;
}

int yyeditreal(double value, TextRef text, std::string_view format) {
    auto edit = parsedFormat(format);
    if (!edit || edit->kind == EditKind::Integer) return EditBadFormat;
    if (static_cast<std::size_t>(edit->width) > text.size()) return EditTooLong;
    Field field;  // infinities and NaN fit no field
    if (std::isfinite(value)) {
        switch (edit->kind) {
            case EditKind::Fixed: field = fixedField(value, edit->width, edit->digits); break;
            case EditKind::Exponent:
                field = exponentField(value, edit->width, edit->digits, edit->exponentDigits);
                break;
            default:
                field = generalField(value, edit->width, edit->digits, edit->exponentDigits);
                break;
        }
    }
    placeField(text, edit->width, field);
    return EditWritten;
}

bool yyeditaccept(int status, TextRef text, std::string_view format) {
    bool overflow = status == EditWritten && text.view().find('*') != std::string_view::npos &&
                    format.find('*') == std::string_view::npos;
    if (status == EditWritten && !overflow) return true;
    yyeditasterisks(text);
    return false;
}

void yyeditasterisks(TextRef text) {
    text.blank();
    std::fill(text.data(), text.data() + std::min<std::size_t>(10, text.size()), '*');
}
