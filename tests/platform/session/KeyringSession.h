#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QString>

// The private keyring the tests run against (see KeyringTestMain.cpp).
namespace KeyringSession {

constexpr char UnlockPassword[] = "test";

// Empty when the keyring runs; otherwise why the tests skip.
QString skipReason();

inline bool serviceRuns() {
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus != nullptr && bus->isServiceRegistered("org.freedesktop.secrets").value();
}

} // namespace KeyringSession
