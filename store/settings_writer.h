#pragma once

#include <string>

#include "store/settings_file.h"

namespace hobwatch {

// The bytes of the settings file for `record`: the three check values as decimal integers, the
// two entry texts without their line breaks, then the notes as they are, each followed by CR LF.
std::string FormatSettingsText(const SettingsRecord& record);

}  // namespace hobwatch
