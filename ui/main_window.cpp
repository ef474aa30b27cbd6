#include "ui/main_window.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <utility>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "core/phrase_entry.h"
#include "ui/control_sync.h"
#include "ui/dropped_text.h"
#include "ui/entry_lists.h"
#include "ui/notes/notes_box.h"
#include "ui/qt_text.h"
#include "ui/setting_check_box.h"
#include "ui/settings_messages.h"
#include "ui/tick_timer.h"
#include "ui/widget_values.h"
#include "ui/window_accessibility.h"

namespace hobwatch {
namespace {

const QString kTitle = QStringLiteral("Hobwatch");

// Counted from the first change not saved yet, not from the last one: someone who types on
// and on still has all but the last moments on disk when the session ends without a close.
// Short of two seconds by the time a save takes; long enough that a burst of typing is one save.
constexpr std::chrono::milliseconds kSaveDelay{1500};
// A save of a file of many megabytes takes a second or two, and the window waits for it: the
// next one comes no sooner than twice that time, so that typing on is not held up most of the
// time.
constexpr int kSaveTimeFactor = 2;

const QString kTipsText = QStringLiteral(
    "Use the notes to add and save good results on exit or enter cook book times for times often "
    "used.  Times entered can be high lighted to set timer minutes and if the selected text has an "
    "'h' in it then hours will be set. Selected times can be like '2 and 1/4 hr', '1 hour 20 "
    "minutes', '1 2/3 min' etc... You may wish to edit the file 'Hobwatch.txt' directly to add "
    "your notes.  More help is in the README file that comes with Hobwatch.");

// Taken as a copy: reading a time from a recipe must not cut it out of the recipe.
void AnswerDrop(QDropEvent& event, bool taken) {
    if (taken) {
        event.setDropAction(Qt::CopyAction);
        event.accept();
    } else {
        event.ignore();
    }
}

}  // namespace

MainWindow::MainWindow(const Clock& clock, Sounds& sounds, MessageBox& messageBox,
                       std::filesystem::path settingsFile, SaveFolder saveFolder)
    : messageBox_(messageBox),
      session_(std::move(settingsFile), saveFolder),
      widgets_(BuildWindowWidgets(*this, clock)),
      countdown_(controls_, clock, sounds, *this) {
    connect(widgets_.StartMinutes, &QPushButton::clicked, this,
            [this] { RunHandler([this] { countdown_.StartByMinutes(); }); });
    connect(widgets_.StartHours, &QPushButton::clicked, this,
            [this] { RunHandler([this] { countdown_.StartByHours(); }); });
    connect(widgets_.Cancel, &QPushButton::clicked, this,
            [this] { RunHandler([this] { countdown_.Cancel(); }); });
    // Once a second for as long as a countdown runs: reads no more than the tick looks at.
    connect(widgets_.Ticker, &TickTimer::Ticked, this,
            [this] { RunHandler([this] { countdown_.Tick(); }, ReadTickControls); });
    connect(widgets_.Notes, &NotesBox::Clicked, this,
            [this] { RunHandler([this] { EnterHighlightedPhrase(controls_); }); });
    connect(widgets_.Tips, &QPushButton::clicked, this, &MainWindow::ShowTips);
    setAcceptDrops(true);

    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(kSaveDelay);
    connect(&saveTimer_, &QTimer::timeout, this, &MainWindow::SaveChanges);
    for (QCheckBox* box : {widgets_.ToneAlarm, widgets_.BellAlarm, widgets_.AutomaticExit}) {
        connect(box, &QCheckBox::stateChanged, this, &MainWindow::NoteChange);
    }
    for (QComboBox* entry : {widgets_.MinutesEntry, widgets_.HoursEntry}) {
        connect(entry, &QComboBox::editTextChanged, this, &MainWindow::NoteChange);
    }
    connect(widgets_.Notes, &QPlainTextEdit::textChanged, this, &MainWindow::NoteChange);
    connect(&timeUpNotice_, &DesktopNotification::CancelChosen, widgets_.Cancel,
            &QPushButton::click);
    connect(&timeUpNotice_, &DesktopNotification::Clicked, this, &MainWindow::BringUp);
}

void MainWindow::Load() { Load(session_.File()); }

void MainWindow::Load(const std::filesystem::path& startingFile, std::error_code folderRefusal) {
    FillEntryLists(*widgets_.MinutesEntry, *widgets_.HoursEntry);

    StoreRecordInControls(session_.Read(RecordFromControls(widgets_), startingFile, folderRefusal),
                          widgets_);
    session_.Shown(RecordFromControls(widgets_));
    // Showing the file's values is no change of the user's.
    saveTimer_.stop();

    // Asked for before the first show: the platform takes the request when it maps the window,
    // and changing it later would hide the window.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    ShowCentred();
    widgets_.MinutesEntry->setFocus();
    // A number typed at once replaces the saved one.
    widgets_.MinutesEntry->lineEdit()->selectAll();
    if (const std::error_code& error = session_.ReadError()) {
        const std::filesystem::path& readFile = session_.RefusedFile();
        ReportNotRead(readFile, error);
        widgets_.Notes->ShowNotice(
            session_.WritingRefused()
                ? NotReadNotice(readFile, error)
                : StartingFileNotReadNotice(readFile, error, session_.File()));
    }
}

void MainWindow::RunHandler(const std::function<void()>& handler, ControlReader read) {
    // Read fresh: the user may have typed, ticked or highlighted since the last event.
    read(widgets_, controls_);
    const ControlStates before = controls_;
    handler();
    if (!ended_) {
        WriteControls(before, controls_, countdown_.StartTime(), widgets_);
    }
}

void MainWindow::ShowCentred() {
    if (const QScreen* screen = this->screen()) {
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
    }
    show();
}

void MainWindow::BringUp() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MainWindow::ShowTips() { messageBox_.Show(*this, kTitle, kTipsText); }

void MainWindow::closeEvent(QCloseEvent* event) {
    saveTimer_.stop();
    // While a question about a failed save is open, a running countdown goes on.
    const SettingsSession::SaveResult save = SaveSettings();
    if (save.Error && !MayCloseUnsaved(save)) {
        event->ignore();
        return;
    }
    // A countdown running at close is dropped: no tick, and so no alarm, comes after this.
    if (widgets_.Ticker->IsActive()) {
        CountdownEnded();
    }
    widgets_.Ticker->Stop();
    event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        SaveChanges();
    }
}

SettingsSession::SaveResult MainWindow::SaveSettings() {
    return session_.Save([this] { return RecordFromControls(widgets_); });
}

void MainWindow::NoteChange() {
    if (!saveTimer_.isActive()) {
        saveTimer_.start();
    }
}

void MainWindow::SaveChanges() {
    saveTimer_.stop();
    // A refused file was named at start, and the close asks; a closing window saves by itself.
    if (session_.WritingRefused() || askingToCloseUnsaved_ || ended_ || !isVisible()) {
        return;
    }
    const auto started = std::chrono::steady_clock::now();
    const std::error_code error = SaveSettings().Error;
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started);
    saveTimer_.setInterval(std::max(kSaveDelay, kSaveTimeFactor * took));
    if (!error) {
        saveFailureSaid_ = false;
        keptOpenUnsaved_ = false;
    } else if (!saveFailureSaid_) {
        saveFailureSaid_ = true;
        widgets_.Notes->ShowNotice(NotSavedNotice(session_.File(), error));
    }
}

void MainWindow::AnnounceTimeUp(const std::string& countdown) {
    // The window manager marks the window as asking for attention until it is activated.
    QApplication::alert(this);
    timeUpNotice_.Show(QStringLiteral("Time is up"), ToQString(countdown));
    launcherEntry_.MarkUrgent();
    AnnounceAlert(*this, QStringLiteral("Time is up: ") + ToQString(countdown));
}

void MainWindow::WithdrawTimeUp() { timeUpNotice_.Withdraw(); }

void MainWindow::CountdownStarted() {
    stayAwake_.Hold(QStringLiteral("A countdown is running"));
    launcherEntry_.ShowProgress(0);
}

void MainWindow::ShowProgress(double passed) { launcherEntry_.ShowProgress(passed); }

void MainWindow::CountdownEnded() {
    stayAwake_.Release();
    launcherEntry_.Clear();
}

bool MainWindow::MayCloseUnsaved(const SettingsSession::SaveResult& save) {
    // Asked only when something would be lost, and only while someone is there to answer.
    if (!ended_ && save.ChangesNotOnDisk) {
        const QString question = session_.WritingRefused()
                                     ? NothingSavedQuestion(session_.File(), save.Error)
                                     : NotSavedQuestion(session_.File(), save.Error);
        askingToCloseUnsaved_ = true;
        const bool closeUnsaved = messageBox_.AskToCloseUnsaved(*this, kTitle, question);
        askingToCloseUnsaved_ = false;
        if (closeUnsaved) {
            return true;
        }
        // Ended from outside while the question was open, nobody is left to answer.
        if (!ended_) {
            keptOpenUnsaved_ = true;
            return false;
        }
    }
    ReportNotSaved(session_.File(), save.Error);
    return true;
}

void MainWindow::SaveAndEnd() { End(); }

bool MainWindow::CloseAndExit() {
    // The automatic exit would take away the choice of whoever keeps unsaved changes in view.
    if (askingToCloseUnsaved_ || keptOpenUnsaved_) {
        return false;
    }
    End();
    return true;
}

PhraseStart MainWindow::StartFromPhrase(std::string_view phrase) {
    PhraseStart result = PhraseStart::NoTime;
    RunHandler([&] { result = hobwatch::StartFromPhrase(controls_, countdown_, phrase); });
    return result;
}

std::optional<std::string> MainWindow::DraggedTextOf(const QDropEvent& event) const {
    const QPoint inNotes = widgets_.Notes->mapFrom(this, event.position().toPoint());
    if (widgets_.Notes->rect().contains(inNotes) || !(event.possibleActions() & Qt::CopyAction)) {
        return std::nullopt;
    }
    return DroppedTextOf(*event.mimeData());
}

// Asked again at every move: the drag may have come over the notes box. Only the handlers change
// whether a countdown is set, so the control states they left tell it.
void MainWindow::AnswerDrag(QDragMoveEvent& event) const {
    const std::optional<std::string> text = DraggedTextOf(event);
    AnswerDrop(event, text && TakesDroppedPhrase(controls_, *text));
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) { AnswerDrag(*event); }

void MainWindow::dragMoveEvent(QDragMoveEvent* event) { AnswerDrag(*event); }

void MainWindow::dropEvent(QDropEvent* event) {
    bool taken = false;
    if (const std::optional<std::string> text = DraggedTextOf(*event)) {
        RunHandler([&] { taken = EnterDroppedPhrase(controls_, *text); });
    }
    AnswerDrop(*event, taken);
}

void MainWindow::End() {
    ended_ = true;
    close();
    // Leaves every running event loop, a message box's included.
    QCoreApplication::exit(0);
}

}  // namespace hobwatch
