#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "store/settings_file.h"
#include "store_test_support.h"

namespace hobwatch {
namespace {

using namespace testing_support;

TEST_F(StoreTest, SaveWritesEveryValueOnItsOwnLineExactly) {
    struct Row {
        const char* name;
        SettingsRecord saved;
        std::string bytes;
    };
    const Row rows[] = {
        {"TheTwentyFourByteExample", Record(1, 0, 1, "15", "2.5", "A\r\nB"),
         "1\r\n0\r\n1\r\n15\r\n2.5\r\nA\r\nB\r\n"},
        {"LineBreaksLeftOutOfTheEntries", Record(0, 1, 0, "1\r\n5", "\n2\r", "A"),
         "0\r\n1\r\n0\r\n15\r\n2\r\nA\r\n"},
        {"NotesEndingWithALineBreak", kDefaults,
         "0\r\n1\r\n0\r\n15\r\n2.5\r\nSample notes\r\n\r\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(WriteSettingsFile(File(), row.saved));
        EXPECT_EQ(ReadBytes(File()), row.bytes);
    }
    ASSERT_TRUE(WriteSettingsFile(File(), rows[0].saved));
    EXPECT_EQ(Loaded(), rows[0].saved);
}

// `text` as UTF-16 in the given byte order, after its byte-order mark.
std::string Utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes;
    for (const char16_t unit : std::u16string(1, u'\uFEFF') + std::u16string(text)) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

constexpr std::u16string_view kUtf16File =
    u"1\r\n0\r\n1\r\n20\r\n3\r\nCaf\u00E9 \U0001F373\r\nB\r\n";
const SettingsRecord kUtf16Record = Record(1, 0, 1, "20", "3", "Caf\xC3\xA9 \xF0\x9F\x8D\xB3\r\nB");

struct LoadCase {
    const char* name;
    std::optional<std::string> bytes;  // none: there is no file
    SettingsRecord expected;
    bool refused = false;
};

std::string FileWithMinutes(const std::string& minutes) {
    return "0\r\n1\r\n0\r\n" + minutes + "\r\n2.5\r\n";
}

constexpr std::size_t kMaxEntry = kMaxEntryCharacters;

// The window starts with lines 1 to 3 at 0, 1, 0; each row puts the line it is about where the
// wrong reading would show.
const LoadCase kLoadCases[] = {
    {"NoFile", std::nullopt, kDefaults},
    {"EmptyFile", "", kDefaults},
    {"OneLineOfOne_TicksAllThree", "1\r\n", Record(1, 1, 1)},
    {"FourLines_GiveBothEntriesTheFourth", "0\r\n0\r\n0\r\n45\r\n", Record(0, 0, 0, "45", "45")},
    {"BlanksAroundCheckValues", "  2\t\r\n 0 \r\n 1 \r\n", Record(2, 0, 1)},
    {"TwoIsGreyed", "2\r\n2\r\n2\r\n", Record(2, 2, 2)},
    {"ThreeKeepsTheBox", "1\r\n3\r\n1\r\n", Record(1, 1, 1)},
    {"MinusOneKeepsTheBox", "1\r\n-1\r\n1\r\n", Record(1, 1, 1)},
    {"LargeNumberKeepsTheBox", "1\r\n65536\r\n", Record(1, 1, 0)},
    {"LettersUntick", "1\r\nabc\r\n1\r\n", Record(1, 0, 1)},
    {"EmptyCheckLineUnticks", "1\r\n\r\n1\r\n", Record(1, 0, 1)},
    {"BlankCheckLineUnticks", "1\r\n \t \r\n1\r\n", Record(1, 0, 1)},
    {"FractionSignAndTrailingText", "1.9\r\n0 beeps\r\n+2\r\n", Record(1, 0, 2)},
    {"EntriesTrimmed_CommasAndQuotesKept", "0\r\n1\r\n0\r\n  1,5 \r\n\t\"2\" hr\t\r\n",
     Record(0, 1, 0, "1,5", "\"2\" hr")},
    {"BlankEntryLines_KeepTheEntries", "0\r\n1\r\n0\r\n   \r\n\r\nN\r\n",
     Record(0, 1, 0, "15", "2.5", "N")},
    {"EmptyNotesLine_KeepsTheNotes", "0\r\n1\r\n0\r\n15\r\n2.5\r\n\r\n", kDefaults},
    {"ByteOrderMarkSkipped",
     "\xEF\xBB\xBF"
     "1\r\n0\r\n1\r\n",
     Record(1, 0, 1)},
    {"LineFeedsOnly_EmptyLineKept", "1\n0\n1\n\n3\n", Record(1, 0, 1, "15", "3")},
    {"LineFeedsOnly", "1\n0\n1\n20\n3\nA\nB\n", Record(1, 0, 1, "20", "3", "A\nB\n")},
    {"CarriageReturnsOnly", "1\r0\r1\r20\r3\rA\rB\r", Record(1, 0, 1, "20", "3", "A\r\nB")},
    {"LoneCarriageReturnInNotes", "0\r\n1\r\n0\r\n15\r\n2.5\r\nA\rB\r\n",
     Record(0, 1, 0, "15", "2.5", "A\r\nB")},
    {"LoneLineFeedInNotes", "0\r\n1\r\n0\r\n15\r\n2.5\r\nA\nB\r\n",
     Record(0, 1, 0, "15", "2.5", "A\nB")},
    {"NotesLineFeedRightAfterLineFive", "0\r\n1\r\n0\r\n15\r\n2.5\r\n\nA\r\n",
     Record(0, 1, 0, "15", "2.5", "\nA")},
    {"LastLineWithoutLineEnd", "0\r\n1\r\n0\r\n15\r\n2.5\r\nA\r\nB",
     Record(0, 1, 0, "15", "2.5", "A\r\nB")},
    {"Windows1252BytesKept",
     "0\r\n1\r\n0\r\n15\r\n2.5\r\n\x80 caf\xE9 \x96 \x93ok\x94 \x81 \x9F\r\n",
     Record(0, 1, 0, "15", "2.5",
            "\xE2\x82\xAC caf\xC3\xA9 \xE2\x80\x93 \xE2\x80\x9Cok\xE2\x80\x9D \xC2\x81 \xC5\xB8")},
    {"Utf16LittleEndian", Utf16(kUtf16File, false), kUtf16Record},
    {"Utf16BigEndian", Utf16(kUtf16File, true), kUtf16Record},
    {"Utf16UnpairedSurrogatesAndAnOddByte",
     Utf16(u"0\r\n1\r\n0\r\n15\r\n2.5\r\nA\xD83C"
           u"B\xDF73",
           false) +
         "C",
     Record(0, 1, 0, "15", "2.5",
            "A\xEF\xBF\xBD"
            "B\xEF\xBF\xBD\xEF\xBF\xBD")},
    {"CutUtf8SequenceAtTheEnd", "0\r\n1\r\n0\r\n15\r\n2.5\r\nA\xE2\x82",
     Record(0, 1, 0, "15", "2.5", "A\xC3\xA2\xE2\x80\x9A")},
    // An entry line is measured as the entry measures its text, in UTF-16 code units.
    {"MinutesLineAsLongAsAnEntryHolds", FileWithMinutes(Repeated("7", kMaxEntry)),
     Record(0, 1, 0, Repeated("7", kMaxEntry))},
    {"Windows1252CharactersCountOneEach", FileWithMinutes(Repeated("\xBD", kMaxEntry)),
     Record(0, 1, 0, Repeated("\xC2\xBD", kMaxEntry))},
    {"MinutesLineLongerThanAnEntryHolds_Refused", FileWithMinutes(Repeated("7", kMaxEntry + 1)),
     kDefaults, true},
    {"HoursLineLongerThanAnEntryHolds_Refused",
     "0\r\n1\r\n0\r\n15\r\n" + Repeated("2", kMaxEntry + 1) + "\r\n", kDefaults, true},
    {"CharactersBeyondUFFFFCountTwo_Refused",
     FileWithMinutes(Repeated("\xF0\x9F\x8D\xB3", kMaxEntry / 2 + 1)), kDefaults, true},
};

TEST_F(StoreTest, LoadAppliesWhatTheFileSupplies) {
    for (const LoadCase& row : kLoadCases) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(File());
        if (row.bytes) {
            WriteBytes(File(), *row.bytes);
        }
        SettingsRecord record = kDefaults;
        EXPECT_EQ(ReadSettingsFile(File(), record), row.bytes.has_value() && !row.refused);
        EXPECT_EQ(record, row.expected);
    }
}

TEST_F(StoreTest, SaveThenLoadGivesBackTheState) {
    struct Row {
        const char* name;
        SettingsRecord saved;
        std::optional<SettingsRecord> loaded = std::nullopt;  // none: as saved
    };
    const Row rows[] = {
        {"NotesWithLeadingEmptyLine", Record(1, 0, 1, "15", "2.5", "\r\nA")},
        {"NotesWithInnerEmptyLines", Record(1, 0, 1, "15", "2.5", "A\r\n\r\n\r\nB")},
        {"NotesEndingWithEmptyLine", Record(1, 0, 1, "15", "2.5", "A\r\n\r\n")},
        {"NotesOfLineBreaksOnly", Record(1, 0, 1, "15", "2.5", "\r\n\r\n")},
        {"NotesWithLoneLineFeeds", Record(1, 0, 1, "15", "2.5", "\nA\nB\n")},
        {"LoneCarriageReturnComesBackWithCrLf", Record(1, 0, 1, "15", "2.5", "A\rB"),
         Record(1, 0, 1, "15", "2.5", "A\r\nB")},
        {"GreyedCommasQuotesAndAccents",
         Record(2, 2, 2, "1,5 \"min\"", "\xC2\xBD", "Cr\xC3\xA8me, \"br\xC3\xBBl\xC3\xA9\"")},
        {"EmptiedControls_ShowDefaultsAgain", Record(1, 0, 1, "", "", ""), Record(1, 0, 1)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(WriteSettingsFile(File(), row.saved));
        EXPECT_EQ(Loaded(), row.loaded.value_or(row.saved));
    }
}

}  // namespace
}  // namespace hobwatch
