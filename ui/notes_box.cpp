#include "ui/notes_box.h"

#include <QMouseEvent>
#include <QTextCursor>

namespace hobwatch {

NotesBox::NotesBox(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
}

void NotesBox::mousePressEvent(QMouseEvent* event) {
    // A press inside the highlight would start text drag-and-drop, which moves the text and
    // swallows the mouse release; dropping the highlight first turns it into a new selection.
    QTextCursor cursor = textCursor();
    if (event->button() == Qt::LeftButton && !(event->modifiers() & Qt::ShiftModifier) &&
        cursor.hasSelection()) {
        cursor.clearSelection();
        setTextCursor(cursor);
    }
    QPlainTextEdit::mousePressEvent(event);
}

void NotesBox::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit Clicked();
    }
}

}  // namespace hobwatch
