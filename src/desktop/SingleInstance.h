#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>
#include <functional>

// One desktop program per settings file: the first start listens on a local socket named
// after its config folder, a later start hands it what it was asked and ends. Needs no display.
class SingleInstance final {
public:
    enum class Start {
        First,          // this program holds the name and hears later starts
        AlreadyRunning, // another program holds it and has been handed the message
        Alone,          // no socket could be made, or its holder does not answer: run alone
    };
    using Handler = std::function<void(const QByteArray& message)>;

    explicit SingleInstance(QString name); // the socket's path; empty: Alone

    // In the user's runtime folder (empty without one), by user id and config folder path hash.
    static QString nameFor(const QString& configFolder);

    // Claims the name or hands `message` (one short word) to the program holding it.
    Start start(const QByteArray& message);
    // Called, while the event loop runs, with each message a later start hands over.
    void onMessage(Handler handler) { m_handler = std::move(handler); }

private:
    bool deliver(const QByteArray& message) const;
    void accept();

    QString m_name;
    QLockFile m_lock;
    QLocalServer m_server; // closed before the lock is freed, so the next start claims at once
    Handler m_handler;
};
