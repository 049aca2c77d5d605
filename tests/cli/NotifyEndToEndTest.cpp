// `--notify` as the desktop sees it: the real binary, on a private session bus, talking to a
// stand-in for the notification service that this test serves while the command runs.
#include "cli/TestFiles.h"
#include "cli/VeltrixProcess.h"
#include "support/PrivateSessionBus.h"

#include <QDBusConnection>
#include <QEventLoop>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>
#include <gtest/gtest.h>

namespace {

// A stand-in for the desktop's notification service: it answers Notify as the real one does
// and keeps what it was asked to show.
class FakeNotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Call {
        QString appName, appIcon, summary, body;
        QVariantMap hints;
    };
    std::vector<Call> calls;

    bool registerOnSessionBus() {
        QDBusConnection bus = QDBusConnection::sessionBus();
        return bus.registerObject("/org/freedesktop/Notifications", this,
                                  QDBusConnection::ExportAllSlots) &&
               bus.registerService("org.freedesktop.Notifications");
    }

public Q_SLOTS:
    uint Notify(const QString& appName, uint, const QString& appIcon, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap& hints, int) {
        calls.push_back({appName, appIcon, summary, body, hints});
        return static_cast<uint>(calls.size());
    }
};

class Notify : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PrivateSessionBus::inside()) {
            GTEST_SKIP() << PrivateSessionBus::missingReason();
        }
        // 1280 MB in the first ten days of March: 125% of BBG 250's 1024 MB
        storeMonth(data.filePath("2007-03-a.cache"), marchDays(10, 131072));
    }

    // Runs `veltrix report` while this process's event loop serves the bus.
    Result
    report(const QStringList& extra,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        return run(QStringList{"report", "--cache-entry", "2007-03-a", "--data-dir", data.path(),
                               "--plan", "BBG 250"} +
                       extra,
                   environment);
    }

    Result run(const QStringList& arguments,
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        QProcess process;
        process.setProcessEnvironment(environment);
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        // a program that never starts would leave the loop waiting for ever
        QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
        process.start(binary(), arguments);
        process.closeWriteChannel();
        loop.exec();
        return {process.exitCode(), {}, process.readAllStandardError().toStdString()};
    }

    QTemporaryDir data;
    FakeNotificationService service;
};

} // namespace

TEST_F(Notify, RaisedAlertsReachTheDesktopWithTheirFigures) {
    ASSERT_TRUE(service.registerOnSessionBus());
    const Result run = report({"--alert-at", "80", "--alert-projected", "--notify"});
    EXPECT_EQ(run.exitCode, 10) << run.err;
    ASSERT_EQ(service.calls.size(), 1U) << run.err;
    const FakeNotificationService::Call& call = service.calls[0];
    EXPECT_EQ(call.appName, "Veltrix");
    EXPECT_EQ(call.appIcon, "org.veltrix.Veltrix");
    EXPECT_EQ(call.summary, "Broadband usage alert");
    EXPECT_EQ(call.body, "BBG 250: charged usage 1280.000 MB is 125.0% of the plan's limit of "
                         "1024 MB (alert at 80%)\nBBG 250: at the current pace the month ends at "
                         "3968.000 MB, 2944.000 MB over the plan's limit of 1024 MB (bill Rs. "
                         "925.20 with tax)");
    EXPECT_EQ(call.hints.value("urgency").toInt(), 2);
    EXPECT_EQ(call.hints.value("desktop-entry").toString(), "org.veltrix.Veltrix");
    EXPECT_EQ(run.err.find("notification not shown"), std::string::npos) << run.err;

    // only a projection: a normal notification with status 11
    EXPECT_EQ(report({"--alert-at", "200", "--alert-projected", "--notify"}).exitCode, 11);
    ASSERT_EQ(service.calls.size(), 2U);
    EXPECT_EQ(service.calls[1].hints.value("urgency").toInt(), 1);

    // nothing to say, or not asked to
    EXPECT_EQ(report({"--alert-at", "200", "--notify"}).exitCode, 0);
    EXPECT_EQ(report({"--alert-at", "80"}).exitCode, 10);
    EXPECT_EQ(service.calls.size(), 2U);
}

TEST_F(Notify, NoServiceOrNoBusIsOneLineNotAFailure) {
    const Result noService = report({"--alert-at", "80", "--notify"});
    EXPECT_EQ(noService.exitCode, 10);
    EXPECT_EQ(std::count(noService.err.begin(), noService.err.end(), '\n'), 2) << noService.err;
    EXPECT_NE(noService.err.find("veltrix: notification not shown: no desktop notification "
                                 "service"),
              std::string::npos)
        << noService.err;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + data.filePath("no-bus"));
    const Result noBus = report({"--alert-at", "80", "--notify"}, environment);
    EXPECT_EQ(noBus.exitCode, 10);
    EXPECT_NE(noBus.err.find("veltrix: notification not shown: no desktop session bus"),
              std::string::npos)
        << noBus.err;
}

// A scheduled check that fails says why on the desktop too, with the line it prints.
TEST_F(Notify, AFailedCheckSendsItsReasonOnceWhenAsked) {
    ASSERT_TRUE(service.registerOnSessionBus());
    // nothing listens on port 1 of the loopback; this bus's keyring holds no password for it
    const QStringList unreachable = {"check", "--portal", "http://127.0.0.1:1/", "--user",
                                     "a",     "--quiet",  "--notify-failure"};
    const struct {
        QStringList arguments;
        int exitCode;
    } failures[] = {{unreachable, 1}, {unreachable + QStringList{"--password-from-keyring"}, 2}};
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("VELTRIX_PASSWORD", "secret");
    for (const auto& [arguments, exitCode] : failures) {
        service.calls.clear();
        const Result failed = run(arguments, environment);
        EXPECT_EQ(failed.exitCode, exitCode) << failed.err;
        ASSERT_EQ(service.calls.size(), 1U) << failed.err;
        EXPECT_EQ(service.calls[0].summary, "Broadband usage check failed");
        EXPECT_EQ("veltrix: " + service.calls[0].body.toStdString() + "\n", failed.err);
    }
    service.calls.clear();
    EXPECT_EQ(run(unreachable.mid(0, 6), environment).exitCode, 1);
    EXPECT_TRUE(service.calls.empty());
}

#include "NotifyEndToEndTest.moc"
