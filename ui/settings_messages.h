#pragma once

#include <filesystem>
#include <system_error>

#include <QString>

namespace hobwatch {

// What the window tells the user about a settings file it could not read or save; `error` gives
// the reason in the system's words.

// The notice shown over the notes when the settings file `file` is refused at start-up.
QString NotReadNotice(const std::filesystem::path& file, const std::error_code& error);
// The notice shown over the notes when the shared file `file` that the window starts from, while
// the settings file `settingsFile` does not exist yet, is refused.
QString StartingFileNotReadNotice(const std::filesystem::path& file, const std::error_code& error,
                                  const std::filesystem::path& settingsFile);

// The notice over the notes when a save to `file` failed while the window stays open.
QString NotSavedNotice(const std::filesystem::path& file, const std::error_code& error);

// The question on a close when the save to `file` failed.
QString NotSavedQuestion(const std::filesystem::path& file, const std::error_code& error);

// The question on a close when nothing is saved because `file` was refused at start-up.
QString NothingSavedQuestion(const std::filesystem::path& file, const std::error_code& error);

// One line on standard error: "hobwatch: FILE: not read: REASON".
void ReportNotRead(const std::filesystem::path& file, const std::error_code& error);
// One line on standard error: "hobwatch: FILE: settings and notes not saved: REASON".
void ReportNotSaved(const std::filesystem::path& file, const std::error_code& error);

}  // namespace hobwatch
