#pragma once

#include <iosfwd>
#include <string>

class SecretStore;

// `veltrix check`'s password in the desktop keyring, filed by portal address and user name
// as the desktop program files it: --password-from-keyring reads it, --remember-password keeps
// it after a check that the portal accepted.
namespace KeyringPassword {

// Throws CliError (status 2) when the keyring holds none for the account or none answers.
std::string recall(SecretStore& keyring, const std::string& portal, const std::string& user);
// The month is already fetched, so a keyring that does not take the password is one warning
// line on `err`, not a failed check.
void remember(SecretStore& keyring, const std::string& portal, const std::string& user,
              const std::string& password, std::ostream& err);

} // namespace KeyringPassword
