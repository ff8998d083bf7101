// tables_filled.hpp - a table of the assembled library and how to ask whether it is filled; each
// one is a case of TableFilled.AfterAssembly.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

struct FilledTable {
    const char* name;
    bool (*filled)();

    // The case's name: the table's name in letters and digits only, each word capitalised.
    std::string caseName() const {
        std::string letters;
        bool wordStart = true;
        for (const char* c = name; *c != '\0'; ++c) {
            const auto character = static_cast<unsigned char>(*c);
            if (std::isalnum(character)) letters += static_cast<char>(wordStart ? std::toupper(character) : character);
            wordStart = *c == ' ';
        }
        return letters;
    }
};

inline void PrintTo(const FilledTable& table, std::ostream* out) { *out << table.name; }

class TableFilled : public testing::TestWithParam<FilledTable> {};

inline std::string tableCaseName(const testing::TestParamInfo<FilledTable>& info) { return info.param.caseName(); }
