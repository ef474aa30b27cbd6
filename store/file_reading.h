#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace hobwatch {

// The whole content of the regular file `path` (a symbolic link is followed); empty when there
// is none or it cannot be read to its end. Never waits on a named pipe or a device.
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path);

}  // namespace hobwatch
