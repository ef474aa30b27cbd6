#pragma once

#include <string_view>

#include "store/settings_file.h"

namespace hobwatch {

// Applies a settings file's decoded text to `record`: lines 1 to 3 are the check values (taken
// only if 0, 1 or 2), lines 4 and 5 the entry texts (taken only if not blank), line 6 to the end
// the notes (taken only if not empty). A file that ends early repeats the last check value and
// the last entry text it gave for the lines it lacks.
void ApplySettingsText(std::string_view text, SettingsRecord& record);

}  // namespace hobwatch
