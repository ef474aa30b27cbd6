#pragma once

#include <cstdint>
#include <optional>

namespace hobwatch {

// A date and time as days since midnight at the start of 30 December 1899; the fraction is the
// time of day. The difference of two values is a duration in days.
using DateValue = double;

inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

// The range of DateValue: 1 January 100 to the last millisecond of 31 December 9999.
inline constexpr DateValue kMinDateValue = -657434.0;
inline constexpr DateValue kMaxDateValue = 2958466.0 - 1.0 / kMillisecondsPerDay;

// All arithmetic works on whole milliseconds, so that a moment reached by adding whole seconds
// compares equal to the clock's reading of that same moment.
DateValue DateValueFromMilliseconds(std::int64_t milliseconds);
// The DateValue rounded to the nearest millisecond; `value` must lie within the range above.
std::int64_t MillisecondsFromDateValue(DateValue value);

// `count` is rounded to a whole number, halves away from zero. Empty when the count is not finite
// or the result leaves the range of DateValue.
std::optional<DateValue> AddMinutes(DateValue moment, double count);
std::optional<DateValue> AddSeconds(DateValue moment, double count);

// `later` minus `earlier`, in days, exact to the millisecond.
double DateDifference(DateValue later, DateValue earlier);

}  // namespace hobwatch
