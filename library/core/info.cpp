// info.cpp - information queries about the library, and the portable rules of the others.
#include "core/info.hpp"

#include "core/info_internal.hpp"

void WInfoVersion(TextRef version) { version.assign("9.0c"); }

bool yyisdriveroot(std::string_view directory) {
    directory = trimRight(directory);
    if (directory.size() != 3 || directory[1] != ':' || directory[2] != '\\') return false;
    const char letter = directory[0];
    return (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
}

int yyreporteddrivetype(int systemCode) { return systemCode >= 2 && systemCode <= 6 ? systemCode - 1 : 0; }
