#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "store/files/file_descriptor.h"

namespace hobwatch {

// Where a file lies: its folder, held open, and its name in that folder. When it was found the
// name was not a symbolic link; the file itself need not exist yet.
struct FileLocation {
    // Open for reading where the folder allows it (so that it can be listed, locked and synced),
    // else open only as a place to reach the file through.
    FileDescriptor Folder;
    std::string Name;
};

// The kernel's rule for a sticky folder that everyone may write, as its protected-links and
// protected-regular settings have it whatever their values: a link or a file there is used only
// when it belongs to the folder's owner or to the user running the program. Whether something
// of `owner` in the folder of status `folder` may be used.
bool MayUseInFolder(const struct stat& folder, uid_t owner);

// Finds the file `path` names, following every symbolic link on the way (chains too, relative
// ones from their own folder) as the kernel does with its protected-links rule switched on: a
// link in a sticky folder that everyone may write is followed only when it belongs to the
// folder's owner or to the user running the program, whatever the system's setting. Such a
// link gives FileError::UntrustedLink; a path that cannot be followed gives the
// system's error (a missing folder: no_such_file_or_directory). A missing file is no error.
std::error_code LocateFile(const std::filesystem::path& path, FileLocation& location);

// Makes sure that the folder `path` names is the user's own: a folder of the user running the
// program that no one else may write in (no write permission for its group or others), reached
// only through folders and symbolic links of that user or of root, so that no one else can
// replace it or what it holds. The folders that are missing on the way, that one included, are
// made with mkdirat in their opened parent, readable by the user alone (mode 0700).
// FileError::UntrustedFolder when another user owns a folder or link on the way, or the
// folder itself, or may write in it; the system's error when a folder cannot be made or opened.
std::error_code MakeOwnFolder(const std::filesystem::path& path);

// MakeOwnFolder, giving the folder it checked, opened, in `folder`.
std::error_code OpenOwnFolder(const std::filesystem::path& path, FileDescriptor& folder);

// LocateFile for a file whose folder is to be the user's own: the folder is made sure of as
// MakeOwnFolder does (made again when missing) and the file is found from the folder that check
// opened, so that nothing swapped in after the check is used.
std::error_code LocateFileInOwnFolder(const std::filesystem::path& path, FileLocation& location);

}  // namespace hobwatch
