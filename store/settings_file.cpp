#include "store/settings_file.h"

#include <exception>
#include <optional>

#include "store/file_reading.h"
#include "store/file_replacement.h"
#include "store/file_text.h"
#include "store/settings_reader.h"
#include "store/settings_writer.h"

namespace hobwatch {
namespace {

const std::string kFileName = "Hobwatch.txt";

}  // namespace

void ReadSettingsFile(SettingsRecord& record) {
    try {
        const std::optional<std::string> bytes = ReadRegularFile(kFileName);
        if (!bytes) {
            return;
        }
        // Applied to a copy, so that running out of memory half way changes nothing.
        SettingsRecord loaded = record;
        ApplySettingsText(DecodeFileText(*bytes), loaded);
        record = std::move(loaded);
    } catch (const std::exception&) {
        // A file too large to hold in memory is treated like one that cannot be read.
    }
}

void WriteSettingsFile(const SettingsRecord& record) {
    try {
        ReplaceFileContent(kFileName, FormatSettingsText(record));
    } catch (const std::exception&) {
        // Out of memory: the old file stays as it was.
    }
}

}  // namespace hobwatch
