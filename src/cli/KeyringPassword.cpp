#include "cli/KeyringPassword.h"

#include "cli/CliError.h"
#include "platform/SecretStore.h"
#include "retrieval/PortalKeyring.h"

#include <ostream>

namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

std::string because(const SecretStore::Result& result) {
    return result.why.isEmpty() ? std::string() : " (" + result.why.toStdString() + ")";
}

} // namespace

std::string KeyringPassword::recall(SecretStore& keyring, const std::string& portal,
                                    const std::string& user) {
    SecretStore::Result found = PortalKeyring::recall(keyring, text(portal), text(user));
    switch (found.status) {
    case SecretStore::Status::Done: {
        std::string password = found.secret.toStdString();
        found.secret.fill(QChar(0));
        return password;
    }
    case SecretStore::Status::NotFound:
        throw CliError("--password-from-keyring: the keyring holds no password for " + user +
                           " at " + portal +
                           "; keep it there once with --password-stdin --remember-password",
                       2);
    case SecretStore::Status::Locked:
        throw CliError("--password-from-keyring: the keyring is locked" + because(found) +
                           "; unlock it (log into the desktop, or open it in its manager) and "
                           "run the check again",
                       2);
    case SecretStore::Status::Unreachable:
        break;
    }
    throw CliError("--password-from-keyring: no keyring answered" + because(found), 2);
}

void KeyringPassword::remember(SecretStore& keyring, const std::string& portal,
                               const std::string& user, const std::string& password,
                               std::ostream& err) {
    QString secret = text(password);
    const SecretStore::Result kept = PortalKeyring::keep(keyring, text(portal), text(user), secret);
    secret.fill(QChar(0));
    if (kept.status == SecretStore::Status::Locked) {
        err << "veltrix: warning: the password was not kept: the keyring is locked" << because(kept)
            << "\n";
    } else if (kept.status != SecretStore::Status::Done) {
        err << "veltrix: warning: the password was not kept: no keyring answered" << because(kept)
            << "\n";
    }
}
