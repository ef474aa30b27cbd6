#include "store/settings_session.h"

#include <new>
#include <stdexcept>
#include <utility>

namespace hobwatch {

SettingsSession::SettingsSession(std::filesystem::path file, SaveFolder folder)
    : file_(std::move(file)), folder_(folder) {}

SettingsRecord SettingsSession::Read(const SettingsRecord& defaults,
                                     const std::filesystem::path& startingFile,
                                     std::error_code folderRefusal) {
    defaults_ = defaults;
    SettingsRecord record = defaults;
    const std::error_code error =
        folderRefusal ? folderRefusal : LoadSettingsFile(startingFile, record);
    settingsFileRead_ = !error && startingFile == file_;
    if (error && error != std::errc::no_such_file_or_directory) {
        readError_ = error;
        refusedFile_ = folderRefusal ? file_ : startingFile;
        // A shared file to start from that could not be read keeps nothing from being saved to
        // the user's own file.
        if (refusedFile_ == file_) {
            refusal_ = error;
        }
    }
    return record;
}

void SettingsSession::Shown(const SettingsRecord& shown) {
    shown_ = shown;
    if (settingsFileRead_) {
        onDisk_ = shown;
    }
}

SettingsSession::SaveResult SettingsSession::Save(const std::function<SettingsRecord()>& current) {
    // Notes of many megabytes are copied here: running out of memory is a failed save like any
    // other, not the end of the program with the changes lost.
    try {
        SettingsRecord values = current();
        const SettingsRecord& base = onDisk_ ? *onDisk_ : shown_;
        const bool changed = values != base;
        if (refusal_) {
            return {changed ? refusal_ : std::error_code{}, changed};
        }
        if (onDisk_ && !changed) {
            return {};
        }
        if (const std::error_code error =
                SaveSettingsChanges(file_, {defaults_, base, values}, folder_)) {
            return {error, changed};
        }
        onDisk_ = std::move(values);
        return {};
    } catch (const std::bad_alloc&) {
        return {std::make_error_code(std::errc::not_enough_memory), true};
    } catch (const std::length_error&) {
        return {std::make_error_code(std::errc::not_enough_memory), true};
    }
}

}  // namespace hobwatch
