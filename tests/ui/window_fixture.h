#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "ui/main_window.h"
#include "ui/tick_timer.h"
#include "window_test_doubles.h"

namespace hobwatch::testing {

// A window whose settings file lies in a fresh temporary directory, with a fake clock at
// 12:00:00, fake sounds and a fake message box.
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

    // Sets the clock to `milliseconds` after 12:00:00 and lets the ticker tick.
    void TickAt(std::int64_t milliseconds) {
        clock.SetAfterNoon(milliseconds);
        Control<TickTimer>("ticker").Fire();
    }

    QString Caption() const { return window->windowTitle(); }

    // A new window on `settingsFile`, not yet loaded, in place of the one there was; the message
    // box counts its questions afresh.
    void ReplaceWindow(const std::filesystem::path& settingsFile) {
        window = std::make_unique<MainWindow>(clock, sounds, messageBox, settingsFile);
        messageBox.questionsAsked = 0;
    }

    std::filesystem::path SettingsFile() const {
        return std::filesystem::path(settingsDirectory.path().toStdString()) / "Hobwatch.txt";
    }

    QTemporaryDir settingsDirectory;
    FakeClock clock;
    FakeSounds sounds;
    FakeMessageBox messageBox;
    std::unique_ptr<MainWindow> window =
        std::make_unique<MainWindow>(clock, sounds, messageBox, SettingsFile());
};

}  // namespace hobwatch::testing
