#include "store/settings_file.h"

#include <exception>
#include <optional>

#include "store/file_reading.h"
#include "store/file_replacement.h"
#include "store/file_text.h"
#include "store/settings_reader.h"
#include "store/settings_writer.h"

namespace hobwatch {

bool ReadSettingsFile(const std::filesystem::path& file, SettingsRecord& record) {
    try {
        const std::optional<std::string> bytes = ReadRegularFile(file);
        if (!bytes) {
            return false;
        }
        // Applied to a copy, so that running out of memory half way changes nothing.
        SettingsRecord loaded = record;
        ApplySettingsText(DecodeFileText(*bytes), loaded);
        record = std::move(loaded);
        return true;
    } catch (const std::exception&) {
        // A file too large to hold in memory is treated like one that cannot be read.
        return false;
    }
}

bool WriteSettingsFile(const std::filesystem::path& file, const SettingsRecord& record) {
    try {
        return ReplaceFileContent(file, FormatSettingsText(record));
    } catch (const std::exception&) {
        // Out of memory: the old file stays as it was.
        return false;
    }
}

}  // namespace hobwatch
