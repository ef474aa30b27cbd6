#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace hobwatch {

// Formats `value` by a pattern that begins with "#0.##": at least one digit before the point and
// at most two after it, rounded half away from zero on the exact value of the float. Trailing
// zeros are dropped, and the point too when no fraction digit remains ("1", "1.5", "1.33"); a
// value that rounds to zero prints "0". The rest of the pattern (" hr") stands for itself.
std::string FormatNumber(float value, std::string_view pattern);

// Shortest decimal forms, without blanks or trailing zeros: 600 gives "600", 0.25 gives "0.25".
std::string IntegerToText(std::int16_t value);
std::string FloatToText(double value);

}  // namespace hobwatch
