#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace hobwatch {

// The settings file "Hobwatch.txt", and the file read at start-up, which differs from it only
// while the settings file does not exist yet.
struct SettingsLocation {
    std::filesystem::path ReadFrom;
    std::filesystem::path SaveTo;
    // Why the settings file's folder is not to be used (FileError::UntrustedFolder):
    // nothing is read from it or saved to it then.
    std::error_code Refusal;
};

// Where the settings file of the program in `programFolder` is, for the user running it:
// - beside the program when this user may write in that folder (a portable copy, a build
//   folder); a file there that this user may write is not enough, as only a folder that may
//   be written lets the file be replaced safely;
// - otherwise "hobwatch/Hobwatch.txt" in the user's configuration folder: `configHome` (the
//   value of XDG_CONFIG_HOME) when it is an absolute path, else ".config" in `home` (the value
//   of HOME, or the account's home folder when that is empty or not an absolute path). That
//   "hobwatch" folder is made when missing, and must be the user's own (MakeOwnFolder in
//   store/files/file_location.h), else it is refused; a folder that cannot be made shows later,
//   when the save fails with its reason. While the settings file does not exist, the start reads a
//   file beside the program if there is one (a shared cookbook); the saves go to the configuration
//   folder all the same.
SettingsLocation LocateSettings(const std::filesystem::path& programFolder,
                                std::string_view configHome, std::string_view home);

}  // namespace hobwatch
