#pragma once

#include <QString>
#include <QStringList>

// What the desktop's Secret Service tells about the entries the keyring library files for
// us, asked on the session bus: whether an entry sits in a locked collection, and the label
// the keyring's manager shows. The library stores and reads the secrets themselves (over an
// encrypted session); this only reads and sets what is not secret. A Secret Service that is
// not running is never started from here.
namespace SecretServiceItems {

struct Found {
    QStringList unlocked; // item object paths
    QStringList locked;
};

// The entries filed under `service` and `key`, as the keyring library files them.
Found find(const QString& service, const QString& key);
// True when the collection new entries go to (the "default" alias) is locked.
bool defaultCollectionLocked();
// Sets the label of each (unlocked) item.
void setLabel(const QStringList& items, const QString& label);

} // namespace SecretServiceItems
