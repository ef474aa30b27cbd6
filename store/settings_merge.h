#pragma once

#include "store/settings_file.h"

namespace hobwatch {

// The record a window saves when the file may have changed since it was read: each field that
// the window changed since `loaded` (the record as the window showed it after reading the file)
// comes from `current`; each other field keeps what the file holds now, `onDisk`.
SettingsRecord MergeSettings(const SettingsRecord& loaded, const SettingsRecord& current,
                             const SettingsRecord& onDisk);

}  // namespace hobwatch
