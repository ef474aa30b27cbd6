#include "store/files/extended_attributes.h"

#include <sys/xattr.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "store/files/file_error.h"
#include "store/files/system_error.h"

namespace hobwatch {
namespace {

constexpr const char* kAccessList = "system.posix_acl_access";

// Fills `buffer` by `read(data, size)`, which answers as the xattr calls do: the size needed
// when asked with size 0, -1 with ERANGE when the value grew in between.
template <typename Read>
std::error_code ReadGrowing(std::string& buffer, Read read) {
    for (;;) {
        const ssize_t needed = read(nullptr, 0);
        if (needed < 0) {
            return LastSystemError();
        }
        buffer.resize(static_cast<std::size_t>(needed));
        const ssize_t length = read(buffer.data(), buffer.size());
        if (length >= 0) {
            buffer.resize(static_cast<std::size_t>(length));
            return {};
        }
        if (errno != ERANGE) {
            return LastSystemError();
        }
    }
}

std::error_code ValueOf(int fd, const char* name, std::string& value) {
    return ReadGrowing(
        value, [&](char* data, std::size_t size) { return ::fgetxattr(fd, name, data, size); });
}

}  // namespace

std::error_code CopyExtendedAttributes(int from, int to) {
    std::string names;
    if (const std::error_code error = ReadGrowing(
            names, [&](char* data, std::size_t size) { return ::flistxattr(from, data, size); })) {
        return error == std::errc::not_supported ? std::error_code() : error;
    }
    std::string value;
    std::string present;
    bool hasAccessList = false;
    for (std::size_t start = 0; start < names.size();) {
        const char* const name = names.c_str() + start;
        start += std::strlen(name) + 1;
        hasAccessList = hasAccessList || std::strcmp(name, kAccessList) == 0;
        if (const std::error_code error = ValueOf(from, name, value)) {
            // Gone since the listing: nothing left to copy.
            if (error == std::errc::no_message_available) {
                continue;
            }
            return error;
        }
        if (::fsetxattr(to, name, value.data(), value.size(), 0) != 0 &&
            (ValueOf(to, name, present) || present != value)) {
            return FileError::AttributesNotKept;
        }
    }
    // A new file takes on its folder's default list, which would give others rights to the
    // content that the old file did not give them.
    if (!hasAccessList && ::fremovexattr(to, kAccessList) != 0 && errno != ENODATA &&
        errno != ENOTSUP) {
        return FileError::AttributesNotKept;
    }
    return {};
}

}  // namespace hobwatch
