#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include <QColor>
#include <QTemporaryDir>
#include <QWidget>

#include "ui/form1.h"
#include "ui/topmost.h"
#include "window_test_doubles.h"

namespace hobwatch::testing {

// A window whose program directory is a fresh temporary directory, with a fake clock at 12:00:00,
// fake sounds and a fake message box.
class WindowTest : public ::testing::Test {
protected:
    WindowTest();

    template <typename T>
    T& Control(const char* name) {
        T* control = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return *control;
    }

    void WriteSettingsFile(std::string_view bytes) const;
    std::string SettingsFileBytes() const;  // empty when there is no file
    bool SettingsFileExists() const;

    void Click(const char* buttonName);
    // Sets the clock to `milliseconds` after 12:00:00 and lets Timer1 tick.
    void TickAt(std::int64_t milliseconds);

    QString Caption() const { return window->windowTitle(); }

    QTemporaryDir programDirectory;
    FakeClock clock;
    FakeSounds sounds;
    FakeMessageBox messageBox;
    QtTopmost topmost;
    std::unique_ptr<Form1> window;
};

// The colour a user sees behind the text of an entry.
QColor ShownBackground(QWidget& entry);

// The name of the control that holds the keyboard focus, or "(none)".
std::string FocusedControlName(QWidget& window);

}  // namespace hobwatch::testing
