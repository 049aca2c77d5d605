#pragma once

#include <QString>

// Where the portal password is filed in the desktop's keyring: by user name and portal
// address, so the window and a scheduled check of the same account find the same entry.
namespace PortalKeyring {

// "alice@https://portal.example/login": blanks around either part do not count.
inline QString account(const QString& portal, const QString& user) {
    return user.trimmed() + '@' + portal.trimmed();
}

} // namespace PortalKeyring
