#pragma once

#include <string_view>

#include "store/settings_file.h"

namespace hobwatch {

// Whether the UTF-8 text `entry` is no longer than kMaxEntryCharacters.
bool EntryFits(std::string_view entry);

// Applies a settings file's decoded text to `record`: lines 1 to 3 are the check values (taken
// only if 0, 1 or 2), lines 4 and 5 the entry texts (taken only if not blank), line 6 to the end
// the notes (taken only if not empty). A file that ends early repeats the last check value and
// the last entry text it gave for the lines it lacks. False when line 4 or 5 does not fit in an
// entry (EntryFits): the file is refused, and `record`, partly changed, is to be dropped.
bool ApplySettingsText(std::string_view text, SettingsRecord& record);

// Which values a settings file's text holds, as a merge must know: a file cut short holds fewer
// lines than it was written with, and a missing line is no writer's choice.
struct SettingsTextExtent {
    int ValueLines = 0;       // lines 1 to 5 that the text has, from line 1 on: 0 to 5
    bool HasNotes = false;    // whether it has a line 6
    bool NotesEnded = false;  // whether its last notes line ends with a line end, as saves leave it
};
SettingsTextExtent MeasureSettingsText(std::string_view text);

}  // namespace hobwatch
