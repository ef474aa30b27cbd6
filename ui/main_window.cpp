#include "ui/main_window.h"

#include <string>
#include <utility>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "core/phrase_entry.h"
#include "store/settings_file.h"
#include "ui/control_sync.h"
#include "ui/dropped_text.h"
#include "ui/entry_lists.h"
#include "ui/notes/notes_box.h"
#include "ui/qt_text.h"
#include "ui/settings_messages.h"
#include "ui/tick_timer.h"
#include "ui/widget_values.h"

namespace hobwatch {
namespace {

const QString kTitle = QStringLiteral("Hobwatch");

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
      settingsFile_(std::move(settingsFile)),
      saveFolder_(saveFolder),
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
}

void MainWindow::Load() { Load(settingsFile_); }

void MainWindow::Load(const std::filesystem::path& startingFile, std::error_code folderRefusal) {
    FillEntryLists(*widgets_.MinutesEntry, *widgets_.HoursEntry);

    defaults_ = RecordFromControls(widgets_);
    SettingsRecord record = defaults_;
    const std::error_code error =
        folderRefusal ? folderRefusal : LoadSettingsFile(startingFile, record);
    const bool refused = error && error != std::errc::no_such_file_or_directory;
    const std::filesystem::path& readFile = folderRefusal ? settingsFile_ : startingFile;
    // Only the refused file is kept from being written: a shared file to start from that could
    // not be read leaves the user's own file to be saved as on any other run.
    if (refused && readFile == settingsFile_) {
        refusal_ = error;
    }
    StoreRecordInControls(record, widgets_);
    loaded_ = RecordFromControls(widgets_);

    // Asked for before the first show: the platform takes the request when it maps the window,
    // and changing it later would hide the window.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    ShowCentred();
    widgets_.MinutesEntry->setFocus();
    // A number typed at once replaces the saved one.
    widgets_.MinutesEntry->lineEdit()->selectAll();
    if (refused) {
        ReportNotRead(readFile, error);
        widgets_.Notes->ShowNotice(refusal_
                                       ? NotReadNotice(readFile, error)
                                       : StartingFileNotReadNotice(readFile, error, settingsFile_));
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

void MainWindow::ShowTips() { messageBox_.Show(*this, kTitle, kTipsText); }

void MainWindow::closeEvent(QCloseEvent* event) {
    // While a question about a failed save is open, a running countdown goes on.
    const std::error_code error = SaveSettings();
    if (error && !MayCloseUnsaved(error)) {
        event->ignore();
        return;
    }
    // A countdown running at close is dropped: no tick, and so no alarm, comes after this.
    widgets_.Ticker->Stop();
    event->accept();
}

std::error_code MainWindow::SaveSettings() {
    if (refusal_) {
        return refusal_;
    }
    return SaveSettingsChanges(settingsFile_, {defaults_, loaded_, RecordFromControls(widgets_)},
                               saveFolder_);
}

void MainWindow::AnnounceTimeUp(const std::string& countdown) {
    // The window manager marks the window as asking for attention until it is activated.
    QApplication::alert(this);
    timeUpNotice_.Show(QStringLiteral("Time is up"), ToQString(countdown));
}

void MainWindow::WithdrawTimeUp() { timeUpNotice_.Withdraw(); }

bool MainWindow::MayCloseUnsaved(const std::error_code& error) {
    if (!ended_) {
        // Told at start-up that nothing would be saved, the user loses nothing unchanged.
        if (refusal_ && RecordFromControls(widgets_) == loaded_) {
            return true;
        }
        const QString question = refusal_ ? NothingSavedQuestion(settingsFile_, refusal_)
                                          : NotSavedQuestion(settingsFile_, error);
        if (messageBox_.AskToCloseUnsaved(*this, kTitle, question)) {
            return true;
        }
    }
    // Ended from outside, before the question or while it was open: nobody is left to answer.
    if (ended_) {
        ReportNotSaved(settingsFile_, error);
    }
    return ended_;
}

void MainWindow::SaveAndEnd() { CloseAndExit(); }

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

void MainWindow::CloseAndExit() {
    ended_ = true;
    close();
    // Leaves every running event loop, a message box's included.
    QCoreApplication::exit(0);
}

}  // namespace hobwatch
