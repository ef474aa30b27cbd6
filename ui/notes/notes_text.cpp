#include "ui/notes/notes_text.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include "ui/notes/notes_format.h"

namespace hobwatch {
namespace {

constexpr char16_t kParagraphSeparator = u'\u2029';
constexpr char16_t kLineSeparator = u'\u2028';

constexpr qsizetype kMaxEditableLines = 200'000;
constexpr qsizetype kMaxEditableParagraph = 200'000;
constexpr qsizetype kMaxStandIns = 10'000;
constexpr qsizetype kMaxWordWrappedWord = 10'000;
constexpr qsizetype kReadOnlyParagraphLines = 256;
constexpr qsizetype kReadOnlyParagraphLength = 16'384;

// A stand-in in the box text, at its position in the document.
struct StandIn {
    qsizetype Position;
    char16_t Original;
};

// The notes as setPlainText takes them: line ends as paragraph separators and line separators,
// and what the box must know of them.
struct BoxText {
    QString Text;
    std::vector<StandIn> StandIns;
    qsizetype Lines = 1;  // one more than the line ends: the text after the last is a line too
    qsizetype LongestParagraph = 0;
    qsizetype LongestWord = 0;
};

BoxText ToBoxText(const QString& notes) {
    BoxText box;
    box.Text.reserve(notes.size());
    qsizetype paragraphStart = 0;
    qsizetype wordStart = 0;
    for (qsizetype i = 0; i < notes.size(); ++i) {
        const char16_t c = notes[i].unicode();
        if (c == u'\r' || c == u'\n') {
            const bool paragraphEnd = c == u'\r';
            if (paragraphEnd && i + 1 < notes.size() && notes[i + 1] == u'\n') {
                ++i;
            }
            ++box.Lines;
            box.Text += QChar(paragraphEnd ? kParagraphSeparator : kLineSeparator);
        } else if (const char16_t standIn = StandInFor(c)) {
            box.StandIns.push_back({box.Text.size(), c});
            box.Text += QChar(standIn);
        } else {
            box.Text += QChar(c);
        }
        const qsizetype end = box.Text.size();
        if (box.Text.back() == kParagraphSeparator) {
            box.LongestParagraph = std::max(box.LongestParagraph, end - 1 - paragraphStart);
            paragraphStart = end;
        }
        if (box.Text.back().isSpace()) {
            box.LongestWord = std::max(box.LongestWord, end - 1 - wordStart);
            wordStart = end;
        }
    }
    box.LongestParagraph = std::max(box.LongestParagraph, box.Text.size() - paragraphStart);
    box.LongestWord = std::max(box.LongestWord, box.Text.size() - wordStart);
    return box;
}

bool Editable(const BoxText& box) {
    return box.Lines <= kMaxEditableLines && box.LongestParagraph <= kMaxEditableParagraph &&
           static_cast<qsizetype>(box.StandIns.size()) <= kMaxStandIns;
}

void MarkStandIns(QTextDocument& document, const std::vector<StandIn>& standIns) {
    QTextCursor cursor(&document);
    // One edit, so that the paragraphs are laid out once, not once for every stand-in.
    cursor.beginEditBlock();
    for (const StandIn& standIn : standIns) {
        cursor.setPosition(standIn.Position);
        cursor.setPosition(standIn.Position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(StandInFormat(standIn.Original));
    }
    cursor.endEditBlock();
}

// Too many lines for a paragraph each: lines gathered into paragraphs of bounded size, every
// line end a line separator but where a paragraph ends, a line that alone is too long broken.
QString ReadOnlyText(const QString& boxText) {
    QString text;
    text.reserve(boxText.size());
    qsizetype lines = 0;
    qsizetype length = 0;
    for (const QChar c : boxText) {
        const bool lineEnd = c == kParagraphSeparator || c == kLineSeparator;
        text += lineEnd ? QChar(kLineSeparator) : c;
        lines += lineEnd ? 1 : 0;
        ++length;
        if (lines == kReadOnlyParagraphLines ||
            (length >= kReadOnlyParagraphLength && !c.isHighSurrogate())) {
            if (lineEnd) {
                text.back() = QChar(kParagraphSeparator);
            } else {
                text += QChar(kParagraphSeparator);
            }
            lines = 0;
            length = 0;
        }
    }
    return text;
}

void AppendPlain(QString& notes, QChar c) {
    if (c == kLineSeparator) {
        notes += u'\n';
    } else {
        notes += c;
    }
}

void AppendFragment(QString& notes, const QString& text, const QTextCharFormat& format) {
    const std::optional<char16_t> original = OriginalOf(format);
    // Text typed next to a stand-in can take its format; only the stand-in itself stands for the
    // original.
    for (const QChar c : text) {
        if (original && c == StandInFor(*original)) {
            notes += QChar(*original);
        } else {
            AppendPlain(notes, c);
        }
    }
}

}  // namespace

bool ShowNotes(QPlainTextEdit& box, std::string_view notes) {
    const BoxText boxText =
        ToBoxText(QString::fromUtf8(notes.data(), static_cast<qsizetype>(notes.size())));
    const bool editable = Editable(boxText);
    // Set before the text is, so that the text is laid out once.
    box.setWordWrapMode(boxText.LongestWord > kMaxWordWrappedWord
                            ? QTextOption::WrapAnywhere
                            : QTextOption::WrapAtWordBoundaryOrAnywhere);
    box.setReadOnly(!editable);
    QTextDocument& document = *box.document();
    document.setUndoRedoEnabled(false);
    document.setPlainText(editable ? boxText.Text : ReadOnlyText(boxText.Text));
    if (editable) {
        MarkStandIns(document, boxText.StandIns);
    }
    document.setUndoRedoEnabled(true);
    document.setModified(false);
    return editable;
}

std::string NotesOf(const QTextDocument& document) {
    QString notes;
    notes.reserve(document.characterCount());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            notes += u"\r\n";
        }
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            AppendFragment(notes, fragment.fragment().text(), fragment.fragment().charFormat());
        }
    }
    return notes.toStdString();
}

std::string SelectionToNotes(const QString& selection) {
    QString notes;
    notes.reserve(selection.size());
    for (const QChar c : selection) {
        if (c == kParagraphSeparator) {
            notes += u"\r\n";
        } else {
            AppendPlain(notes, c);
        }
    }
    return notes.toStdString();
}

}  // namespace hobwatch
