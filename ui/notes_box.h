#pragma once

#include <QPlainTextEdit>

namespace hobwatch {

// The notes box. Reports every release of the left mouse button, also the one that ends a
// drag-selection, and never drags text away: a press inside a highlight starts a new highlight.
class NotesBox final : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit NotesBox(QWidget* parent = nullptr);

signals:
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace hobwatch
