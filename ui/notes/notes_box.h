#pragma once

#include <string>

#include <QPlainTextEdit>

class QLabel;

namespace hobwatch {

// The notes box. Reports every release of the left mouse button, also the one that ends a
// drag-selection, and never drags text away: a press inside a highlight starts a new highlight.
// It keeps the notes it was given, which it hands back as they were, byte for byte, until the
// user edits them; notes shown read-only cannot be edited, by any means.
class NotesBox final : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit NotesBox(QWidget* parent = nullptr);

    // Shows `notes` (UTF-8, line breaks as CR LF); read-only, with a notice saying so, when they
    // are too large to edit.
    void SetNotes(std::string notes);
    // The notes as SetNotes was given them, unless they have been edited since.
    std::string Notes() const;
    // The highlighted part of the notes, line breaks as CR LF; empty when nothing is highlighted.
    std::string SelectedNotes() const;

    // A short notice over the bottom of the box, which a click on it dismisses.
    void ShowNotice(const QString& text);

signals:
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceNotice();

    std::string notes_;
    bool changingText_ = false;  // the box itself changes its text: notes shown, an edit undone
    QLabel* notice_ = nullptr;
};

}  // namespace hobwatch
