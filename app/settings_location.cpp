#include "app/settings_location.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string_view>
#include <system_error>

#include "store/files/file_location.h"

namespace hobwatch {
namespace {

namespace fs = std::filesystem;

constexpr char kFileName[] = "Hobwatch.txt";

// Where the system's programs and their data are installed; a file left there by root would be
// every user's, and no package would own it.
constexpr std::string_view kSystemFolders[] = {
    "/usr", "/bin",  "/sbin", "/lib", "/lib32", "/lib64",           "/libx32",
    "/opt", "/boot", "/etc",  "/nix", "/snap",  "/var/lib/flatpak",
};

bool InSystemFolder(const fs::path& folder) {
    std::error_code error;
    const std::string real = fs::weakly_canonical(folder, error).native();
    for (const std::string_view system : kSystemFolders) {
        if (real.starts_with(system) &&
            (real.size() == system.size() || real[system.size()] == '/')) {
            return true;
        }
    }
    return false;
}

// A folder of the user's own, that the user may write: another user's portable copy would be
// left with a file its owner could no longer replace.
bool UsersWritableFolder(const fs::path& folder) {
    struct stat status {};
    return ::stat(folder.c_str(), &status) == 0 && status.st_uid == ::geteuid() &&
           ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
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
    if (UsersWritableFolder(programFolder) && !InSystemFolder(programFolder)) {
        return {beside, beside, {}, SaveFolder::AsFound};
    }
    const fs::path folder = ConfigFolder(configHome, home) / "hobwatch";
    const fs::path own = folder / kFileName;
    if (const std::error_code error = MakeOwnFolder(folder)) {
        return {own, own, error, SaveFolder::UsersOwn};
    }
    return {Exists(own) || !Exists(beside) ? own : beside, own, {}, SaveFolder::UsersOwn};
}

}  // namespace hobwatch
