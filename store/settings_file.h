#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

namespace hobwatch {

// The six values that the settings file carries from one run to the next, in the order of its
// lines. Texts are UTF-8.
struct SettingsRecord {
    std::int16_t ToneAlarm;      // line 1, "Beep 2": 0 unticked, 1 ticked, 2 greyed
    std::int16_t BellAlarm;      // line 2, "Beep 1": as line 1
    std::int16_t AutomaticExit;  // line 3, "End 10": as line 1
    std::string MinutesEntry;    // line 4
    std::string HoursEntry;      // line 5
    std::string Notes;           // line 6 to the end, line breaks as CR LF

    bool operator==(const SettingsRecord&) const = default;
};

// A larger settings file is refused whole, in bytes; no save writes a larger one.
inline constexpr std::size_t kMaxSettingsFileBytes = std::size_t{32} << 20;

// A file whose minutes or hours line is longer is refused whole, and no save writes a longer
// one: the length of an entry's text, in characters as the entry counts them (UTF-16 code units,
// a character beyond U+FFFF counting two). Far beyond any time a person types or pastes, and
// short enough for an entry to hold without memory or processor time to speak of.
inline constexpr std::size_t kMaxEntryCharacters = 65'536;

// Symbolic links on the way to the file are followed as the kernel's protected-links rule
// would: never one in a sticky folder that everyone may write unless it belongs to the folder's
// owner or to the user running the program. Nothing is read or written through such a link, nor
// to a file of that kind (the kernel's protected-regular rule).

// Replaces the fields that the settings file `file` supplies; every other field keeps its value.
// The file is read as UTF-8 (a leading byte-order mark skipped), or as UTF-16 when it starts
// with a UTF-16 byte-order mark; bytes that are not valid UTF-8 are taken as Windows-1252
// characters. No error when the file was read whole; otherwise `record` is unchanged and the
// error says why: no_such_file_or_directory when there is no file (nor a folder for it), else
// the file exists but is refused (not a regular file, larger than kMaxSettingsFileBytes, a
// minutes or hours line longer than kMaxEntryCharacters, an untrusted link or file, not
// readable, a failed read).
std::error_code LoadSettingsFile(const std::filesystem::path& file, SettingsRecord& record);

// LoadSettingsFile, true when it was read whole.
bool ReadSettingsFile(const std::filesystem::path& file, SettingsRecord& record);

// Rewrites the settings file `file` as UTF-8 with CR LF line ends; line breaks inside the two
// entry texts are left out so that no value moves to another line. The old file is replaced only
// once the new content is whole on disk, keeping its permissions, owner where allowed, extended
// attributes and access control list; a symbolic link is written through to its target. True
// when the file was saved; false, with the old file as it was, when that cannot be done (a
// read-only file, a directory that cannot be written, a full disk, content that would be larger
// than kMaxSettingsFileBytes, as notes re-encoded as UTF-8 with CR LF line ends can be, an entry
// longer than kMaxEntryCharacters).
bool WriteSettingsFile(const std::filesystem::path& file, const SettingsRecord& record);

// What a window saves: the values it started from before reading the file, the values it held
// when it last read or saved the file, and the values it holds now.
struct SettingsChanges {
    SettingsRecord Defaults;
    SettingsRecord Loaded;
    SettingsRecord Current;
};

// Where a save may put the file.
enum class SaveFolder {
    AsFound,  // wherever the path leads
    // A folder that must be the user's own (MakeOwnFolder in store/files/file_location.h), as the
    // configuration folder is: made sure of again at every save, and made again when it is
    // missing; the file is saved in the folder that check opened.
    UsersOwn,
};

// Saves a window's settings as WriteSettingsFile does, without undoing what another writer (a
// second window, a text editor) saved to the file since the window last read or saved it: each
// field the window changed since then is written, each other field keeps what the file holds now
// (read onto the defaults, as a window that opened now would show it) where the file still holds
// it: a file cut short gives up no value of the window's. With no file there, or an empty one
// (as an editor leaves it for a moment while it saves), the window's values are written. A file
// that is there but cannot be read whole is not replaced. Saves of two processes never interleave:
// each holds the lock on its folder's saves (store/files/folder_lock.h) from reading the file to
// replacing it, waiting while another window's save gets on. `folder` says where it may save. No
// error when saved; otherwise the error says why (as LoadSettingsFile does for a refused file, or
// the system's error, FileError or SettingsFileError).
std::error_code SaveSettingsChanges(const std::filesystem::path& file,
                                    const SettingsChanges& changes,
                                    SaveFolder folder = SaveFolder::AsFound);

}  // namespace hobwatch
