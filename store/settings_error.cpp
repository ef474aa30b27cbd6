#include "store/settings_error.h"

#include <string>

#include "store/settings_file.h"

namespace hobwatch {
namespace {

class SettingsFileCategory final : public std::error_category {
public:
    const char* name() const noexcept override { return "settings file"; }

    std::string message(int value) const override {
        switch (static_cast<SettingsFileError>(value)) {
            case SettingsFileError::TooLarge:
                return "it is larger than the " + std::to_string(kMaxSettingsFileBytes >> 20) +
                       " MB that Hobwatch reads";
            case SettingsFileError::UntrustedLink:
                return "it is a link made by another user in a shared folder, which Hobwatch "
                       "does not follow";
            case SettingsFileError::NotRegularFile:
                return "it is not a plain file";
            case SettingsFileError::FolderLocked:
                return "another program kept its folder locked";
            case SettingsFileError::AttributesNotKept:
                return "its extended attributes or access control list could not be carried "
                       "over to the new file";
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
