#include <gtest/gtest.h>

#include <string>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include "runtime/text.h"
#include "ui/notes/notes_box.h"

namespace hobwatch::testing {
namespace {

using namespace Qt::StringLiterals;

// Every Unicode scalar value but CR and LF, which are the file's line ends, in lines of 64
// characters ended by CR LF, with a lone LF inside every seventh line.
std::string EveryCharacter() {
    std::u32string text;
    int column = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if ((c >= 0xD800 && c <= 0xDFFF) || c == U'\r' || c == U'\n') {
            continue;
        }
        text += c;
        if (++column == 64) {
            text += (c / 64) % 7 == 0 ? U"\n" : U"\r\n";
            column = 0;
        }
    }
    return EncodeUtf8(text);
}

// The notes after the user typed `typed` at the end of the box.
std::string NotesAfterTypingAtTheEnd(NotesBox& box, const char* typed) {
    box.moveCursor(QTextCursor::End);
    QTest::keyClicks(&box, QString::fromUtf8(typed));
    return box.Notes();
}

TEST(NotesBoxTest, EveryCharacterSurvivesAnEditElsewhere) {
    NotesBox box;
    const std::string notes = EveryCharacter();
    box.SetNotes(notes);

    EXPECT_TRUE(NotesAfterTypingAtTheEnd(box, "!") == notes + "!");
}

TEST(NotesBoxTest, CharactersTheBoxCannotHoldComeBackAsTheyWere) {
    struct Row {
        const char* name;
        std::string notes;
    };
    const Row rows[] = {
        {"LoneLineFeedBesideLineSeparator", "A\n\u2028\nB\r\nC"},
        {"RunsOfThem", "\u2029\u2029\u2028\u2028\uFDD0\uFDD0\r\n\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        NotesBox box;
        box.SetNotes(row.notes);
        EXPECT_EQ(NotesAfterTypingAtTheEnd(box, "x"), row.notes + "x");
    }
}

// Typed beside a character shown by a stand-in, a letter is a letter and Shift+Enter a lone LF.
TEST(NotesBoxTest, TypingBesideAStandIn_KeepsBothAsTheyAre) {
    NotesBox box;
    box.SetNotes("A\u2029B");
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(2);
    box.setTextCursor(cursor);

    QTest::keyClicks(&box, QStringLiteral("x"));
    QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier);

    EXPECT_EQ(box.Notes(), "A\u2029x\nB");
}

// Notes of more lines than the box edits fluently are shown read-only and saved as they came,
// whatever their line ends.
TEST(NotesBoxTest, NotesOfTooManyLines_ShownReadOnlyAndKeptByteForByte) {
    std::string notes;
    for (int line = 0; line < 250'000; ++line) {
        notes += line % 3 == 0 ? "\n" : "egg\r\n";
    }
    NotesBox box;
    box.SetNotes(notes);
    box.show();
    QApplication::processEvents();

    EXPECT_TRUE(box.isReadOnly());
    const auto* notice = box.findChild<QLabel*>(QStringLiteral("notice"));
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(NotesAfterTypingAtTheEnd(box, "x") == notes);
}

// Where the box turns read-only: beyond 200,000 lines, counted as the file has them.
TEST(NotesBoxTest, ReadOnlyFromTheLineAfterTwoHundredThousand) {
    const struct {
        int lines;
        bool readOnly;
    } rows[] = {{200'000, false}, {200'001, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lines);
        std::string notes = "egg";
        for (int line = 1; line < row.lines; ++line) {
            notes += "\r\negg";
        }
        NotesBox box;
        box.SetNotes(notes);
        EXPECT_EQ(box.isReadOnly(), row.readOnly);
    }
}

// A screen reader's editing requests reach the box through its accessibility interface, past
// the read-only flag that stops typing.
TEST(NotesBoxTest, ReadOnlyNotes_RefuseEditsThroughTheAccessibilityInterface) {
    const struct {
        const char* name;
        void (*edit)(QAccessibleEditableTextInterface&);
    } rows[] = {
        {"insert", [](QAccessibleEditableTextInterface& e) { e.insertText(0, u"x"_s); }},
        {"delete", [](QAccessibleEditableTextInterface& e) { e.deleteText(0, 3); }},
        {"replace", [](QAccessibleEditableTextInterface& e) { e.replaceText(0, 3, u"x"_s); }},
    };
    // Line ends and a line longer than the box shows in one piece.
    const std::string notes = "A\r\nB\nC\r\n" + std::string(200'001, 'x') + "\r\n";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        NotesBox box;
        box.SetNotes(notes);
        const QString shown = box.document()->toRawText();
        QAccessibleEditableTextInterface* const editable =
            QAccessible::queryAccessibleInterface(&box)->editableTextInterface();
        ASSERT_NE(editable, nullptr);

        row.edit(*editable);

        EXPECT_TRUE(box.document()->toRawText() == shown);
        EXPECT_TRUE(box.Notes() == notes);
    }
}

// Laying out a word of a megabyte at word boundaries took minutes: the window never appeared.
TEST(NotesBoxTest, OneMegabyteWord_IsShownAndKeptByteForByte) {
    const std::string notes = "Eggs: 7 min\r\n" + std::string(1'000'000, 'x');
    NotesBox box;
    box.SetNotes(notes);
    box.show();
    QApplication::processEvents();

    EXPECT_TRUE(box.document()->toPlainText().startsWith(u"Eggs: 7 min\nxxx"));
    EXPECT_TRUE(NotesAfterTypingAtTheEnd(box, "y").starts_with(notes));
}

}  // namespace
}  // namespace hobwatch::testing
