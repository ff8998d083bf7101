// checkerror_test.cpp - the plotting-error check: what the first line of the error file decides
// and what the log records.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>

#include "checkerror.hpp"
#include "scratch.hpp"

namespace {

std::string padded(std::string text, std::size_t length) {
    text.resize(length, ' ');
    return text;
}

void writefile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

struct CheckCase {
    const char* name;
    std::optional<std::string> errorFile;  // nothing: no file
    bool advice;
    std::string secondLine;                // without the leading blank; the path stands for <error>
};

TEST(CheckFerretError, FirstLineDecidesAndTheLogTells) {
    ScratchFolder scratch;
    const std::string folder = scratch.path() + "/with blanks";
    std::filesystem::create_directory(folder);
    const std::string errorPath = padded(folder + "\\ferreterror.log", 128);
    const CheckCase cases[] = {
        {"out of memory, more text after", "ERRORMEMORY in the plot\r\nnext\r\n", true, "CheckFerretError =ERRORMEMORY"},
        {"exactly the word, no line end", "ERRORMEMORY", true, "CheckFerretError =ERRORMEMORY"},
        {"lower case", "errormemory\r\n", false, "CheckFerretError =errormemory"},
        {"leading blank", " ERRORMEMORY\r\n", false, "CheckFerretError = ERRORMEMOR"},
        {"short line, compared blank-padded", "OK\r\n", false, "CheckFerretError =OK         "},
        {"empty file", "", false, "error reading " + errorPath},
        {"no file", std::nullopt, false, "error opening " + errorPath},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(folder + "/ferreterror.log");
        if (c.errorFile) writefile(folder + "/ferreterror.log", *c.errorFile);
        EXPECT_EQ(checkferreterror(folder + "   ", static_cast<int>(folder.size())), c.advice);
        EXPECT_EQ(readWholeFile(folder + "/krastel.log"), " filename=" + errorPath + "\r\n " + c.secondLine + "\r\n");
    }
}

TEST(CheckFerretError, ALogThatCannotBeCreatedDoesNotStopTheCheck) {
    ScratchFolder scratch;
    std::filesystem::create_directory(scratch.path() + "/krastel.log");  // a folder in the log's place
    writefile(scratch.path() + "/ferreterror.log", "ERRORMEMORY\r\n");
    EXPECT_TRUE(checkferreterror(scratch.path(), static_cast<int>(scratch.path().size())));
}

TEST(CheckFerretError, TheAdviceHasFiveLines) {
    EXPECT_EQ(MemoryAdvice.size(), 229u);
    EXPECT_EQ(MemoryAdvice.substr(0, 51), "Ferret error: Insufficient memory to complete this\r");
    EXPECT_EQ(MemoryAdvice.substr(204), "out of that popup window.");
}

}  // namespace
