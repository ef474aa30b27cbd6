#include "ui/message_box.h"

#include <QMessageBox>

namespace hobwatch {

void QtMessageBox::Show(QWidget& owner, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, &owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace hobwatch
