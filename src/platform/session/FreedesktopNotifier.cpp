#include "platform/session/FreedesktopNotifier.h"

#include "platform/Failure.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace {

// A scheduled check must never hang on a desktop that does not answer.
constexpr int CallTimeoutMs = 5000;

// The service's urgency levels: 0 low, 1 normal, 2 critical (stays until dismissed).
unsigned char urgencyLevel(DesktopNotifier::Urgency urgency) {
    return urgency == DesktopNotifier::Urgency::Critical ? 2 : 1;
}

} // namespace

void FreedesktopNotifier::notify(const QString& summary, const QString& body, Urgency urgency) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        throw Failure("no desktop session bus");
    }
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Service, "Notify");
    const QVariantMap hints = {
        {"urgency", QVariant::fromValue(urgencyLevel(urgency))},
        {"desktop-entry", QString(DesktopEntry)},
    };
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout (-1: the
    // desktop's default)
    call << QString("Veltrix") << 0U << QString(DesktopEntry) << summary << body << QStringList()
         << hints << -1;
    const QDBusMessage reply = bus.call(call, QDBus::Block, CallTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        throw Failure("no desktop notification service (" + reply.errorMessage().toStdString() +
                      ")");
    }
}
