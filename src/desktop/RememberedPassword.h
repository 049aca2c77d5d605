#pragma once

#include <QString>

class SecretStore;
class SettingsStore;
struct MainWindowSettings;

// Where the main window keeps a remembered portal password: in the desktop's keyring, filed
// by portal address and user name; only when no keyring answers in the settings value
// "txtPasswordnew", scrambled, not encrypted. A password an earlier version (or a run without
// a keyring) left scrambled there moves into the keyring as soon as one answers.
class RememberedPassword {
public:
    static constexpr char OnlyScrambledNotice[] =
        "No keyring is available on this desktop: the remembered password is kept in the "
        "settings file only scrambled, not encrypted. Leave \"Remember password\" off on a "
        "shared account.";

    // No keyring (nullptr) keeps the password scrambled, as a machine without one does.
    explicit RememberedPassword(SecretStore* keyring)
        : m_keyring(keyring) {}

    // At start, after the settings were read (`settings.password` holds what the scrambled
    // value held). With "Remember password" on: a scrambled value moves into the keyring and
    // the settings value is written empty at once; otherwise the keyring's password is taken.
    void restore(MainWindowSettings& settings, SettingsStore& store);
    // At close, before the settings are written: keeps the password in the keyring, or takes
    // the entry it found or kept out again when "Remember password" is off. Marks the settings so
    // that the scrambled value is written only when no keyring took the password.
    void keep(MainWindowSettings& settings);

    // True when the password was last left only scrambled because no keyring answered.
    bool onlyScrambled() const { return m_onlyScrambled; }

private:
    SecretStore* m_keyring;
    bool m_onlyScrambled = false;
    QString m_heldAccount; // the entry this window found or put in the keyring
};
