#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "ui/form1.h"
#include "ui/tick_timer.h"
#include "ui/topmost.h"
#include "window_test_doubles.h"

namespace hobwatch::testing {

// A window whose program directory is a fresh temporary directory, with a fake clock at 12:00:00,
// fake sounds and a fake message box.
class WindowTest : public ::testing::Test {
protected:
    template <typename T>
    T& Control(const char* name) {
        T* control = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return *control;
    }

    void Click(const char* buttonName) {
        QTest::mouseClick(&Control<QPushButton>(buttonName), Qt::LeftButton);
    }

    // Sets the clock to `milliseconds` after 12:00:00 and lets Timer1 tick.
    void TickAt(std::int64_t milliseconds) {
        clock.SetAfterNoon(milliseconds);
        Control<TickTimer>("Timer1").Fire();
    }

    QString Caption() const { return window->windowTitle(); }

    QTemporaryDir programDirectory;
    FakeClock clock;
    FakeSounds sounds;
    FakeMessageBox messageBox;
    QtTopmost topmost;
    std::unique_ptr<Form1> window =
        std::make_unique<Form1>(clock, sounds, messageBox, topmost, programDirectory.path());
};

}  // namespace hobwatch::testing
