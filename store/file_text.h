#pragma once

#include <string>
#include <string_view>

namespace hobwatch {

// The text of a settings file's bytes, as valid UTF-8. Bytes that start with a UTF-16
// byte-order mark (FF FE little-endian, FE FF big-endian) are read as UTF-16, an unpaired
// surrogate or an odd last byte becoming U+FFFD. Otherwise a leading UTF-8 byte-order mark is
// dropped, and each byte that does not start a valid UTF-8 sequence is taken as a Windows-1252
// character (its five unassigned codes as the Latin-1 character of the same code), so that a
// file saved by an older editor keeps its accents, dashes and quotes.
std::string DecodeFileText(std::string_view bytes);

}  // namespace hobwatch
