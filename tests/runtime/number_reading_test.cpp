#include "runtime/number_reading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "runtime/text.h"

namespace hobwatch {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct ReadingCase {
    const char* name;
    std::string text;
    double expected;
};

const ReadingCase kReadingCases[] = {
    {"whole number", "45", 45},
    {"decimal", "2.25", 2.25},
    {"number before words", "17 min.", 17},
    {"number before hours", "3.10 hrs", 3.1},
    {"leading spaces", "   90", 90},
    {"leading tab", "\t7", 7},
    {"leading CR LF", "\r\n2 h 30", 2},
    {"leading mixed blanks", " \t\r\n 5", 5},
    {"trailing line break", "45\r\n", 45},
    {"plus sign", "+5", 5},
    {"minus sign", "-5", -5},
    {"sign before the point", "-.5x", -0.5},
    {"point first", ".5", 0.5},
    {"point last", "5.", 5},
    {"second point stops", "1.2.3", 1.2},
    {"comma stops", "1,5 hours", 1},
    {"blank inside stops", "1 2", 1},
    {"blank after the sign stops", "- 5", 0},
    {"two signs", "--5", 0},
    {"mixed signs", "+-5", 0},
    {"no exponent", "1e5", 1},
    {"no hexadecimal prefix", "0x10", 0},
    {"no ampersand prefix", "&H10", 0},
    {"letters only", "min", 0},
    {"empty", "", 0},
    {"point alone", ".", 0},
    {"sign alone", "-", 0},
    {"only blanks", " \t\r\n", 0},
    {"vertical tab is not a blank", "\v5", 0},
    {"no-break space is not a blank",
     "\xC2\xA0"
     "5",
     0},
    {"full-width digit is not a digit", "\xEF\xBC\x95", 0},
    {"Arabic-Indic digit is not a digit", "\xD9\xA3", 0},
    {"leading zeros", "0007", 7},
    {"thousands of leading zeros", std::string(5000, '0') + "7", 7},
    {"largest double range", "1" + std::string(308, '0'), 1e308},
    {"beyond the double range", "1" + std::string(309, '0'), kInfinity},
    {"far beyond the double range", std::string(400, '9'), kInfinity},
    {"negative beyond the double range", "-" + std::string(400, '9'), -kInfinity},
    {"too small for a double", "0." + std::string(400, '0') + "1", 0},
};

TEST(NumberReading, ReadsTheDecimalNumberAtTheStart) {
    for (const ReadingCase& c : kReadingCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadNumber(c.text), c.expected);
    }
}

TEST(NumberReading, ReadsCharactersAsItReadsBytes) {
    for (const ReadingCase& c : kReadingCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadNumber(DecodeUtf8(c.text)), c.expected);
    }
}

struct SingleCase {
    const char* name;
    double value;
    std::optional<float> expected;
};

TEST(NumberReading, ToSingleRoundsOrFailsBeyondTheFloatRange) {
    constexpr float kFloatMax = std::numeric_limits<float>::max();
    const auto floatMax = static_cast<double>(kFloatMax);
    const SingleCase cases[] = {
        {"rounds to nearest", 0.7, 0.7f},
        {"whole number", 15, 15.0f},
        {"largest float", floatMax, kFloatMax},
        {"largest negative float", -floatMax, -kFloatMax},
        {"just beyond the largest float", std::nextafter(floatMax, kInfinity), std::nullopt},
        {"3.4028235e38 lies beyond the largest float", 3.4028235e38, std::nullopt},
        {"far beyond", 1e39, std::nullopt},
        {"far below", -1e39, std::nullopt},
        {"infinity", kInfinity, std::nullopt},
        {"minus infinity", -kInfinity, std::nullopt},
        {"not a number", std::nan(""), std::nullopt},
        {"too small becomes zero", 1e-50, 0.0f},
    };
    for (const SingleCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ToSingle(c.value), c.expected);
    }
}

}  // namespace
}  // namespace hobwatch
