#include "cli/KeyringPassword.h"

#include "cli/CliError.h"
#include "platform/SecretStore.h"
#include "retrieval/PortalKeyring.h"

#include <ostream>

namespace {

QString accountOf(const std::string& portal, const std::string& user) {
    return PortalKeyring::account(QString::fromStdString(portal), QString::fromStdString(user));
}

} // namespace

std::string KeyringPassword::recall(SecretStore& keyring, const std::string& portal,
                                    const std::string& user) {
    SecretStore::Result found = keyring.read(accountOf(portal, user));
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
    case SecretStore::Status::Unreachable:
        break;
    }
    throw CliError("--password-from-keyring: no keyring answered (" + found.why.toStdString() + ")",
                   2);
}

void KeyringPassword::remember(SecretStore& keyring, const std::string& portal,
                               const std::string& user, const std::string& password,
                               std::ostream& err) {
    QString secret = QString::fromStdString(password);
    const SecretStore::Result kept = keyring.write(accountOf(portal, user), secret);
    secret.fill(QChar(0));
    if (kept.status != SecretStore::Status::Done) {
        err << "veltrix: warning: the password was not kept: no keyring answered ("
            << kept.why.toStdString() << ")\n";
    }
}
