#include "ui/message_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace hobwatch {

void QtMessageBox::Show(QWidget& owner, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, &owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtMessageBox::AskToCloseUnsaved(QWidget& owner, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, &owner);
    box.setTextFormat(Qt::PlainText);
    const QPushButton* close =
        box.addButton(QStringLiteral("Close without saving"), QMessageBox::DestructiveRole);
    QPushButton* keep =
        box.addButton(QStringLiteral("Keep the window open"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == close;
}

}  // namespace hobwatch
