#include "ui/look/cursor_blink_limit.h"

#include <QApplication>
#include <QEvent>

namespace hobwatch {

CursorBlinkLimit::CursorBlinkLimit(std::chrono::milliseconds blinkTime, QObject* parent)
    : QObject(parent), flashTimeMs_(QApplication::cursorFlashTime()) {
    idle_.setSingleShot(true);
    idle_.setInterval(blinkTime);
    connect(&idle_, &QTimer::timeout, this, &CursorBlinkLimit::StopBlinking);
    idle_.start();
    QApplication::instance()->installEventFilter(this);
}

CursorBlinkLimit::~CursorBlinkLimit() {
    if (!blinking_) {
        QApplication::setCursorFlashTime(flashTimeMs_);
    }
}

bool CursorBlinkLimit::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::FocusIn:
            if (!blinking_) {
                QApplication::setCursorFlashTime(flashTimeMs_);
                blinking_ = true;
            }
            idle_.start();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

// A flash time of 0 shows the cursor steadily.
void CursorBlinkLimit::StopBlinking() {
    QApplication::setCursorFlashTime(0);
    blinking_ = false;
}

}  // namespace hobwatch
