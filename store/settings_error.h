#pragma once

#include <system_error>

namespace hobwatch {

// Why the settings file was not read or saved, where neither the system's error code nor the file
// plumbing's (store/files/file_error.h) says it.
enum class SettingsFileError {
    TooLarge = 1,     // larger than kMaxSettingsFileBytes
    WouldBeTooLarge,  // a save whose content would be larger than kMaxSettingsFileBytes
    EntryTooLong,     // a minutes or hours line longer than kMaxEntryCharacters
};

std::error_code make_error_code(SettingsFileError error);

}  // namespace hobwatch

template <>
struct std::is_error_code_enum<hobwatch::SettingsFileError> : std::true_type {};
