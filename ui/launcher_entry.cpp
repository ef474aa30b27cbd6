#include "ui/launcher_entry.h"

#include <utility>

#include <QDBusMessage>

namespace hobwatch {
namespace {

using namespace Qt::StringLiterals;

// The desktop entry the docks know the program by.
const QString kApplicationUri = u"application://org.hobwatch.Hobwatch.desktop"_s;
const QString kPath = u"/org/hobwatch/Hobwatch/LauncherEntry"_s;
const QString kInterface = u"com.canonical.Unity.LauncherEntry"_s;

}  // namespace

LauncherEntry::LauncherEntry(std::function<QDBusConnection()> bus) : bus_(std::move(bus)) {}

void LauncherEntry::ShowProgress(double passed) {
    Update({{u"progress"_s, passed}, {u"progress-visible"_s, true}, {u"urgent"_s, false}});
}

void LauncherEntry::MarkUrgent() { Update({{u"progress-visible"_s, false}, {u"urgent"_s, true}}); }

void LauncherEntry::Clear() { Update({{u"progress-visible"_s, false}, {u"urgent"_s, false}}); }

void LauncherEntry::Update(const QVariantMap& properties) {
    QDBusMessage update = QDBusMessage::createSignal(kPath, kInterface, u"Update"_s);
    update << kApplicationUri << properties;
    bus_.Send(update);
}

}  // namespace hobwatch
