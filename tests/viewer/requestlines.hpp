// requestlines.hpp - reading back a command file in the request tests: its lines, the items of
// a list-directed line, and a comparison that is exact for formatted lines.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

inline std::vector<std::string> splitlines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline std::vector<std::string> tokens(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// Label lines and the metafile line are compared exactly, the others token by token.
inline void expectlines(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
    ASSERT_EQ(actual.size(), expected.size()) << ::testing::PrintToString(actual);
    for (std::size_t i = 0; i < actual.size(); ++i) {
        if (expected[i].rfind("label", 0) == 0 || expected[i].rfind("set mode metafile", 0) == 0)
            EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
        else
            EXPECT_EQ(tokens(actual[i]), tokens(expected[i])) << "line " << i + 1 << ": " << actual[i];
    }
}

// A whole command file of the frame around a family's go line and labels, in screen mode and
// without exports.
inline std::vector<std::string> framedlines(const std::vector<std::string>& familyLines,
                                            const std::string& quotedScratch) {
    std::vector<std::string> lines{"cancel mode journal"};
    lines.insert(lines.end(), familyLines.begin(), familyLines.end());
    lines.insert(lines.end(), {"ppl clsplt", "spawn qvErrFer.bat " + quotedScratch});
    return lines;
}
