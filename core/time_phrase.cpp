#include "core/time_phrase.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "runtime/number_format.h"
#include "runtime/number_reading.h"
#include "runtime/text.h"

// A step of the reading that fails (a value that cannot be stored) leaves its field as it was, and
// the reading goes on with the next step.
namespace hobwatch {
namespace {

// Positions and the scan index are 16-bit: nothing beyond this can be recorded or reached.
constexpr std::size_t kLastPosition = 32767;

std::size_t RecordPosition(std::size_t position) {
    return position <= kLastPosition ? position : 0;
}

void StoreSingle(float& field, double value) {
    if (const std::optional<float> single = ToSingle(value)) {
        field = *single;
    }
}

void StoreFormattedSum(std::u32string& phrase, float whole, float frac, std::string_view pattern) {
    const float sum = whole + frac;
    if (std::isinf(sum)) {
        return;
    }
    const std::string text = FormatNumber(sum, pattern);
    phrase.assign(text.begin(), text.end());
}

// "2 1/4": the digit before the "/" over the digit after it, plus everything in front.
void ReadFraction(std::u32string& phrase, std::size_t slashPos, bool toHours, float& whole,
                  float& frac) {
    if (slashPos >= 2) {
        StoreSingle(whole, ReadNumber(Middle(phrase, 1, slashPos - 2)));
    }
    if (slashPos >= 2 && slashPos < kLastPosition) {
        const double numerator = ReadNumber(Middle(phrase, slashPos - 1, 1));
        const double denominator = ReadNumber(Middle(phrase, slashPos + 1, 1));
        // A zero denominator gives an infinity or NaN, which StoreSingle refuses.
        StoreSingle(frac, numerator / denominator);
    }
    StoreFormattedSum(phrase, whole, frac, "#0.##");
    if (toHours) {
        phrase += U" hr";
    }
}

// "1 hour 20 minutes": the first digit at or after the "h" splits hours from minutes.
void ReadHoursAndMinutes(std::u32string& phrase, std::size_t hourPos, float& whole, float& frac) {
    const std::size_t last = std::min(phrase.size(), kLastPosition);
    for (std::size_t index = hourPos; index <= last; ++index) {
        const char32_t code = phrase[index - 1];
        if (code >= U'0' && code <= U'9') {
            StoreSingle(whole, ReadNumber(Middle(phrase, 1, index - 1)));
            StoreSingle(frac, ReadNumber(Middle(phrase, index)) / 60);
            StoreFormattedSum(phrase, whole, frac, "#0.## hr");
            return;
        }
    }
}

}  // namespace

PhraseReading ParseTimePhrase(std::string_view selection) {
    const std::u32string decoded = DecodeUtf8(selection);
    std::u32string phrase(Trim<char32_t>(decoded, U" "));
    const std::size_t hourPos = RecordPosition(Find(UpperCaseAscii(phrase), U'H'));
    const std::size_t slashPos = RecordPosition(Find(phrase, U'/'));
    float whole = 0;
    float frac = 0;
    if (slashPos != 0) {
        ReadFraction(phrase, slashPos, hourPos != 0, whole, frac);
    }
    if (hourPos != 0) {
        ReadHoursAndMinutes(phrase, hourPos, whole, frac);
    }
    return {hourPos != 0, EncodeUtf8(phrase)};
}

}  // namespace hobwatch
