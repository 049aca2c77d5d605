#include "chromium/ChromiumBrowser.h"

#include "platform/browser/DevToolsConnection.h"
#include "platform/browser/DevToolsPage.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

namespace {

// Runs the event loop until `done` or the time is up.
bool spinUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

QString frameDocument() {
    return QStringLiteral("(document.querySelector('iframe') && "
                          "document.querySelector('iframe').contentDocument)");
}

} // namespace

ChromiumBrowser::ChromiumBrowser() = default;

ChromiumBrowser::~ChromiumBrowser() {
    m_connection.reset();
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
}

QString ChromiumBrowser::binary() {
    for (const char* name : {"chromium", "chromium-browser", "google-chrome"}) {
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty()) {
            return found;
        }
    }
    return {};
}

bool ChromiumBrowser::start(const QString& url, QString* why) {
    const QStringList arguments =
        QStringLiteral("--headless=new --no-sandbox --disable-gpu --disable-dev-shm-usage "
                       "--remote-debugging-port=0 --disable-background-networking "
                       "--disable-component-update --disable-sync --no-first-run")
            .split(' ') +
        QStringList{"--user-data-dir=" + m_profile.path(), url};
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.start(binary(), arguments);
    if (!m_process.waitForStarted(10000)) {
        *why = "cannot start " + binary();
        return false;
    }
    // the browser writes the port it took into its profile once it listens
    QFile portFile(m_profile.filePath("DevToolsActivePort"));
    const bool listening = spinUntil(
        [&] {
            return m_process.state() == QProcess::NotRunning ||
                   (portFile.exists() && portFile.size() > 0);
        },
        20000);
    if (!listening || m_process.state() == QProcess::NotRunning ||
        !portFile.open(QIODevice::ReadOnly)) {
        *why = "the browser did not start listening";
        return false;
    }
    m_port = QString::fromLatin1(portFile.readLine()).trimmed().toInt();
    return connectToFirstWindow(why);
}

bool ChromiumBrowser::connectToFirstWindow(QString* why) {
    QNetworkAccessManager network;
    network.setProxy(QNetworkProxy::NoProxy);
    QUrl socket;
    spinUntil(
        [&] {
            QNetworkReply* reply =
                network.get(QNetworkRequest(DevToolsPage::targetListAddress(m_port)));
            spinUntil([reply] { return reply->isFinished(); }, 5000);
            for (const QJsonValue& target : QJsonDocument::fromJson(reply->readAll()).array()) {
                if (target["type"].toString() == "page") {
                    socket = QUrl(target["webSocketDebuggerUrl"].toString());
                    break;
                }
            }
            reply->deleteLater();
            return socket.isValid();
        },
        10000);
    if (!socket.isValid()) {
        *why = "the browser lists no window";
        return false;
    }
    m_connection = std::make_unique<DevToolsConnection>(socket);
    bool opened = false;
    QString closed;
    QObject::connect(m_connection.get(), &DevToolsConnection::Opened, [&opened] { opened = true; });
    QObject::connect(m_connection.get(), &DevToolsConnection::Closed,
                     [&closed](const QString& text) { closed = text; });
    m_connection->open();
    spinUntil([&] { return opened || !closed.isEmpty(); }, 10000);
    if (!opened) {
        *why = "cannot connect to the browser's window: " + closed;
    }
    QObject::disconnect(m_connection.get(), nullptr, nullptr, nullptr);
    return opened;
}

void ChromiumBrowser::kill() {
    m_connection.reset();
    m_process.kill();
    m_process.waitForFinished(5000);
}

bool ChromiumBrowser::evaluate(const QString& expression, QJsonValue* value, int timeoutMs) {
    if (!m_connection || !m_connection->isOpen()) {
        return false;
    }
    bool answered = false;
    bool ok = false;
    m_connection->call("Runtime.evaluate", {{"expression", expression}, {"returnByValue", true}},
                       [&](const QJsonObject& result, const QString& error) {
                           answered = true;
                           ok = error.isEmpty() && !result.contains("exceptionDetails");
                           if (value) {
                               *value = result["result"].toObject()["value"];
                           }
                       });
    return spinUntil([&answered] { return answered; }, timeoutMs) && ok;
}

bool ChromiumBrowser::waitFor(const QString& condition, int timeoutMs) {
    return spinUntil(
        [&] {
            QJsonValue value;
            return evaluate("!!(" + condition + ")", &value) && value.toBool();
        },
        timeoutMs);
}

bool ChromiumBrowser::open(const QString& url) {
    const QString json = QString::fromUtf8(QJsonDocument(QJsonArray{url}).toJson());
    return evaluate("location.href = " + json + "[0]; true") &&
           waitFor("document.readyState == 'complete' && location.href == " + json + "[0]");
}

bool ChromiumBrowser::openFirstRecordPage(const QString& user, const QString& password,
                                          int monthsBack) {
    const QString credentials =
        QString::fromUtf8(QJsonDocument(QJsonArray{user, password}).toJson(QJsonDocument::Compact));
    const QString frame = frameDocument();
    return waitFor("document.readyState == 'complete' && document.title == 'portal'") &&
           evaluate("var f = document.forms[0], c = " + credentials +
                    "; f.username.value = c[0]; f.Password.value = c[1]; f.submit(); true") &&
           waitFor("document.readyState == 'complete' && Array.from(document.links).some("
                   "a => a.textContent == 'Service Records')") &&
           evaluate("Array.from(document.links).find(a => a.textContent == 'Service Records')"
                    ".click(); true") &&
           waitFor(frame + " && " + frame + ".readyState == 'complete' && " + frame +
                   ".forms.length > 0 && " + frame + ".forms[0].querydate") &&
           evaluate(frame + ".forms[0].querydate[" + QString::number(monthsBack) +
                    "].checked = true; " + frame + ".forms[0].submit(); true") &&
           waitFor("document.readyState == 'complete' && " + frame + " && " + frame +
                   ".readyState == 'complete' && " + frame +
                   ".body.textContent.includes('Total Send Volume(GB)')");
}
