#pragma once

#include <system_error>

namespace hobwatch {

// Why a file was not used, where no operating-system error code says it.
enum class FileError {
    UntrustedLink = 1,  // a link that another user planted in a shared folder
    UntrustedFile,      // a file that another user planted in a shared folder
    UntrustedFolder,    // a folder that is to be the user's alone but is not (MakeOwnFolder)
    NotRegularFile,     // a folder, a device or a named pipe
    FolderLocked,       // another program held the lock on the folder's saves for too long
    LockedBySave,       // another save held that lock for too long, or stalled holding it
    AttributesNotKept,  // extended attributes or an access control list that cannot be copied
};

std::error_code make_error_code(FileError error);

}  // namespace hobwatch

template <>
struct std::is_error_code_enum<hobwatch::FileError> : std::true_type {};
