#pragma once

#include "platform/browser/DevToolsPage.h"

#include <QJsonObject>
#include <QObject>
#include <QUrl>
#include <QWebSocket>
#include <functional>
#include <map>

// One WebSocket to one page target of the user's browser, speaking its debugging protocol:
// commands carry an id and their replies are matched on it, since replies and events arrive
// interleaved. Messages of other targets (those with a session id) are ignored.
class DevToolsConnection : public QObject {
    Q_OBJECT
public:
    // The command's result, or an error text when it failed.
    using Reply = std::function<void(const QJsonObject& result, const QString& error)>;

    // A message longer than `maxMessageBytes`, in one frame or many, closes the connection.
    explicit DevToolsConnection(QUrl socket, qint64 maxMessageBytes = DevToolsLimits().messageBytes,
                                QObject* parent = nullptr);
    ~DevToolsConnection() override;

    // Opened or Closed follows.
    void open();
    bool isOpen() const { return m_open; }
    // Closes the socket; no signal follows it (open() may be called again).
    void close();
    void call(const QString& method, const QJsonObject& params, Reply reply);

Q_SIGNALS:
    void Opened();
    void Event(const QString& method, const QJsonObject& params);
    // The socket closed or could not be opened, and why; pending replies are dropped.
    void Closed(const QString& why);

private:
    void received(const QString& message);
    void closed();
    QString why() const;

    QUrl m_url;
    qint64 m_maxMessageBytes;
    QWebSocket m_socket;
    bool m_open = false;
    bool m_closed = false;
    int m_nextId = 1;
    std::map<int, Reply> m_pending;
};
