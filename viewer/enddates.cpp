// enddates.cpp - the end-date files written by the plotting program's dates script.
// Only the first 10 lines count, each taken as its first 35 characters (blank-padded).
#include "enddates.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "commandline.hpp"
#include "viewerfile.hpp"

namespace {

constexpr int LinesRead = 10;
constexpr int LineWidth = 35;
constexpr int LastKeywordStart = 20;  // a keyword counts only when it starts at 1..20

// One line of at most 35 characters, blank-padded, at line[1..35]; false at the end of the file.
bool readline35(std::FILE* file, std::array<char, LineWidth + 1>& line) {
    std::string text;
    if (!readtextline(file, text, LineWidth)) return false;
    line.fill(' ');
    std::memcpy(&line[1], text.data(), std::min<std::size_t>(text.size(), LineWidth));
    return true;
}

// line is 1-based: line[1..35].
bool keywordat(const std::array<char, LineWidth + 1>& line, int start, std::string_view keyword) {
    if (start + static_cast<int>(keyword.size()) - 1 > LineWidth) return false;
    return std::memcmp(&line[static_cast<std::size_t>(start)], keyword.data(), keyword.size()) == 0;
}

// Position of the first colon from first to 35, or 0.
int colonfrom(const std::array<char, LineWidth + 1>& line, int first) {
    for (int i = std::max(first, 1); i <= LineWidth; ++i)
        if (line[static_cast<std::size_t>(i)] == ':') return i;
    return 0;
}

// Reads an integer as a formatted integer read would: optional sign, then digits only.
bool readinteger(std::string_view text, int& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    int result = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        result = result * 10 + (text[i] - '0');
    }
    value = negative ? -result : result;
    return true;
}

std::FILE* openin(std::string_view qvtmp, int qvtmpLength, std::string_view name) {
    Text<MaxViewerPath> path;
    createfilename(name, path, qvtmp, qvtmpLength, 0);
    return viewerfopen(path.os(), "rb");
}

}  // namespace

void readrealtimedate(std::FILE* file, TextRef realTimeDate) {
    std::array<char, LineWidth + 1> line;
    for (int n = 0; n < LinesRead && readline35(file, line); ++n) {
        int start = 0;
        for (int p = LastKeywordStart; p >= 1 && start == 0; --p)
            if (keywordat(line, p, "TIME")) start = p;
        if (start == 0) continue;
        int colon = colonfrom(line, start + 4);
        if (colon != 0 && realTimeDate.size() >= 12) {
            for (int k = 0; k < 11; ++k) {
                int p = colon + 2 + k;
                realTimeDate[static_cast<std::size_t>(1 + k)] = p <= LineWidth ? line[static_cast<std::size_t>(p)] : ' ';
            }
        }
        return;
    }
}

int readtxtdate(std::FILE* file) {
    int value = DefaultEndIndex;
    std::array<char, LineWidth + 1> line;
    for (int n = 0; n < LinesRead && readline35(file, line); ++n) {
        for (int p = LastKeywordStart; p >= 1; --p) {
            if (!keywordat(line, p, "SUBSET")) continue;
            int colon = colonfrom(line, p + 6);
            if (colon == 0) continue;
            value = DefaultEndIndex;
            int first = colon + 2;
            int count = 0;
            while (count < 11 && first + count <= LineWidth && line[static_cast<std::size_t>(first + count)] != ' ')
                ++count;
            if (count < 1 || count > 3) continue;
            int read = 0;
            if (readinteger(std::string_view(&line[static_cast<std::size_t>(first)], static_cast<std::size_t>(count)), read))
                value = read;
            std::fclose(file);
            return value;
        }
    }
    std::fclose(file);
    return value;
}

void getenddates(int& veduEnd, int& avisoEnd, int& reynoldsEnd, TextRef realTimeDate, std::string_view,
                 int, std::string_view qvtmp, int qvtmpLength) {
    struct DataSet {
        const char* file;
        int& end;
    };
    for (DataSet set : {DataSet{"\\VeduEndDate.txt", veduEnd}, DataSet{"\\AvisoEndDate.txt", avisoEnd},
                        DataSet{"\\ReynoldsEndDate.txt", reynoldsEnd}}) {
        set.end = DefaultEndIndex;
        if (std::FILE* file = openin(qvtmp, qvtmpLength, set.file)) set.end = readtxtdate(file);
    }
    if (std::FILE* file = openin(qvtmp, qvtmpLength, "\\RTDate.txt")) {
        readrealtimedate(file, realTimeDate);
        std::fclose(file);
    }
}

void writedate(int monthIndex, TextRef date, TextRef monthName, int& year, TextRef monthYear) {
    static constexpr const char* shortNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    static constexpr const char* fullNames[] = {"  January", " February", "    March", "    April",
                                                "      May", "     June", "     July", "   August",
                                                "September", "  October", " November", " December"};
    date.blank();
    monthName.blank();
    monthYear.blank();
    year = 2004 + (monthIndex - 1) / 12;
    int month = monthIndex - 12 * ((monthIndex - 1) / 12);
    char number[3] = "00";
    if (month >= 1 && month <= 12) {
        date.slice(1, 3).assign(shortNames[month - 1]);
        monthName.assign(fullNames[month - 1]);
        number[0] = static_cast<char>('0' + month / 10);
        number[1] = static_cast<char>('0' + month % 10);
    }
    monthYear.slice(1, 2).assign(number);
    if (year >= 2004 && year <= 2104) {
        std::string digits = std::to_string(year);
        date.slice(5, 8).assign(digits);
        monthYear.slice(3, 6).assign(digits);
    }
}
