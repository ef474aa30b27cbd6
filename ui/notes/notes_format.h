#pragma once

#include <optional>

#include <QTextCharFormat>

namespace hobwatch {

// The character format that marks a stand-in in the notes box: a character shown in place of
// `original`, which the box cannot hold as itself.
QTextCharFormat StandInFormat(char16_t original);

// The character a stand-in's format says it stands for; empty for any other format.
std::optional<char16_t> OriginalOf(const QTextCharFormat& format);

// The stand-in shown for `c`: a line separator for U+2028 and U+2029, U+FFFD for the
// noncharacters U+FDD0 and U+FDD1; 0 for a character the box holds as itself.
char16_t StandInFor(char16_t c);

}  // namespace hobwatch
