#pragma once

#include "store/settings_file.h"
#include "ui/form1_widgets.h"

namespace hobwatch {

// The three check boxes, the two entries and the notes as the settings file carries them.
SettingsRecord RecordFromControls(const Form1Widgets& widgets);
void StoreRecordInControls(const SettingsRecord& record, Form1Widgets& widgets);

}  // namespace hobwatch
