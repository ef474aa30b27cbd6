#include "app/command_line.h"

#include <cstdio>
#include <string_view>

namespace hobwatch {
namespace {

// Written with stdio: the first use of iostreams costs the program a few hundred kilobytes of
// resident memory for the library's locale set-up.
constexpr const char* kHelp =
    "Usage: hobwatch [--help | --version]\n"
    "\n"
    "A countdown timer for the kitchen: one small window that stays above the others.\n"
    "Pick minutes or hours, press start, and hear the alarm when the time is up.\n"
    "\n"
    "  --help     show this text and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Other arguments are ignored.\n";

}  // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "--version") {
            std::fputs(argument == "--help" ? kHelp : "hobwatch " HOBWATCH_VERSION "\n", stdout);
            // An answer that could not be written (a full disk, a closed pipe) is a failure.
            return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 1;
        }
    }
    return std::nullopt;
}

}  // namespace hobwatch
