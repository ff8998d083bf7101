// startup_text.cpp - fuzz target: random text as an options-file line and as a command line.
// Checks that both stay inside their texts and that the file units never become equal.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/gravim.hpp"
#include "base/startup_internal.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    yyresetgravim();
    OptionsFileChoices choices;
    yyoptionsline(text, choices);
    if (gravim.core.lfnGen == gravim.core.lfnPlot) std::abort();

    Text<16> arg;
    for (int n = -1; n <= 3; ++n) {
        const int count = yyargsfrom(text, n, arg);
        if (count < -1 || count > static_cast<int>(size)) std::abort();
    }
    return 0;
}
