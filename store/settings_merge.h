#pragma once

#include "store/settings_file.h"
#include "store/settings_reader.h"

namespace hobwatch {

// The record a window saves when the file may have changed since the window last read or saved
// it: each field that the window changed since `base` (its values as last read or saved) comes
// from `current`; each other field keeps what the file holds now, `onDisk`, where the file holds
// it (`extent`). A line the file no longer has keeps the window's value, and so do notes cut off
// in the middle of a line when they are the start of the window's own.
SettingsRecord MergeSettings(const SettingsRecord& base, const SettingsRecord& current,
                             const SettingsRecord& onDisk, const SettingsTextExtent& extent);

}  // namespace hobwatch
