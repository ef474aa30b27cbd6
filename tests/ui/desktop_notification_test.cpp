#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QVariantMap>

#include "ui/desktop_notification.h"

namespace hobwatch::testing {
namespace {

using namespace Qt::StringLiterals;

const QString kService = u"org.freedesktop.Notifications"_s;
const QString kPath = u"/org/freedesktop/Notifications"_s;

// A notification service that records what it is asked.
class FakeNotificationService final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Notification {
        QString application;
        uint replaces;
        QString icon, summary, body;
        QStringList actions;
        QVariantMap hints;
        int timeout;
    };

    std::vector<Notification> shown;
    std::vector<uint> closed;
    QStringList capabilities{u"body"_s};

public slots:
    QStringList GetCapabilities() { return capabilities; }
    uint Notify(const QString& application, uint replaces, const QString& icon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int timeout) {
        shown.push_back({application, replaces, icon, summary, body, actions, hints, timeout});
        return static_cast<uint>(shown.size()) + 40;
    }
    void CloseNotification(uint id) { closed.push_back(id); }
};

// A bus of the test's own, which starts no services on demand, and the two ends on it.
class DesktopNotificationTest : public ::testing::Test {
protected:
    DesktopNotificationTest() {
        const QString config = directory.filePath(u"bus.conf"_s);
        QFile file(config);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            QStringLiteral("<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                           "<auth>EXTERNAL</auth><policy context=\"default\"><allow own=\"*\"/>"
                           "<allow send_destination=\"*\"/><allow receive_sender=\"*\"/></policy>"
                           "</busconfig>")
                .arg(directory.path())
                .toUtf8());
        file.close();
        daemon.start(u"dbus-daemon"_s,
                     {u"--config-file="_s + config, u"--nofork"_s, u"--print-address=1"_s});
        EXPECT_TRUE(daemon.waitForReadyRead(5000)) << "dbus-daemon did not start";
        address = QString::fromUtf8(daemon.readLine().trimmed());
    }
    ~DesktopNotificationTest() override {
        QDBusConnection::disconnectFromBus(u"service"_s);
        QDBusConnection::disconnectFromBus(u"program"_s);
        daemon.terminate();
        daemon.waitForFinished();
    }

    void StartService() {
        QDBusConnection bus = QDBusConnection::connectToBus(address, u"service"_s);
        ASSERT_TRUE(bus.registerService(kService));
        ASSERT_TRUE(bus.registerObject(kPath, &service, QDBusConnection::ExportAllSlots));
    }

    std::unique_ptr<DesktopNotification> Notice() {
        return std::make_unique<DesktopNotification>(
            [this] { return QDBusConnection::connectToBus(address, u"program"_s); });
    }

    QTemporaryDir directory;
    QProcess daemon;
    QString address;
    FakeNotificationService service;
};

TEST_F(DesktopNotificationTest, ShowsOneUrgentLastingNotificationAndWithdrawsItById) {
    StartService();
    auto notice = Notice();
    notice->Show(u"Time is up"_s, u"15 minutes"_s);
    ASSERT_TRUE(QTest::qWaitFor([this] { return service.shown.size() == 1; }, 5000));
    const auto& shown = service.shown.front();
    EXPECT_EQ(shown.application, u"Hobwatch");
    EXPECT_EQ(shown.replaces, 0u);
    EXPECT_EQ(shown.icon, u"org.hobwatch.Hobwatch");
    EXPECT_EQ(shown.summary, u"Time is up");
    EXPECT_EQ(shown.body, u"15 minutes");
    EXPECT_TRUE(shown.actions.isEmpty());
    EXPECT_EQ(shown.hints.value(u"desktop-entry"_s).toString(), u"org.hobwatch.Hobwatch");
    EXPECT_EQ(shown.hints.value(u"urgency"_s).toInt(), 2);
    EXPECT_EQ(shown.timeout, 0);

    QTest::qWait(50);  // the program hears the service's answer
    notice->Withdraw();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !service.closed.empty(); }, 5000));
    EXPECT_EQ(service.closed, std::vector<uint>{41});
}

TEST_F(DesktopNotificationTest, WithdrawnBeforeTheServiceAnswersStaysWithdrawn) {
    StartService();
    auto notice = Notice();
    notice->Show(u"Time is up"_s, u"1 hour"_s);
    notice->Withdraw();
    notice->Show(u"Time is up"_s, u"2 hours"_s);
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return !service.shown.empty() && service.shown.back().body == u"2 hours"; },
        5000));
    QTest::qWait(50);
    // Only the one not withdrawn stays: the first was never shown, or closed once shown.
    EXPECT_EQ(service.shown.size() - service.closed.size(), 1u);
    EXPECT_TRUE(std::find(service.closed.begin(), service.closed.end(),
                          static_cast<uint>(service.shown.size()) + 40) == service.closed.end());
}

// A service with buttons: "Cancel" and a click on the notification reach the program, only for
// what it shows and still shows.
TEST_F(DesktopNotificationTest, ButtonsWhereTheServiceShowsThemAnswerForWhatIsShown) {
    service.capabilities = {u"actions"_s, u"body"_s};
    StartService();
    auto notice = Notice();
    int cancels = 0;
    int clicks = 0;
    QObject::connect(notice.get(), &DesktopNotification::CancelChosen, notice.get(),
                     [&cancels] { ++cancels; });
    QObject::connect(notice.get(), &DesktopNotification::Clicked, notice.get(),
                     [&clicks] { ++clicks; });
    notice->Show(u"Time is up"_s, u"15 minutes"_s);
    ASSERT_TRUE(QTest::qWaitFor([this] { return service.shown.size() == 1; }, 5000));
    EXPECT_EQ(service.shown.front().actions,
              (QStringList{u"default"_s, u"Show Hobwatch"_s, u"cancel"_s, u"Cancel"_s}));
    QTest::qWait(50);  // the program hears the service's answer

    const auto invoke = [this](uint id, const QString& key) {
        QDBusMessage signal = QDBusMessage::createSignal(kPath, u"org.freedesktop.Notifications"_s,
                                                         u"ActionInvoked"_s);
        signal << id << key;
        QDBusConnection(u"service"_s).send(signal);
    };
    invoke(99, u"cancel"_s);  // another program's
    invoke(41, u"default"_s);
    invoke(41, u"cancel"_s);
    ASSERT_TRUE(QTest::qWaitFor([&cancels] { return cancels == 1; }, 5000));
    EXPECT_EQ(clicks, 1);
    notice->Withdraw();
    invoke(41, u"cancel"_s);
    QTest::qWait(100);
    EXPECT_EQ(cancels, 1);
}

TEST_F(DesktopNotificationTest, WithoutAServiceNothingIsShownOrClosedLater) {
    auto notice = Notice();
    notice->Show(u"Time is up"_s, u"15 minutes"_s);
    QTest::qWait(200);
    StartService();
    notice->Withdraw();
    QTest::qWait(200);
    EXPECT_TRUE(service.shown.empty());
    EXPECT_TRUE(service.closed.empty());
}

}  // namespace
}  // namespace hobwatch::testing

#include "desktop_notification_test.moc"
