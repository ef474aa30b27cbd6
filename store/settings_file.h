#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

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

// Replaces the fields that the settings file `file` supplies; every other field keeps its value.
// The file is read as UTF-8 (a leading byte-order mark skipped); bytes that are not valid UTF-8
// are taken as Windows-1252 characters. True when the file was read whole; false, with `record`
// unchanged, when it is missing, is not a regular file or cannot be read to its end.
bool ReadSettingsFile(const std::filesystem::path& file, SettingsRecord& record);

// Rewrites the settings file `file` as UTF-8 with CR LF line ends; line breaks inside the two
// entry texts are left out so that no value moves to another line. The old file is replaced only
// once the new content is whole on disk, keeping its permissions; a symbolic link is written
// through to its target. True when the file was saved; false, with the old file as it was, when
// that cannot be done (a read-only file, a directory that cannot be written, a full disk).
bool WriteSettingsFile(const std::filesystem::path& file, const SettingsRecord& record);

}  // namespace hobwatch
