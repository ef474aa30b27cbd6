#pragma once

#include <string>
#include <string_view>

#include "core/control_states.h"
#include "store/settings_file.h"
#include "ui/window_widgets.h"

class QCheckBox;
class QComboBox;

namespace hobwatch {

// Values of the widgets in the form the handlers and the settings file use (UTF-8 texts).

CheckValue CheckValueOf(const QCheckBox& box);  // 0 unticked, 1 ticked, 2 greyed
// 2 greys the box; any other non-zero value ticks it.
void SetCheckValue(QCheckBox& box, CheckValue value);

// An entry's text never holds CR or LF, in either direction. It holds up to kMaxEntryCharacters
// (store/settings_file.h), which a settings file's entry line may hold: a longer text, set,
// typed or pasted, is cut there.
std::string EntryTextOf(const QComboBox& entry);
void SetEntryText(QComboBox& entry, std::string_view text);

// The three check boxes, the two entries and the notes as the settings file carries them.
SettingsRecord RecordFromControls(const WindowWidgets& widgets);
void StoreRecordInControls(const SettingsRecord& record, WindowWidgets& widgets);

}  // namespace hobwatch
