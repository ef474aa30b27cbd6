#include "ui/notes/notes_box.h"

#include <algorithm>
#include <utility>

#include <QLabel>
#include <QMouseEvent>
#include <QTextCursor>
#include <QTextDocument>

#include "ui/notes/notes_format.h"
#include "ui/notes/notes_text.h"

namespace hobwatch {
namespace {

// Dismissed by a click.
class Notice final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent*) override { hide(); }
};

}  // namespace

NotesBox::NotesBox(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    // What is typed takes the format of the character before it; typed beside a stand-in, it
    // must not take the mark that would make it stand for another character.
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        const QTextCursor cursor = textCursor();
        if (!cursor.hasSelection() && OriginalOf(cursor.charFormat())) {
            setCurrentCharFormat(QTextCharFormat());
        }
    });
    // A read-only box refuses typing, but a text cursor still edits its document, and that is
    // how a screen reader's editing requests arrive: such an edit is taken back before it is
    // ever painted.
    connect(document(), &QTextDocument::contentsChange, this, [this] {
        if (isReadOnly() && !changingText_ && document()->isUndoAvailable()) {
            changingText_ = true;
            document()->undo();
            changingText_ = false;
        }
    });
}

void NotesBox::SetNotes(std::string notes) {
    changingText_ = true;
    const bool editable = ShowNotes(*this, notes);
    changingText_ = false;
    if (!editable) {
        ShowNotice(QStringLiteral(
            "These notes are too large to edit here: they are shown read-only and kept as they "
            "are in the file."));
    } else if (notice_ != nullptr) {
        notice_->hide();
    }
    notes_ = std::move(notes);
}

std::string NotesBox::Notes() const {
    // Read-only notes are shown in another form than the file's: the box never speaks for them.
    return document()->isModified() && !isReadOnly() ? NotesOf(*document()) : notes_;
}

std::string NotesBox::SelectedNotes() const {
    return SelectionToNotes(textCursor().selectedText());
}

void NotesBox::ShowNotice(const QString& text) {
    if (notice_ == nullptr) {
        notice_ = new Notice(this);
        notice_->setObjectName(QStringLiteral("notice"));
        notice_->setWordWrap(true);
        notice_->setTextFormat(Qt::PlainText);
        notice_->setAutoFillBackground(true);
        notice_->setBackgroundRole(QPalette::ToolTipBase);
        notice_->setForegroundRole(QPalette::ToolTipText);
        notice_->setFrameShape(QFrame::Box);
        notice_->setMargin(2);
    }
    notice_->setText(text);
    notice_->setAccessibleName(text);
    PlaceNotice();
    notice_->show();
}

void NotesBox::PlaceNotice() {
    if (notice_ == nullptr) {
        return;
    }
    const QRect area = viewport()->geometry();
    const int height = std::min(area.height(), notice_->heightForWidth(area.width()));
    notice_->setGeometry(area.left(), area.bottom() + 1 - height, area.width(), height);
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

void NotesBox::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    PlaceNotice();
}

}  // namespace hobwatch
