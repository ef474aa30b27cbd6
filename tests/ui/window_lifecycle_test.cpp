#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>

#include "store/files/file_error.h"
#include "store/settings_file.h"
#include "ui/tick_timer.h"
#include "window_fixture.h"

namespace hobwatch::testing {
namespace {

using namespace Qt::StringLiterals;

class LifecycleTest : public WindowTest {
protected:
    void WriteSettingsFile(std::string_view bytes) const {
        std::ofstream(SettingsFile(), std::ios::binary) << bytes;
    }
    // Empty when there is no file.
    std::string SettingsFileBytes() const {
        std::ifstream file(SettingsFile(), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    // Runs the event loop, as the program does after Load(), until something ends it; a
    // stuck loop ends with 99 after ten seconds.
    static int RunEventLoop() {
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &guard, [] { QCoreApplication::exit(99); });
        guard.start(10'000);
        return QApplication::exec();
    }

    // A settings file that cannot be saved: its folder does not exist.
    std::filesystem::path UnsavableFile() const {
        return SettingsFile().parent_path() / "gone" / "Hobwatch.txt";
    }

    // Activates another window, and then this one again.
    void LeaveTheWindow() {
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QWidget otherWindow;
        otherWindow.show();
        otherWindow.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&otherWindow));
        window->activateWindow();
    }

    // A shared file to start from that is refused: a folder of that name.
    std::filesystem::path RefusedStartingFile() const {
        const std::filesystem::path file = SettingsFile().parent_path() / "shared" / "Hobwatch.txt";
        std::filesystem::create_directories(file);
        return file;
    }
};

TEST_F(LifecycleTest, LoadFillsTheListsAndReadsTheSettingsFile) {
    WriteSettingsFile("1\r\n0\r\n2\r\n45\r\n1.5\r\nA\r\nB\r\n");

    window->Load();

    auto& minutes = Control<QComboBox>("minutesEntry");
    auto& hours = Control<QComboBox>("hoursEntry");
    EXPECT_EQ(minutes.count(), 600);
    EXPECT_EQ(hours.count(), 48);
    EXPECT_EQ(QStringList({minutes.itemText(0), minutes.itemText(599)}),
              QStringList({u"1"_s, u"600"_s}));
    EXPECT_EQ(QStringList({hours.itemText(0), hours.itemText(1), hours.itemText(3),
                           hours.itemText(46), hours.itemText(47)}),
              QStringList({u"0.25"_s, u"0.5"_s, u"1"_s, u"11.75"_s, u"12"_s}));
    EXPECT_EQ(minutes.currentText(), u"45");
    EXPECT_EQ(hours.currentText(), u"1.5");
    EXPECT_EQ(Control<QCheckBox>("toneAlarm").checkState(), Qt::Checked);
    EXPECT_EQ(Control<QCheckBox>("bellAlarm").checkState(), Qt::Unchecked);
    EXPECT_EQ(Control<QPlainTextEdit>("notes").document()->toRawText(), u"A\u2029B");
    // A greyed box is set only by the file; clicks tick and untick it as any other.
    auto& endTen = Control<QCheckBox>("automaticExit");
    EXPECT_EQ(endTen.checkState(), Qt::PartiallyChecked);
    for (const Qt::CheckState after : {Qt::Checked, Qt::Unchecked, Qt::Checked}) {
        QTest::mouseClick(&endTen, Qt::LeftButton);
        EXPECT_EQ(endTen.checkState(), after);
    }
}

TEST_F(LifecycleTest, ANumberTypedAsTheWindowOpensReplacesTheSavedMinutes) {
    WriteSettingsFile("0\r\n1\r\n0\r\n5\r\n2.5\r\n\r\n");
    window->Load();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClicks(QApplication::focusWidget(), u"10"_s);
    EXPECT_EQ(Control<QComboBox>("minutesEntry").currentText(), u"10");
}

TEST_F(LifecycleTest, NotesAndAGreyedBoxSurviveALoadAndASave) {
    struct Row {
        const char* name;
        std::string notesInFile;
        QString shown;  // the notes box's raw text
        std::string notesSaved;
    };
    const Row rows[] = {
        {"LoneLfStaysWhereItWas", "A\nB\r\n", u"A\u2028B"_s, "A\nB\r\n"},
        {"LoneCrComesBackAsCrLf", "A\rB\r\n", u"A\u2029B"_s, "A\r\nB\r\n"},
        {"LoneLfBeforeCrLf", "A\n\r\nB\r\n", u"A\u2028\u2029B"_s, "A\n\r\nB\r\n"},
        {"EmptyLinesLeadingInnerAndTrailing", "\r\nA\r\n\r\nB\r\n\r\n",
         u"\u2029A\u2029\u2029B\u2029"_s, "\r\nA\r\n\r\nB\r\n\r\n"},
        {"AccentsStayUtf8", "Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9\r\n", u"Cr\u00E8me br\u00FBl\u00E9"_s,
         "Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WriteSettingsFile("2\r\n1\r\n0\r\n15\r\n2.5\r\n" + row.notesInFile);
        ReplaceWindow(SettingsFile());
        window->Load();
        EXPECT_EQ(Control<QPlainTextEdit>("notes").document()->toRawText(), row.shown);
        // Only a change is saved.
        Control<QComboBox>("minutesEntry").setEditText(u"16"_s);
        window->close();
        EXPECT_EQ(SettingsFileBytes(), "2\r\n1\r\n0\r\n16\r\n2.5\r\n" + row.notesSaved);
    }
}

TEST_F(LifecycleTest, TipsButtonShowsTheTips) {
    window->Load();
    Click("tips");
    EXPECT_EQ(messageBox.shownTitle, u"Hobwatch");
    EXPECT_EQ(messageBox.shownText,
              u"Use the notes to add and save good results on exit or enter cook book times for "
              u"times often used.  Times entered can be high lighted to set timer minutes and if "
              u"the selected text has an 'h' in it then hours will be set. Selected times can be "
              u"like '2 and 1/4 hr', '1 hour 20 minutes', '1 2/3 min' etc... You may wish to edit "
              u"the file 'Hobwatch.txt' directly to add your notes.  More help is in the README "
              u"file that comes with Hobwatch.");
}

// The parameter: whether the tips box is open when the time for the automatic exit comes.
class AutomaticExitTest : public LifecycleTest, public ::testing::WithParamInterface<bool> {};

TEST_P(AutomaticExitTest, SavesAndEndsTheProgramWithStatusZero) {
    const std::string saved = "0\r\n0\r\n1\r\n15\r\n3\r\nN\r\n";
    WriteSettingsFile("0\r\n0\r\n1\r\n15\r\n2.5\r\nN\r\n");
    window->Load();
    Control<QComboBox>("hoursEntry").setEditText(u"3"_s);
    Click("startMinutes");
    TickAt(909'005);
    ASSERT_EQ(Caption(), u"00:09 Over");
    bool tipsLoopLeft = false;
    messageBox.whileOpen = [&] {
        QEventLoop tipsLoop;
        QTimer::singleShot(0, &tipsLoop, [this] { TickAt(910'005); });
        tipsLoop.exec();
        tipsLoopLeft = true;
    };

    QTimer::singleShot(0, window.get(), [this] { GetParam() ? Click("tips") : TickAt(910'005); });
    EXPECT_EQ(RunEventLoop(), 0);

    EXPECT_EQ(tipsLoopLeft, GetParam());
    EXPECT_EQ(SettingsFileBytes(), saved);
    EXPECT_EQ(Caption(), u"00:09 Over");
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(Control<TickTimer>("ticker").IsActive());
}

INSTANTIATE_TEST_SUITE_P(TipsBox, AutomaticExitTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Open" : "Closed"; });

// An entry keeps every text that a settings file's entry line may hold, and no more: a longer
// paste is cut there, so that the file saved is one that the next start reads.
TEST_F(LifecycleTest, EntriesKeepTextsAsLongAsTheFileHoldsAndCutALongerPaste) {
    const std::string hours(33'000, '2');
    WriteSettingsFile("0\r\n1\r\n0\r\n" + std::string(kMaxEntryCharacters, '7') + "\r\n" + hours +
                      "\r\nN\r\n");

    window->Load();
    QLineEdit& minutes = *Control<QComboBox>("minutesEntry").lineEdit();
    QLineEdit& hoursField = *Control<QComboBox>("hoursEntry").lineEdit();
    EXPECT_EQ(minutes.text(), QString(kMaxEntryCharacters, u'7'));
    hoursField.end(false);
    QTest::keyClicks(&hoursField, u"5"_s);
    QGuiApplication::clipboard()->setText(QString(kMaxEntryCharacters + 100, u'3'));
    minutes.selectAll();
    minutes.paste();
    window->close();

    EXPECT_TRUE(SettingsFileBytes() == "0\r\n1\r\n0\r\n" + std::string(kMaxEntryCharacters, '3') +
                                           "\r\n" + hours + "5\r\nN\r\n");
}

// A file that is there but cannot be read whole must not be replaced by the defaults the window
// fell back to. Nothing changed, the window closes without a question: nothing is lost.
TEST_F(LifecycleTest, RefusedFile_StartsFromDefaultsSaysWhyAndIsLeftAsItIs) {
    struct Row {
        const char* name;
        std::string minutesLine;
        bool beyondTheSizeLimit;
        bool changeMinutes;
        QString reason;
    };
    const Row rows[] = {
        {"TooLarge_MinutesChanged", "45", true, true,
         u"Larger than the 32 MB that Hobwatch reads"_s},
        {"MinutesLineLongerThanAnEntryHolds_NothingChanged",
         std::string(kMaxEntryCharacters + 1, '4'), false, false,
         u"Minutes or hours longer than the 65536 characters that Hobwatch reads"_s},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WriteSettingsFile("1\r\n1\r\n1\r\n" + row.minutesLine + "\r\n1.5\r\nNotes\r\n");
        if (row.beyondTheSizeLimit) {
            std::filesystem::resize_file(SettingsFile(), kMaxSettingsFileBytes + 1);
        }
        const auto size = std::filesystem::file_size(SettingsFile());
        const auto modified = std::filesystem::last_write_time(SettingsFile());
        messageBox.closeUnsaved = true;
        ReplaceWindow(SettingsFile());

        window->Load();
        EXPECT_EQ(Control<QComboBox>("minutesEntry").currentText(), u"15");
        const QLabel& notice = Control<QLabel>("notice");
        EXPECT_TRUE(notice.isVisible());
        EXPECT_EQ(notice.text(), u"Hobwatch.txt was not read: "_s + row.reason +
                                     u". Hobwatch starts from its defaults, leaves the file as it "
                                     u"is and saves nothing this time."_s);
        if (row.changeMinutes) {
            Control<QComboBox>("minutesEntry").setEditText(u"20"_s);
        }
        window->close();

        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(messageBox.questionsAsked, row.changeMinutes ? 1 : 0);
        if (row.changeMinutes) {
            EXPECT_TRUE(messageBox.shownText.startsWith(
                u"Your changes are not saved: Hobwatch saves nothing this time, as it could not "
                u"read\n"_s +
                QString::fromStdString(SettingsFile().string()) + u"\n"_s + row.reason + u"."_s));
        }
        EXPECT_EQ(std::filesystem::file_size(SettingsFile()), size);
        EXPECT_EQ(std::filesystem::last_write_time(SettingsFile()), modified);
    }
}

// A refusal keeps only the refused file from being written. A shared file to start from that
// cannot be read does not keep the user's own file from being saved; a settings folder that is
// not the user's alone is neither read nor written. Each message names the file it is about.
TEST_F(LifecycleTest, RefusalKeepsOnlyTheRefusedFileFromBeingSaved) {
    const std::filesystem::path cookbook = SettingsFile().parent_path() / "cookbook.txt";
    std::ofstream(cookbook) << "1\r\n1\r\n1\r\n45\r\n1.5\r\nShared\r\n";
    const QString settingsPath = QString::fromStdString(SettingsFile().string());
    const QString refusedPath = QString::fromStdString(RefusedStartingFile().string());
    struct Row {
        const char* name;
        std::filesystem::path startingFile;
        std::error_code folderRefusal;
        QString notice;
        std::string savedMinutes;  // empty: nothing saved
    };
    const Row rows[] = {
        {"RefusedStartingFile_TheUsersOwnFileIsSaved",
         RefusedStartingFile(),
         {},
         refusedPath +
             u" was not read: Not a regular file. Hobwatch starts from its defaults "
             u"and leaves that file as it is; your settings and notes are saved to "_s +
             settingsPath + u"."_s,
         "20"},
        {"RefusedSettingsFolder_NothingReadOrSaved", cookbook,
         make_error_code(FileError::UntrustedFolder),
         u"Hobwatch.txt was not read: Its folder is not yours alone (another user owns it or a "
         u"folder or link on the way to it, or others may write in it). Hobwatch starts from its "
         u"defaults, leaves the file as it is and saves nothing this time."_s,
         ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(SettingsFile());
        messageBox.closeUnsaved = true;
        ReplaceWindow(SettingsFile());

        ::testing::internal::CaptureStderr();
        window->Load(row.startingFile, row.folderRefusal);
        const std::string printed = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(Control<QComboBox>("minutesEntry").currentText(), u"15");
        EXPECT_EQ(Control<QLabel>("notice").text(), row.notice);
        EXPECT_TRUE(printed.starts_with(
            "hobwatch: " + (row.folderRefusal ? SettingsFile() : row.startingFile).string() +
            ": not read: "));
        Control<QComboBox>("minutesEntry").setEditText(u"20"_s);
        window->close();

        EXPECT_EQ(messageBox.questionsAsked, row.savedMinutes.empty() ? 1 : 0);
        if (row.savedMinutes.empty()) {
            EXPECT_TRUE(messageBox.shownText.contains(settingsPath));
            EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
        } else {
            EXPECT_TRUE(SettingsFileBytes().starts_with("0\r\n1\r\n0\r\n" + row.savedMinutes +
                                                        "\r\n2.5\r\nMy cooking notes"));
        }
    }
}

// Asked only when something would be lost: with nothing changed the window closes at once, with
// one line on standard error.
TEST_F(LifecycleTest, FailedSaveOnAClose_AsksAndDoesWhatTheUserChose) {
    struct Row {
        const char* name;
        bool changed;
        bool closeUnsaved;
    };
    const Row rows[] = {
        {"CloseWithoutSaving", true, true},
        {"KeepTheWindowOpen", true, false},
        {"NothingChanged_ClosesWithoutAsking", false, false},
    };
    for (const Row row : rows) {
        SCOPED_TRACE(row.name);
        messageBox.closeUnsaved = row.closeUnsaved;
        ReplaceWindow(UnsavableFile());
        window->Load();
        if (row.changed) {
            Control<QComboBox>("hoursEntry").setEditText(u"3"_s);
        }
        Click("startMinutes");
        bool countingWhileAsked = false;
        messageBox.whileOpen = [&] {
            countingWhileAsked = Control<TickTimer>("ticker").IsActive();
        };

        ::testing::internal::CaptureStderr();
        window->close();
        const std::string printed = ::testing::internal::GetCapturedStderr();
        messageBox.whileOpen = nullptr;

        EXPECT_EQ(printed, row.changed ? ""
                                       : "hobwatch: " + UnsavableFile().string() +
                                             ": settings and notes not saved: No such file or "
                                             "directory\n");
        const bool kept = row.changed && !row.closeUnsaved;
        EXPECT_EQ(window->isVisible(), kept);
        // Kept open, the countdown goes on.
        EXPECT_EQ(Control<TickTimer>("ticker").IsActive(), kept);
        EXPECT_EQ(messageBox.questionsAsked, row.changed ? 1 : 0);
        if (row.changed) {
            EXPECT_TRUE(countingWhileAsked);
            EXPECT_EQ(messageBox.shownText,
                      u"Your settings and notes could not be saved to\n"_s +
                          QString::fromStdString(UnsavableFile().string()) +
                          u"\nNo such file or directory.\n\nClose without saving, or keep the "
                          u"window open, for example to copy your notes?"_s);
        }
    }
}

// Nobody is there to answer a question on the automatic exit or on a request from outside. The
// line names the file that was not saved, with its own reason, even when a shared file read at
// start-up was refused.
TEST_F(LifecycleTest, FailedSaveWhenEndedWithoutTheUser_OneLineOnStandardErrorAndStatusZero) {
    enum Ending { kAutomaticExit, kRequestFromOutside };
    struct Row {
        const char* name;
        Ending ending;
        bool refusedStartingFile;
    };
    const Row rows[] = {
        {"AutomaticExit", kAutomaticExit, false},
        {"RequestFromOutside", kRequestFromOutside, false},
        {"RequestFromOutsideAfterARefusedStartingFile", kRequestFromOutside, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ReplaceWindow(UnsavableFile());
        if (row.refusedStartingFile) {
            window->Load(RefusedStartingFile());
        } else {
            window->Load();
        }
        // A change, so that there is something to save.
        Control<QComboBox>("hoursEntry").setEditText(u"3"_s);
        if (row.ending == kAutomaticExit) {
            QTest::mouseClick(&Control<QCheckBox>("automaticExit"), Qt::LeftButton);
            Control<QComboBox>("minutesEntry").setEditText(u"0.1"_s);
            Click("startMinutes");
        }
        QTimer::singleShot(0, window.get(), [&] {
            if (row.ending == kAutomaticExit) {
                TickAt(16'005);
            } else {
                window->SaveAndEnd();
            }
        });

        ::testing::internal::CaptureStderr();
        const int status = RunEventLoop();
        const std::string printed = ::testing::internal::GetCapturedStderr();

        EXPECT_EQ(status, 0);
        EXPECT_EQ(messageBox.questionsAsked, 0);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(printed, "hobwatch: " + UnsavableFile().string() +
                               ": settings and notes not saved: No such file or directory\n");
    }
}

// Changes reach the file while the window is open: shortly after they are made, or at once when
// the window loses the focus. A countdown alone writes nothing, not even at the close.
TEST_F(LifecycleTest, ChangesSavedWhileOpen_ACountdownAloneWritesNothing) {
    enum Step { kWait, kLeaveTheWindow, kCountdownOnly };
    const std::pair<const char*, Step> rows[] = {
        {"TypingSavedShortlyAfterwards", kWait},
        {"TypingSavedAtOnceWhenTheWindowLosesTheFocus", kLeaveTheWindow},
        {"CountdownAndFocusLossAlone_NothingWritten", kCountdownOnly},
    };
    // Blanks around a check value: any save drops them.
    const std::string untouched = " 0 \r\n1\r\n0\r\n15\r\n2.5\r\nN\r\n";
    const std::string typed = "0\r\n1\r\n0\r\n15\r\n2.5\r\nNX\r\n";
    for (const auto& [name, step] : rows) {
        SCOPED_TRACE(name);
        WriteSettingsFile(untouched);
        ReplaceWindow(SettingsFile());
        window->Load();
        if (step == kCountdownOnly) {
            Click("startMinutes");
            TickAt(901'000);
            LeaveTheWindow();
            window->close();
            EXPECT_EQ(SettingsFileBytes(), untouched);
            continue;
        }
        Control<QPlainTextEdit>("notes").moveCursor(QTextCursor::End);
        QTest::keyClicks(&Control<QPlainTextEdit>("notes"), u"X"_s);
        EXPECT_EQ(SettingsFileBytes(), untouched);
        if (step == kLeaveTheWindow) {
            LeaveTheWindow();
            EXPECT_EQ(SettingsFileBytes(), typed);
        } else {
            EXPECT_TRUE(QTest::qWaitFor([&] { return SettingsFileBytes() == typed; }, 5'000));
        }
    }
}

// A save that fails while the window is open asks nothing: the notice says so once, and each
// change tries again.
TEST_F(LifecycleTest, FailedSaveWhileOpen_SaidOnceInTheNoticeAndTriedAgain) {
    ReplaceWindow(UnsavableFile());
    window->Load();
    auto& notes = Control<QPlainTextEdit>("notes");
    QTest::keyClicks(&notes, u"A"_s);
    LeaveTheWindow();
    auto& notice = Control<QLabel>("notice");
    EXPECT_TRUE(notice.isVisible());
    EXPECT_EQ(notice.text(), u"Your changes could not be saved to "_s +
                                 QString::fromStdString(UnsavableFile().string()) +
                                 u": No such file or directory. Hobwatch tries again at your "
                                 u"next change and when the window closes."_s);
    QTest::mouseClick(&notice, Qt::LeftButton);
    QTest::keyClicks(&notes, u"B"_s);
    LeaveTheWindow();
    EXPECT_FALSE(notice.isVisible());
    std::filesystem::create_directory(UnsavableFile().parent_path());
    QTest::keyClicks(&notes, u"C"_s);
    LeaveTheWindow();

    std::ifstream saved(UnsavableFile(), std::ios::binary);
    EXPECT_NE(std::string(std::istreambuf_iterator<char>(saved), {}).find("ABC"),
              std::string::npos);
    EXPECT_EQ(messageBox.questionsAsked, 0);
}

// The automatic exit comes while the user is asked about changes that could not be saved: the
// answer decides, and a window kept open keeps counting.
TEST_F(LifecycleTest, AutomaticExitWaitsForTheAnswerAboutUnsavedChanges) {
    ReplaceWindow(UnsavableFile());
    window->Load();
    QTest::mouseClick(&Control<QCheckBox>("automaticExit"), Qt::LeftButton);
    Control<QComboBox>("minutesEntry").setEditText(u"0.1"_s);
    Click("startMinutes");
    messageBox.closeUnsaved = false;
    messageBox.whileOpen = [this] { TickAt(17'005); };

    window->close();
    messageBox.whileOpen = nullptr;
    EXPECT_EQ(messageBox.questionsAsked, 1);
    EXPECT_TRUE(window->isVisible());
    TickAt(18'005);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Caption(), u"00:12 Over");
}

}  // namespace
}  // namespace hobwatch::testing
