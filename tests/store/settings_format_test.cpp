#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "store/settings_file.h"
#include "store_test_support.h"

namespace hobwatch {
namespace {

using testing_support::ReadBytes;
using testing_support::StoreTest;
using testing_support::WindowDefaults;
using testing_support::WriteBytes;

constexpr char kFile[] = "Hobwatch.txt";
const std::string kSampleNotes = WindowDefaults().Text1Text;

SettingsRecord LoadedFrom(const std::string& bytes) {
    WriteBytes(kFile, bytes);
    SettingsRecord record = WindowDefaults();
    ReadSettingsFile(record);
    return record;
}

TEST_F(StoreTest, SaveOfTheExampleState_WritesTheSevenLinesExactly) {
    const SettingsRecord example{1, 0, 1, "15", "2.5", "A\r\nB"};
    WriteSettingsFile(example);

    const std::string bytes = ReadBytes(kFile);
    EXPECT_EQ(bytes, "1\r\n0\r\n1\r\n15\r\n2.5\r\nA\r\nB\r\n");
    EXPECT_EQ(bytes.size(), 24u);
    SettingsRecord loaded = WindowDefaults();
    ReadSettingsFile(loaded);
    EXPECT_EQ(loaded, example);
}

TEST_F(StoreTest, SaveOfEntriesWithLineBreaks_KeepsEveryValueOnItsLine) {
    WriteSettingsFile({0, 1, 0, "1\r\n5", "\n2\r", "A"});

    EXPECT_EQ(ReadBytes(kFile), "0\r\n1\r\n0\r\n15\r\n2\r\nA\r\n");
}

TEST_F(StoreTest, NoFile_LoadKeepsDefaultsAndSaveCreatesIt) {
    SettingsRecord record = WindowDefaults();
    ReadSettingsFile(record);
    EXPECT_EQ(record, WindowDefaults());

    WriteSettingsFile(record);
    EXPECT_EQ(ReadBytes(kFile), "0\r\n1\r\n0\r\n15\r\n2.5\r\nSample notes\r\n\r\n");
}

struct LoadCase {
    const char* name;
    std::string bytes;
    SettingsRecord expected;
};

// The window starts with Check1 0, Check2 1, Check3 0; each row puts the line it is about where
// the wrong reading would show.
const LoadCase kLoadCases[] = {
    {"EmptyFile", "", WindowDefaults()},
    {"OneLineOfOne_TicksAllThree", "1\r\n", {1, 1, 1, "15", "2.5", kSampleNotes}},
    {"FourLines_GiveBothEntriesTheFourth",
     "0\r\n0\r\n0\r\n45\r\n",
     {0, 0, 0, "45", "45", kSampleNotes}},
    {"BlanksAroundCheckValues", "  2\t\r\n 0 \r\n 1 \r\n", {2, 0, 1, "15", "2.5", kSampleNotes}},
    {"TwoIsGreyed", "2\r\n2\r\n2\r\n", {2, 2, 2, "15", "2.5", kSampleNotes}},
    {"ThreeKeepsTheBox", "1\r\n3\r\n1\r\n", {1, 1, 1, "15", "2.5", kSampleNotes}},
    {"MinusOneKeepsTheBox", "1\r\n-1\r\n1\r\n", {1, 1, 1, "15", "2.5", kSampleNotes}},
    {"BeyondSixteenBits_KeepsTheBox", "1\r\n65536\r\n", {1, 1, 0, "15", "2.5", kSampleNotes}},
    {"LettersUntick", "1\r\nabc\r\n1\r\n", {1, 0, 1, "15", "2.5", kSampleNotes}},
    {"EmptyCheckLineUnticks", "1\r\n\r\n1\r\n", {1, 0, 1, "15", "2.5", kSampleNotes}},
    {"BlankCheckLineUnticks", "1\r\n \t \r\n1\r\n", {1, 0, 1, "15", "2.5", kSampleNotes}},
    {"FractionSignAndTrailingText",
     "1.9\r\n0 beeps\r\n+2\r\n",
     {1, 0, 2, "15", "2.5", kSampleNotes}},
    {"EntriesTrimmed_CommasAndQuotesKept",
     "0\r\n1\r\n0\r\n  1,5 \r\n\t\"2\" hr\t\r\n",
     {0, 1, 0, "1,5", "\"2\" hr", kSampleNotes}},
    {"BlankEntryLines_KeepTheEntries",
     "0\r\n1\r\n0\r\n   \r\n\r\nN\r\n",
     {0, 1, 0, "15", "2.5", "N"}},
    {"EmptyNotesLine_KeepsTheNotes", "0\r\n1\r\n0\r\n15\r\n2.5\r\n\r\n", WindowDefaults()},
    {"ByteOrderMarkSkipped",
     "\xEF\xBB\xBF"
     "1\r\n0\r\n1\r\n",
     {1, 0, 1, "15", "2.5", kSampleNotes}},
    {"LineFeedsOnly", "1\n0\n1\n20\n3\nA\nB\n", {1, 0, 1, "20", "3", "A\nB\n"}},
    {"CarriageReturnsOnly", "1\r0\r1\r20\r3\rA\rB\r", {1, 0, 1, "20", "3", "A\r\nB"}},
    {"LoneCarriageReturnInNotes",
     "0\r\n1\r\n0\r\n15\r\n2.5\r\nA\rB\r\n",
     {0, 1, 0, "15", "2.5", "A\r\nB"}},
    {"LoneLineFeedInNotes", "0\r\n1\r\n0\r\n15\r\n2.5\r\nA\nB\r\n", {0, 1, 0, "15", "2.5", "A\nB"}},
    {"NotesLineFeedRightAfterLineFive",
     "0\r\n1\r\n0\r\n15\r\n2.5\r\n\nA\r\n",
     {0, 1, 0, "15", "2.5", "\nA"}},
    {"LastNotesLineWithoutLineEnd",
     "0\r\n1\r\n0\r\n15\r\n2.5\r\nA\r\nB",
     {0, 1, 0, "15", "2.5", "A\r\nB"}},
    {"LastCheckLineWithoutLineEnd", "1\r\n0\r\n2", {1, 0, 2, "15", "2.5", kSampleNotes}},
    {"Windows1252BytesKept",
     "0\r\n1\r\n0\r\n15\r\n2.5\r\ncaf\xE9 \x96 \x93ok\x94 \x81\r\n",
     {0, 1, 0, "15", "2.5", "caf\xC3\xA9 \xE2\x80\x93 \xE2\x80\x9Cok\xE2\x80\x9D \xC2\x81"}},
    {"CutUtf8SequenceAtTheEnd",
     "0\r\n1\r\n0\r\n15\r\n2.5\r\nA\xE2\x82",
     {0, 1, 0, "15", "2.5", "A\xC3\xA2\xE2\x80\x9A"}},
};

void PrintTo(const LoadCase& row, std::ostream* out) { *out << row.name; }

class LoadTest : public StoreTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadTest, AppliesWhatTheFileSupplies) {
    EXPECT_EQ(LoadedFrom(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Files, LoadTest, ::testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RoundTripCase {
    const char* name;
    SettingsRecord saved;
    SettingsRecord loaded;
};

const RoundTripCase kRoundTripCases[] = {
    {"NotesWithLeadingEmptyLine", {1, 0, 1, "15", "2.5", "\r\nA"}, {1, 0, 1, "15", "2.5", "\r\nA"}},
    {"NotesWithInnerEmptyLines",
     {1, 0, 1, "15", "2.5", "A\r\n\r\n\r\nB"},
     {1, 0, 1, "15", "2.5", "A\r\n\r\n\r\nB"}},
    {"NotesEndingWithLineBreak", {1, 0, 1, "15", "2.5", "A\r\n"}, {1, 0, 1, "15", "2.5", "A\r\n"}},
    {"NotesEndingWithEmptyLine",
     {1, 0, 1, "15", "2.5", "A\r\n\r\n"},
     {1, 0, 1, "15", "2.5", "A\r\n\r\n"}},
    {"NotesOfLineBreaksOnly",
     {1, 0, 1, "15", "2.5", "\r\n\r\n"},
     {1, 0, 1, "15", "2.5", "\r\n\r\n"}},
    {"NotesWithLoneLineFeeds",
     {1, 0, 1, "15", "2.5", "\nA\nB\n"},
     {1, 0, 1, "15", "2.5", "\nA\nB\n"}},
    {"NotesWithLoneCarriageReturn_ComeBackWithCrLf",
     {1, 0, 1, "15", "2.5", "A\rB"},
     {1, 0, 1, "15", "2.5", "A\r\nB"}},
    {"GreyedBoxes", {2, 2, 2, "15", "2.5", "A"}, {2, 2, 2, "15", "2.5", "A"}},
    {"CommasQuotesAndAccents",
     {0, 0, 1, "1,5 \"min\"", "\xC2\xBD", "Cr\xC3\xA8me, \"br\xC3\xBBl\xC3\xA9\""},
     {0, 0, 1, "1,5 \"min\"", "\xC2\xBD", "Cr\xC3\xA8me, \"br\xC3\xBBl\xC3\xA9\""}},
    {"EmptiedControls_ShowDefaultsAgain",
     {1, 0, 1, "", "", ""},
     {1, 0, 1, "15", "2.5", kSampleNotes}},
};

void PrintTo(const RoundTripCase& row, std::ostream* out) { *out << row.name; }

class RoundTripTest : public StoreTest, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(RoundTripTest, SaveThenLoad) {
    WriteSettingsFile(GetParam().saved);
    SettingsRecord record = WindowDefaults();
    ReadSettingsFile(record);
    EXPECT_EQ(record, GetParam().loaded);
}

INSTANTIATE_TEST_SUITE_P(Records, RoundTripTest, ::testing::ValuesIn(kRoundTripCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace hobwatch
