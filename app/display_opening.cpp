#include "app/display_opening.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace hobwatch {
namespace {

struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
// Qt may report from its own threads, such as the one reading the X server's events.
std::mutex heldMessagesMutex;
std::vector<HeldMessage> heldMessages;

// Which display Qt was to open, for the one line.
std::string DisplayName() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform == "xcb") {
        return "DISPLAY=" + qgetenv("DISPLAY").toStdString();
    }
    if (platform == "wayland") {
        return "WAYLAND_DISPLAY=" + qgetenv("WAYLAND_DISPLAY").toStdString();
    }
    return "QT_QPA_PLATFORM=" + platform.toStdString();
}

// Qt's reason in one line: what its platform plugins said (that the display could not be reached,
// that no plugin has the name asked for), else the first line of its fatal message, which only
// says that none could be started.
QString QtReason(const QString& fatal) {
    const std::lock_guard lock(heldMessagesMutex);
    for (const HeldMessage& message : heldMessages) {
        if (message.type != QtDebugMsg && message.type != QtInfoMsg &&
            QByteArray(message.category != nullptr ? message.category : "").startsWith("qt.qpa")) {
            return message.text.section(u'\n', 0, 0);
        }
    }
    return fatal.section(u'\n', 0, 0);
}

// Qt names a platform plugin that it cannot find, not where to get it; Wayland's comes in a
// package of its own, which a desktop without an X server needs.
std::string PackageHint(const QString& reason) {
    return reason.startsWith(u"Could not find the Qt platform plugin \"wayland")
               ? " (the package qt6-wayland has it)"
               : "";
}

void HoldOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const QString reason = QtReason(text);
        const std::string line = "hobwatch: the window cannot be opened on " + DisplayName() +
                                 ": " + reason.toStdString() + PackageHint(reason) + "\n";
        std::fputs(line.c_str(), stderr);
        std::_Exit(1);
    }
    const std::lock_guard lock(heldMessagesMutex);
    heldMessages.push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

DisplayOpening::DisplayOpening() { previousHandler = qInstallMessageHandler(&HoldOrEnd); }

DisplayOpening::~DisplayOpening() { Opened(); }

void DisplayOpening::Opened() {
    if (!watching_) {
        return;
    }
    watching_ = false;
    qInstallMessageHandler(previousHandler);
    std::vector<HeldMessage> held;
    {
        const std::lock_guard lock(heldMessagesMutex);
        held.swap(heldMessages);
    }
    for (const HeldMessage& message : held) {
        qt_message_output(
            message.type,
            QMessageLogContext(message.file, message.line, message.function, message.category),
            message.text);
    }
}

}  // namespace hobwatch
