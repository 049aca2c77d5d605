#pragma once

#include <QJsonValue>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class DevToolsConnection;

// A real headless Chromium with a throw-away profile and remote debugging on a free loopback
// port, standing in for the user's own browser, and a hand that works its first window over
// the debugging protocol as a user would with the mouse and keyboard.
class ChromiumBrowser {
public:
    ChromiumBrowser();
    ~ChromiumBrowser();

    // The browser binary, or an empty text when none is installed.
    static QString binary();

    // Starts the browser on `url`; false (with `why`) when it does not come up.
    bool start(const QString& url, QString* why);
    int port() const { return m_port; }
    // Ends the browser at once, as a user closing it (or a crash) would.
    void kill();

    // Runs an expression in the first window's page; false on failure or time-out.
    bool evaluate(const QString& expression, QJsonValue* value = nullptr, int timeoutMs = 10000);
    // Waits until an expression is true in the first window's page.
    bool waitFor(const QString& condition, int timeoutMs = 15000);

    // As a user: log in, open "Service Records", pick the month, show its first page.
    bool openFirstRecordPage(const QString& user, const QString& password, int monthsBack);
    // As a user: type another address into the window.
    bool open(const QString& url);

private:
    bool connectToFirstWindow(QString* why);

    QTemporaryDir m_profile;
    QProcess m_process;
    int m_port = 0;
    std::unique_ptr<DevToolsConnection> m_connection;
};
