#include "platform/browser/DevToolsWindows.h"

#include "platform/browser/DevToolsWindow.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>

DevToolsWindows::DevToolsWindows(int port, DevToolsLimits limits, QObject* parent)
    : BrowserWindows(parent)
    , m_port(port)
    , m_limits(limits)
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
    m_listTooLarge = false;
    QNetworkRequest request(DevToolsPage::targetListAddress(m_port));
    request.setTransferTimeout(ListTimeoutMs);
    // a program on the port could send the request anywhere; it stays here
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    // and comes as it is, so what is counted is what is held
    request.setRawHeader("Accept-Encoding", "identity");
    QNetworkReply* reply = m_network->get(request);
    // taken as it comes, so no more than the bound is ever held
    m_list.clear();
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] {
        m_list += reply->readAll();
        if (m_list.size() > m_limits.listBytes && !m_listTooLarge) {
            m_listTooLarge = true;
            m_list.clear();
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { listed(reply); });
}

void DevToolsWindows::listed(QNetworkReply* reply) {
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_listTooLarge) {
        m_problem = "the program on " + searched() + " sent a list of windows larger than " +
                    DevToolsLimits::megabytes(m_limits.listBytes);
    } else if (status >= 300 && status < 400) {
        m_problem = "the program on " + searched() +
                    " answered with a redirect elsewhere, which is not followed";
    } else if (reply->error() != QNetworkReply::NoError) {
        m_problem =
            "no browser answers on " + searched() + ": " + reply->errorString().toStdString();
    } else {
        take(m_list + reply->readAll());
    }
    m_list.clear();
    Q_EMIT Refreshed();
}

void DevToolsWindows::take(const QByteArray& list) {
    const QJsonDocument json = QJsonDocument::fromJson(list);
    if (!json.isArray()) {
        m_problem = "the program on " + searched() + " does not list browser windows";
    }
    for (const QJsonValue& value : json.array()) {
        const QJsonObject target = value.toObject();
        const QUrl socket(target.value("webSocketDebuggerUrl").toString());
        // other kinds (the browser's own ui, workers) are no windows; a page another tool
        // holds has no socket address; and a socket elsewhere than here is never followed
        if (target.value("type").toString() != "page" ||
            !DevToolsPage::isLoopbackSocket(socket, m_port)) {
            continue;
        }
        m_windows.push_back(std::make_unique<DevToolsWindow>(
            target.value("title").toString().toStdString(),
            target.value("url").toString().toStdString(), socket, m_limits));
    }
}
