#include "ui/topmost.h"

#include <QWidget>

namespace hobwatch {

void QtTopmost::KeepAboveOthers(QWidget& window) {
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

}  // namespace hobwatch
