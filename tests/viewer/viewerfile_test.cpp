// viewerfile_test.cpp - the bounded line reader under every reader of the viewer's outside files.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "viewerfile.hpp"

namespace {

// Every line the reader gives of the bytes.
std::vector<std::string> readall(const std::string& bytes, std::size_t limit) {
    std::FILE* file = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    std::vector<std::string> lines;
    std::string line;
    while (readtextline(file, line, limit)) lines.push_back(line);
    std::fclose(file);
    return lines;
}

TEST(TextLines, CutAtTheLimitAndReadPastUpToTheLineEnd) {
    struct Case {
        std::string bytes;
        std::size_t limit;
        std::vector<std::string> lines;
    } cases[] = {
        {"ab\r\ncd\nef", 4, {"ab", "cd", "ef"}},          // CR LF, LF, no line end at the end
        {"abcdef\r\nxy\r\n", 4, {"abcd", "xy"}},           // the rest of a long line is dropped
        {"abcd\r\nxy", 4, {"abcd", "xy"}},                 // a CR just past the limit is the line end's
        {"abc\r\r\n", 4, {"abc\r"}},                       // only the last CR ends the line
        {"ab\rcdef\n", 3, {"ab\r"}},                       // a CR inside a cut line stays
        {"\n\n", 4, {"", ""}},
        {"", 4, {}},
        {"x", 0, {""}},
    };
    for (const Case& c : cases) EXPECT_EQ(readall(c.bytes, c.limit), c.lines) << c.bytes;
}

TEST(TextLines, ALineWithoutEndIsReadNoFurtherThanTheSkipBound) {
    // A long line that ends is passed over whole and the next one read.
    const std::string longLine = std::string(MaxSkippedLine, 'x') + "\r\nnext\r\n";
    EXPECT_EQ(readall(longLine, 8), (std::vector<std::string>{"xxxxxxxx", "next"}));
    // Past the bound the file counts as ended: nothing after it is read as a line.
    const std::string endless = std::string(3 * MaxSkippedLine, 'y') + "\nnever\n";
    EXPECT_EQ(readall(endless, 8), std::vector<std::string>{"yyyyyyyy"});
}

}  // namespace
