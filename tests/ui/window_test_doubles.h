#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <QString>

#include "core/sounds.h"
#include "runtime/clock.h"
#include "runtime/date_value.h"
#include "ui/message_box.h"

namespace hobwatch::testing {

// 12:00:00 on 15 March 2023, in milliseconds since the DateValue epoch.
inline constexpr std::int64_t kNoonMs = 45000LL * kMillisecondsPerDay + 12LL * 3'600'000;

class FakeClock final : public Clock {
public:
    DateValue Now() const override { return DateValueFromMilliseconds(nowMs_); }
    // Milliseconds after 12:00:00.
    void SetAfterNoon(std::int64_t milliseconds) { nowMs_ = kNoonMs + milliseconds; }

private:
    std::int64_t nowMs_ = kNoonMs;
};

class FakeSounds final : public Sounds {
public:
    void Bell() override { played.push_back("bell"); }
    void Tone(int frequencyHz, int durationMs) override {
        played.push_back("tone " + std::to_string(frequencyHz) + " " + std::to_string(durationMs));
    }

    std::vector<std::string> played;
};

// Stands for a modal message: `whileOpen` runs in its place, as the user's time with it open.
class FakeMessageBox final : public MessageBox {
public:
    void Show(QWidget&, const QString& title, const QString& text) override {
        shownTitle = title;
        shownText = text;
        if (whileOpen) {
            whileOpen();
        }
    }

    // Answers the question with `closeUnsaved`, after `whileOpen`.
    bool AskToCloseUnsaved(QWidget& owner, const QString& title, const QString& text) override {
        ++questionsAsked;
        Show(owner, title, text);
        return closeUnsaved;
    }

    QString shownTitle, shownText;
    std::function<void()> whileOpen;
    int questionsAsked = 0;
    bool closeUnsaved = true;
};

}  // namespace hobwatch::testing
