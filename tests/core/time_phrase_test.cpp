#include "core/time_phrase.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace hobwatch {
namespace {

constexpr bool kHours = true;
constexpr bool kMinutes = false;

struct PhraseCase {
    std::string name;
    std::string selection;
    bool toHours;
    std::string entryText;
};

std::string Repeat(const std::string& text, std::size_t count) {
    std::string result;
    for (std::size_t i = 0; i < count; ++i) {
        result += text;
    }
    return result;
}

// Phrases whose reading takes a step of its own: each row names the step it pins.
std::vector<PhraseCase> Phrases() {
    const std::string beyondFloat = "1" + std::string(40, '0');
    const std::string floatMax = "340282346638528859811704183484516925440";
    const std::string overflowingSum = "3" + std::string(38, '0') + " h 6" + std::string(39, '0');
    const std::string x = "x";
    return {
        // Cooking phrases.
        {"AndAQuarterHours", "2 and 1/4 hours", kHours, "2.25 hr"},
        {"HoursAndMinutesTwoSpaces", "2 hr  15 minutes", kHours, "2.25 hr"},
        {"MixedFractionMinutes", "2 1/4 min", kMinutes, "2.25"},
        {"HardBoiledEggsLine",
         "Hard boiled eggs, bring to boil for 1 minute, cover and let stand 17 min.", kHours,
         "0.02 hr"},
        {"MinutesWithWordsKept", "17 min.", kMinutes, "17 min."},
        {"NoDigitAfterTheH", "12 lb Turkey in bag 3.10 hrs", kHours,
         "12 lb Turkey in bag 3.10 hrs"},
        {"DecimalHoursKept", "3.10 hrs", kHours, "3.10 hrs"},
        {"AndAQuarterHr", "2 and 1/4 hr", kHours, "2.25 hr"},
        {"HourAndTwentyMinutes", "1 hour 20 minutes", kHours, "1.33 hr"},
        {"OneAndTwoThirdsMinutes", "1 2/3 min", kMinutes, "1.67"},
        {"PlainNumber", "45", kMinutes, "45"},
        {"OuterSpacesTrimmed", "  90  ", kMinutes, "90"},
        {"Half", "1/2", kMinutes, "0.5"},
        {"ThreeQuarters", "3/4", kMinutes, "0.75"},
        {"OneAndAHalfHr", "1 1/2 hr", kHours, "1.5 hr"},
        {"HoursThenMinutesNoBlanks", "2h30", kHours, "2.5 hr"},
        {"MinutesAfterALoneH", "h2", kHours, "0.03 hr"},
        {"NothingAfterTheH", "2h", kHours, "2h"},
        {"DecimalHoursThenMinutes", "1.5 hr 10 min", kHours, "1.67 hr"},
        {"HoursWithoutMinutesKept", "3 hours", kHours, "3 hours"},
        {"LoneH", "h", kHours, "h"},
        {"NothingHighlighted", "", kMinutes, ""},
        {"OnlySpaces", "   ", kMinutes, ""},
        {"CommaPassedOverByTheScan", "2 hr, 15 min", kHours, "2.25 hr"},
        {"DecimalCommaKept", "1,5 hours", kHours, "1,5 hours"},
        {"HOfThenCounts", "90 min, then 1 h", kHours, "90.02 hr"},
        {"DigitBeforeNumeratorIsWhole", "21/4", kMinutes, "2.25"},
        {"TwelveOverFour", "12/4", kMinutes, "1.5"},
        {"DigitAfterDenominatorIgnored", "1/10", kMinutes, "1"},
        {"FractionAfterHReadTwice", "1 h 1/2", kHours, "1.08 hr"},
        {"SlashFirst", "/4 hr", kHours, "0 hr"},
        {"LineBreakKeptAtTheEnd", "45\r\n", kMinutes, "45\r\n"},

        // A step that fails leaves its field as it was.
        {"SlashLastGivesWholeOnly", "2 1/", kMinutes, "2"},
        {"DenominatorZero", "2 1/0 hr", kHours, "2 hr"},
        {"ZeroOverZero", "0/0", kMinutes, "0"},
        {"SlashLastAlone", "3/", kMinutes, "0"},
        {"HoursBeyondFloatKeepZero", beyondFloat + " h 30", kHours, "0.5 hr"},
        {"MinutesBeyondFloatKeepZero", "2 h 1" + std::string(41, '0'), kHours, "2 hr"},
        {"WholeBeyondFloatKeepsZero", beyondFloat + " 1/2 min", kMinutes, "0.5"},
        {"NumberJustAboveLargestFloat", "340282350000000000000000000000000000000 h 0", kHours,
         "0 hr"},
        {"SumRoundsDownToLargestFloat", floatMax + " h 60", kHours, floatMax + " hr"},
        {"SumOverflowKeepsPhrase", overflowingSum, kHours, overflowingSum},

        // Blanks, signs and what a number is.
        {"CrLfBeforeHoursSkipped", "\r\n2 h 30", kHours, "2.5 hr"},
        {"TabsNotTrimmed", "\t45\t", kMinutes, "\t45\t"},
        {"NoBreakSpaceNotTrimmed", "\u00A090", kMinutes, "\u00A090"},
        {"NoBlankInsideNumber", "1 2 h 30", kHours, "1.5 hr"},
        {"NoExponent", "1e2 h 30", kHours, "1.5 hr"},
        {"NoRadixPrefix", "&H10", kHours, "0.17 hr"},
        {"NegativeHours", "-2h30", kHours, "-1.5 hr"},
        {"PlusSign", "+2h30", kHours, "2.5 hr"},
        {"SignAloneBeforeNumeratorReadsZero", "-1/2", kMinutes, "0.5"},
        {"NegativeMixedFraction", "-2 1/2", kMinutes, "-1.5"},
        {"OnlyAsciiDigitsAreDigits", "1 h \u06630", kHours, "1 hr"},
        {"TextBeforeTheNumberReadsZero", "Bake 1 hr 15", kHours, "0.25 hr"},

        // The scan reads the rewritten phrase from the position of the h in the selection.
        {"HBeforeFractionScansRewrittenText", "h 1/2", kHours, "0.01 hr"},
        {"HAfterFractionNotScanned", "2 1/4 hours 30 min", kHours, "2.25 hr"},
        {"TenHoursThenFraction", "10 h 1/2", kHours, "10.08 hr"},
        {"OnlyTheFirstSlashCounts", "1 1/2/3", kMinutes, "1.5"},

        // Whole, Frac and their sum are 32-bit floats.
        {"MinutesRoundedToFloat", "h 0.3", kHours, "0 hr"},
        {"StoredValuesRoundedToFloat", "2 h 0.3", kHours, "2.01 hr"},
        {"SumRoundedToFloat", "1 h 4.5", kHours, "1.08 hr"},
        {"SumRoundedToFloatUp", "1 h 20.7", kHours, "1.35 hr"},
        {"FractionSumRoundedToFloat", "100000 1/3", kMinutes, "100000.34"},
        {"FractionSumTiesToEven", "8388609 1/2", kMinutes, "8388610"},
        {"WholeRoundedToFloat", "16777217 0/1", kMinutes, "16777216"},

        // Positions count characters; only an ASCII h or H counts.
        {"TwoByteCharactersCountOnceForH", "ééh2", kHours, "0.03 hr"},
        {"TwoByteCharacterCountsOnceForSlash", "é1/2", kMinutes, "0.5"},
        {"FourByteCharacterCountsOnce", "\U0001F357h2", kHours, "0.03 hr"},
        {"SharpSDoesNotShiftTheH", "ßßh2", kHours, "0.03 hr"},
        {"LigatureDoesNotShiftTheH", "\uFB03h2", kHours, "0.03 hr"},
        {"FullWidthHIsNotAnH", "２ｈ30", kMinutes, "２ｈ30"},
        {"FullWidthHBeforeFraction", "ｈ 1/2", kMinutes, "0.5"},
        {"InvalidByteCountsOnce",
         "\xFF"
         "1/2",
         kMinutes, "0.5"},
        {"InvalidByteKeptAsReplacement", "\xFF h", kHours, "\uFFFD h"},

        // Positions and the scan index stop at 32767.
        {"HAtLastPositionScanStopsThere", Repeat(x, 32766) + "h30", kHours,
         Repeat(x, 32766) + "h30"},
        {"HBeforeLastPositionScansToIt", Repeat(x, 32765) + "h30", kHours, "0.5 hr"},
        {"HBeyondLastPositionNotRecorded", Repeat(x, 32767) + "h30", kMinutes,
         Repeat(x, 32767) + "h30"},
        {"SlashAtLastPositionHasNoDenominator", Repeat(x, 32765) + "1/2", kMinutes, "0"},
        {"SlashBeforeLastPosition", Repeat(x, 32764) + "1/2", kMinutes, "0.5"},
        {"SlashBeyondLastPositionNotRecorded", Repeat(x, 32766) + "1/2", kMinutes,
         Repeat(x, 32766) + "1/2"},
        {"LongTwoByteTextCountsCharacters", Repeat("é", 20000) + "1/2", kMinutes, "0.5"},
        {"TwoByteSlashAtLastPosition", Repeat("é", 32765) + "1/2", kMinutes, "0"},
        {"SpacesTrimmedBeforeCounting", Repeat(" ", 10) + Repeat(x, 32765) + "h30", kHours,
         "0.5 hr"},
        {"DigitBeyondLastPositionNotScanned", "h" + Repeat(x, 32766) + "5", kHours,
         "h" + Repeat(x, 32766) + "5"},
        {"LongTextAfterHNotScanned", "1 h " + Repeat(x, 40000) + "9", kHours,
         "1 h " + Repeat(x, 40000) + "9"},
    };
}

void PrintTo(const PhraseCase& c, std::ostream* out) { *out << c.name; }

class TimePhrase : public ::testing::TestWithParam<PhraseCase> {};

TEST_P(TimePhrase, ReadsTheEntryText) {
    const PhraseCase& c = GetParam();
    const PhraseReading reading = ParseTimePhrase(c.selection);
    EXPECT_EQ(reading.ToHours, c.toHours);
    if (c.entryText.size() <= 100) {
        EXPECT_EQ(reading.EntryText, c.entryText);
    } else {
        // A failure would print tens of thousands of characters.
        EXPECT_TRUE(reading.EntryText == c.entryText)
            << "got " << reading.EntryText.size() << " bytes: '" << reading.EntryText.substr(0, 20)
            << "...'";
    }
}

INSTANTIATE_TEST_SUITE_P(Phrases, TimePhrase, ::testing::ValuesIn(Phrases()),
                         [](const ::testing::TestParamInfo<PhraseCase>& info) {
                             return info.param.name;
                         });

}  // namespace
}  // namespace hobwatch
