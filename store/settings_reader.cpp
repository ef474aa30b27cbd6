#include "store/settings_reader.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "runtime/number_reading.h"
#include "runtime/text.h"
#include "store/line_cursor.h"

namespace hobwatch {
namespace {

// Any value outside 0 to 2 leaves a check box as it is.
constexpr double kNoCheckValue = -1;

constexpr std::string_view kBlanks = " \t";

// The integer part of the number the line starts with, after blanks; 0 when it holds none.
double CheckLineValue(std::string_view line) { return std::trunc(ReadNumber(line)); }

}  // namespace

bool EntryFits(std::string_view entry) {
    std::size_t length = 0;
    for (const char byte : entry) {
        const auto value = static_cast<unsigned char>(byte);
        // A lead byte starts a character; one of four bytes lies beyond U+FFFF.
        length += value >= 0xF0 ? 2 : (value & 0xC0) != 0x80 ? 1 : 0;
    }
    return length <= kMaxEntryCharacters;
}

bool ApplySettingsText(std::string_view text, SettingsRecord& record) {
    LineCursor cursor(text);

    // One scratch value per kind, kept across lines, is what makes a short file repeat its last
    // check value and its minutes text into the lines it lacks.
    double checkValue = kNoCheckValue;
    for (std::int16_t* field : {&record.ToneAlarm, &record.BellAlarm, &record.AutomaticExit}) {
        if (const auto line = cursor.ReadValueLine()) {
            checkValue = CheckLineValue(*line);
        }
        if (checkValue >= 0 && checkValue <= 2) {
            *field = static_cast<std::int16_t>(checkValue);
        }
    }

    std::string entryText;
    for (std::string* field : {&record.MinutesEntry, &record.HoursEntry}) {
        if (const auto line = cursor.ReadValueLine()) {
            if (!EntryFits(*line)) {
                return false;
            }
            entryText = Trim(*line, kBlanks);
        }
        if (!entryText.empty()) {
            *field = entryText;
        }
    }

    std::string notes;
    while (const auto line = cursor.ReadNotesLine()) {
        notes += *line;
        if (!cursor.AtEnd()) {
            notes += "\r\n";
        }
    }
    if (!notes.empty()) {
        record.Notes = std::move(notes);
    }
    return true;
}

SettingsTextExtent MeasureSettingsText(std::string_view text) {
    LineCursor cursor(text);
    SettingsTextExtent extent;
    while (extent.ValueLines < 5 && cursor.ReadValueLine()) {
        ++extent.ValueLines;
    }
    extent.HasNotes = !cursor.AtEnd();
    extent.NotesEnded = extent.HasNotes && (text.back() == '\r' || text.back() == '\n');
    return extent;
}

}  // namespace hobwatch
