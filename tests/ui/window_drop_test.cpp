#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>
#include <string_view>

#include "window_fixture.h"

namespace hobwatch::testing {
namespace {

enum class Offer { Text, Html, TextAndHtml, Urls };

struct DropRow {
    const char* name;
    const char* target;  // the control under the drop
    Offer offer;
    const char* content;  // for TextAndHtml: the text, then the HTML after a "|"
    Qt::DropActions offered;
    bool duringCountdown;
    bool taken;
    const char16_t* minutes;  // the entries after the drop
    const char16_t* hours;
};

constexpr Qt::DropActions kCopyOrMove = Qt::CopyAction | Qt::MoveAction;
constexpr bool kTaken = true;
constexpr bool kRefused = false;

void PutOffer(QMimeData& data, Offer offer, const QString& content) {
    switch (offer) {
        case Offer::Text:
            data.setText(content);
            break;
        case Offer::Html:
            data.setHtml(content);
            break;
        case Offer::TextAndHtml:
            data.setText(content.section(u'|', 0, 0));
            data.setHtml(content.section(u'|', 1));
            break;
        case Offer::Urls:
            data.setUrls({QUrl(content)});
            break;
    }
}

class DropTest : public WindowTest {
protected:
    // A drag from another program over the middle of the control `name` (an entry's edit field,
    // the notes' viewport), delivered as the platform delivers it: to the first widget up from
    // there that takes drops; entered, moved, and dropped when the enter and the move were taken.
    bool DragAndDrop(const char* name, const QMimeData& data, Qt::DropActions offered,
                     Qt::DropAction& dropAction) {
        QWidget* control = &Control<QWidget>(name);
        if (auto* entry = qobject_cast<QComboBox*>(control)) {
            control = entry->lineEdit();
        } else if (auto* notes = qobject_cast<QPlainTextEdit*>(control)) {
            control = notes->viewport();
        }
        QWidget* target = control;
        while (!target->acceptDrops() && !target->isWindow()) {
            target = target->parentWidget();
        }
        const QPoint at = control->mapTo(target, control->rect().center());
        QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDragMoveEvent move(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        EXPECT_TRUE(move.isAccepted());
        QDropEvent drop(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        dropAction = drop.dropAction();
        return drop.isAccepted();
    }

    QString EntryText(const char* name) { return Control<QComboBox>(name).currentText(); }
};

TEST_F(DropTest, TextDroppedOutsideTheNotesSetsAnEntryUnlessACountdownIsSet) {
    const DropRow rows[] = {
        {"text on the timer panel", "timerPanel", Offer::Text, "2 and 1/4 hours", kCopyOrMove,
         false, kTaken, u"", u"2.25 hr"},
        {"text on the minutes entry", "minutesEntry", Offer::Text, "1 hour 20 minutes", kCopyOrMove,
         false, kTaken, u"", u"1.33 hr"},
        {"text on a start button", "startHours", Offer::Text, "1 2/3 min", Qt::CopyAction, false,
         kTaken, u"1.67", u""},
        {"text on the credit line", "credit", Offer::Text, "12 lb Turkey in bag 3.10 hrs",
         kCopyOrMove, false, kTaken, u"", u"12 lb Turkey in bag 3.10 hrs"},
        {"rich text read as plain", "alarmPanel", Offer::Html, "<p><b>2 1/4</b>&nbsp;min</p>",
         kCopyOrMove, false, kTaken, u"2.25", u""},
        {"plain text before rich text", "hoursEntry", Offer::TextAndHtml, "17 min.|<i>3 hr</i>",
         kCopyOrMove, false, kTaken, u"17 min.", u""},
        {"a file offers no text", "timerPanel", Offer::Urls, "file:///tmp/2%20hours.txt",
         kCopyOrMove, false, kRefused, u"15", u"2.5"},
        {"empty text", "timerPanel", Offer::Text, "", kCopyOrMove, false, kRefused, u"15", u"2.5"},
        {"a move would cut it from the recipe", "timerPanel", Offer::Text, "45", Qt::MoveAction,
         false, kRefused, u"15", u"2.5"},
        {"countdown: on the panel", "timerPanel", Offer::Text, "45", kCopyOrMove, true, kRefused,
         u"15", u"2.5"},
        {"countdown: on the disabled entry", "minutesEntry", Offer::Text, "45", kCopyOrMove, true,
         kRefused, u"15", u"2.5"},
        {"into the notes", "notes", Offer::Text, "1 2/3 min", kCopyOrMove, false, kTaken, u"15",
         u"2.5"},
        {"countdown: into the notes", "notes", Offer::Text, "2 hr  15 minutes", kCopyOrMove, true,
         kTaken, u"15", u"2.5"},
    };
    for (const DropRow& row : rows) {
        SCOPED_TRACE(row.name);
        ReplaceWindow(SettingsFile());
        window->Load();
        if (row.duringCountdown) {
            Click("startMinutes");
        }
        QMimeData data;
        PutOffer(data, row.offer, QString::fromUtf8(row.content));
        Qt::DropAction dropAction = Qt::IgnoreAction;
        auto& notes = Control<QPlainTextEdit>("notes");
        const QString notesBefore = notes.toPlainText();

        EXPECT_EQ(DragAndDrop(row.target, data, row.offered, dropAction), row.taken);

        EXPECT_EQ(EntryText("minutesEntry"), QString::fromUtf16(row.minutes));
        EXPECT_EQ(EntryText("hoursEntry"), QString::fromUtf16(row.hours));
        const bool intoNotes = row.target == std::string_view("notes");
        if (row.taken && !intoNotes) {
            EXPECT_EQ(dropAction, Qt::CopyAction);
        }
        EXPECT_EQ(notes.toPlainText() != notesBefore, intoNotes);
        if (intoNotes) {
            EXPECT_TRUE(notes.toPlainText().contains(data.text()));
        }
    }
}

// Notes too large to edit refuse a drop, which then comes to the window: it is still on the notes.
TEST_F(DropTest, DropOnReadOnlyNotesIsRefused) {
    window->Load();
    Control<QPlainTextEdit>("notes").setReadOnly(true);
    QMimeData data;
    data.setText(QStringLiteral("45"));
    Qt::DropAction dropAction = Qt::IgnoreAction;
    EXPECT_FALSE(DragAndDrop("notes", data, kCopyOrMove, dropAction));
    EXPECT_EQ(EntryText("minutesEntry"), u"15");
}

}  // namespace
}  // namespace hobwatch::testing
