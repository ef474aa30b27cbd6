#include <gtest/gtest.h>

#include <string>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include "ui/message_box.h"
#include "ui/tick_timer.h"
#include "window_fixture.h"

namespace hobwatch::testing {
namespace {

using namespace Qt::StringLiterals;

const std::string kDefaultChecksAndEntries = "0\r\n1\r\n0\r\n15\r\n2.5\r\n";
const std::string kSampleNotes =
    "My cooking notes  (highlight your cooking times)...\r\n\r\n2 and 1/4 hours\r\n"
    "2 hr  15 minutes\r\n2 1/4 min\r\n\r\n"
    "Hard boiled eggs, bring to boil for 1 minute, cover and let stand 17 min.\r\n\r\n"
    "12 lb Turkey in bag 3.10 hrs\r\n";
// The writer ends the notes with one more line end.
const std::string kDefaultFile = kDefaultChecksAndEntries + kSampleNotes + "\r\n";

const QString kTipsText =
    u"Use the notes to add and save good results on exit or enter cook book "
    u"times for times often used.  Times entered can be high lighted to set "
    u"timer minutes and if the selected text has an 'h' in it then hours "
    u"will be set. Selected times can be like '2 and 1/4 hr', '1 hour 20 "
    u"minutes', '1 2/3 min' etc... You may wish to edit the file "
    u"'Hobwatch.txt' directly to add your notes.  More help is in the README "
    u"file that comes with Hobwatch."_s;

using LifecycleTest = WindowTest;

// Runs the event loop, as the program does after Form_Load, until something ends it; a stuck
// loop ends with 99 after ten seconds.
int RunEventLoop() {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &guard, [] { QCoreApplication::exit(99); });
    guard.start(10'000);
    return QApplication::exec();
}

TEST_F(LifecycleTest, LoadFillsBothListsAndKeepsTheEntries) {
    window->Form_Load();
    auto& minutes = Control<QComboBox>("Combo1");
    auto& hours = Control<QComboBox>("Combo2");
    ASSERT_EQ(minutes.count(), 600);
    EXPECT_EQ(minutes.itemText(0), u"1");
    EXPECT_EQ(minutes.itemText(599), u"600");
    ASSERT_EQ(hours.count(), 48);
    EXPECT_EQ(hours.itemText(0), u"0.25");
    EXPECT_EQ(hours.itemText(1), u"0.5");
    EXPECT_EQ(hours.itemText(3), u"1");
    EXPECT_EQ(hours.itemText(46), u"11.75");
    EXPECT_EQ(hours.itemText(47), u"12");
    EXPECT_EQ(minutes.currentText(), u"15");
    EXPECT_EQ(hours.currentText(), u"2.5");
}

TEST_F(LifecycleTest, LoadShowsTheWindowCentredTopmostWithFocusInTheMinutes) {
    window->Form_Load();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QPoint screenCentre = window->screen()->availableGeometry().center();
    EXPECT_LE((window->geometry().center() - screenCentre).manhattanLength(), 1);
    EXPECT_EQ(FocusedControlName(*window), "Combo1");
    EXPECT_EQ(Caption(), u"Select Interval");
}

TEST_F(LifecycleTest, LoadReadsTheFileBesideTheProgramWhateverTheCurrentDirectory) {
    WriteSettingsFile("1\r\n0\r\n2\r\n45\r\n1.5\r\nA\r\nB\r\n");
    QTemporaryDir elsewhere;
    QDir::setCurrent(elsewhere.path());

    window->Form_Load();

    EXPECT_EQ(QDir::current().canonicalPath(), QDir(programDirectory.path()).canonicalPath());
    EXPECT_EQ(Control<QCheckBox>("Check1").checkState(), Qt::Checked);
    EXPECT_EQ(Control<QCheckBox>("Check2").checkState(), Qt::Unchecked);
    EXPECT_EQ(Control<QCheckBox>("Check3").checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(Control<QComboBox>("Combo1").currentText(), u"45");
    EXPECT_EQ(Control<QComboBox>("Combo2").currentText(), u"1.5");
    EXPECT_EQ(Control<QPlainTextEdit>("Text1").document()->toRawText(), u"A\u2029B");
    EXPECT_EQ(Control<QComboBox>("Combo1").count(), 600);
}

TEST_F(LifecycleTest, NotesSurviveALoadAndASave) {
    struct Row {
        const char* name;
        std::string notesInFile;
        QString shown;  // the notes box's raw text
        std::string notesSaved;
    };
    const Row rows[] = {
        {"LoneLfStaysWhereItWas", "A\nB\r\n", u"A\u2028B"_s, "A\nB\r\n"},
        {"LoneCrComesBackAsCrLf", "A\rB\r\n", u"A\u2029B"_s, "A\r\nB\r\n"},
        {"EmptyLinesLeadingInnerAndTrailing", "\r\nA\r\n\r\nB\r\n\r\n",
         u"\u2029A\u2029\u2029B\u2029"_s, "\r\nA\r\n\r\nB\r\n\r\n"},
        {"LastLineWithoutLineEnd", "A\r\nB", u"A\u2029B"_s, "A\r\nB\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WriteSettingsFile(kDefaultChecksAndEntries + row.notesInFile);
        Form1 loaded(clock, sounds, messageBox, topmost, programDirectory.path());
        loaded.Form_Load();
        auto* notes = loaded.findChild<QPlainTextEdit*>(u"Text1"_s);
        EXPECT_EQ(notes->document()->toRawText(), row.shown);
        loaded.close();
        EXPECT_EQ(SettingsFileBytes(), kDefaultChecksAndEntries + row.notesSaved);
    }
}

TEST_F(LifecycleTest, ClosingWritesWhatTheControlsShow) {
    window->Form_Load();
    auto& minutes = Control<QComboBox>("Combo1");
    minutes.lineEdit()->selectAll();
    QTest::keyClicks(minutes.lineEdit(), u"7"_s);
    QTest::mouseClick(&Control<QCheckBox>("Check1"), Qt::LeftButton);
    Control<QPlainTextEdit>("Text1").setPlainText(u"Rice\n18 min"_s);

    window->close();

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(SettingsFileBytes(), "1\r\n1\r\n0\r\n7\r\n2.5\r\nRice\r\n18 min\r\n");
}

TEST_F(LifecycleTest, ClosingDuringACountdownSavesAndDropsTheCountdown) {
    window->Form_Load();
    Click("Command1");
    TickAt(1005);
    sounds.played.clear();

    window->close();
    TickAt(900'005);

    EXPECT_EQ(SettingsFileBytes(), kDefaultFile);
    EXPECT_FALSE(Control<TickTimer>("Timer1").IsActive());
    EXPECT_TRUE(sounds.played.empty());
}

TEST_F(LifecycleTest, GreyedBoxIsSavedAgainAsGreyedAndAClickTicksIt) {
    WriteSettingsFile("2\r\n2\r\n0\r\n");
    window->Form_Load();
    auto& beep1 = Control<QCheckBox>("Check2");
    ASSERT_EQ(beep1.checkState(), Qt::PartiallyChecked);

    QTest::mouseClick(&beep1, Qt::LeftButton);
    EXPECT_EQ(beep1.checkState(), Qt::Checked);
    QTest::mouseClick(&beep1, Qt::LeftButton);
    EXPECT_EQ(beep1.checkState(), Qt::Unchecked);
    QTest::mouseClick(&beep1, Qt::LeftButton);
    EXPECT_EQ(beep1.checkState(), Qt::Checked);

    window->close();
    EXPECT_EQ(SettingsFileBytes().substr(0, 9), "2\r\n1\r\n0\r\n");
}

TEST_F(LifecycleTest, AutomaticExitSavesAndEndsTheProgramWithStatusZero) {
    window->Form_Load();
    QTest::mouseClick(&Control<QCheckBox>("Check3"), Qt::LeftButton);
    Click("Command1");
    TickAt(909'005);
    ASSERT_EQ(Caption(), u"00:09 Over");
    ASSERT_FALSE(SettingsFileExists());

    QTimer::singleShot(0, window.get(), [this] { TickAt(910'005); });
    EXPECT_EQ(RunEventLoop(), 0);

    EXPECT_EQ(SettingsFileBytes(), "0\r\n1\r\n1\r\n15\r\n2.5\r\n" + kSampleNotes + "\r\n");
    EXPECT_EQ(Caption(), u"00:09 Over");
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(Control<TickTimer>("Timer1").IsActive());
}

TEST_F(LifecycleTest, AutomaticExitEndsTheProgramWhileTheTipsAreOpen) {
    window->Form_Load();
    QTest::mouseClick(&Control<QCheckBox>("Check3"), Qt::LeftButton);
    Click("Command1");
    bool tipsLoopLeft = false;
    messageBox.whileOpen = [&] {
        QEventLoop tipsLoop;
        QTimer::singleShot(0, &tipsLoop, [this] { TickAt(910'005); });
        tipsLoop.exec();
        tipsLoopLeft = true;
    };

    QTimer::singleShot(0, window.get(), [this] { Click("cmdTips"); });
    EXPECT_EQ(RunEventLoop(), 0);

    EXPECT_TRUE(tipsLoopLeft);
    EXPECT_EQ(SettingsFileBytes(), "0\r\n1\r\n1\r\n15\r\n2.5\r\n" + kSampleNotes + "\r\n");
    EXPECT_FALSE(Control<TickTimer>("Timer1").IsActive());
}

TEST(TipsBoxTest, RealBoxIsModalWithOneOkButtonAndNoIconAndTimersRunMeanwhile) {
    FakeClock clock;
    FakeSounds sounds;
    QtMessageBox tips;
    QtTopmost topmost;
    QTemporaryDir programDirectory;
    Form1 window(clock, sounds, tips, topmost, programDirectory.path());
    window.Form_Load();
    QTest::mouseClick(window.findChild<QAbstractButton*>(u"Command1"_s), Qt::LeftButton);
    clock.SetAfterNoon(1005);

    QString title, text, captionWhileOpen;
    int buttons = 0;
    bool modal = false, noIcon = false;
    // Clock and timer are those of a real countdown: the first tick comes after about a second.
    QTimer::singleShot(1500, &window, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        buttons = static_cast<int>(box->buttons().size());
        modal = box->isModal();
        noIcon = box->icon() == QMessageBox::NoIcon;
        captionWhileOpen = window.windowTitle();
        box->button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(window.findChild<QAbstractButton*>(u"cmdTips"_s), Qt::LeftButton);

    EXPECT_EQ(title, u"Hobwatch");
    EXPECT_EQ(text, kTipsText);
    EXPECT_EQ(buttons, 1);
    EXPECT_TRUE(modal);
    EXPECT_TRUE(noIcon);
    EXPECT_EQ(captionWhileOpen, u"14:59 (00:01)");
}

}  // namespace
}  // namespace hobwatch::testing
