#pragma once

#include <QString>

class QWidget;

namespace hobwatch {

// A modal message with one OK button and no icon.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Returns when the user has closed the message. The owner's events go on being handled
    // meanwhile, timers included.
    virtual void Show(QWidget& owner, const QString& title, const QString& text) = 0;
};

class QtMessageBox final : public MessageBox {
public:
    void Show(QWidget& owner, const QString& title, const QString& text) override;
};

}  // namespace hobwatch
