#include "ui/main_window.h"

#include <cstdint>
#include <utility>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QStyle>

#include "core/phrase_entry.h"
#include "runtime/number_format.h"
#include "store/settings_file.h"
#include "ui/control_sync.h"
#include "ui/notes_box.h"
#include "ui/qt_text.h"
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
        items.append(ToQString(IntegerToText(n)));
    }
    return items;
}

QStringList HoursItems() {
    QStringList items;
    // Quarters are exact in binary, so the sum reaches 12.0 exactly.
    for (double x = 0.25; x <= 12.0; x += 0.25) {
        items.append(ToQString(FloatToText(x)));
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

MainWindow::MainWindow(const Clock& clock, Sounds& sounds, MessageBox& messageBox,
                       std::filesystem::path settingsFile, QWidget* parent)
    : QWidget(parent),
      messageBox_(messageBox),
      settingsFile_(std::move(settingsFile)),
      widgets_(BuildWindowWidgets(*this, clock)),
      countdown_(controls_, clock, sounds, *this) {
    const auto run = [this](void (Countdown::*operation)()) {
        return [this, operation] { RunHandler([this, operation] { (countdown_.*operation)(); }); };
    };
    connect(widgets_.StartMinutes, &QPushButton::clicked, this, run(&Countdown::StartByMinutes));
    connect(widgets_.StartHours, &QPushButton::clicked, this, run(&Countdown::StartByHours));
    connect(widgets_.Cancel, &QPushButton::clicked, this, run(&Countdown::Cancel));
    connect(widgets_.Ticker, &TickTimer::Ticked, this, run(&Countdown::Tick));
    connect(widgets_.Notes, &NotesBox::Clicked, this,
            [this] { RunHandler([this] { EnterHighlightedPhrase(controls_); }); });
    connect(widgets_.Tips, &QPushButton::clicked, this, &MainWindow::ShowTips);
}

void MainWindow::Load() {
    AppendItems(*widgets_.MinutesEntry, MinutesItems());
    AppendItems(*widgets_.HoursEntry, HoursItems());

    SettingsRecord record = RecordFromControls(widgets_);
    ReadSettingsFile(settingsFile_, record);
    StoreRecordInControls(record, widgets_);

    // Asked for before the first show: the platform takes the request when it maps the window,
    // and changing it later would hide the window.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    ShowCentred();
    widgets_.MinutesEntry->setFocus();
    // A number typed at once replaces the saved one.
    widgets_.MinutesEntry->lineEdit()->selectAll();
}

void MainWindow::RunHandler(const std::function<void()>& handler) {
    // Read fresh: the user may have typed, ticked or highlighted since the last event.
    ReadControls(widgets_, controls_);
    const ControlStates before = controls_;
    handler();
    if (!ended_) {
        WriteControls(before, controls_, countdown_.StartTime, widgets_);
    }
}

void MainWindow::ShowCentred() {
    if (const QScreen* screen = this->screen()) {
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
    }
    show();
}

void MainWindow::ShowTips() { messageBox_.Show(*this, kTipsTitle, kTipsText); }

void MainWindow::closeEvent(QCloseEvent* event) {
    SaveSettings();
    event->accept();
}

void MainWindow::SaveSettings() {
    // A countdown running at close is dropped: no tick, and so no alarm, comes after this.
    widgets_.Ticker->Stop();
    WriteSettingsFile(settingsFile_, RecordFromControls(widgets_));
}

void MainWindow::AnnounceTimeUp(const std::string& countdown) {
    // The window manager marks the window as asking for attention until it is activated.
    QApplication::alert(this);
    timeUpNotice_.Show(QStringLiteral("Time is up"), ToQString(countdown));
}

void MainWindow::WithdrawTimeUp() { timeUpNotice_.Withdraw(); }

void MainWindow::CloseAndExit() {
    ended_ = true;
    close();
    // Leaves every running event loop, a message box's included.
    QCoreApplication::exit(0);
}

}  // namespace hobwatch
