#include <csignal>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>

#include "app/command_line.h"
#include "app/display_choice.h"
#include "app/display_opening.h"
#include "app/open_file_limit.h"
#include "app/session_bus_probe.h"
#include "app/settings_location.h"
#include "app/shutdown_requests.h"
#include "app/window_above_support.h"
#include "runtime/clock.h"
#include "ui/look/cursor_blink_limit.h"
#include "ui/look/png_picture.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/sound/desktop_sounds.h"

namespace {

// The program's folder, its name as the system has it: Qt's own value goes through UTF-8 and
// misses a folder whose name is not valid UTF-8.
std::filesystem::path ProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        return program.parent_path();
    }
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

}  // namespace

int main(int argc, char* argv[]) {
    // Before anything else: a request to end that comes while the program starts is kept and
    // served once the window is ready, never the uncaught end that loses the settings.
    hobwatch::CatchShutdownSignals();
    // A write that cannot be made (standard error that nobody reads any more, the file-size
    // limit) fails with an error, which the save and its report handle, instead of ending the
    // program.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    const hobwatch::CommandLine commandLine = hobwatch::ReadCommandLine(argc, argv);
    if (const std::optional<int> status = hobwatch::AnswerCommandLine(commandLine)) {
        return *status;
    }
    if (!hobwatch::EnsureOpenFileLimit() || !hobwatch::ChooseDisplay()) {
        return 1;
    }
    hobwatch::GiveUpHungSessionBus();

    // Beyond the questions answered above and --start the program takes no arguments: Qt is given
    // only the program's name, so nothing else on the command line changes how it runs.
    char fallbackName[] = "hobwatch";
    char* qtArguments[] = {argc > 0 && argv[0] != nullptr ? argv[0] : fallbackName, nullptr};
    int qtArgumentCount = 1;
    hobwatch::DisplayOpening displayOpening;
    QApplication application(qtArgumentCount, qtArguments);
    displayOpening.Opened();
    QGuiApplication::setDesktopFileName(QStringLiteral("org.hobwatch.Hobwatch"));
    QApplication::setWindowIcon(
        QIcon(hobwatch::ReadPngPicture(QStringLiteral(":/org.hobwatch.Hobwatch.png"))));

    hobwatch::ShutdownRequests shutdownRequests;
    hobwatch::CursorBlinkLimit cursorBlinkLimit;
    hobwatch::SystemClock clock;
    hobwatch::DesktopSounds sounds;
    hobwatch::QtMessageBox messageBox;
    const hobwatch::SettingsLocation settings = hobwatch::LocateSettings(
        ProgramFolder(), qgetenv("XDG_CONFIG_HOME").toStdString(), qgetenv("HOME").toStdString());
    hobwatch::MainWindow window(clock, sounds, messageBox, settings.SaveTo,
                                settings.SaveFolderRule);
    QObject::connect(&shutdownRequests, &hobwatch::ShutdownRequests::Requested, &window,
                     &hobwatch::MainWindow::SaveAndEnd);
    window.Load(settings.ReadFrom, settings.Refusal);
    hobwatch::WarnWhenNotKeptAbove();
    if (const std::optional<std::string>& phrase = commandLine.StartPhrase) {
        hobwatch::ReportPhraseStart(*phrase, window.StartFromPhrase(*phrase));
    }
    return QApplication::exec();
}
