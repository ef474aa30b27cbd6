#pragma once

#include <chrono>

#include <QObject>
#include <QTimer>

namespace hobwatch {

// Lets the text cursor blink only for a while after the user's last key press, click or change of
// focus, as GTK desktops do: a blinking cursor wakes the program about twice a second for as long
// as an entry has the focus. The blinking starts again at the next key or click. Watches every
// event of the application from its creation to its destruction.
class CursorBlinkLimit final : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kBlinkTime{10'000};

    // `blinkTime` is how long the cursor blinks after the last input, more than 0.
    explicit CursorBlinkLimit(std::chrono::milliseconds blinkTime = kBlinkTime,
                              QObject* parent = nullptr);
    // Leaves the cursor blinking as the desktop asks.
    ~CursorBlinkLimit() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StopBlinking();

    // The desktop's blink period in milliseconds, restored at each input.
    const int flashTimeMs_;
    QTimer idle_;
    bool blinking_ = true;
};

}  // namespace hobwatch
