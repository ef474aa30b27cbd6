#pragma once

#include <cstdint>
#include <string>

namespace hobwatch {

// The six values that "Hobwatch.txt" carries from one run to the next. Texts are UTF-8.
struct SettingsRecord {
    std::int16_t Check1Value, Check2Value, Check3Value;  // 0 unticked, 1 ticked, 2 greyed
    std::string Combo1Text, Combo2Text;                  // the minutes and the hours entry
    std::string Text1Text;                               // the notes, line breaks as CR LF
};

// Replaces the fields that "Hobwatch.txt" in the current directory supplies; every other field
// keeps its value. A missing or unreadable file, or one that is not a regular file, changes
// nothing. The file is read as UTF-8 (a leading byte-order mark skipped); bytes that are not
// valid UTF-8 are taken as Windows-1252 characters. Never fails towards the caller.
void ReadSettingsFile(SettingsRecord& record);

// Rewrites "Hobwatch.txt" in the current directory as UTF-8 with CR LF line ends; line breaks
// inside the two entry texts are left out so that no value moves to another line. The old file
// is replaced only once the new content is whole on disk, keeping its permissions; a symbolic
// link is written through to its target. When that cannot be done (a read-only file, a
// directory that cannot be written, a full disk), the old file stays as it was. Never fails
// towards the caller.
void WriteSettingsFile(const SettingsRecord& record);

}  // namespace hobwatch
