#include "platform/session/SecretServiceItems.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QMap>

namespace {

constexpr char ServiceName[] = "org.freedesktop.secrets";
constexpr char ServicePath[] = "/org/freedesktop/secrets";
constexpr char DefaultCollection[] = "/org/freedesktop/secrets/aliases/default";
constexpr char Properties[] = "org.freedesktop.DBus.Properties";
constexpr int TimeoutMs = 5000;

bool serviceRuns() {
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus != nullptr && bus->isServiceRegistered(ServiceName).value();
}

QDBusMessage call(const QString& path, const QString& interface, const QString& method,
                  const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(ServiceName, path, interface, method);
    message.setArguments(arguments);
    message.setAutoStartService(false);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, TimeoutMs);
}

QStringList paths(const QVariant& value) {
    QStringList out;
    const auto argument = value.value<QDBusArgument>();
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusObjectPath path;
        argument >> path;
        out << path.path();
    }
    argument.endArray();
    return out;
}

} // namespace

SecretServiceItems::Found SecretServiceItems::find(const QString& service, const QString& key) {
    if (!serviceRuns()) {
        return {};
    }
    static const QMetaType attributesType = qDBusRegisterMetaType<QMap<QString, QString>>();
    (void)attributesType;
    // the attributes the keyring library files its entries under
    const QMap<QString, QString> attributes{{"server", service}, {"user", key}};
    const QDBusMessage reply = call(ServicePath, "org.freedesktop.Secret.Service", "SearchItems",
                                    {QVariant::fromValue(attributes)});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2) {
        return {};
    }
    return {paths(reply.arguments().at(0)), paths(reply.arguments().at(1))};
}

bool SecretServiceItems::defaultCollectionLocked() {
    if (!serviceRuns()) {
        return false;
    }
    const QDBusMessage reply =
        call(DefaultCollection, Properties, "Get", {"org.freedesktop.Secret.Collection", "Locked"});
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().front().value<QDBusVariant>().variant().toBool();
}

void SecretServiceItems::setLabel(const QStringList& items, const QString& label) {
    for (const QString& item : items) {
        call(item, Properties, "Set",
             {"org.freedesktop.Secret.Item", "Label", QVariant::fromValue(QDBusVariant(label))});
    }
}
