// window_info.cpp - the portable rules of the information queries.
#include "windows/window_info_internal.hpp"

#include "base/text.hpp"

bool yyisdriveroot(std::string_view directory) {
    directory = trimRight(directory);
    if (directory.size() != 3 || directory[1] != ':' || directory[2] != '\\') return false;
    const char letter = directory[0];
    return (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
}

int yyreporteddrivetype(int systemCode) { return systemCode >= 2 && systemCode <= 6 ? systemCode - 1 : 0; }
