#pragma once

#include <QString>
#include <optional>
#include <utility>

class SecretStore;
class SettingsStore;
struct MainWindowSettings;

// Where the main window keeps a remembered portal password: in the desktop's keyring, filed
// by portal address and user name; only on a desktop without any keyring in the settings
// value "txtPasswordnew", scrambled, not encrypted. A password an earlier version (or a run
// without a keyring) left scrambled there moves into the keyring as soon as one answers. A
// keyring that stays locked (its prompt cancelled) never sends the password to the file.
class RememberedPassword {
public:
    static constexpr char OnlyScrambledNotice[] =
        "No keyring is available on this desktop: the remembered password is kept in the "
        "settings file only scrambled, not encrypted. Leave \"Remember password\" off on a "
        "shared account.";
    static constexpr char NotRememberedNotice[] =
        "The password was not remembered: the keyring stayed locked. It was not stored "
        "anywhere else; unlock the keyring and close Veltrix again to remember it.";
    static constexpr char NotReadNotice[] =
        "The remembered password could not be read: the keyring stayed locked. Type the "
        "password, or unlock the keyring and open Veltrix again.";

    // No keyring (nullptr) keeps the password scrambled, as a machine without one does.
    explicit RememberedPassword(SecretStore* keyring)
        : m_keyring(keyring) {}

    // At start, after the settings were read (`settings.password` holds what the scrambled
    // value held). With "Remember password" on: a scrambled value moves into the keyring and
    // the settings value is written empty at once; otherwise the keyring's password is taken.
    void restore(MainWindowSettings& settings, SettingsStore& store);
    // At close, before the settings are written: keeps the password in the keyring (and
    // removes the entry of the address and user it held before, when they changed), or takes
    // the entry it found or kept out again when "Remember password" is off. Marks the
    // settings so that the scrambled value is written only where no keyring exists.
    void keep(MainWindowSettings& settings);

    // True when the password was last left only scrambled because no keyring answered.
    bool onlyScrambled() const { return m_onlyScrambled; }
    // What to tell the user when the keyring answered but stayed locked at the last restore
    // or keep (NotReadNotice, NotRememberedNotice and the keyring's reason); empty otherwise.
    const QString& refusal() const { return m_refusal; }

private:
    using Account = std::pair<QString, QString>; // portal address, user name

    void refuse(const char* notice, const QString& why);

    SecretStore* m_keyring;
    bool m_onlyScrambled = false;
    QString m_refusal;
    std::optional<Account> m_held; // the entry this window found or put in the keyring
    QString m_leftScrambled;       // a password the settings file still holds scrambled
};
