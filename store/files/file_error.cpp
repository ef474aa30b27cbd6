#include "store/files/file_error.h"

#include <string>

namespace hobwatch {
namespace {

class FileCategory final : public std::error_category {
public:
    const char* name() const noexcept override { return "file"; }

    std::string message(int value) const override {
        // Worded as the system's own messages are, to follow a file name and a colon.
        switch (static_cast<FileError>(value)) {
            case FileError::UntrustedLink:
                return "Link made by another user in a shared folder, not followed";
            case FileError::UntrustedFile:
                return "File made by another user in a shared folder, not used";
            case FileError::UntrustedFolder:
                return "Its folder is not yours alone (another user owns it or a folder or link "
                       "on the way to it, or others may write in it)";
            case FileError::NotRegularFile:
                return "Not a regular file";
            case FileError::FolderLocked:
                return "Its folder is kept locked by another program";
            case FileError::LockedBySave:
                return "Its folder is kept locked by another Hobwatch window";
            case FileError::AttributesNotKept:
                return "Its extended attributes or access control list cannot be carried over";
        }
        return "unknown error";
    }
};

}  // namespace

std::error_code make_error_code(FileError error) {
    static const FileCategory category;
    return {static_cast<int>(error), category};
}

}  // namespace hobwatch
