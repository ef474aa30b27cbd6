#pragma once

#include <optional>
#include <string_view>

namespace hobwatch {

// The decimal number at the start of `text`: blanks (space, tab, CR, LF) skipped, an optional
// sign, digits with at most one "." as the point. Reading stops at the first character that
// cannot continue the number; no exponent, radix prefix or blank inside it. 0 when there is no
// number; an infinity of the number's sign when it is beyond the range of a double.
double ReadNumber(std::string_view text);
double ReadNumber(std::u32string_view text);
// As ReadNumber, but a comma serves as the point as well, for numbers typed where the comma is
// the decimal mark: "2,25" is 2.25.
double ReadEntryNumber(std::string_view text);

// `value` as a 32-bit float, rounded to nearest; empty when it is not finite or beyond the range
// of a 32-bit float.
std::optional<float> ToSingle(double value);

}  // namespace hobwatch
