#include "store/settings_file.h"

#include <chrono>
#include <new>
#include <stdexcept>

#include "store/file_text.h"
#include "store/files/file_location.h"
#include "store/files/file_reading.h"
#include "store/files/file_replacement.h"
#include "store/files/folder_lock.h"
#include "store/settings_error.h"
#include "store/settings_merge.h"
#include "store/settings_reader.h"
#include "store/settings_writer.h"

namespace hobwatch {
namespace {

// A save of another window that gets on is waited for: seven windows saving a 31 MB file at
// once took 25 s in all on a machine loaded six times over. Five seconds without progress, or a
// minute in all, and a holder that will not let go cannot hang a close (a session ends its
// programs about a minute and a half after logout).
constexpr LockPatience kLockPatience{std::chrono::seconds(5), std::chrono::seconds(60)};

// Applied to a copy, so that a refused file or running out of memory halfway changes nothing.
std::error_code ApplyBytes(const std::string& bytes, SettingsRecord& record) {
    SettingsRecord applied = record;
    if (!ApplySettingsText(DecodeFileText(bytes), applied)) {
        return SettingsFileError::EntryTooLong;
    }
    record = std::move(applied);
    return {};
}

// The plumbing reads up to the size it is given; the settings file names its own limit.
std::error_code ReadSettingsBytes(const FileLocation& location, std::string& bytes) {
    const std::error_code error = ReadWholeFile(location, kMaxSettingsFileBytes, bytes);
    return error == std::errc::file_too_large ? SettingsFileError::TooLarge : error;
}

std::error_code ReadAt(const FileLocation& location, SettingsRecord& record) {
    std::string bytes;
    if (const std::error_code error = ReadSettingsBytes(location, bytes)) {
        return error;
    }
    return ApplyBytes(bytes, record);
}

// Replaces the file with the bytes of `record`, unless they would make a file that cannot be
// read back: saved, it would be refused at every start from then on.
std::error_code WriteAt(const FileLocation& location, const SettingsRecord& record) {
    if (!EntryFits(record.MinutesEntry) || !EntryFits(record.HoursEntry)) {
        return SettingsFileError::EntryTooLong;
    }
    const std::string content = FormatSettingsText(record);
    if (content.size() > kMaxSettingsFileBytes) {
        return SettingsFileError::WouldBeTooLarge;
    }
    return ReplaceFileContent(location, content);
}

// Runs `body` on the located file; a file too large to hold in memory is an error like others.
template <typename Body>
std::error_code AtLocation(const std::filesystem::path& file, SaveFolder folder, Body body) {
    try {
        FileLocation location;
        if (const std::error_code error = folder == SaveFolder::UsersOwn
                                              ? LocateFileInOwnFolder(file, location)
                                              : LocateFile(file, location)) {
            return error;
        }
        return body(location);
    } catch (const std::bad_alloc&) {
        return std::make_error_code(std::errc::not_enough_memory);
    } catch (const std::length_error&) {
        return std::make_error_code(std::errc::not_enough_memory);
    }
}

// Runs `save` on the located file while holding its folder's lock.
template <typename Save>
std::error_code SaveLocked(const std::filesystem::path& file, SaveFolder folder, Save save) {
    return AtLocation(file, folder, [&](const FileLocation& location) {
        FolderLock lock;
        if (const std::error_code error = lock.Acquire(location, kLockPatience)) {
            return error;
        }
        return save(location);
    });
}

}  // namespace

std::error_code LoadSettingsFile(const std::filesystem::path& file, SettingsRecord& record) {
    return AtLocation(file, SaveFolder::AsFound,
                      [&](const FileLocation& location) { return ReadAt(location, record); });
}

bool ReadSettingsFile(const std::filesystem::path& file, SettingsRecord& record) {
    return !LoadSettingsFile(file, record);
}

bool WriteSettingsFile(const std::filesystem::path& file, const SettingsRecord& record) {
    return !SaveLocked(file, SaveFolder::AsFound,
                       [&](const FileLocation& location) { return WriteAt(location, record); });
}

std::error_code SaveSettingsChanges(const std::filesystem::path& file,
                                    const SettingsChanges& changes, SaveFolder folder) {
    return SaveLocked(file, folder, [&](const FileLocation& location) {
        std::string bytes;
        const std::error_code read = ReadSettingsBytes(location, bytes);
        if (read && read != std::errc::no_such_file_or_directory) {
            return read;
        }
        // An editor that empties the file before it writes it anew leaves it empty for a moment:
        // read, it would give the defaults for every field that the window left alone.
        if (bytes.empty()) {
            return WriteAt(location, changes.Current);
        }
        const std::string text = DecodeFileText(bytes);
        SettingsRecord onDisk = changes.Defaults;
        if (!ApplySettingsText(text, onDisk)) {
            return make_error_code(SettingsFileError::EntryTooLong);
        }
        return WriteAt(location, MergeSettings(changes.Loaded, changes.Current, onDisk,
                                               MeasureSettingsText(text)));
    });
}

}  // namespace hobwatch
