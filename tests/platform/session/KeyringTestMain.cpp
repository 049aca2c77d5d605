// The keyring tests run against a real Secret Service: gnome-keyring-daemon on a private
// session bus, its files in a temporary home, its login keyring unlocked with a test
// password. Nothing reaches the user's own keyring.
#include "support/PrivateSessionBus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QString g_skipReason;

bool secretServiceRuns() {
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus != nullptr && bus->isServiceRegistered("org.freedesktop.secrets").value();
}

// A temporary home for the daemon and everything it starts, set before the private bus is
// started so that the bus hands it on too.
void useTemporaryHome() {
    if (PrivateSessionBus::inside()) {
        return;
    }
    QByteArray home = QDir::temp().filePath("veltrix-keyring-XXXXXX").toLocal8Bit();
    if (mkdtemp(home.data()) == nullptr) {
        return;
    }
    setenv("HOME", home.constData(), 1);
    for (const char* variable :
         {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
        const QByteArray folder = home + "/" + QByteArray(variable).toLower();
        QDir().mkpath(QString::fromLocal8Bit(folder));
        QFile::setPermissions(QString::fromLocal8Bit(folder), QFileDevice::ReadOwner |
                                                                  QFileDevice::WriteOwner |
                                                                  QFileDevice::ExeOwner);
        setenv(variable, folder.constData(), 1);
    }
    setenv("VELTRIX_KEYRING_TEST_HOME", home.constData(), 1);
}

// Starts the daemon with its login keyring unlocked; empty when it runs.
QString startDaemon(QProcess& daemon) {
    if (!PrivateSessionBus::inside()) {
        return PrivateSessionBus::missingReason();
    }
    const QString program = QStandardPaths::findExecutable("gnome-keyring-daemon");
    if (program.isEmpty()) {
        return "gnome-keyring-daemon (Debian package gnome-keyring) is not installed";
    }
    daemon.start(program, {"--foreground", "--unlock", "--components=secrets"});
    if (!daemon.waitForStarted()) {
        return "gnome-keyring-daemon does not start";
    }
    daemon.write("test");         // the login keyring's password
    daemon.waitForBytesWritten(); // it reads the password to its end before it goes on
    daemon.closeWriteChannel();
    for (int wait = 0; wait < 100 && !secretServiceRuns(); ++wait) {
        QThread::msleep(50);
        QCoreApplication::processEvents();
    }
    return secretServiceRuns()
               ? QString()
               : "gnome-keyring-daemon did not take its bus name: " +
                     QString::fromLocal8Bit(daemon.readAllStandardError()).simplified();
}

} // namespace

// Empty when the keyring runs; otherwise why the keyring tests skip.
QString keyringSkipReason() {
    return g_skipReason;
}

int main(int argc, char** argv) {
    useTemporaryHome();
    PrivateSessionBus::enter(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    QProcess daemon;
    g_skipReason = startDaemon(daemon);
    const int result = RUN_ALL_TESTS();
    daemon.terminate();
    daemon.waitForFinished(5000);
    const QString home = qEnvironmentVariable("VELTRIX_KEYRING_TEST_HOME");
    if (!home.isEmpty()) {
        QDir(home).removeRecursively();
    }
    return result;
}
