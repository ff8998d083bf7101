// strings.cpp - small text routines: case, word location, justification, case-blind search,
// option letters and little-endian byte strings.
#include "base/strings.hpp"

#include <cstdint>

#include "base/strings_internal.hpp"

namespace {

// ASCII only: accented letters and other bytes of the upper half stay as they are.
char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameNoCase(std::string_view text, std::size_t at, std::string_view substring) {
    for (std::size_t i = 0; i < substring.size(); ++i) {
        if (upperAscii(text[at + i]) != upperAscii(substring[i])) return false;
    }
    return true;
}

// Moves count characters from position from to position to (0-based), one at a time, each
// source blanked before its character lands; the direction never overwrites unmoved content.
void moveContent(TextRef text, std::size_t from, std::size_t to, std::size_t count) {
    if (from == to) return;
    if (to < from) {
        for (std::size_t i = 0; i < count; ++i) {
            char c = text[from + i];
            text[from + i] = ' ';
            text[to + i] = c;
        }
    } else {
        for (std::size_t i = count; i-- > 0;) {
            char c = text[from + i];
            text[from + i] = ' ';
            text[to + i] = c;
        }
    }
}

}  // namespace

void iuppercase(TextRef text) {
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = upperAscii(text[i]);
}

void ilowercase(TextRef text) {
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = lowerAscii(text[i]);
}

void ilocatestring(std::string_view text, int& first, int& last) {
    std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        first = 0;
        last = 0;
        return;
    }
    std::size_t blank = text.find(' ', start);
    first = static_cast<int>(start + 1);
    last = static_cast<int>(blank == std::string_view::npos ? text.size() : blank);
}

int ilocatechar(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ' ' && text[i] != '\0') return static_cast<int>(i + 1);
    }
    return 0;
}

void ijustifystring(TextRef text, std::string_view option) {
    std::size_t length = text.size();
    std::size_t used = text.used();
    if (used == 0) return;
    // A text of only NULs and blanks has no content to move.
    int located = ilocatechar(text.view());
    if (located == 0) return;
    std::size_t start = static_cast<std::size_t>(located - 1);
    std::size_t count = used - start;
    if (count == length) return;

    std::size_t target;
    if (yyopt(option, "L")) {
        target = 0;
    } else if (yyopt(option, "R")) {
        target = length - count;
    } else {
        target = (length - count) / 2;  // an odd spare blank goes to the right
    }
    moveContent(text, start, target, count);
}

int IndexNoCase(std::string_view text, std::string_view substring, bool backward) {
    if (substring.empty()) return backward ? static_cast<int>(text.size() + 1) : 1;
    if (substring.size() > text.size()) return 0;
    std::size_t positions = text.size() - substring.size() + 1;
    if (backward) {
        for (std::size_t at = positions; at-- > 0;) {
            if (sameNoCase(text, at, substring)) return static_cast<int>(at + 1);
        }
    } else {
        for (std::size_t at = 0; at < positions; ++at) {
            if (sameNoCase(text, at, substring)) return static_cast<int>(at + 1);
        }
    }
    return 0;
}

bool yyopt(std::string_view options, std::string_view letter) {
    if (letter.empty()) return false;
    char c = letter[0];
    return options.find(c) != std::string_view::npos ||
           options.find(lowerAscii(c)) != std::string_view::npos;
}

int yyichar(char character) { return static_cast<unsigned char>(character); }

void yych2int(std::string_view bytes, int count, int& value) {
    auto byteAt = [&](std::size_t i) -> std::uint32_t {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u;
    };
    std::uint32_t result = byteAt(0) | (byteAt(1) << 8);
    if (count == 4) result |= (byteAt(2) << 16) | (byteAt(3) << 24);
    value = static_cast<int>(result);  // two's complement wrap is defined in C++20
}
