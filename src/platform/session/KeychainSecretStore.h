#pragma once

#include "platform/SecretStore.h"

// The desktop's Secret Service keyring (GNOME Keyring, KWallet and the like) through
// QtKeychain, with the entry's label and the keyring's locked state read from the Secret
// Service itself. Each call waits for the keyring's answer in a local event loop, so it needs
// a QCoreApplication, and gives up after a while rather than hang a scheduled check.
class KeychainSecretStore final : public SecretStore {
public:
    // Secrets are filed under this service name, the key being the account.
    static constexpr char Service[] = "veltrix";
    static constexpr int DefaultTimeoutMs = 30000;
    static constexpr int PromptTimeoutMs = 180000; // for a window, where a person answers

    explicit KeychainSecretStore(int timeoutMs = DefaultTimeoutMs)
        : m_timeoutMs(timeoutMs) {}

    Result read(const QString& key) override;
    Result write(const QString& key, const QString& secret, const QString& label) override;
    Result remove(const QString& key) override;

private:
    int m_timeoutMs;
};
