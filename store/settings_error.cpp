#include "store/settings_error.h"

#include <string>

#include "store/settings_file.h"

namespace hobwatch {
namespace {

std::string ReadLimit() {
    return "the " + std::to_string(kMaxSettingsFileBytes >> 20) + " MB that Hobwatch reads";
}

class SettingsFileCategory final : public std::error_category {
public:
    const char* name() const noexcept override { return "settings file"; }

    std::string message(int value) const override {
        // Worded as the system's own messages are, to follow a file name and a colon.
        switch (static_cast<SettingsFileError>(value)) {
            case SettingsFileError::TooLarge:
                return "Larger than " + ReadLimit();
            case SettingsFileError::WouldBeTooLarge:
                return "Would be larger than " + ReadLimit();
            case SettingsFileError::EntryTooLong:
                return "Minutes or hours longer than the " + std::to_string(kMaxEntryCharacters) +
                       " characters that Hobwatch reads";
        }
        return "unknown error";
    }
};

}  // namespace

std::error_code make_error_code(SettingsFileError error) {
    static const SettingsFileCategory category;
    return {static_cast<int>(error), category};
}

}  // namespace hobwatch
