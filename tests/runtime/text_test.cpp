#include "runtime/text.h"

#include <gtest/gtest.h>

#include <string>

namespace hobwatch {
namespace {

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::u32string characters;
};

TEST(Text, EachInvalidUtf8ByteBecomesOneReplacementCharacter) {
    const DecodeCase cases[] = {
        {"byte never used", "a\xFFz", U"a\uFFFDz"},
        {"overlong three-byte form", "\xE0\x80\x80", U"\uFFFD\uFFFD\uFFFD"},
        {"surrogate", "\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},
        {"beyond the largest code point", "\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"truncated at the end", "1\xE2\x82", U"1\uFFFD\uFFFD"},
        {"truncated before ASCII", "\xE2\x82z", U"\uFFFD\uFFFDz"},
        {"lead byte before a whole sequence", "\xC3\xC3\xA9", U"\uFFFD\u00E9"},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeUtf8(c.bytes), c.characters);
    }
    EXPECT_EQ(EncodeUtf8(DecodeUtf8("a\xFF")), "a\xEF\xBF\xBD");
}

TEST(Text, EachCharacterIsWrittenInItsShortestUtf8Form) {
    const DecodeCase cases[] = {
        {"last of one byte", "\x7F", U"\u007F"},
        {"first of two bytes", "\xC2\x80", U"\u0080"},
        {"last of two bytes", "\xDF\xBF", U"\u07FF"},
        {"first of three bytes", "\xE0\xA0\x80", U"\u0800"},
        {"last of three bytes", "\xEF\xBF\xBF", U"\uFFFF"},
        {"first of four bytes", "\xF0\x90\x80\x80", U"\U00010000"},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EncodeUtf8(c.characters), c.bytes);
    }
}

}  // namespace
}  // namespace hobwatch
