// options_file.cpp - fuzz target: random bytes as a whole options file, read by the line reader
// and applied line by line. Checks that no line grows beyond its limit, that every read moves on
// through the file, and that the file units never become equal.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/gravim.hpp"
#include "base/startup_internal.hpp"
#include "bytesfile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = bytesfile(data, size);
    if (file == nullptr) return 0;
    yyresetgravim();
    OptionsFileChoices choices;
    std::string line;
    long before = 0;
    for (OptionsLineRead read; (read = yyreadoptionsline(file, line)) != OptionsLineRead::End;) {
        const long after = std::ftell(file);
        if (line.size() > OptionsLineLength || after <= before) std::abort();
        if (after - before > static_cast<long>(OptionsLineLength) + 1) std::abort();  // the limit and its LF
        before = after;
        yyoptionsline(line, choices);
        if (gravim.core.lfnGen == gravim.core.lfnPlot) std::abort();
    }
    std::fclose(file);
    return 0;
}
