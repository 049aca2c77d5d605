#pragma once

#include "platform/SecretStore.h"

#include <QString>
#include <QStringList>

// Where the portal password is filed in the desktop's keyring: by user name and portal
// address, the address spelt as the browser goes to it, so the window, a scheduled check and
// every way of typing one address ("http://host:8080", "HTTP://host:8080/") find one entry.
namespace PortalKeyring {

// "alice@https://portal.example/": blanks around either part do not count.
QString account(const QString& portal, const QString& user);
// What the keyring's manager shows: "Veltrix: alice at portal.example".
QString label(const QString& portal, const QString& user);
// Where earlier versions filed the same password: under the address as it was typed.
QStringList formerAccounts(const QString& portal, const QString& user);

// The password of that account. One still filed the old way is moved to its place now, so
// nobody loses a password they asked to be remembered.
SecretStore::Result recall(SecretStore& keyring, const QString& portal, const QString& user);
SecretStore::Result keep(SecretStore& keyring, const QString& portal, const QString& user,
                         const QString& password);
// Removes the account's entry, filed the new way or an old one.
SecretStore::Result forget(SecretStore& keyring, const QString& portal, const QString& user);

} // namespace PortalKeyring
