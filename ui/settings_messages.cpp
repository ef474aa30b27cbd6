#include "ui/settings_messages.h"

#include <cstdio>

#include <QFile>

namespace hobwatch {
namespace {

const QString kCloseOrKeep = QStringLiteral(
    "Close without saving, or keep the window open, for example to copy your notes?");

QString PathText(const std::filesystem::path& file) { return QFile::decodeName(file.c_str()); }

QString ReasonText(const std::error_code& error) { return QString::fromLocal8Bit(error.message()); }

void Report(const std::filesystem::path& file, const QString& what, const std::error_code& error) {
    const QString line =
        QStringLiteral("hobwatch: %1: %2: %3\n").arg(PathText(file), what, ReasonText(error));
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

}  // namespace

QString NotReadNotice(const std::filesystem::path& file, const std::error_code& error) {
    return QStringLiteral(
               "%1 was not read: %2. Hobwatch starts from its defaults, leaves the file as it "
               "is and saves nothing this time.")
        .arg(PathText(file.filename()), ReasonText(error));
}

QString StartingFileNotReadNotice(const std::filesystem::path& file, const std::error_code& error,
                                  const std::filesystem::path& settingsFile) {
    return QStringLiteral(
               "%1 was not read: %2. Hobwatch starts from its defaults and leaves that file as it "
               "is; your settings and notes are saved to %3.")
        .arg(PathText(file), ReasonText(error), PathText(settingsFile));
}

QString NotSavedNotice(const std::filesystem::path& file, const std::error_code& error) {
    return QStringLiteral(
               "Your changes could not be saved to %1: %2. Hobwatch tries again at your next "
               "change and when the window closes.")
        .arg(PathText(file), ReasonText(error));
}

QString NotSavedQuestion(const std::filesystem::path& file, const std::error_code& error) {
    return QStringLiteral("Your settings and notes could not be saved to\n%1\n%2.\n\n%3")
        .arg(PathText(file), ReasonText(error), kCloseOrKeep);
}

QString NothingSavedQuestion(const std::filesystem::path& file, const std::error_code& error) {
    return QStringLiteral(
               "Your changes are not saved: Hobwatch saves nothing this time, as it could not "
               "read\n%1\n%2.\n\n%3")
        .arg(PathText(file), ReasonText(error), kCloseOrKeep);
}

void ReportNotRead(const std::filesystem::path& file, const std::error_code& error) {
    Report(file, QStringLiteral("not read"), error);
}

void ReportNotSaved(const std::filesystem::path& file, const std::error_code& error) {
    Report(file, QStringLiteral("settings and notes not saved"), error);
}

}  // namespace hobwatch
