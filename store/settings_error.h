#pragma once

#include <system_error>

namespace hobwatch {

// Why the settings file was not read or saved, where no operating-system error code says it.
enum class SettingsFileError {
    TooLarge = 1,       // larger than kMaxSettingsFileBytes
    WouldBeTooLarge,    // a save whose content would be larger than kMaxSettingsFileBytes
    EntryTooLong,       // a minutes or hours line longer than kMaxEntryCharacters
    UntrustedLink,      // a link that another user planted in a shared folder
    UntrustedFile,      // a file that another user planted in a shared folder
    UntrustedFolder,    // a folder that is to be the user's alone but is not (MakeOwnFolder)
    NotRegularFile,     // a folder, a device or a named pipe
    FolderLocked,       // another program held the folder's lock for too long
    AttributesNotKept,  // extended attributes or an access control list that cannot be copied
};

std::error_code make_error_code(SettingsFileError error);

}  // namespace hobwatch

template <>
struct std::is_error_code_enum<hobwatch::SettingsFileError> : std::true_type {};
