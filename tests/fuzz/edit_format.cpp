// edit_format.cpp - fuzz target: random edit formats, values and target lengths through the
// number writers and the re-formatters.
// Input: 1 byte target length, 8 bytes value, then the format text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
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

// A target text in its own allocation of exactly its length, so that ASan sees any overrun.
class Target {
public:
    explicit Target(std::size_t length) : length_(length), bytes_(new char[length + 1]) { reset(); }
    TextRef ref() { return TextRef(bytes_.get(), length_); }
    std::string_view view() const { return {bytes_.get(), length_}; }
    void reset() { std::memset(bytes_.get(), '#', length_); }
    void set(std::string_view text) {
        reset();
        std::memcpy(bytes_.get(), text.data(), std::min(text.size(), length_));
    }

private:
    std::size_t length_;
    std::unique_ptr<char[]> bytes_;
};

// A failed public write leaves ten asterisks (fewer in a short text) and blanks.
bool isFailure(std::string_view text) {
    std::size_t stars = std::min<std::size_t>(10, text.size());
    return text.substr(0, stars).find_first_not_of('*') == std::string_view::npos &&
           text.substr(stars).find_first_not_of(' ') == std::string_view::npos;
}

void checkPublicWrite(std::string_view text) {
    int error = WInfoError(1);
    check(error == 0 || error == 18);
    check(error == 0 || isFailure(text));
    check(text.find('#') == std::string_view::npos);  // the whole text is rewritten
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    yyresetgravim();
    IDebugLevel(0);  // nothing is printed
    if (size < 9) return 0;
    std::size_t length = data[0];
    std::uint64_t bits = 0;
    std::memcpy(&bits, data + 1, sizeof bits);
    double dbl = 0;
    std::memcpy(&dbl, &bits, sizeof dbl);
    float real = 0;
    std::uint32_t low = static_cast<std::uint32_t>(bits);
    std::memcpy(&real, &low, sizeof real);
    int integer = static_cast<int>(low);
    std::string format(reinterpret_cast<const char*>(data + 9), size - 9);

    Target target(length);
    IntegerToString(integer, target.ref(), format);
    checkPublicWrite(target.view());
    target.reset();
    IRealToString(real, target.ref(), format);
    checkPublicWrite(target.view());
    target.reset();
    IDoubleToString(dbl, target.ref(), format);
    checkPublicWrite(target.view());

    target.reset();
    yydbl2st(dbl, target.ref(), format);
    target.reset();
    yyrea2st(real, target.ref(), format);
    target.reset();
    yyint2st(integer, target.ref());
    WInfoError(1);
    WInfoError(2);

    // The re-formatters read the format's own characters as the field's text.
    target.set(format);
    yyformr(target.ref(), format);
    target.set(format);
    yyformd(target.ref(), format);
    target.set(format);
    yyformi(target.ref());
    check(WInfoError(1) == 0);  // they never report

    // Whatever the format, the value must survive a round trip through enough digits.
    Target wide(30);
    IDoubleToString(dbl, wide.ref(), "(E25.17E3)");
    double back = 0;
    IStringToDouble(wide.view(), back);
    double magnitude = dbl < 0 ? -dbl : dbl;
    if (magnitude > 1e-300 && magnitude < 1e300) check(back == dbl);
    IntegerToString(integer, wide.ref(), "(I11)");
    int whole = 0;
    IStringToInteger(wide.view(), whole);
    if (integer != -2147483647 - 1) check(whole == integer);
    WInfoError(1);
    return 0;
}
