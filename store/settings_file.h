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
// keeps its value. A missing or unreadable file changes nothing. Never fails towards the caller.
void ReadSettingsFile(SettingsRecord& record);

// Rewrites "Hobwatch.txt" in the current directory. The old file is replaced only once the new
// content is whole on disk; when that cannot be done, the old file stays as it was. Never fails
// towards the caller.
void WriteSettingsFile(const SettingsRecord& record);

}  // namespace hobwatch
