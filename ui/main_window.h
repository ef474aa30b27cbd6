#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include <QWidget>

#include "core/control_states.h"
#include "core/countdown.h"
#include "core/sounds.h"
#include "core/window_requests.h"
#include "runtime/clock.h"
#include "ui/desktop_notification.h"
#include "ui/message_box.h"
#include "ui/window_widgets.h"

namespace hobwatch {

// The program's one window. It turns widget events into calls of the countdown and the phrase
// reader and shows the control states they leave; it loads the settings file when it opens and
// saves it when it closes.
class MainWindow final : public QWidget, private WindowRequests {
    Q_OBJECT

public:
    // The clock, sounds and message box must outlive the window.
    MainWindow(const Clock& clock, Sounds& sounds, MessageBox& messageBox,
               std::filesystem::path settingsFile, QWidget* parent = nullptr);

    // Fills the lists, reads the settings file, shows the window centred and above other
    // windows, and puts the focus in the minutes entry with its text selected.
    void Load();

protected:
    // Every close saves the settings; nothing refuses it.
    void closeEvent(QCloseEvent* event) override;

private:
    // Runs one handler on the control states read fresh from the widgets, then shows what it
    // changed.
    void RunHandler(const std::function<void()>& handler);
    void ShowTips();
    void SaveSettings();
    void CloseAndExit() override;
    void AnnounceTimeUp(const std::string& countdown) override;
    void WithdrawTimeUp() override;
    void ShowCentred();

    MessageBox& messageBox_;
    const std::filesystem::path settingsFile_;
    WindowWidgets widgets_;
    ControlStates controls_;
    Countdown countdown_;
    DesktopNotification timeUpNotice_;  // withdrawn when the window goes
    bool ended_ = false;
};

}  // namespace hobwatch
