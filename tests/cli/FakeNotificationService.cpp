#include "cli/FakeNotificationService.h"

#include <QDBusConnection>

namespace {
constexpr char Service[] = "org.freedesktop.Notifications";
constexpr char Path[] = "/org/freedesktop/Notifications";
} // namespace

bool FakeNotificationService::registerOnSessionBus() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.registerObject(Path, this, QDBusConnection::ExportAllSlots) &&
           bus.registerService(Service);
}

void FakeNotificationService::unregister() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(Service);
    bus.unregisterObject(Path);
}

uint FakeNotificationService::Notify(const QString& appName, uint, const QString& appIcon,
                                     const QString& summary, const QString& body,
                                     const QStringList&, const QVariantMap& hints,
                                     int expireTimeout) {
    calls.push_back({appName, appIcon, summary, body, hints, expireTimeout});
    return static_cast<uint>(calls.size());
}
