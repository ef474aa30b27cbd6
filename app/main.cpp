#include <optional>

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>

#include "app/command_line.h"
#include "app/display_choice.h"
#include "app/settings_location.h"
#include "app/shutdown_requests.h"
#include "runtime/clock.h"
#include "ui/cursor_blink_limit.h"
#include "ui/desktop_sounds.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/png_picture.h"

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = hobwatch::AnswerCommandLine(argc, argv)) {
        return *status;
    }
    if (!hobwatch::ChooseDisplay()) {
        return 1;
    }

    // Beyond the questions answered above the program takes no arguments: Qt is given only the
    // program's name, so nothing else on the command line changes how it runs.
    char fallbackName[] = "hobwatch";
    char* qtArguments[] = {argc > 0 && argv[0] != nullptr ? argv[0] : fallbackName, nullptr};
    int qtArgumentCount = 1;
    QApplication application(qtArgumentCount, qtArguments);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.hobwatch.Hobwatch"));
    QApplication::setWindowIcon(
        QIcon(hobwatch::ReadPngPicture(QStringLiteral(":/org.hobwatch.Hobwatch.png"))));

    hobwatch::ShutdownRequests shutdownRequests;
    hobwatch::CursorBlinkLimit cursorBlinkLimit;
    hobwatch::SystemClock clock;
    hobwatch::DesktopSounds sounds;
    hobwatch::QtMessageBox messageBox;
    const hobwatch::SettingsLocation settings = hobwatch::LocateSettings(
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(),
        qgetenv("XDG_CONFIG_HOME").toStdString(), qgetenv("HOME").toStdString());
    hobwatch::MakeSettingsFolder(settings);
    hobwatch::MainWindow window(clock, sounds, messageBox, settings.SaveTo);
    QObject::connect(&shutdownRequests, &hobwatch::ShutdownRequests::Requested, &window,
                     &hobwatch::MainWindow::SaveAndEnd);
    window.Load(settings.ReadFrom);
    return QApplication::exec();
}
