#include "ui/widget_values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "runtime/text.h"
#include "store/settings_file.h"
#include "ui/notes/notes_box.h"
#include "ui/qt_text.h"
#include "ui/setting_check_box.h"

namespace hobwatch {

CheckValue CheckValueOf(const QCheckBox& box) {
    switch (box.checkState()) {
        case Qt::Unchecked:
            return 0;
        case Qt::PartiallyChecked:
            return 2;
        case Qt::Checked:
            break;
    }
    return 1;
}

void SetCheckValue(QCheckBox& box, CheckValue value) {
    if (value == 2) {
        box.setCheckState(Qt::PartiallyChecked);
        return;
    }
    box.setTristate(false);
    box.setCheckState(value != 0 ? Qt::Checked : Qt::Unchecked);
}

std::string EntryTextOf(const QComboBox& entry) {
    return WithoutLineBreaks(entry.currentText().toStdString());
}

void SetEntryText(QComboBox& entry, std::string_view text) {
    const std::string kept = WithoutLineBreaks(text);
    const QString shown = ToQString(kept);
    entry.lineEdit()->setMaxLength(static_cast<int>(kMaxEntryCharacters));
    // Pointing the list at a matching item makes it open there.
    entry.setCurrentIndex(entry.findText(shown, Qt::MatchExactly));
    entry.setEditText(shown);
}

SettingsRecord RecordFromControls(const WindowWidgets& widgets) {
    return SettingsRecord{
        .ToneAlarm = CheckValueOf(*widgets.ToneAlarm),
        .BellAlarm = CheckValueOf(*widgets.BellAlarm),
        .AutomaticExit = CheckValueOf(*widgets.AutomaticExit),
        .MinutesEntry = EntryTextOf(*widgets.MinutesEntry),
        .HoursEntry = EntryTextOf(*widgets.HoursEntry),
        .Notes = widgets.Notes->Notes(),
    };
}

void StoreRecordInControls(const SettingsRecord& record, WindowWidgets& widgets) {
    SetCheckValue(*widgets.ToneAlarm, record.ToneAlarm);
    SetCheckValue(*widgets.BellAlarm, record.BellAlarm);
    SetCheckValue(*widgets.AutomaticExit, record.AutomaticExit);
    SetEntryText(*widgets.MinutesEntry, record.MinutesEntry);
    SetEntryText(*widgets.HoursEntry, record.HoursEntry);
    widgets.Notes->SetNotes(record.Notes);
}

}  // namespace hobwatch
