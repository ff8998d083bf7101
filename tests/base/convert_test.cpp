// convert_test.cpp - reading numbers from texts, the edit-format writer, the edit-control
// variants and the names under which failures are reported.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "base/convert.hpp"
#include "base/convert_internal.hpp"
#include "base/errors.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"

namespace {

using namespace std::string_literals;

// Every test starts from fresh slots and collects the report lines of debug level 3.
std::vector<std::string> reports;

class Conversion : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        reports.clear();
        yyerroroutputs = {};
        yyerroroutputs.statusBar = [](std::string_view line) { reports.emplace_back(line); };
        IDebugLevel(3);
    }
    void TearDown() override {
        yyerroroutputs = {};
        yyresetgravim();
    }
    // The error left in slot 1 by the call under test; reading it must clear the slot.
    static int takeError() {
        int number = WInfoError(1);
        EXPECT_EQ(WInfoError(1), 0);
        return number;
    }
    static std::string blanks(std::size_t n) { return std::string(n, ' '); }
};

// ---- reading integers

struct IntegerRead {
    std::string text;
    int value;
    int error;
};

TEST_F(Conversion, StringToInteger) {
    const IntegerRead cases[] = {
        {"   42   ", 42, 0},
        {"-17", -17, 0},
        {"+5", 5, 0},
        {"+", 0, 0},  // a sign alone
        {"-", 0, 0},
        {"12 34", 12, 0},
        {"12a", 0, 12},
        {"1,000", 0, 12},
        {"1.0", 0, 12},
        {"--1", 0, 12},
        {"2147483647", 2147483647, 0},
        {"-2147483647", -2147483647, 0},
        {"2147483648", 0, 4},
        {"-2147483648", 0, 4},
        {"3000000000", 0, 4},
        {"00000000001", 0, 4},  // leading zeros count as digits
        {"0000000001", 1, 0},
        {"9999999999", 0, 4},
        {"12345678901x", 0, 12},  // a bad character is found before the length
        {"        ", 0, 10},
        {"", 0, 10},
    };
    for (const auto& c : cases) {
        int value = 99;
        IStringToInteger(c.text, value);
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(takeError(), c.error) << '"' << c.text << '"';
    }
}

// ---- reading reals and doubles

struct RealRead {
    std::string text;
    double value;  // the expected value, rounded to the type under test
    int error;
};

TEST_F(Conversion, StringToReal) {
    const RealRead cases[] = {
        {"1.5", 1.5, 0},
        {"1,5", 1.5, 0},
        {"  -1.5  x", -1.5, 0},
        {"1.5.2", 0, 11},
        {"1,5.2", 0, 11},
        {"1.5E2", 150, 0},
        {"1.5e+2", 150, 0},
        {"150", 150, 0},
        {"1.5D2", 0, 12},
        {"1.5E", 1.5, 0},
        {"1.5E+", 1.5, 0},
        {"E5", 0, 0},
        {".", 0, 0},
        {"-.5", -0.5, 0},
        {"1.5E2.5", 0, 12},
        {"1e5E2", 0, 12},  // E is looked for before e
        {"1.5-003", 0.0015, 0},  // a letterless exponent
        {"0.12346+100", 0, 4},
        {"5E38", 0, 4},
        {"3.41E38", 0, 4},
        {"10E38", 0, 4},
        {"1E39", 0, 4},
        {"3.4028234663852886E38", FLT_MAX, 0},
        {"1E38", 1e38, 0},
        {"1.5E-38", 1.5e-38, 0},
        {"1E-39", 0, 0},
        {"0E999", 0, 0},
        {"1E" + std::string(40, '0'), 0, 4},    // more exponent digits than the range allows
        {"1" + std::string(38, '0'), 1e38, 0},  // 39 digits before the mark are allowed
        {"1" + std::string(39, '0'), 0, 4},
        {std::string(39, '0') + "1", 0, 4},  // leading zeros count
        {"16777217", 16777216, 0},           // rounded to single precision
        {"1.5x", 0, 12},
        {"", 0, 10},
        {"   ", 0, 10},
    };
    for (const auto& c : cases) {
        float value = 99;
        IStringToReal(c.text, value);
        EXPECT_EQ(value, static_cast<float>(c.value)) << '"' << c.text << '"';
        EXPECT_EQ(takeError(), c.error) << '"' << c.text << '"';
    }
}

TEST_F(Conversion, StringToDouble) {
    const RealRead cases[] = {
        {"1.5D2", 150, 0},
        {"1.5d2", 150, 0},
        {"1.5E2", 150, 0},
        {"0.12346+100", 1.2346e99, 0},
        {"-1.5+003", -1500, 0},
        {"0.1", 0.1, 0},  // correctly rounded
        {"123456789012345678", 123456789012345678.0, 0},
        {"3.14159265358979323846", 3.141592653589793, 0},
        {"1.7976931348623157E308", DBL_MAX, 0},
        {"1.8E308", 0, 4},
        {"1E309", 0, 4},
        {"2E-308", 2e-308, 0},
        {"0." + std::string(330, '0') + "1", 0, 0},  // below the double range: 0
        {"1E-309", 0, 0},
        {"0D999", 0, 0},
        {"5E38", 5e38, 0},
        {"1.5.2", 0, 11},
        {"1.5Q", 0, 12},
        {"", 0, 10},
    };
    for (const auto& c : cases) {
        double value = 99;
        IStringToDouble(c.text, value);
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(takeError(), c.error) << '"' << c.text << '"';
    }
}

TEST_F(Conversion, NextRealWalksThroughALine) {
    std::string line = "1.5 2.5 x";
    float value = 99;
    INextReal(line, value);
    EXPECT_EQ(value, 1.5f);
    EXPECT_EQ(line, "    2.5 x");
    EXPECT_EQ(takeError(), 0);

    INextReal(line, value);
    EXPECT_EQ(value, 2.5f);
    EXPECT_EQ(line, "        x");

    INextReal(line, value);
    EXPECT_EQ(value, 0.0f);
    EXPECT_EQ(line, blanks(9));
    EXPECT_EQ(takeError(), 12);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].rfind("Routine:IStringToReal Error=  12:", 0), 0u) << reports[0];

    INextReal(line, value);
    EXPECT_EQ(value, 0.0f);
    EXPECT_EQ(takeError(), 10);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1].rfind("Routine:INextReal Error=  10:", 0), 0u) << reports[1];
}

TEST_F(Conversion, NextIntegerWalksThroughALine) {
    std::string line = " 7 -8 99999999999 ";
    int value = 0;
    INextInteger(line, value);
    EXPECT_EQ(value, 7);
    INextInteger(line, value);
    EXPECT_EQ(value, -8);
    EXPECT_EQ(takeError(), 0);
    INextInteger(line, value);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(takeError(), 4);
    EXPECT_EQ(line, blanks(18));
    INextInteger(line, value);
    EXPECT_EQ(takeError(), 10);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].rfind("Routine:IStringToInteger Error=   4:", 0), 0u) << reports[0];
    EXPECT_EQ(reports[1].rfind("Routine:INextInteger Error=  10:", 0), 0u) << reports[1];
}

// ---- the names failures are reported under

struct Reported {
    const char* what;
    std::function<void()> call;
    std::string line;  // start of the report line
};

TEST_F(Conversion, ReportingNames) {
    std::string text(20, ' ');
    std::string shortText(5, ' ');
    int i = 0;
    float r = 0;
    double d = 0;
    const Reported cases[] = {
        {"integer, blank", [&] { IStringToInteger(" ", i); }, "Routine:IStringToInteger Error=  10:"},
        {"integer, letter", [&] { IStringToInteger("x", i); }, "Routine:IStringToInteger Error=  12:"},
        {"real, blank", [&] { IStringToReal("", r); }, "Routine:IStringToReal Error=  10:"},
        {"real, marks", [&] { IStringToReal("1..", r); }, "Routine:IStringToReal Error=  11:"},
        {"real, large", [&] { IStringToReal("1E40", r); }, "Routine:IStringToReal Error=   4:"},
        {"double, marks", [&] { IStringToDouble("1..", d); }, "Routine:IStringToReal Error=  11:"},
        {"double, letter", [&] { IStringToDouble("z", d); }, "Routine:IStringToReal Error=  12:"},
        {"next integer", [&] { INextInteger(shortText, i); }, "Routine:INextInteger Error=  10:"},
        {"next real", [&] { INextReal(shortText, r); }, "Routine:INextReal Error=  10:"},
        {"integer write", [&] { IntegerToString(1, text, "(I99)"); }, "Routine:IntegerToString Error=  18:"},
        {"real write", [&] { IRealToString(1, text, "(F99.2)"); }, "Routine:IRealToString Error=  18:"},
        {"double write", [&] { IDoubleToString(1, text, "(F1.2)"); }, "Routine:IDoubleToString Error=  18:"},
        {"control double", [&] { yydbl2st(1, shortText, "(F8.2)"); }, "Internal routine:yydbl2st Error=  18:"},
        {"control real", [&] { yyrea2st(1, shortText, "(F8.2)"); }, "Internal routine:yyrea2st Error=  18:"},
        {"control integer", [&] { yyint2st(1, shortText); }, "Internal routine:yyint2st Error=  18:"},
    };
    for (const auto& c : cases) {
        reports.clear();
        c.call();
        ASSERT_EQ(reports.size(), 1u) << c.what;
        EXPECT_EQ(reports[0].rfind(c.line, 0), 0u) << c.what << ": " << reports[0];
        takeError();
    }
}

// ---- writing with edit formats

struct Written {
    double value;
    std::string format;
    std::size_t length;  // of the target text
    std::string expected;  // blank-padded to length by the test; empty: the failure asterisks
};

// The text a failed write leaves: ten asterisks (fewer in a short text), then blanks.
std::string failed(std::size_t length) {
    std::string text(length, ' ');
    for (std::size_t i = 0; i < length && i < 10; ++i) text[i] = '*';
    return text;
}

std::string padded(const std::string& text, std::size_t length) {
    return text + std::string(length > text.size() ? length - text.size() : 0, ' ');
}

void checkWrites(const Written* begin, const Written* end,
                 const std::function<void(double, std::string&, const std::string&)>& write) {
    for (const Written* c = begin; c != end; ++c) {
        std::string text(c->length, '#');
        write(c->value, text, c->format);
        bool expectFailure = c->expected.empty();
        std::string expected = expectFailure ? failed(c->length) : padded(c->expected, c->length);
        EXPECT_EQ(text, expected) << c->value << " " << c->format;
        EXPECT_EQ(WInfoError(1), expectFailure ? 18 : 0) << c->value << " " << c->format;
    }
}

TEST_F(Conversion, IntegerFormats) {
    const Written cases[] = {
        {42, "(I11)", 20, "         42"},
        {42, "(I1)", 20, ""},  // field overflow
        {42, "(I11)", 5, ""},  // a text shorter than the field
        {-17, "(I5)", 5, "  -17"},
        {0, "(I3)", 3, "  0"},
        {5, "(i3)", 4, "  5"},
        {7, "(I4.3)", 6, " 007"},
        {-7, "(I5.3)", 5, " -007"},
        {1234, "(I6.2)", 6, "  1234"},
        {0, "(I4.0)", 4, "   0"},
        {123, "(I3.4)", 5, ""},
        {-123, "(I3)", 5, ""},
        {INT_MIN, "(I11)", 11, "-2147483648"},
        {INT_MIN, "(I10)", 11, ""},
        {INT_MAX, "(I10)", 10, "2147483647"},
        {5, " ( I 5 ) ", 6, "    5"},  // blanks in a format are insignificant
        {5, "(I5)\0junk"s, 6, "    5"},  // a NUL ends the format
        {5, "(I0)", 6, ""},
        {5, "(I)", 6, ""},
        {5, "I5", 6, ""},
        {5, "(I5", 6, ""},
        {5, "(I5)x", 6, ""},
        {5, "(2I5)", 12, ""},
        {5, "(I5,I5)", 12, ""},
        {5, "(F5.1)", 6, ""},  // not a descriptor for an integer
        {5, "", 6, ""},
        {5, "(I999999999999999)", 6, ""},
    };
    checkWrites(std::begin(cases), std::end(cases), [](double v, std::string& text, const std::string& format) {
        IntegerToString(static_cast<int>(v), text, format);
    });
}

const Written realAndDoubleCases[] = {
    // G: the standard format of real and double fields
    {1.0, "(G15.5E2)", 15, "     1.0000"},
    {123456.0, "(G15.5E2)", 15, "    0.12346E+06"},
    {0.01, "(G15.5E2)", 15, "    0.10000E-01"},
    {0.0, "(G15.5E2)", 15, "     0.0000"},
    {-1.0, "(G15.5E2)", 15, "    -1.0000"},
    {99999.0, "(G15.5E2)", 15, "     99999."},
    {99999.75, "(G15.5E2)", 15, "    0.10000E+06"},  // rounds past 10^d
    {0.5, "(G15.5E2)", 15, "    0.50000"},
    {0.09999975, "(G15.5E2)", 15, "    0.10000"},  // rounds up to 0.1: fixed form
    {0.0999974, "(G15.5E2)", 15, "    0.99997E-01"},
    {-1.5, "(g10.3)", 10, " -1.50"},
    {1.5, "(G12.3E3)", 12, "   1.50"},
    {1234.5, "(G10.3)", 10, " 0.123E+04"},
    {1.0, "(G4.1)", 10, ""},  // no room left beside the exponent's blanks
    {1.0, "(G15.5E2)", 14, ""},
    // F
    {3.14159, "(F8.2)", 8, "    3.14"},
    {-3.14159, "(F8.2)", 10, "   -3.14"},
    {0.5, "(F4.2)", 4, "0.50"},
    {0.5, "(F3.2)", 4, ".50"},  // the leading 0 only where there is room
    {-0.5, "(F4.2)", 4, "-.50"},
    {-0.5, "(F5.2)", 5, "-0.50"},
    {2.5, "(F3.0)", 3, " 3."},    // halfway rounds away from zero
    {0.125, "(F5.2)", 5, " 0.13"},
    {-0.125, "(F5.2)", 5, "-0.13"},
    {0.625, "(F4.2)", 4, "0.63"},  // a tie whose lower neighbour is even
    {1024.0009765625, "(F15.9)", 15, " 1024.000976563"},  // 2^10 + 2^-10: a tie at 9 places
    {0.0, "(F5.2)", 5, " 0.00"},
    {0.0, "(f2.0)", 2, "0."},
    {1234.5, "(F6.1)", 6, "1234.5"},
    {12345.5, "(F6.1)", 6, ""},
    {99.996, "(F6.2)", 6, "100.00"},
    {99.996, "(F5.2)", 6, ""},
    {1.0, "(F1.0)", 1, ""},
    {1.0, "(F5)", 6, ""},
    {1.0, "(I5)", 6, ""},
    // E
    {123456.0, "(E11.5)", 11, "0.12346E+06"},
    {123456.0, "(E12.5)", 12, " 0.12346E+06"},
    {123456.0, "(E10.5)", 10, ".12346E+06"},
    {-123456.0, "(E11.5)", 11, "-.12346E+06"},
    {-123456.0, "(E9.5)", 11, ""},
    {1e-5, "(E10.3)", 10, " 0.100E-04"},
    {0.0, "(e10.3)", 10, " 0.000E+00"},
    {9.9996, "(E10.3)", 10, " 0.100E+02"},
    {1.5, "(E12.4E3)", 12, " 0.1500E+001"},
    {1.0, "(E8.0)", 10, ""},
    {1.0, "(E10.3E0)", 10, ""},
};

TEST_F(Conversion, RealFormats) {
    checkWrites(std::begin(realAndDoubleCases), std::end(realAndDoubleCases),
                [](double v, std::string& text, const std::string& format) {
                    IRealToString(static_cast<float>(v), text, format);
                });
}

TEST_F(Conversion, DoubleFormats) {
    const Written doubleOnly[] = {
        {1.2346e98, "(E11.5)", 11, "0.12346E+99"},
        {1.2346e99, "(E11.5)", 11, "0.12346+100"},  // three exponent digits drop the letter
        {-1.2346e99, "(E12.5)", 12, "-0.12346+100"},
        {1e-100, "(E12.4)", 12, "  0.1000E-99"},
        {1e-101, "(E12.4)", 12, "  0.1000-100"},
        {1e100, "(E12.4E2)", 12, ""},  // an exponent too long for Ee
        {1e100, "(E12.4E3)", 12, " 0.1000E+101"},
        {1e100, "(G12.4)", 12, "  0.1000+101"},
        {1e100, "(G15.5E2)", 15, ""},
        {DBL_MAX, "(E12.5)", 12, " 0.17977+309"},
        {4.9406564584124654e-324, "(E12.4)", 12, "  0.4941-323"},
        {1e10, "(F14.1)", 14, " 10000000000.0"},
        {0.1, "(F22.20)", 22, "0.10000000000000000555"},  // the exact binary value
        {std::numeric_limits<double>::infinity(), "(G15.5E2)", 15, ""},
        {std::numeric_limits<double>::quiet_NaN(), "(F8.2)", 8, ""},
    };
    auto write = [](double v, std::string& text, const std::string& format) {
        IDoubleToString(v, text, format);
    };
    checkWrites(std::begin(realAndDoubleCases), std::end(realAndDoubleCases), write);
    checkWrites(std::begin(doubleOnly), std::end(doubleOnly), write);
}

// The fixed form is the exact binary value rounded: away from zero on a tie, which only values
// with few binary places meet (the tables above), and else as the C library's %f rounds it.
TEST_F(Conversion, FixedFormatsRoundTheExactValue) {
    const Written exact[] = {
        {1180591620717411303424.0, "(F30.1)", 30, "      1180591620717411303424.0"},  // 2^70
        {4.9406564584124654e-324, "(F10.3)", 10, "     0.000"},
        {2.2250738585072014e-308, "(F12.10)", 12, "0.0000000000"},
        {0.0625, "(F6.3)", 6, " 0.063"},
        {-1024.5, "(F7.0)", 7, " -1025."},
        {9.5367431640625e-07, "(F20.19)", 20, ".0000009536743164063"},  // 2^-20: a tie at 19 places
    };
    checkWrites(std::begin(exact), std::end(exact), [](double v, std::string& text, const std::string& format) {
        IDoubleToString(v, text, format);
    });
    // Values with all 53 bits and more binary places than decimals asked meet no tie.
    std::uint64_t state = 12345;
    auto next = [&] { return state = state * 6364136223846793005ULL + 1442695040888963407ULL; };
    for (int i = 0; i < 20000; ++i) {
        const double value = std::ldexp(static_cast<double>((next() >> 11) | (1ULL << 52)), static_cast<int>(next() % 90) - 120) *
                             (next() % 2 != 0 ? -1 : 1);
        const int decimals = static_cast<int>(next() % 13);
        std::string text(40, ' ');
        IDoubleToString(value, text, "(F40." + std::to_string(decimals) + ")");
        char expected[64];
        std::snprintf(expected, sizeof expected, "%#40.*f", decimals, value);
        ASSERT_EQ(text, expected) << value << " with " << decimals << " decimals";
    }
}

TEST_F(Conversion, RealsAreWrittenAtTheirOwnPrecision) {
    std::string text(12, ' ');
    IRealToString(0.1f, text, "(F12.10)");
    EXPECT_EQ(text, "0.1000000015");
    IDoubleToString(0.1, text, "(F12.10)");
    EXPECT_EQ(text, "0.1000000000");
}

TEST_F(Conversion, SeventeenDigitsReadBackExactly) {
    const double values[] = {0.1, 1.0 / 3, -2.718281828459045, 6.02214076e23, 1.6e-35, 9.87654321e299};
    for (double value : values) {
        std::string text(30, ' ');
        IDoubleToString(value, text, "(E25.17E3)");
        double back = 0;
        IStringToDouble(text, back);
        EXPECT_EQ(back, value) << text;
    }
    for (int value : {0, 1, -1, 16777217, INT_MAX, -INT_MAX}) {
        std::string text(11, ' ');
        IntegerToString(value, text, "(I11)");
        int back = 0;
        IStringToInteger(text, back);
        EXPECT_EQ(back, value) << text;
    }
    EXPECT_EQ(WInfoError(1), 0);
}

// ---- edit-control writers

TEST_F(Conversion, ControlIntegerText) {
    std::string text(20, '#');
    yyint2st(-5, text);
    EXPECT_EQ(text, "-5\0"s + blanks(17));
    std::string exact(11, '#');
    yyint2st(INT_MIN, exact);
    EXPECT_EQ(exact, "-2147483648");  // no room for the NUL
    std::string tooShort(8, ' ');
    yyint2st(5, tooShort);
    EXPECT_EQ(tooShort, std::string(8, '*'));
    EXPECT_EQ(takeError(), 18);
}

struct ControlWritten {
    double value;
    std::string format;
    std::size_t length;
    std::string expected;
    int status;  // in error slot 2
    int error;   // in error slot 1
};

TEST_F(Conversion, ControlRealText) {
    const ControlWritten cases[] = {
        {1.0, "(G15.5E2)", 20, "1.0000\0"s, 0, 0},
        {-0.01, "(G15.5E2)", 20, "-0.10000E-01\0"s, 0, 0},
        {123456.0, "(E11.5)", 11, "0.12346E+06", 0, 0},
        {1e10, "(F5.1)", 10, "*****\0"s, 0, 0},  // an overflow shows its asterisks, no error
        {1.0, "(F8.2)", 5, "*****", 2, 18},       // a field wider than the text
        {1.0, "(Q5)", 20, "**********\0"s, 1, 18},
        {1.0, "(I5)", 20, "**********\0"s, 1, 18},
    };
    for (const auto& c : cases) {
        for (bool real : {true, false}) {
            std::string text(c.length, '#');
            gravim.core.fileStatus = 77;
            if (real) {
                yyrea2st(static_cast<float>(c.value), text, c.format);
            } else {
                yydbl2st(c.value, text, c.format);
            }
            EXPECT_EQ(text, padded(c.expected, c.length)) << c.value << " " << c.format;
            EXPECT_EQ(WInfoError(2), c.status) << c.value << " " << c.format;
            EXPECT_EQ(WInfoError(1), c.error) << c.value << " " << c.format;
            EXPECT_EQ(WInfoError(5), 0);  // the category is left alone
        }
    }
}

// ---- silent readers and re-formatters

TEST_F(Conversion, SilentReaders) {
    gravim.core.lastError = 77;
    double d = 99;
    yyst2dbl(d, "1.5\0 99"s);  // the text ends at its NUL
    EXPECT_EQ(d, 1.5);
    yyst2dbl(d, "  2.5D1  ");
    EXPECT_EQ(d, 25.0);
    yyst2dbl(d, "abc");
    EXPECT_EQ(d, 0.0);

    int valid = -1;
    yyst2dblcheck(d, valid, "2.5\0"s);
    EXPECT_EQ(d, 2.5);
    EXPECT_EQ(valid, 1);
    yyst2dblcheck(d, valid, "2.5x");
    EXPECT_EQ(d, 0.0);
    EXPECT_EQ(valid, 0);
    yyst2dblcheck(d, valid, "");
    EXPECT_EQ(valid, 0);

    float r = 99;
    yyst2rea(r, "1.5D2");  // real rules: no D exponent
    EXPECT_EQ(r, 0.0f);
    yyst2rea(r, "-1.25\0"s);
    EXPECT_EQ(r, -1.25f);

    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(WInfoError(1), 77);
    EXPECT_EQ(WInfoError(4), 3);
}

TEST_F(Conversion, SilentIntegerReaderKeepsEveryDigit) {
    const std::pair<std::string, int> cases[] = {
        {"16777217", 16777217},  // beyond 2^24, where single precision loses digits
        {"123456789", 123456789},
        {"2147483647", 2147483647},
        {"-2147483648", INT_MIN},
        {"-12.9", -12},
        {"12.9\0"s, 12},
        {"2147483648", 0},  // out of range: unreadable
        {"1E10", 0},
        {"-3e9", 0},
        {"1E39", 0},
        {"1D2", 0},
        {"abc", 0},
        {"", 0},
    };
    for (const auto& [text, expected] : cases) {
        int value = 99;
        yyst2int(value, text);
        EXPECT_EQ(value, expected) << text;
    }
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(WInfoError(1), 0);
}

struct Reformatted {
    std::string text;
    std::string format;  // empty: yyformi
    bool doublePrecision;
    std::string expected;  // blank-padded to the text's length by the test
};

TEST_F(Conversion, Reformatters) {
    const Reformatted cases[] = {
        {"12.7\0"s + blanks(15), "", false, "12\0"s},
        {"-12.7" + blanks(15), "", false, "-12\0"s},
        {"1D2\0"s + blanks(16), "", false, "100\0"s},
        {"16777217\0"s + blanks(11), "", false, "16777217\0"s},
        {"3000000000\0"s + blanks(9), "", false, "0\0"s},  // out of range: unreadable
        {"2147483647.9" + blanks(8), "", false, "2147483647\0"s},
        {"abc\0"s + blanks(16), "", false, "0\0"s},
        {"7" + blanks(9), "", false, "**********"},  // shorter than (I11)
        {"\0"s + blanks(19), "(G15.5E2)", false, "0.0000\0"s},
        {"  1.5\0"s + blanks(14), "(F8.2)", false, "1.50\0"s},
        {"123456" + blanks(14), "(G15.5E2)", false, "0.12346E+06\0"s},
        {"abc" + blanks(17), "(G15.5E2)", false, "0.0000\0"s},
        {"1.5D2" + blanks(15), "(F8.2)", false, "0.00\0"s},  // a real has no D exponent
        {"1.5D2" + blanks(15), "(F8.2)", true, "150.00\0"s},
        {"1E100" + blanks(15), "(F8.2)", true, "**********\0"s},
        {"1" + blanks(19), "(Q5)", true, "**********\0"s},
        {"9" + blanks(4), "(F8.2)", true, "*****"},
    };
    gravim.core.lastError = 55;
    for (const auto& c : cases) {
        std::string text = c.text;
        if (c.format.empty()) {
            yyformi(text);
        } else if (c.doublePrecision) {
            yyformd(text, c.format);
        } else {
            yyformr(text, c.format);
        }
        EXPECT_EQ(text, padded(c.expected, c.text.size())) << c.text << " " << c.format;
    }
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(WInfoError(1), 55);
    EXPECT_EQ(WInfoError(4), 3);
}

}  // namespace
