// The keyring tests run against a real Secret Service: gnome-keyring-daemon on a private
// session bus, its files in a temporary home, its login keyring unlocked with a test
// password. Nothing reaches the user's own keyring, and no display: an unlock prompt cannot
// open, which the keyring reports as a cancelled one.
#include "support/PrivateSessionBus.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QString g_skipReason;
constexpr char Secrets[] = "org.freedesktop.secrets";
constexpr char ServicePath[] = "/org/freedesktop/secrets";
constexpr char LoginCollection[] = "/org/freedesktop/secrets/collection/login";
constexpr char TestPassword[] = "test"; // the login keyring's

QDBusMessage call(const QString& path, const QString& interface, const QString& method,
                  const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(Secrets, path, interface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message);
}

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
    daemon.write(TestPassword);   // the login keyring's password
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

// Locks the login keyring, or unlocks it again with its password (the daemon's own way,
// without a prompt).
bool lockKeyring(bool locked) {
    const QVariant collection = QVariant::fromValue(QDBusObjectPath(LoginCollection));
    if (locked) {
        return call(ServicePath, "org.freedesktop.Secret.Service", "Lock",
                    {QVariant::fromValue(QList<QDBusObjectPath>{QDBusObjectPath(LoginCollection)})})
                   .type() == QDBusMessage::ReplyMessage;
    }
    const QDBusMessage opened = call(ServicePath, "org.freedesktop.Secret.Service", "OpenSession",
                                     {"plain", QVariant::fromValue(QDBusVariant(QString()))});
    if (opened.type() != QDBusMessage::ReplyMessage || opened.arguments().size() != 2) {
        return false;
    }
    QDBusArgument secret;
    secret.beginStructure();
    secret << opened.arguments().at(1).value<QDBusObjectPath>() << QByteArray()
           << QByteArray(TestPassword) << QString("text/plain");
    secret.endStructure();
    return call(ServicePath, "org.gnome.keyring.InternalUnsupportedGuiltRiddenInterface",
                "UnlockWithMasterPassword", {collection, QVariant::fromValue(secret)})
               .type() == QDBusMessage::ReplyMessage;
}

QString labelOf(const QString& item) {
    const QDBusMessage reply = call(item, "org.freedesktop.DBus.Properties", "Get",
                                    {"org.freedesktop.Secret.Item", "Label"});
    return reply.arguments().isEmpty()
               ? QString()
               : reply.arguments().front().value<QDBusVariant>().variant().toString();
}

// Empty when the keyring runs; otherwise why the keyring tests skip.
QString keyringSkipReason() {
    return g_skipReason;
}

int main(int argc, char** argv) {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
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
