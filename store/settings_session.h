#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <system_error>

#include "store/settings_file.h"

namespace hobwatch {

// What one run knows about its settings file: the values before the file was read, the values
// the window last read from it or saved to it, and whether the file may be written at all. A
// file or folder that was refused at start is never written by that run. A save writes only when
// the file does not hold the window's values yet, so that a read-only file, a file on a slow
// disk or a running countdown cause no write, and it merges with what another writer saved
// meanwhile (SaveSettingsChanges).
class SettingsSession {
public:
    // `file` is where the settings are saved, in a folder as `folder` says.
    explicit SettingsSession(std::filesystem::path file, SaveFolder folder = SaveFolder::AsFound);

    const std::filesystem::path& File() const { return file_; }

    // Reads `startingFile` (the settings file, or a shared one to start from while the settings
    // file does not exist) onto `defaults`, the values shown before any file is read, and returns
    // the values to show. A `folderRefusal` says why the settings file's folder is not to be used:
    // nothing is read then. A file that is there but cannot be read whole gives the defaults, and
    // when it is the settings file itself, nothing is saved this run.
    SettingsRecord Read(const SettingsRecord& defaults, const std::filesystem::path& startingFile,
                        std::error_code folderRefusal = {});
    // Why the file read at start was refused, and which file that was; no error when it was read
    // or was not there.
    const std::error_code& ReadError() const { return readError_; }
    const std::filesystem::path& RefusedFile() const { return refusedFile_; }
    // Whether the settings file itself was refused, so that this run never writes it.
    bool WritingRefused() const { return static_cast<bool>(refusal_); }

    // The values the window shows once the file was read (a window may show a value in its own
    // form). Until the settings file itself was read or saved, they are not on disk: the first
    // save writes them, as a first start leaves its file.
    void Shown(const SettingsRecord& shown);

    struct SaveResult {
        // None when saved or when there was nothing to save; otherwise why the file was left as
        // it was: the refusal at start, the save's error, or not_enough_memory when the values
        // could not even be gathered.
        std::error_code Error;
        // Whether the window's values hold changes, since they were shown or last saved, that
        // are not on disk: what a close without saving would lose.
        bool ChangesNotOnDisk = false;
    };
    // Saves the window's values, which `current` gives, unless the file holds them already.
    SaveResult Save(const std::function<SettingsRecord()>& current);

private:
    std::filesystem::path file_;
    SaveFolder folder_;
    SettingsRecord defaults_{};
    SettingsRecord shown_{};
    // The window's values when it last read or saved the settings file: what is on disk as far
    // as this run knows, and what a merge compares the window's values with. None until then.
    std::optional<SettingsRecord> onDisk_;
    bool settingsFileRead_ = false;
    std::error_code readError_;
    std::filesystem::path refusedFile_;
    std::error_code refusal_;
};

}  // namespace hobwatch
