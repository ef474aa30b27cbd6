#include "app/command_line.h"

#include <cstdio>

namespace hobwatch {
namespace {

// Written with stdio: the first use of iostreams costs the program a few hundred kilobytes of
// resident memory for the library's locale set-up.
constexpr const char* kHelp =
    "Usage: hobwatch [--help | --version | --start PHRASE]\n"
    "\n"
    "A countdown timer for the kitchen: one small window that stays above the others.\n"
    "Pick minutes or hours, press start, and hear the alarm when the time is up.\n"
    "\n"
    "  --help          show this text and exit\n"
    "  --version       show the version and exit\n"
    "  --start PHRASE  open the window and start counting down the time in PHRASE,\n"
    "                  read as a time highlighted in the notes: \"12\" or \"12 min\" for\n"
    "                  minutes, \"2 1/4 hours\" or \"1 hour 20 minutes\" for hours\n"
    "\n"
    "Other arguments are ignored.\n";

constexpr std::string_view kStart = "--start";

}  // namespace

CommandLine ReadCommandLine(int argc, const char* const argv[]) {
    CommandLine commandLine;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if ((argument == "--help" || argument == "--version") && commandLine.Question.empty()) {
            commandLine.Question = argument;
        } else if (argument == kStart) {
            const char* phrase = i + 1 < argc ? argv[++i] : "";
            commandLine.StartPhrase = commandLine.StartPhrase.value_or(phrase);
        } else if (argument.starts_with(kStart) && argument[kStart.size()] == '=') {
            commandLine.StartPhrase =
                commandLine.StartPhrase.value_or(std::string(argument.substr(kStart.size() + 1)));
        }
    }
    return commandLine;
}

std::optional<int> AnswerCommandLine(const CommandLine& commandLine) {
    if (commandLine.Question.empty()) {
        return std::nullopt;
    }
    std::fputs(commandLine.Question == "--help" ? kHelp : "hobwatch " HOBWATCH_VERSION "\n",
               stdout);
    // An answer that could not be written (a full disk, a closed pipe) is a failure.
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 1;
}

void ReportPhraseStart(std::string_view phrase, PhraseStart result) {
    const char* reason = nullptr;
    switch (result) {
        case PhraseStart::Started:
            return;
        case PhraseStart::NoTime:
            reason = "it gives no time to count down";
            break;
        case PhraseStart::BeyondDates:
            reason = "the countdown would end too far in the future";
            break;
    }
    std::fprintf(stderr, "hobwatch: nothing started by --start \"%.*s\": %s\n",
                 static_cast<int>(phrase.size()), phrase.data(), reason);
}

}  // namespace hobwatch
