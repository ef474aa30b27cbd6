#pragma once

#include <optional>

namespace hobwatch {

// Answers "--help" and "--version" (the first one given wins) on standard output, before any
// window. Returns the exit status when the program is to end at once (0, or 1 when the answer
// could not be written); nothing when it is to go on. Every other argument is ignored.
std::optional<int> AnswerCommandLine(int argc, const char* const argv[]);

}  // namespace hobwatch
