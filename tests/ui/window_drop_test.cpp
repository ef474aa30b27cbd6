#include <gtest/gtest.h>

#include <string_view>

#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>

#include "window_fixture.h"

namespace hobwatch::testing {
namespace {

enum class Offer { Text, TextToMoveOnly, Html, Url };
enum class Before { Nothing, Countdown, ReadOnlyNotes };

struct DropRow {
    const char* name;
    const char* target;  // the control under the drop
    Offer offer;
    const char* content;
    Before before;
    bool taken;
    const char16_t* minutes;  // the entries after the drop
    const char16_t* hours;
};

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
};

TEST_F(DropTest, TextDroppedOutsideTheNotesSetsAnEntryUnlessACountdownIsSet) {
    const auto text = Offer::Text;
    const auto nothing = Before::Nothing;
    const DropRow rows[] = {
        {"on the panel", "timerPanel", text, "2 and 1/4 hours", nothing, true, u"", u"2.25 hr"},
        {"on an entry", "minutesEntry", text, "1 hour 20 minutes", nothing, true, u"", u"1.33 hr"},
        {"rich text", "startHours", Offer::Html, "<b>1 2/3</b>&nbsp;min", nothing, true, u"1.67",
         u""},
        {"a file's address", "timerPanel", Offer::Url, "file:///2h", nothing, false, u"15", u"2.5"},
        {"empty text", "timerPanel", text, "", nothing, false, u"15", u"2.5"},
        {"a move cuts the recipe", "timerPanel", Offer::TextToMoveOnly, "45", nothing, false, u"15",
         u"2.5"},
        {"countdown, on the panel", "timerPanel", text, "45", Before::Countdown, false, u"15",
         u"2.5"},
        {"countdown, on an entry", "hoursEntry", text, "45", Before::Countdown, false, u"15",
         u"2.5"},
        {"into the notes", "notes", text, "1 2/3 min", nothing, true, u"15", u"2.5"},
        {"on read-only notes", "notes", text, "45", Before::ReadOnlyNotes, false, u"15", u"2.5"},
    };
    for (const DropRow& row : rows) {
        SCOPED_TRACE(row.name);
        ReplaceWindow(SettingsFile());
        window->Load();
        auto& notes = Control<QPlainTextEdit>("notes");
        if (row.before == Before::Countdown) {
            Click("startMinutes");
        }
        notes.setReadOnly(row.before == Before::ReadOnlyNotes);
        const QString notesBefore = notes.toPlainText();
        QMimeData data;
        const QString content = QString::fromUtf8(row.content);
        row.offer == Offer::Html  ? data.setHtml(content)
        : row.offer == Offer::Url ? data.setUrls({QUrl(content)})
                                  : data.setText(content);
        const Qt::DropActions offered =
            row.offer == Offer::TextToMoveOnly ? Qt::MoveAction : Qt::CopyAction | Qt::MoveAction;
        Qt::DropAction dropAction = Qt::IgnoreAction;

        EXPECT_EQ(DragAndDrop(row.target, data, offered, dropAction), row.taken);

        EXPECT_EQ(Control<QComboBox>("minutesEntry").currentText(), row.minutes);
        EXPECT_EQ(Control<QComboBox>("hoursEntry").currentText(), row.hours);
        const bool intoNotes = row.taken && row.target == std::string_view("notes");
        EXPECT_EQ(notes.toPlainText() != notesBefore, intoNotes);
        // Taken as a copy, the text stays where it came from.
        if (row.taken && !intoNotes) {
            EXPECT_EQ(dropAction, Qt::CopyAction);
        }
    }
}

}  // namespace
}  // namespace hobwatch::testing
