// number_fields.cpp - numbers in fixed-width fields.
#include "hardcopy/number_fields.hpp"

#include <cmath>
#include <cstdio>

namespace {

std::string padded(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string separated(std::string field, int width) {
    if (static_cast<int>(field.size()) > width || field.empty() || field.front() != ' ') field.insert(0, 1, ' ');
    return field;
}

}  // namespace

std::string integerField(long long value, int width, int minimumDigits) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%0*lld", minimumDigits + (value < 0 ? 1 : 0), value);
    return padded(digits, width);
}

std::string fixedField(double value, int width, int decimals) {
    if (!std::isfinite(value)) value = 0;
    std::string text(400, '\0');
    text.resize(static_cast<std::size_t>(std::snprintf(text.data(), text.size(), "%.*f", decimals, value)));
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);  // no "-0.00"
    const std::size_t zero = text.front() == '-' ? 1 : 0;
    if (static_cast<int>(text.size()) > width && text.compare(zero, 2, "0.") == 0) text.erase(zero, 1);
    return padded(text, width);
}

std::string separatedField(long long value, int width) { return separated(integerField(value, width), width); }

std::string separatedFixed(double value, int width, int decimals) {
    return separated(fixedField(value, width, decimals), width);
}

long long truncated(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 4e18) return 4000000000000000000LL;  // differences of two stay in range
    if (value <= -4e18) return -4000000000000000000LL;
    return static_cast<long long>(value);
}
