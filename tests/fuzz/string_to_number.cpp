// string_to_number.cpp - fuzz target: random text through the number readers.
// Checks that every reader stays inside its text and that failures leave a clean 0.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/convert.hpp"
#include "base/convert_internal.hpp"
#include "base/errors.hpp"
#include "base/gravim.hpp"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// Each call blanks one word, so a line of n characters is walked in at most n calls.
template <typename Number, typename Next>
void walk(std::string line, Next next) {
    for (std::size_t calls = 0; calls <= line.size() + 1; ++calls) {
        Number value{};
        next(line, value);
        if (WInfoError(1) == 10) return;
    }
    check(false);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    yyresetgravim();
    IDebugLevel(0);  // nothing is printed
    // An exact-size copy, so that any read past the text is caught.
    std::string text(reinterpret_cast<const char*>(data), size);
    std::string_view view(text);

    int integer = 1;
    IStringToInteger(view, integer);
    check(WInfoError(1) == 0 || integer == 0);

    float real = 1;
    IStringToReal(view, real);
    check(std::isfinite(real));
    check(WInfoError(1) == 0 || real == 0);

    double dbl = 1;
    IStringToDouble(view, dbl);
    check(std::isfinite(dbl));
    check(WInfoError(1) == 0 || dbl == 0);

    int valid = -1;
    yyst2dblcheck(dbl, valid, view);
    check(valid == 0 || valid == 1);
    check(valid == 1 || dbl == 0);
    yyst2dbl(dbl, view);
    yyst2rea(real, view);
    yyst2int(integer, view);
    check(WInfoError(1) == 0);  // the silent readers never report

    walk<int>(text, [](std::string& line, int& value) { INextInteger(line, value); });
    walk<float>(text, [](std::string& line, float& value) { INextReal(line, value); });
    return 0;
}
