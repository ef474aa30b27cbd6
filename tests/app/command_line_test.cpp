#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"

namespace hobwatch {
namespace {

struct ArgumentsCase {
    const char* name;
    std::vector<const char*> arguments;  // after the program's name
    const char* question;
    std::optional<std::string> startPhrase;
};

// The argument after --start is its phrase, even one that looks like an option.
TEST(CommandLine, ReadsTheQuestionAndThePhraseToStart) {
    const ArgumentsCase cases[] = {
        {"none", {}, "", std::nullopt},
        {"phrase in the next argument", {"--start", "2 1/4 hours"}, "", "2 1/4 hours"},
        {"phrase after an equals sign", {"--start=12"}, "", "12"},
        {"first --start wins", {"--start", "12", "--start=5"}, "", "12"},
        {"--start at the end", {"--verbose", "--start"}, "", ""},
        {"an option as the phrase", {"--start", "--help"}, "", "--help"},
        {"question with a phrase", {"--start", "5", "--version", "--help"}, "--version", "5"},
        {"unknown option of the same start", {"--starting", "5"}, "", std::nullopt},
    };
    for (const ArgumentsCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<const char*> argv{"hobwatch"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());

        const CommandLine commandLine = ReadCommandLine(static_cast<int>(argv.size()), argv.data());

        EXPECT_EQ(commandLine.Question, c.question);
        EXPECT_EQ(commandLine.StartPhrase, c.startPhrase);
    }
}

}  // namespace
}  // namespace hobwatch
