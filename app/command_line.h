#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/phrase_start.h"

namespace hobwatch {

// What the command line asks for. Arguments it does not know are ignored.
struct CommandLine {
    // "--help" or "--version", the first one given; empty when neither is.
    std::string_view Question;
    // The phrase of the first "--start PHRASE" or "--start=PHRASE", as given (the argument after
    // "--start" is its phrase, whatever it says); empty for a "--start" with nothing after it.
    std::optional<std::string> StartPhrase;
};

// `argv` must outlive the answer.
CommandLine ReadCommandLine(int argc, const char* const argv[]);

// Answers "--help" or "--version" on standard output, before any window. Returns the exit status
// when the program is to end at once (0, or 1 when the answer could not be written); nothing
// when it is to go on.
std::optional<int> AnswerCommandLine(const CommandLine& commandLine);

// Says on standard error why the phrase of "--start" started nothing; says nothing when it
// started the countdown.
void ReportPhraseStart(std::string_view phrase, PhraseStart result);

}  // namespace hobwatch
