#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <vector>

// A stand-in for the desktop's notification service on a private session bus: it answers
// Notify as the real one does and keeps what it was asked to show.
class FakeNotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Call {
        QString appName;
        QString appIcon;
        QString summary;
        QString body;
        QVariantMap hints;
        int expireTimeout = 0;
    };

    // Takes the service's name on the session bus; false when that fails.
    bool registerOnSessionBus();
    void unregister();

    std::vector<Call> calls;

public Q_SLOTS:
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int expireTimeout);
};
