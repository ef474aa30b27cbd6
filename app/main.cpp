#include <optional>

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>

#include "app/command_line.h"
#include "app/display_choice.h"
#include "runtime/clock.h"
#include "ui/desktop_sounds.h"
#include "ui/main_window.h"
#include "ui/message_box.h"

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
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/org.hobwatch.Hobwatch.png")));

    hobwatch::SystemClock clock;
    hobwatch::DesktopSounds sounds;
    hobwatch::QtMessageBox messageBox;
    // The settings file lives beside the program.
    const std::filesystem::path settingsFile =
        std::filesystem::path(
            QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString()) /
        "Hobwatch.txt";
    hobwatch::MainWindow window(clock, sounds, messageBox, settingsFile);
    window.Load();
    return QApplication::exec();
}
