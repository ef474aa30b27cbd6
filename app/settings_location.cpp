#include "app/settings_location.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <system_error>

#include "store/files/file_error.h"
#include "store/files/file_location.h"

namespace hobwatch {
namespace {

namespace fs = std::filesystem;

constexpr char kFileName[] = "Hobwatch.txt";

bool WritableFolder(const fs::path& folder) {
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

// $HOME, or the home folder of the user's account when it is not set or not an absolute path
// (which would put the settings wherever the program was started from).
fs::path HomeFolder(std::string_view home) {
    if (fs::path(home).is_absolute()) {
        return home;
    }
    const passwd* account = ::getpwuid(::geteuid());
    return account != nullptr && account->pw_dir != nullptr ? account->pw_dir : "/";
}

fs::path ConfigFolder(std::string_view configHome, std::string_view home) {
    const fs::path configured(configHome);
    return configured.is_absolute() ? configured : HomeFolder(home) / ".config";
}

}  // namespace

SettingsLocation LocateSettings(const fs::path& programFolder, std::string_view configHome,
                                std::string_view home) {
    const fs::path beside = programFolder / kFileName;
    if (WritableFolder(programFolder)) {
        return {beside, beside, {}};
    }
    const fs::path folder = ConfigFolder(configHome, home) / "hobwatch";
    const fs::path own = folder / kFileName;
    if (const std::error_code error = MakeOwnFolder(folder); error == FileError::UntrustedFolder) {
        return {own, own, error};
    }
    return {Exists(own) || !Exists(beside) ? own : beside, own, {}};
}

}  // namespace hobwatch
