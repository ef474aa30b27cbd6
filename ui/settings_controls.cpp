#include "ui/settings_controls.h"

#include "ui/notes_box.h"
#include "ui/setting_check_box.h"
#include "ui/widget_values.h"

namespace hobwatch {

SettingsRecord RecordFromControls(const Form1Widgets& widgets) {
    return SettingsRecord{
        .Check1Value = CheckValueOf(*widgets.Check1),
        .Check2Value = CheckValueOf(*widgets.Check2),
        .Check3Value = CheckValueOf(*widgets.Check3),
        .Combo1Text = EntryTextOf(*widgets.Combo1),
        .Combo2Text = EntryTextOf(*widgets.Combo2),
        .Text1Text = NotesTextOf(*widgets.Text1),
    };
}

void StoreRecordInControls(const SettingsRecord& record, Form1Widgets& widgets) {
    SetCheckValue(*widgets.Check1, record.Check1Value);
    SetCheckValue(*widgets.Check2, record.Check2Value);
    SetCheckValue(*widgets.Check3, record.Check3Value);
    SetEntryText(*widgets.Combo1, record.Combo1Text);
    SetEntryText(*widgets.Combo2, record.Combo2Text);
    SetNotesText(*widgets.Text1, record.Text1Text);
}

}  // namespace hobwatch
