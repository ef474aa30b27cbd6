#include "number_reading.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace hobwatch {
namespace {

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n'; }
bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

template <typename Char>
double ReadNumberFrom(std::basic_string_view<Char> text, bool commaIsPoint = false) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') {
            number += '-';
        }
        ++i;
    }
    bool sawDigit = false;
    bool sawPoint = false;
    for (; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (IsDigit(c)) {
            sawDigit = true;
            number += static_cast<char>(c);
        } else if ((c == '.' || (commaIsPoint && c == ',')) && !sawPoint) {
            sawPoint = true;
            number += '.';
        } else {
            break;
        }
    }
    if (!sawDigit) {
        return 0.0;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // Too many digits for a double, or so many leading zeros after the point that the
        // value underflows.
        const bool tiny = number.find_first_of("123456789") > number.find('.');
        const double magnitude = tiny ? 0.0 : std::numeric_limits<double>::infinity();
        return number.front() == '-' ? -magnitude : magnitude;
    }
    return value;
}

}  // namespace

double ReadNumber(std::string_view text) { return ReadNumberFrom(text); }
double ReadNumber(std::u32string_view text) { return ReadNumberFrom(text); }
double ReadEntryNumber(std::string_view text) { return ReadNumberFrom(text, true); }

std::optional<float> ToSingle(double value) {
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

}  // namespace hobwatch
