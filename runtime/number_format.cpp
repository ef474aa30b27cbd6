#include "number_format.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace hobwatch {
namespace {

constexpr std::string_view kNumberPlaceholder = "#0.##";

// The digits of a whole number held in a double, exactly.
std::string WholeDigits(double wholeValue) {
    std::array<char, 64> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.0f", wholeValue);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

}  // namespace

std::string FormatNumber(float value, std::string_view pattern) {
    assert(pattern.starts_with(kNumberPlaceholder));
    // A float times 100 needs at most 31 significant bits, so the product is exact in a double.
    const double hundredths = std::round(std::fabs(static_cast<double>(value) * 100.0));
    std::string digits = WholeDigits(hundredths);
    if (digits.size() < 3) {
        digits.insert(0, 3 - digits.size(), '0');
    }
    std::string text = digits.substr(0, digits.size() - 2);
    std::string fraction = digits.substr(digits.size() - 2);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (!fraction.empty()) {
        text += '.' + fraction;
    }
    if (value < 0 && hundredths != 0) {
        text.insert(0, 1, '-');
    }
    return text + std::string(pattern.substr(kNumberPlaceholder.size()));
}

std::string IntegerToText(std::int16_t value) { return std::to_string(value); }

std::string FloatToText(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace hobwatch
