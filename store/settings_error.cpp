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
            case SettingsFileError::UntrustedLink:
                return "Link made by another user in a shared folder, not followed";
            case SettingsFileError::UntrustedFile:
                return "File made by another user in a shared folder, not used";
            case SettingsFileError::UntrustedFolder:
                return "Its folder is not yours alone (another user owns it or a folder or link "
                       "on the way to it, or others may write in it)";
            case SettingsFileError::NotRegularFile:
                return "Not a regular file";
            case SettingsFileError::FolderLocked:
                return "Its folder is kept locked by another program";
            case SettingsFileError::AttributesNotKept:
                return "Its extended attributes or access control list cannot be carried over";
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
