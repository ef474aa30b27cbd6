#include "runtime/number_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace hobwatch {
namespace {

struct FormatCase {
    const char* name;
    float value;
    const char* pattern;
    const char* expected;
};

TEST(NumberFormat, AtMostTwoDecimalsWithoutTrailingZeros) {
    const FormatCase cases[] = {
        {"whole number has no point", 1.0f, "#0.##", "1"},
        {"larger whole number", 600.0f, "#0.##", "600"},
        {"one decimal", 1.5f, "#0.##", "1.5"},
        {"two decimals", 2.25f, "#0.##", "2.25"},
        {"leading zero before the point", 0.75f, "#0.##", "0.75"},
        {"trailing zero dropped", 1.1f, "#0.##", "1.1"},
        {"third decimal rounds down", 1.3333334f, "#0.##", "1.33"},
        {"third decimal rounds up", 1.6666666f, "#0.##", "1.67"},
        {"a minute in hours", 1.0f / 60, "#0.##", "0.02"},
        {"rounds up into the next whole number", 0.995f, "#0.##", "1"},
        {"negative", -1.5f, "#0.##", "-1.5"},
        {"every digit of a large float", 16777216.0f, "#0.##", "16777216"},
        {"largest float", std::numeric_limits<float>::max(), "#0.##",
         "340282346638528859811704183484516925440"},
        {"fraction of a large float", 100000.34f, "#0.##", "100000.34"},
        {"hours suffix", 2.25f, "#0.## hr", "2.25 hr"},
        {"hours suffix on a whole number", 3.0f, "#0.## hr", "3 hr"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected);
    }
}

// The float's exact value decides, not its shortest decimal form: 2.675f is 2.67499995...
TEST(NumberFormat, RoundsHalfAwayFromZeroOnTheExactFloat) {
    const FormatCase cases[] = {
        {"exact half rounds up", 0.125f, "#0.##", "0.13"},
        {"another exact half rounds up", 0.375f, "#0.##", "0.38"},
        {"negative exact half rounds away from zero", -0.125f, "#0.##", "-0.13"},
        {"2.675 is just below the half", 2.675f, "#0.##", "2.67"},
        {"1.005 is just below the half", 1.005f, "#0.##", "1"},
        {"0.285 is just below the half", 0.285f, "#0.##", "0.28"},
        {"0.005 is just below the half", 0.005f, "#0.##", "0"},
        {"0.015 is just below the half", 0.015f, "#0.##", "0.01"},
        {"0.025 is just above the half", 0.025f, "#0.##", "0.03"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected);
    }
}

TEST(NumberFormat, ValueRoundingToZeroPrintsZero) {
    const FormatCase cases[] = {
        {"zero", 0.0f, "#0.##", "0"},
        {"negative zero", -0.0f, "#0.##", "0"},
        {"small positive", 0.004f, "#0.##", "0"},
        {"small negative has no sign", -0.004f, "#0.##", "0"},
        {"smallest float", std::numeric_limits<float>::denorm_min(), "#0.##", "0"},
        {"zero hours", 0.0f, "#0.## hr", "0 hr"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected);
    }
}

// The hours list holds 0.25 to 12 in quarter hours.
TEST(NumberFormat, HoursListValuesInShortestForm) {
    const char* const quarters[] = {"", ".25", ".5", ".75"};
    for (int n = 1; n <= 48; ++n) {
        const std::string expected = std::to_string(n / 4) + quarters[n % 4];
        SCOPED_TRACE(expected);
        EXPECT_EQ(FloatToText(n * 0.25), expected);
    }
}

TEST(NumberFormat, FloatToTextShortestForm) {
    EXPECT_EQ(FloatToText(0.1), "0.1");
    EXPECT_EQ(FloatToText(2.5), "2.5");
    EXPECT_EQ(FloatToText(600), "600");
    EXPECT_EQ(FloatToText(-0.25), "-0.25");
}

TEST(NumberFormat, IntegerToTextWithoutBlanks) {
    EXPECT_EQ(IntegerToText(1), "1");
    EXPECT_EQ(IntegerToText(600), "600");
    EXPECT_EQ(IntegerToText(0), "0");
    EXPECT_EQ(IntegerToText(-1), "-1");
    EXPECT_EQ(IntegerToText(std::numeric_limits<std::int16_t>::max()), "32767");
    EXPECT_EQ(IntegerToText(std::numeric_limits<std::int16_t>::min()), "-32768");
}

}  // namespace
}  // namespace hobwatch
