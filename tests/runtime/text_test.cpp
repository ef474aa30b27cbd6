#include "runtime/text.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace hobwatch {
namespace {

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::u32string characters;
};

TEST(Text, DecodesUtf8ToCharacters) {
    const DecodeCase cases[] = {
        {"empty", "", U""},
        {"ASCII", "2 h", U"2 h"},
        {"two bytes", "\xC3\xA9", U"\u00E9"},
        {"three bytes", "\xE2\x82\xAC", U"\u20AC"},
        {"four bytes", "\xF0\x9F\x8D\x97", U"\U0001F357"},
        {"largest code point", "\xF4\x8F\xBF\xBF", U"\U0010FFFF"},
        {"mixed",
         "\xC3\xA9"
         "1/2",
         U"\u00E91/2"},
        {"line break stays", "45\r\n", U"45\r\n"},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeUtf8(c.bytes), c.characters);
        EXPECT_EQ(EncodeUtf8(c.characters), c.bytes);
    }
}

TEST(Text, EachInvalidByteBecomesOneReplacementCharacter) {
    const DecodeCase cases[] = {
        {"lone continuation byte", "\x80", U"\uFFFD"},
        {"byte never used",
         "a\xFF"
         "b",
         U"a\uFFFDb"},
        {"overlong two-byte form", "\xC0\x80", U"\uFFFD\uFFFD"},
        {"overlong three-byte form", "\xE0\x80\x80", U"\uFFFD\uFFFD\uFFFD"},
        {"surrogate", "\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},
        {"beyond the largest code point", "\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"truncated at the end", "1\xE2\x82", U"1\uFFFD\uFFFD"},
        {"truncated before ASCII",
         "\xE2\x82"
         "1",
         U"\uFFFD\uFFFD"
         "1"},
        {"lead byte followed by lead byte", "\xC3\xC3\xA9", U"\uFFFD\u00E9"},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeUtf8(c.bytes), c.characters);
    }
}

TEST(Text, EncodesReplacementCharacterAsValidUtf8) {
    EXPECT_EQ(EncodeUtf8(DecodeUtf8("a\xFF")), "a\xEF\xBF\xBD");
}

struct TrimCase {
    const char* name;
    std::u32string_view text;
    std::u32string_view expected;
};

TEST(Text, TrimRemovesOuterSpacesOnly) {
    const TrimCase cases[] = {
        {"outer spaces", U"  90  ", U"90"},
        {"inner spaces stay", U" 2 hr  15 ", U"2 hr  15"},
        {"only spaces", U"   ", U""},
        {"empty", U"", U""},
        {"tabs stay", U"\t45\t", U"\t45\t"},
        {"line breaks stay", U" 45\r\n", U"45\r\n"},
        {"no-break space stays", U"\u00A090\u00A0", U"\u00A090\u00A0"},
    };
    for (const TrimCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TrimSpaces(c.text), c.expected);
    }
}

struct FindCase {
    const char* name;
    std::u32string_view text;
    char32_t wanted;
    std::size_t start;
    std::size_t expected;
};

TEST(Text, FindGivesOneBasedPositionOrZero) {
    const FindCase cases[] = {
        {"first character", U"h2", U'h', 1, 1},
        {"first of several", U"1 h 1 h", U'h', 1, 3},
        {"at the start position", U"1 h 1 h", U'h', 3, 3},
        {"after the start position", U"1 h 1 h", U'h', 4, 7},
        {"none", U"45", U'/', 1, 0},
        {"exact comparison", U"H", U'h', 1, 0},
        {"start past the end", U"h", U'h', 5, 0},
        {"empty text", U"", U'h', 1, 0},
        {"counts characters, not bytes", U"\u00E9\u00E9h", U'h', 1, 3},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Find(c.text, c.wanted, c.start), c.expected);
    }
}

struct MiddleCase {
    const char* name;
    std::u32string_view text;
    std::size_t start;
    std::size_t length;
    std::u32string_view expected;
};

TEST(Text, MiddleTakesCharactersFromAOneBasedStart) {
    constexpr std::size_t kAll = std::u32string_view::npos;
    const MiddleCase cases[] = {
        {"the rest", U"2 hr 15", 6, kAll, U"15"},
        {"one character", U"2 1/4", 3, 1, U"1"},
        {"from the first", U"2 1/4", 1, 2, U"2 "},
        {"length zero", U"2 1/4", 1, 0, U""},
        {"length beyond the end", U"2 1/4", 5, 3, U"4"},
        {"start just past the end", U"1/", 3, 1, U""},
        {"start far past the end", U"1/", 40, kAll, U""},
        {"counts characters, not bytes", U"\u00E91/2", 2, 1, U"1"},
    };
    for (const MiddleCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Middle(c.text, c.start, c.length), c.expected);
    }
}

TEST(Text, UpperCasesAsciiLettersOnly) {
    EXPECT_EQ(UpperCaseAscii(U"2 hr, Hours az"), U"2 HR, HOURS AZ");
    // Full case mapping would lengthen these and shift every later position.
    EXPECT_EQ(UpperCaseAscii(U"\u00DF\uFB03h"), U"\u00DF\uFB03H");
    EXPECT_EQ(UpperCaseAscii(U"\u00E9\uFF48"), U"\u00E9\uFF48");
}

}  // namespace
}  // namespace hobwatch
