#include "platform/browser/DevToolsWindows.h"

#include "platform/browser/DevToolsPage.h"
#include "platform/browser/DevToolsWindow.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>

DevToolsWindows::DevToolsWindows(int port, QObject* parent)
    : BrowserWindows(parent)
    , m_port(port)
    , m_network(std::make_unique<QNetworkAccessManager>()) {
    m_network->setProxy(QNetworkProxy::NoProxy);
}

DevToolsWindows::~DevToolsWindows() = default;

std::string DevToolsWindows::searched() const {
    return "port " + std::to_string(m_port) + " of this computer";
}

BrowserWindow* DevToolsWindows::item(int index) const {
    return index >= 0 && index < count() ? m_windows[static_cast<std::size_t>(index)].get()
                                         : nullptr;
}

void DevToolsWindows::refresh() {
    for (auto& window : m_windows) {
        window.release()->deleteLater(); // one may be in the middle of its own event
    }
    m_windows.clear();
    m_problem.clear();
    QNetworkRequest request(DevToolsPage::targetListAddress(m_port));
    request.setTransferTimeout(ListTimeoutMs);
    QNetworkReply* reply = m_network->get(request);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { listed(reply); });
}

void DevToolsWindows::listed(QNetworkReply* reply) {
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        m_problem =
            "no browser answers on " + searched() + ": " + reply->errorString().toStdString();
        Q_EMIT Refreshed();
        return;
    }
    const QJsonDocument list = QJsonDocument::fromJson(reply->readAll());
    if (!list.isArray()) {
        m_problem = "the program on " + searched() + " does not list browser windows";
    }
    for (const QJsonValue& value : list.array()) {
        const QJsonObject target = value.toObject();
        const QUrl socket(target.value("webSocketDebuggerUrl").toString());
        // other kinds (the browser's own ui, workers) are no windows; a page another tool
        // holds has no socket address; and a socket elsewhere than here is never followed
        if (target.value("type").toString() != "page" ||
            !DevToolsPage::isLoopbackSocket(socket, m_port)) {
            continue;
        }
        m_windows.push_back(std::make_unique<DevToolsWindow>(
            target.value("title").toString().toStdString(), socket));
    }
    Q_EMIT Refreshed();
}
