#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include <QTimer>
#include <QWidget>

#include "core/control_states.h"
#include "core/countdown.h"
#include "core/phrase_start.h"
#include "core/sounds.h"
#include "core/window_requests.h"
#include "runtime/clock.h"
#include "store/settings_session.h"
#include "ui/control_sync.h"
#include "ui/desktop_notification.h"
#include "ui/launcher_entry.h"
#include "ui/message_box.h"
#include "ui/suspend_inhibition.h"
#include "ui/window_widgets.h"

namespace hobwatch {

// The program's one window. It turns widget events into calls of the countdown and the phrase
// reader and shows the control states they leave; it loads the settings file when it opens and
// saves the changes as they are made, when it loses the focus and when it closes, as its settings
// session decides (store/settings_session.h).
class MainWindow final : public QWidget, private WindowRequests {
    Q_OBJECT

public:
    // The clock, sounds and message box must outlive the window. `settingsFile` is where the
    // settings and notes are saved, with `saveFolder` made sure of at each save.
    MainWindow(const Clock& clock, Sounds& sounds, MessageBox& messageBox,
               std::filesystem::path settingsFile, SaveFolder saveFolder = SaveFolder::AsFound);

    // Fills the lists, reads the settings file, shows the window centred and above other
    // windows, and puts the focus in the minutes entry with its text selected. A file it cannot
    // read whole is named, with the reason, in a notice over the notes and on standard error.
    void Load();
    // As Load(), but reads `startingFile` (a shared file to start from while the settings file
    // does not exist yet); the saves still go to the settings file. A `folderRefusal` says why
    // the settings file's folder is not to be used: nothing is read then, the window says why as
    // for a file it cannot read, and nothing is saved.
    void Load(const std::filesystem::path& startingFile, std::error_code folderRefusal = {});

    // Saves and ends the program with status 0, as a close does but asking nothing: a failed
    // save is one line on standard error. For a request to end from outside (a signal, the
    // session manager at logout).
    void SaveAndEnd();

    // Starts a countdown from a phrase (UTF-8), as from the command line.
    PhraseStart StartFromPhrase(std::string_view phrase);

protected:
    // Every close saves what is not saved yet. When that fails on a close the user asked for, a
    // question names the file and the reason and offers to close without saving or to keep the
    // window open; keeping it open keeps a running countdown running.
    void closeEvent(QCloseEvent* event) override;
    // Text dragged from another program onto the window outside the notes box sets an entry as
    // the same text highlighted in the notes would.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Losing the focus saves at once: the user may be about to log out or to end the program.
    void changeEvent(QEvent* event) override;

private:
    using ControlReader = void (*)(const WindowWidgets&, ControlStates&);

    // Runs one handler on the control states read fresh from the widgets by `read`, then shows
    // what it changed.
    void RunHandler(const std::function<void()>& handler, ControlReader read = ReadControls);
    void ShowTips();
    SettingsSession::SaveResult SaveSettings();
    // A change to a setting or the notes: a save follows shortly.
    void NoteChange();
    // Saves what is not saved yet while the window stays open; a failure is said once in the
    // notice over the notes, and the next change or the close tries again.
    void SaveChanges();
    // Saves and ends the program, asking nobody.
    void End();
    // Whether the window may close although the save failed: at once, with one line on standard
    // error, when nothing would be lost or nobody is there to answer; else as the user chooses.
    bool MayCloseUnsaved(const SettingsSession::SaveResult& save);
    bool CloseAndExit() override;
    void AnnounceTimeUp(const std::string& countdown) override;
    void WithdrawTimeUp() override;
    void CountdownStarted() override;
    void ShowProgress(double passed) override;
    void CountdownEnded() override;
    void ShowCentred();
    // The text of a drag where it is now, when the window may read it: outside the notes box,
    // and offered as a copy.
    std::optional<std::string> DraggedTextOf(const QDropEvent& event) const;
    void AnswerDrag(QDragMoveEvent& event) const;
    // Shows the window, restored and above the others, and makes it the active one.
    void BringUp();

    MessageBox& messageBox_;
    SettingsSession session_;
    WindowWidgets widgets_;
    ControlStates controls_;
    Countdown countdown_;
    DesktopNotification timeUpNotice_;  // withdrawn when the window goes
    SuspendInhibition stayAwake_;       // held while a countdown runs
    LauncherEntry launcherEntry_;       // the countdown on the program's icon in the dock
    bool ended_ = false;
    QTimer saveTimer_;
    bool saveFailureSaid_ = false;
    // While the question about unsaved changes is open, and once the user chose to keep the
    // window open with them, the automatic exit leaves the choice to the user.
    bool askingToCloseUnsaved_ = false;
    bool keptOpenUnsaved_ = false;
};

}  // namespace hobwatch
