#pragma once

#include "store/settings_file.h"
#include "ui/window_widgets.h"

namespace hobwatch {

// The three check boxes, the two entries and the notes as the settings file carries them.
SettingsRecord RecordFromControls(const WindowWidgets& widgets);
void StoreRecordInControls(const SettingsRecord& record, WindowWidgets& widgets);

}  // namespace hobwatch
