#pragma once

#include <string>
#include <string_view>

namespace hobwatch {

// Formats a duration given in days. The duration is rounded to the nearest millisecond and then
// to the nearest second, halves up; a negative one shows as zero. In `pattern`, "h" is the hours
// without leading zero, "nn" the minutes and "ss" the seconds with two digits each; every other
// character stands for itself.
// The largest unit present carries the overflow: "h" shows all the hours (25:00:00 for a day and
// an hour), and without "h", "nn" shows all the minutes (60:00 for one hour).
std::string FormatDuration(double days, std::string_view pattern);

}  // namespace hobwatch
