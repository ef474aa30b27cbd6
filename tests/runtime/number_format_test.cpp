#include "runtime/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace hobwatch {
namespace {

struct FormatCase {
    const char* name;
    float value;
    const char* expected;
};

// The float's exact value decides, not its shortest decimal form: 2.675f is 2.67499995...
TEST(NumberFormat, RoundsHalfAwayFromZeroOnTheExactFloat) {
    const FormatCase cases[] = {
        {"exact half rounds up", 0.125f, "0.13"},
        {"negative exact half rounds away from zero", -0.125f, "-0.13"},
        {"2.675 lies just below the half", 2.675f, "2.67"},
        {"1.005 lies just below the half", 1.005f, "1"},
        {"0.025 lies just above the half", 0.025f, "0.03"},
        {"rounds up into the next whole number", 0.995f, "1"},
        {"small negative prints a plain 0", -0.004f, "0"},
        {"every digit of the largest float", std::numeric_limits<float>::max(),
         "340282346638528859811704183484516925440"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatNumber(c.value, "#0.##"), c.expected);
    }
}

}  // namespace
}  // namespace hobwatch
