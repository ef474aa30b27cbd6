#include "ui/notes_text.h"

#include "ui/qt_text.h"

namespace hobwatch {
namespace {

constexpr char16_t kParagraphSeparator = u'\u2029';
constexpr char16_t kLineSeparator = u'\u2028';

}  // namespace

QString NotesToBoxText(std::string_view notes) {
    const QString text = ToQString(notes);
    QString box;
    box.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            box += QChar(kParagraphSeparator);
        } else if (c == u'\n') {
            box += QChar(kLineSeparator);
        } else {
            box += c;
        }
    }
    return box;
}

std::string BoxTextToNotes(const QString& boxText) {
    QString notes;
    notes.reserve(boxText.size());
    for (const QChar c : boxText) {
        if (c == kParagraphSeparator) {
            notes += u"\r\n";
        } else if (c == kLineSeparator) {
            notes += u'\n';
        } else {
            notes += c;
        }
    }
    return notes.toStdString();
}

}  // namespace hobwatch
