#include "platform/browser/DevToolsConnection.h"

#include <QJsonDocument>
#include <QNetworkProxy>

DevToolsConnection::DevToolsConnection(QUrl socket, qint64 maxMessageBytes, QObject* parent)
    : QObject(parent)
    , m_url(std::move(socket))
    , m_maxMessageBytes(maxMessageBytes) {
    // loopback only: a proxy from the environment must never see this traffic
    m_socket.setProxy(QNetworkProxy::NoProxy);
    // the socket itself holds no more than one message, however it is cut into frames
    m_socket.setMaxAllowedIncomingMessageSize(static_cast<quint64>(maxMessageBytes));
    m_socket.setMaxAllowedIncomingFrameSize(static_cast<quint64>(maxMessageBytes));
    connect(&m_socket, &QWebSocket::connected, this, [this] {
        m_open = true;
        Q_EMIT Opened();
    });
    connect(&m_socket, &QWebSocket::disconnected, this, &DevToolsConnection::closed);
    connect(&m_socket, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), this,
            &DevToolsConnection::closed);
    connect(&m_socket, &QWebSocket::textMessageReceived, this, &DevToolsConnection::received);
}

DevToolsConnection::~DevToolsConnection() {
    disconnect(&m_socket, nullptr, this, nullptr);
}

void DevToolsConnection::open() {
    m_closed = false;
    m_socket.open(m_url);
}

void DevToolsConnection::close() {
    m_closed = true;
    m_open = false;
    m_pending.clear();
    m_socket.abort();
}

void DevToolsConnection::call(const QString& method, const QJsonObject& params, Reply reply) {
    const int id = m_nextId++;
    m_pending.emplace(id, std::move(reply));
    const QJsonObject command{{"id", id}, {"method", method}, {"params", params}};
    m_socket.sendTextMessage(
        QString::fromUtf8(QJsonDocument(command).toJson(QJsonDocument::Compact)));
}

void DevToolsConnection::received(const QString& message) {
    const QJsonObject object = QJsonDocument::fromJson(message.toUtf8()).object();
    if (object.contains("sessionId")) {
        return;
    }
    if (!object.contains("id")) {
        Q_EMIT Event(object.value("method").toString(), object.value("params").toObject());
        return;
    }
    const auto pending = m_pending.find(object.value("id").toInt());
    if (pending == m_pending.end()) {
        return;
    }
    const Reply reply = std::move(pending->second);
    m_pending.erase(pending);
    const QJsonObject error = object.value("error").toObject();
    reply(object.value("result").toObject(),
          error.isEmpty() ? QString() : error.value("message").toString());
}

void DevToolsConnection::closed() {
    if (m_closed) {
        return;
    }
    m_closed = true;
    const bool wasOpen = m_open;
    m_open = false;
    m_pending.clear();
    Q_EMIT Closed(
        wasOpen ? why() : "cannot connect to " + m_url.toString() + ": " + m_socket.errorString());
}

QString DevToolsConnection::why() const {
    const QString reason = m_socket.closeReason();
    switch (m_socket.closeCode()) {
    case QWebSocketProtocol::CloseCodeTooMuchData:
        return QString::fromStdString("the browser sent a message larger than " +
                                      DevToolsLimits::megabytes(m_maxMessageBytes) +
                                      ", more than this program reads");
    case QWebSocketProtocol::CloseCodeNormal:
    case QWebSocketProtocol::CloseCodeGoingAway:
        return reason.isEmpty() ? QStringLiteral("the browser closed the connection")
                                : "the browser closed the connection: " + reason;
    default:
        // no closing handshake: the browser ended, or its end of the socket was dropped
        return "the connection to the browser broke off (" + m_socket.errorString() +
               "); the browser may have ended";
    }
}
