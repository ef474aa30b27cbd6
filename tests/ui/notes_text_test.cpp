#include <gtest/gtest.h>

#include <string>

#include <QString>

#include "ui/notes_text.h"

namespace hobwatch {
namespace {

using namespace Qt::StringLiterals;

struct NotesRow {
    const char* name;
    std::string notes;  // as the settings file holds them
    QString box;        // as the notes box holds them
    std::string back;   // what the box gives back to the file
};

const NotesRow kNotesRows[] = {
    {"CrLfIsAParagraphBreak", "A\r\nB", u"A\u2029B"_s, "A\r\nB"},
    {"LoneLfStaysInsideItsParagraph", "A\nB", u"A\u2028B"_s, "A\nB"},
    {"LoneCrComesBackAsCrLf", "A\rB", u"A\u2029B"_s, "A\r\nB"},
    {"CrBeforeCrLfIsTwoBreaks", "A\r\r\nB", u"A\u2029\u2029B"_s, "A\r\n\r\nB"},
    {"LfCrIsALineAndAParagraphBreak", "A\n\rB", u"A\u2028\u2029B"_s, "A\n\r\nB"},
    {"LeadingInnerAndTrailingEmptyLinesSurvive", "\r\nA\r\n\r\nB\r\n",
     u"\u2029A\u2029\u2029B\u2029"_s, "\r\nA\r\n\r\nB\r\n"},
    {"EmptyNotesStayEmpty", "", u""_s, ""},
    {"AccentsStayUtf8", "Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9\r\n",
     u"Cr\u00E8me br\u00FBl\u00E9\u2029"_s, "Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9\r\n"},
};

TEST(NotesTextTest, RecordToBoxAndBack) {
    for (const auto& row : kNotesRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(NotesToBoxText(row.notes), row.box);
        EXPECT_EQ(BoxTextToNotes(row.box), row.back);
    }
}

struct EntryRow {
    const char* name;
    std::string text;
    std::string kept;
};

const EntryRow kEntryRows[] = {
    {"TrailingCrLfIsDropped", "45\r\n", "45"},
    {"InnerLineBreaksAreDropped", "1\r2\n3", "123"},
    {"TabsAndBlanksStay", " 2\t5 ", " 2\t5 "},
    {"OnlyLineBreaksLeaveNothing", "\r\n\n\r", ""},
};

TEST(NotesTextTest, EntryTextsHoldNoLineBreaks) {
    for (const auto& row : kEntryRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(WithoutLineBreaks(row.text), row.kept);
    }
}

}  // namespace
}  // namespace hobwatch
