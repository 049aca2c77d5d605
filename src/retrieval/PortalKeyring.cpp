#include "retrieval/PortalKeyring.h"

#include "platform/browser/WebAddress.h"

#include <QUrl>

namespace {

using Status = SecretStore::Status;

QString canonicalAddress(const QString& portal) {
    const std::string typed = portal.trimmed().toStdString();
    const std::string address = WebAddress::fromUserInput(typed);
    // what cannot be read as an address is still one account, as typed
    return QString::fromStdString(address.empty() ? typed : address);
}

} // namespace

QString PortalKeyring::account(const QString& portal, const QString& user) {
    return user.trimmed() + '@' + canonicalAddress(portal);
}

QString PortalKeyring::label(const QString& portal, const QString& user) {
    const QUrl address(canonicalAddress(portal));
    const QString host = address.host(QUrl::PrettyDecoded);
    return QStringLiteral("Veltrix: %1 at %2")
        .arg(user.trimmed(), host.isEmpty() ? portal.trimmed() : host);
}

QStringList PortalKeyring::formerAccounts(const QString& portal, const QString& user) {
    const QString current = account(portal, user);
    QStringList former;
    const auto add = [&](const QString& address) {
        const QString candidate = user.trimmed() + '@' + address;
        if (candidate != current && !former.contains(candidate)) {
            former << candidate;
        }
    };
    add(portal.trimmed());
    // "http://host:8080/" typed now finds what "http://host:8080" filed before
    const QString canonical = canonicalAddress(portal);
    if (canonical.endsWith('/') && QUrl(canonical).path() == QLatin1String("/")) {
        add(canonical.chopped(1));
    }
    return former;
}

SecretStore::Result PortalKeyring::recall(SecretStore& keyring, const QString& portal,
                                          const QString& user) {
    SecretStore::Result found = keyring.read(account(portal, user));
    if (found.status != Status::NotFound) {
        return found;
    }
    for (const QString& former : formerAccounts(portal, user)) {
        SecretStore::Result old = keyring.read(former);
        if (old.status == Status::NotFound) {
            continue;
        }
        // moved only once it is safe in its new place
        if (old.status == Status::Done &&
            keep(keyring, portal, user, old.secret).status == Status::Done) {
            keyring.remove(former);
        }
        return old;
    }
    return found;
}

SecretStore::Result PortalKeyring::keep(SecretStore& keyring, const QString& portal,
                                        const QString& user, const QString& password) {
    return keyring.write(account(portal, user), password, label(portal, user));
}

SecretStore::Result PortalKeyring::forget(SecretStore& keyring, const QString& portal,
                                          const QString& user) {
    SecretStore::Result removed = keyring.remove(account(portal, user));
    for (const QString& former : formerAccounts(portal, user)) {
        if (removed.status != Status::Done) {
            break;
        }
        removed = keyring.remove(former);
    }
    return removed;
}
