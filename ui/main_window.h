#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include <QWidget>

#include "core/control_states.h"
#include "core/countdown.h"
#include "core/phrase_start.h"
#include "core/sounds.h"
#include "core/window_requests.h"
#include "runtime/clock.h"
#include "store/settings_file.h"
#include "ui/control_sync.h"
#include "ui/desktop_notification.h"
#include "ui/message_box.h"
#include "ui/window_widgets.h"

namespace hobwatch {

// The program's one window. It turns widget events into calls of the countdown and the phrase
// reader and shows the control states they leave; it loads the settings file when it opens and
// saves it when it closes, keeping what another writer saved meanwhile in the fields it left
// alone. A settings file that exists but cannot be read whole is never written by that run.
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
    // Every close saves the settings. When that fails on a close the user asked for, a question
    // names the file and the reason and offers to close without saving or to keep the window
    // open; keeping it open keeps a running countdown running.
    void closeEvent(QCloseEvent* event) override;
    // Text dragged from another program onto the window outside the notes box sets an entry as
    // the same text highlighted in the notes would.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    using ControlReader = void (*)(const WindowWidgets&, ControlStates&);

    // Runs one handler on the control states read fresh from the widgets by `read`, then shows
    // what it changed.
    void RunHandler(const std::function<void()>& handler, ControlReader read = ReadControls);
    void ShowTips();
    std::error_code SaveSettings();
    // Whether the user may close although the save failed with `error`.
    bool MayCloseUnsaved(const std::error_code& error);
    void CloseAndExit() override;
    void AnnounceTimeUp(const std::string& countdown) override;
    void WithdrawTimeUp() override;
    void ShowCentred();
    // The text of a drag where it is now, when the window may read it: outside the notes box,
    // and offered as a copy.
    std::optional<std::string> DraggedTextOf(const QDropEvent& event) const;
    void AnswerDrag(QDragMoveEvent& event) const;

    MessageBox& messageBox_;
    const std::filesystem::path settingsFile_;
    const SaveFolder saveFolder_;
    WindowWidgets widgets_;
    ControlStates controls_;
    Countdown countdown_;
    DesktopNotification timeUpNotice_;  // withdrawn when the window goes
    bool ended_ = false;
    // The controls' values before the file was read, and once it was.
    SettingsRecord defaults_{};
    SettingsRecord loaded_{};
    // Why the settings file, or its folder, was refused at start-up; no save is made then.
    std::error_code refusal_;
};

}  // namespace hobwatch
