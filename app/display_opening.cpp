#include "app/display_opening.h"

#include <algorithm>
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

// Whether Qt said it has no plugin for the platform it was to use, as when Qt's Wayland plugin
// is not installed: the display may answer well enough.
bool PluginMissing() {
    const std::lock_guard lock(heldMessagesMutex);
    return std::any_of(heldMessages.begin(), heldMessages.end(), [](const HeldMessage& message) {
        return message.text.startsWith(u"Could not find the Qt platform plugin");
    });
}

std::string WhyNotOpened() {
    if (!PluginMissing()) {
        return "the display " + DisplayName() + " does not answer";
    }
    const std::string platform = qgetenv("QT_QPA_PLATFORM").toStdString();
    return "Qt's platform plugin \"" + platform + "\" is not installed" +
           (platform.starts_with("wayland") ? " (the package qt6-wayland)" : "");
}

void HoldOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const std::string line = "hobwatch: the window cannot be opened: " + WhyNotOpened() + "\n";
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
