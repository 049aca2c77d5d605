#include "desktop/RememberedPassword.h"

#include "desktop/MainWindowSettings.h"
#include "platform/SecretStore.h"
#include "platform/SettingsStore.h"
#include "retrieval/PortalKeyring.h"

namespace {

using Status = SecretStore::Status;

std::pair<QString, QString> accountOf(const MainWindowSettings& settings) {
    return {settings.adminUrl, settings.userName};
}

} // namespace

void RememberedPassword::refuse(const char* notice, const QString& why) {
    m_refusal = QString(notice) + (why.isEmpty() ? QString() : "\n(" + why + ")");
}

void RememberedPassword::restore(MainWindowSettings& settings, SettingsStore& store) {
    settings.passwordOnlyScrambled = false;
    m_refusal.clear();
    m_leftScrambled.clear();
    if (!settings.savePassword) {
        return;
    }
    if (m_keyring == nullptr) {
        m_onlyScrambled = settings.passwordOnlyScrambled = !settings.password.isEmpty();
        return;
    }
    const auto [portal, user] = accountOf(settings);
    if (!settings.password.isEmpty()) {
        // written while no keyring answered, or by an earlier version: the newest password
        const SecretStore::Result moved =
            PortalKeyring::keep(*m_keyring, portal, user, settings.password);
        if (moved.status == Status::Done) {
            m_held = accountOf(settings);
            store.write(MainWindowSettings::Section, MainWindowSettings::PasswordKey, QString());
            store.flush();
        } else {
            // it stays where it is until a keyring takes it: nothing of it is lost
            m_leftScrambled = settings.password;
            m_onlyScrambled = moved.status == Status::Unreachable;
        }
        return;
    }
    SecretStore::Result found = PortalKeyring::recall(*m_keyring, portal, user);
    if (found.status == Status::Done) {
        settings.password = found.secret;
        m_held = accountOf(settings);
        found.secret.fill(QChar(0));
    } else if (found.status == Status::Locked) {
        refuse(NotReadNotice, found.why);
    }
}

void RememberedPassword::keep(MainWindowSettings& settings) {
    settings.passwordOnlyScrambled = false;
    m_onlyScrambled = false;
    m_refusal.clear();
    const bool wanted = settings.savePassword && !settings.password.isEmpty();
    if (m_keyring == nullptr) {
        m_onlyScrambled = settings.passwordOnlyScrambled = wanted;
        return;
    }
    if (!wanted) {
        // only what this window put there or found there: a keyring never used by the window
        // is not touched (a locked one would ask for its password at every close)
        if (m_held) {
            PortalKeyring::forget(*m_keyring, m_held->first, m_held->second);
            m_held.reset();
        }
        return;
    }
    const auto [portal, user] = accountOf(settings);
    const SecretStore::Result kept =
        PortalKeyring::keep(*m_keyring, portal, user, settings.password);
    switch (kept.status) {
    case Status::Done:
        if (m_held && PortalKeyring::account(m_held->first, m_held->second) !=
                          PortalKeyring::account(portal, user)) {
            PortalKeyring::forget(*m_keyring, m_held->first, m_held->second);
        }
        m_held = accountOf(settings);
        return;
    case Status::Locked:
        // what an earlier version left in the file stays there; nothing new goes there
        if (settings.password == m_leftScrambled) {
            settings.passwordOnlyScrambled = true;
            return;
        }
        refuse(NotRememberedNotice, kept.why);
        return;
    case Status::NotFound:
    case Status::Unreachable:
        m_onlyScrambled = settings.passwordOnlyScrambled = true;
        return;
    }
}
