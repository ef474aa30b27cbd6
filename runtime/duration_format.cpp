#include "duration_format.h"

#include <cmath>
#include <cstdint>

#include "date_value.h"

namespace hobwatch {
namespace {

std::string TwoDigits(std::int64_t value) {
    std::string text = std::to_string(value);
    return value < 10 ? "0" + text : text;
}

}  // namespace

std::string FormatDuration(double days, std::string_view pattern) {
    // Durations are whole milliseconds; recovering them first keeps a half second exact, so that
    // 5.5 s rounds up like 6.5 s does.
    const double seconds = std::round(std::round(days * kMillisecondsPerDay) / 1000.0);
    // Anything beyond the DateValue range is clamped before the integer conversion.
    const double maxSeconds = (kMaxDateValue - kMinDateValue) * kSecondsPerDay;
    const auto total = static_cast<std::int64_t>(seconds > 0 ? std::fmin(seconds, maxSeconds) : 0);

    const bool hasHours = pattern.find('h') != std::string_view::npos;
    const std::int64_t minutes = hasHours ? total / 60 % 60 : total / 60;

    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::string_view rest = pattern.substr(i);
        if (rest.front() == 'h') {
            text += std::to_string(total / 3600);
        } else if (rest.starts_with("nn")) {
            text += TwoDigits(minutes);
            ++i;
        } else if (rest.starts_with("ss")) {
            text += TwoDigits(total % 60);
            ++i;
        } else {
            text += rest.front();
        }
    }
    return text;
}

}  // namespace hobwatch
