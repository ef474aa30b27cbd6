#include "date_value.h"

#include <cmath>

namespace hobwatch {
namespace {

std::optional<DateValue> AddMilliseconds(DateValue moment, double count,
                                         double millisecondsPerUnit) {
    if (!std::isfinite(count)) {
        return std::nullopt;
    }
    const double offset = std::round(count) * millisecondsPerUnit;
    const double start = static_cast<double>(MillisecondsFromDateValue(moment));
    const double result = start + offset;
    // Compared in doubles first: a huge count must not overflow the integer conversion.
    if (result < kMinDateValue * kMillisecondsPerDay ||
        result > kMaxDateValue * kMillisecondsPerDay) {
        return std::nullopt;
    }
    return DateValueFromMilliseconds(static_cast<std::int64_t>(result));
}

}  // namespace

DateValue DateValueFromMilliseconds(std::int64_t milliseconds) {
    return static_cast<double>(milliseconds) / static_cast<double>(kMillisecondsPerDay);
}

std::int64_t MillisecondsFromDateValue(DateValue value) {
    return std::llround(value * static_cast<double>(kMillisecondsPerDay));
}

std::optional<DateValue> AddMinutes(DateValue moment, double count) {
    return AddMilliseconds(moment, count, 60'000.0);
}

std::optional<DateValue> AddSeconds(DateValue moment, double count) {
    return AddMilliseconds(moment, count, 1'000.0);
}

double DateDifference(DateValue later, DateValue earlier) {
    const std::int64_t milliseconds =
        MillisecondsFromDateValue(later) - MillisecondsFromDateValue(earlier);
    return static_cast<double>(milliseconds) / static_cast<double>(kMillisecondsPerDay);
}

}  // namespace hobwatch
