#pragma once

#include <QString>

class QWidget;

namespace hobwatch {

// Modal messages. Each returns when the user has closed it; the owner's events go on being
// handled meanwhile, timers included.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    // A message with one OK button and no icon.
    virtual void Show(QWidget& owner, const QString& title, const QString& text) = 0;
    // A warning that the settings could not be saved, with the choices "Close without saving"
    // (true) and "Keep the window open" (false, also when the box is closed otherwise).
    virtual bool AskToCloseUnsaved(QWidget& owner, const QString& title, const QString& text) = 0;
};

class QtMessageBox final : public MessageBox {
public:
    void Show(QWidget& owner, const QString& title, const QString& text) override;
    bool AskToCloseUnsaved(QWidget& owner, const QString& title, const QString& text) override;
};

}  // namespace hobwatch
