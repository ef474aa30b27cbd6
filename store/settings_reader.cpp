#include "store/settings_reader.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

#include "runtime/number_reading.h"
#include "store/line_cursor.h"

namespace hobwatch {
namespace {

// Any value outside 0 to 2 leaves a check box as it is.
constexpr int kNoCheckValue = -1;

// The integer part of the number the line starts with, after blanks; 0 when it holds none, and
// kNoCheckValue when it does not fit 16 bits.
int CheckLineValue(std::string_view line) {
    const double value = std::trunc(ReadNumber(line));
    if (!(value >= std::numeric_limits<std::int16_t>::min() &&
          value <= std::numeric_limits<std::int16_t>::max())) {
        return kNoCheckValue;
    }
    return static_cast<int>(value);
}

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

void ApplySettingsText(std::string_view text, SettingsRecord& record) {
    LineCursor cursor(text);

    // One scratch value per kind, kept across lines, is what makes a short file repeat its last
    // check value and its minutes text into the lines it lacks.
    int checkValue = kNoCheckValue;
    for (std::int16_t* field : {&record.Check1Value, &record.Check2Value, &record.Check3Value}) {
        if (const auto line = cursor.ReadValueLine()) {
            checkValue = CheckLineValue(*line);
        }
        if (checkValue >= 0 && checkValue <= 2) {
            *field = static_cast<std::int16_t>(checkValue);
        }
    }

    std::string entryText;
    for (std::string* field : {&record.Combo1Text, &record.Combo2Text}) {
        if (const auto line = cursor.ReadValueLine()) {
            entryText = TrimBlanks(*line);
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
        record.Text1Text = std::move(notes);
    }
}

}  // namespace hobwatch
