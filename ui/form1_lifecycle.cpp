#include <cstdint>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QScreen>
#include <QStringList>
#include <QStyle>

#include "runtime/number_format.h"
#include "store/settings_file.h"
#include "ui/form1.h"
#include "ui/settings_controls.h"
#include "ui/tick_timer.h"
#include "ui/widget_values.h"

namespace hobwatch {
namespace {

const QString kTipsTitle = QStringLiteral("Hobwatch");

const QString kTipsText = QStringLiteral(
    "Use the notes to add and save good results on exit or enter cook book times for times often "
    "used.  Times entered can be high lighted to set timer minutes and if the selected text has an "
    "'h' in it then hours will be set. Selected times can be like '2 and 1/4 hr', '1 hour 20 "
    "minutes', '1 2/3 min' etc... You may wish to edit the file 'Hobwatch.txt' directly to add "
    "your notes.  More help is in the README file that comes with Hobwatch.");

QStringList MinutesItems() {
    QStringList items;
    for (std::int16_t n = 1; n <= 600; ++n) {
        items.append(QString::fromStdString(IntegerToText(n)));
    }
    return items;
}

QStringList HoursItems() {
    QStringList items;
    // Quarters are exact in binary, so the sum reaches 12.0 exactly.
    for (double x = 0.25; x <= 12.0; x += 0.25) {
        items.append(QString::fromStdString(FloatToText(x)));
    }
    return items;
}

// Appends the items; the entry keeps the text it showed, which adding to an empty list replaces.
void AppendItems(QComboBox& entry, const QStringList& items) {
    const std::string text = EntryTextOf(entry);
    entry.addItems(items);
    SetEntryText(entry, text);
}

}  // namespace

void Form1::Form_Load() {
    AppendItems(*widgets_.Combo1, MinutesItems());
    AppendItems(*widgets_.Combo2, HoursItems());
    QDir::setCurrent(programDirectory_);

    SettingsRecord record = RecordFromControls(widgets_);
    ReadSettingsFile(record);
    StoreRecordInControls(record, widgets_);

    // Asked for before the first show: the platform takes the request when it maps the window.
    topmost_.KeepAboveOthers(*this);
    ShowCentred();
    widgets_.Combo1->setFocus();
}

void Form1::ShowCentred() {
    if (const QScreen* screen = this->screen()) {
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
    }
    show();
}

void Form1::cmdTips_Click() { messageBox_.Show(*this, kTipsTitle, kTipsText); }

void Form1::Form_Unload() {
    // A countdown running at close is dropped: no tick, and so no alarm, comes after this.
    widgets_.Timer1->Stop();
    QDir::setCurrent(programDirectory_);
    WriteSettingsFile(RecordFromControls(widgets_));
}

void Form1::UnloadAndEnd() {
    ended_ = true;
    close();
    // Leaves every running event loop, a message box's included.
    QCoreApplication::exit(0);
}

}  // namespace hobwatch
