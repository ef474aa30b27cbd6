#include "ui/dropped_text.h"

#include <QMimeData>
#include <QString>
#include <QTextDocumentFragment>

#include "ui/notes/notes_text.h"

namespace hobwatch {

std::optional<std::string> DroppedTextOf(const QMimeData& data) {
    // A link or a file is no text, although Qt offers its address as text.
    if (data.hasUrls()) {
        return std::nullopt;
    }
    QString text;
    if (data.hasText()) {
        text = data.text();
    } else if (data.hasHtml()) {
        text = QTextDocumentFragment::fromHtml(data.html()).toPlainText();
    } else {
        return std::nullopt;
    }
    // Each line end, of whichever system, is one line break of the notes.
    const QChar paragraphBreak = QChar::ParagraphSeparator;
    text.replace(QStringLiteral("\r\n"), paragraphBreak);
    text.replace(u'\r', paragraphBreak);
    text.replace(u'\n', paragraphBreak);
    return SelectionToNotes(text);
}

}  // namespace hobwatch
