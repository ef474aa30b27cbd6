#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

#include "store/settings_file.h"

namespace hobwatch {

// The settings file "Hobwatch.txt", and the file read at start-up, which differs from it only
// while the settings file does not exist yet.
struct SettingsLocation {
    std::filesystem::path ReadFrom;
    std::filesystem::path SaveTo;
    // Why the settings file's folder is not to be used (FileError::UntrustedFolder, or why it
    // cannot be made): nothing is read from it or saved to it then.
    std::error_code Refusal;
    // What each save is to make sure of (SaveSettingsChanges).
    SaveFolder SaveFolderRule = SaveFolder::AsFound;
};

// Where the settings file of the program in `programFolder` is, for the user running it:
// - beside the program when that folder is this user's own and this user may write in it (a
//   portable copy, a build folder), unless it is one of the system's folders (/usr, /bin, /sbin,
//   /lib*, /opt, /boot, /etc, /nix, /snap, /var/lib/flatpak and what lies in them), where not
//   even root leaves a file; a file there that this user may write is not enough, as only a
//   folder that may be written lets the file be replaced safely, and a file left in another
//   user's folder could not be replaced by its owner;
// - otherwise "hobwatch/Hobwatch.txt" in the user's configuration folder: `configHome` (the
//   value of XDG_CONFIG_HOME) when it is an absolute path, else ".config" in `home` (the value
//   of HOME, or the account's home folder when that is empty or not an absolute path). That
//   "hobwatch" folder is made when missing, and must be the user's own (MakeOwnFolder in
//   store/files/file_location.h), else it is refused, as it is when it cannot be made (the
//   refusal gives the reason). While the settings file does not exist, the start reads a file
//   beside the program if there is one (a shared cookbook); the saves go to the configuration
//   folder all the same, each making sure of it again (SaveFolder::UsersOwn).
SettingsLocation LocateSettings(const std::filesystem::path& programFolder,
                                std::string_view configHome, std::string_view home);

}  // namespace hobwatch
