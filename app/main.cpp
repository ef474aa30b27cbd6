#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QtGlobal>

#include "app/settings_location.h"
#include "app/shutdown_requests.h"
#include "runtime/clock.h"
#include "ui/desktop_sounds.h"
#include "ui/main_window.h"
#include "ui/message_box.h"

namespace {

// Wayland gives a program no way to keep its window on top; the X server that a Wayland session
// usually offers as well does. An explicit choice of platform is left alone.
void PreferX11WhereBothAreOffered() {
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    PreferX11WhereBothAreOffered();

    // The program takes no arguments: Qt is given only the program's name, so nothing on the
    // command line changes how it runs.
    char fallbackName[] = "hobwatch";
    char* qtArguments[] = {argc > 0 && argv[0] != nullptr ? argv[0] : fallbackName, nullptr};
    int qtArgumentCount = 1;
    QApplication application(qtArgumentCount, qtArguments);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.hobwatch.Hobwatch"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/org.hobwatch.Hobwatch.png")));

    hobwatch::ShutdownRequests shutdownRequests;
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
