#include "runtime/number_reading.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "runtime/text.h"

namespace hobwatch {
namespace {

struct ReadingCase {
    const char* name;
    std::string text;
    double expected;
};

// Entries are read as bytes, phrases as characters: both must agree.
TEST(NumberReading, ReadsTheDecimalNumberAtTheStart) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const ReadingCase cases[] = {
        {"CR LF before the number", "\r\n2 h 30", 2},
        {"spaces and tabs before the number", " \t 5", 5},
        {"vertical tab is no blank", "\v5", 0},
        {"plus sign", "+5", 5},
        {"minus sign and point first", "-.5x", -0.5},
        {"blank after the sign", "- 5", 0},
        {"second point stops", "1.2.3", 1.2},
        {"comma stops", "1,5 hours", 1},
        {"blank inside stops", "1 2", 1},
        {"no exponent", "1e5", 1},
        {"no ampersand prefix", "&H10", 0},
        {"nothing readable", "min", 0},
        {"full-width digit is no digit", "\xEF\xBC\x95", 0},
        {"thousands of leading zeros", std::string(5000, '0') + "7", 7},
        {"beyond the double range", std::string(400, '9'), kInfinity},
        {"negative beyond the double range", "-" + std::string(400, '9'), -kInfinity},
        {"too small for a double", "0." + std::string(400, '0') + "1", 0},
    };
    for (const ReadingCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadNumber(c.text), c.expected);
        EXPECT_EQ(ReadNumber(DecodeUtf8(c.text)), c.expected);
    }
}

// Typed where the comma is the decimal mark; the comma still stops the phrases' numbers (above).
TEST(NumberReading, EntriesTakeACommaAsThePoint) {
    const ReadingCase cases[] = {
        {"half an hour", "0,5", 0.5},        {"two and a quarter", "2,25", 2.25},
        {"unit after it", "1,5 hours", 1.5}, {"comma first", "-,5", -0.5},
        {"second mark stops", "1,5.3", 1.5}, {"point then comma", "1.5,3", 1.5},
        {"point as before", "2.5", 2.5},
    };
    for (const ReadingCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadEntryNumber(c.text), c.expected);
    }
}

}  // namespace
}  // namespace hobwatch
