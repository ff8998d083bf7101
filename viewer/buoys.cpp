// buoys.cpp - the virtual-buoy table and its fixed-column reader.
#include "buoys.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "viewerfile.hpp"

BuoyRecord buoytable[MaxBuoys];

constexpr std::size_t BuoyLineLength = 111;  // columns the format reads

namespace {

// A numeric field as a formatted read takes it: blanks ignored, all blanks read as 0.
void digitsof(std::string_view field, std::string& digits) {
    digits.clear();
    for (char c : field)
        if (c != ' ') digits += c;
}

// The digits of a field (at most 12 of a field's width) as a wide integer, signed.
bool readwidefield(std::string_view field, long long& value) {
    std::string digits;
    digitsof(field, digits);
    value = 0;
    if (digits.empty()) return true;
    std::size_t i = digits[0] == '+' || digits[0] == '-' ? 1 : 0;
    if (i == digits.size() || digits.size() - i > 18) return false;
    for (std::size_t k = i; k < digits.size(); ++k) {
        if (digits[k] < '0' || digits[k] > '9') return false;
        value = value * 10 + (digits[k] - '0');
    }
    if (digits[0] == '-') value = -value;
    return true;
}

// An integer field; a value outside int's range does not fit the format.
bool readintegerfield(std::string_view field, int& value) {
    long long wide = 0;
    if (!readwidefield(field, wide) || wide < std::numeric_limits<int>::min() || wide > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(wide);
    return true;
}

// An F12.2 field: a decimal point in the field wins; without one the last two digits are decimals.
bool readrealfield(std::string_view field, float& value) {
    std::string digits;
    digitsof(field, digits);
    if (digits.empty()) {
        value = 0;
        return true;
    }
    std::size_t point = digits.find('.');
    if (point == std::string::npos) {
        long long whole = 0;
        if (!readwidefield(digits, whole)) return false;
        value = static_cast<float>(static_cast<double>(whole) / 100.0);
        return true;
    }
    long long integer = 0;
    std::string before = digits.substr(0, point), after = digits.substr(point + 1);
    bool negative = !before.empty() && before[0] == '-';
    if (!before.empty() && before != "-" && before != "+" && !readwidefield(before, integer)) return false;
    for (char c : after)
        if (c < '0' || c > '9') return false;
    double fraction = after.empty() ? 0.0 : std::stod("0." + after);
    value = static_cast<float>(std::abs(integer) + fraction) * (negative ? -1.0f : 1.0f);
    return true;
}

bool readrecord(const std::string& line, BuoyRecord& record) {
    auto field = [&line](std::size_t first, std::size_t width) {
        return first >= line.size() ? std::string_view() : std::string_view(line).substr(first, width);
    };
    record.name.assign(field(0, 34));
    return readintegerfield(field(34, 6), record.south) && readintegerfield(field(40, 8), record.north) &&
           readintegerfield(field(48, 8), record.west) && readintegerfield(field(56, 8), record.east) &&
           readrealfield(field(64, 12), record.pointLatitude) && readrealfield(field(76, 12), record.pointLongitude) &&
           readintegerfield(field(88, 11), record.first) && readintegerfield(field(99, 12), record.second);
}

}  // namespace

void readbuoy(std::FILE* file, int& n) {
    n = 0;
    std::string line;
    while (n < MaxBuoys && readtextline(file, line, BuoyLineLength) && readrecord(line, buoytable[n])) ++n;
}

void buoycompare(float latitude, float longitude, int n, int& result) {
    result = 0;
    for (int i = 2; i <= std::min(n, MaxBuoys); ++i) {
        const BuoyRecord& box = buoytable[i - 1];
        if (box.south - BuoyMargin <= latitude && latitude <= box.north + BuoyMargin &&
            box.west - BuoyMargin <= longitude && longitude <= box.east + BuoyMargin) {
            result = i;
            return;
        }
    }
}

void scancity(int, int i, TextRef name) {
    name.blank();
    if (i < 1 || i > MaxBuoys) return;
    std::string doubled;
    for (char c : buoytable[i - 1].name.view()) {
        doubled += c;
        if (c == '\'') doubled += c;
    }
    name.assign(doubled);
}
