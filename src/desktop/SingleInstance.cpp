#include "desktop/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <unistd.h>

namespace {

constexpr int ConnectMs = 1000;
constexpr int Attempts = 20;
constexpr int AttemptMs = 100;
constexpr qint64 MaxMessageBytes = 64; // a message is one word and a newline

} // namespace

SingleInstance::SingleInstance(QString name)
    : m_name(std::move(name))
    , m_lock(m_name + QStringLiteral(".lock")) {
    m_lock.setStaleLockTime(0); // a running program holds it however long it runs
}

QString SingleInstance::nameFor(const QString& configFolder) {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QByteArray path = QDir(configFolder).absolutePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex();
    return runtime.isEmpty() ? QString()
                             : QStringLiteral("%1/veltrix-%2-%3")
                                   .arg(runtime, QString::number(::getuid()), hash.left(16));
}

SingleInstance::Start SingleInstance::start(const QByteArray& message) {
    if (m_name.isEmpty()) {
        return Start::Alone;
    }
    // The lock decides between two starts in the same moment, which would each take the
    // socket's name from the other. A gone program's lock is freed; a holder that does not
    // listen soon is not waited for.
    for (int attempt = 0; !m_lock.tryLock(0); ++attempt) {
        if (m_lock.error() != QLockFile::LockFailedError || attempt == Attempts) {
            return Start::Alone;
        }
        if (deliver(message)) {
            return Start::AlreadyRunning;
        }
        QThread::msleep(AttemptMs);
    }
    QLocalServer::removeServer(m_name); // what a crashed program left
    if (!m_server.listen(m_name)) {
        return Start::Alone;
    }
    QObject::connect(&m_server, &QLocalServer::newConnection, &m_server, [this] { accept(); });
    return Start::First;
}

bool SingleInstance::deliver(const QByteArray& message) const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(ConnectMs)) {
        return false;
    }
    socket.write(message + '\n');
    socket.waitForBytesWritten(ConnectMs);
    return true; // it runs, even should the word not arrive
}

void SingleInstance::accept() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (socket->canReadLine()) {
                const QByteArray message = socket->readLine(MaxMessageBytes).trimmed();
                socket->disconnectFromServer();
                if (m_handler) {
                    m_handler(message);
                }
            }
        });
    }
}
