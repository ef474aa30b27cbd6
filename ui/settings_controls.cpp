#include "ui/settings_controls.h"

#include "ui/notes/notes_box.h"
#include "ui/setting_check_box.h"
#include "ui/widget_values.h"

namespace hobwatch {

SettingsRecord RecordFromControls(const WindowWidgets& widgets) {
    return SettingsRecord{
        .ToneAlarm = CheckValueOf(*widgets.ToneAlarm),
        .BellAlarm = CheckValueOf(*widgets.BellAlarm),
        .AutomaticExit = CheckValueOf(*widgets.AutomaticExit),
        .MinutesEntry = EntryTextOf(*widgets.MinutesEntry),
        .HoursEntry = EntryTextOf(*widgets.HoursEntry),
        .Notes = NotesTextOf(*widgets.Notes),
    };
}

void StoreRecordInControls(const SettingsRecord& record, WindowWidgets& widgets) {
    SetCheckValue(*widgets.ToneAlarm, record.ToneAlarm);
    SetCheckValue(*widgets.BellAlarm, record.BellAlarm);
    SetCheckValue(*widgets.AutomaticExit, record.AutomaticExit);
    SetEntryText(*widgets.MinutesEntry, record.MinutesEntry);
    SetEntryText(*widgets.HoursEntry, record.HoursEntry);
    SetNotesText(*widgets.Notes, record.Notes);
}

}  // namespace hobwatch
