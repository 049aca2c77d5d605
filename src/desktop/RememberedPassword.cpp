#include "desktop/RememberedPassword.h"

#include "desktop/MainWindowSettings.h"
#include "platform/SecretStore.h"
#include "platform/SettingsStore.h"
#include "retrieval/PortalKeyring.h"

namespace {

QString accountOf(const MainWindowSettings& settings) {
    return PortalKeyring::account(settings.adminUrl, settings.userName);
}

} // namespace

void RememberedPassword::restore(MainWindowSettings& settings, SettingsStore& store) {
    settings.passwordInKeyring = false;
    if (!settings.savePassword) {
        return;
    }
    if (m_keyring == nullptr) {
        m_onlyScrambled = !settings.password.isEmpty();
        return;
    }
    const QString account = accountOf(settings);
    if (!settings.password.isEmpty()) {
        // written while no keyring answered, or by an earlier version: the newest password
        const SecretStore::Result moved = m_keyring->write(account, settings.password);
        m_onlyScrambled = moved.status != SecretStore::Status::Done;
        if (!m_onlyScrambled) {
            settings.passwordInKeyring = true;
            m_heldAccount = account;
            store.write(MainWindowSettings::Section, MainWindowSettings::PasswordKey, QString());
            store.flush();
        }
        return;
    }
    SecretStore::Result found = m_keyring->read(account);
    if (found.status == SecretStore::Status::Done) {
        settings.password = found.secret;
        settings.passwordInKeyring = true;
        m_heldAccount = account;
        found.secret.fill(QChar(0));
    }
}

void RememberedPassword::keep(MainWindowSettings& settings) {
    settings.passwordInKeyring = false;
    m_onlyScrambled = false;
    if (m_keyring == nullptr) {
        m_onlyScrambled = settings.savePassword && !settings.password.isEmpty();
        return;
    }
    const QString account = accountOf(settings);
    if (!settings.savePassword || settings.password.isEmpty()) {
        // only what this window put there or found there: a keyring never used by the window
        // is not touched (a locked one would ask for its password at every close)
        if (!m_heldAccount.isEmpty()) {
            m_keyring->remove(m_heldAccount);
            m_heldAccount.clear();
        }
        return;
    }
    const SecretStore::Result kept = m_keyring->write(account, settings.password);
    settings.passwordInKeyring = kept.status == SecretStore::Status::Done;
    m_onlyScrambled = !settings.passwordInKeyring;
    if (settings.passwordInKeyring) {
        m_heldAccount = account;
    }
}
