#include "desktop/RememberedPassword.h"

#include "desktop/MainWindowSettings.h"
#include "platform/SecretStore.h"
#include "platform/SettingsStore.h"
#include "retrieval/ClsAsmXor.h"

#include <gtest/gtest.h>

namespace {

constexpr char Section[] = "ScreenSettings";
const QString Account = "alice@https://x.example/";

QString scrambled(QString text) {
    ClsAsmXor().EnDeCrypt(text, ClsAsmXor::PasswordKey);
    return text;
}

// The settings as the window reads them at start.
MainWindowSettings loaded(MemorySettingsStore& store, const QString& scrambledValue,
                          bool remember = true) {
    store.write(Section, "txtUserName", " alice");
    store.write(Section, "AdminURL", "https://x.example/ ");
    store.write(Section, "txtPasswordnew", scrambledValue);
    store.write(Section, "chkSavePassword", remember ? "1" : "0");
    return MainWindowSettings::load(store, MainWindowSettings());
}

} // namespace

TEST(RememberedPassword, AScrambledPasswordMovesIntoTheKeyringAndLeavesTheSettingsAtOnce) {
    MemorySettingsStore store;
    MemorySecretStore keyring;
    keyring.secrets[Account] = "older";
    MainWindowSettings settings = loaded(store, scrambled("p\u00e4ss"));
    RememberedPassword password(&keyring);
    password.restore(settings, store);
    EXPECT_EQ(settings.password, "p\u00e4ss");
    EXPECT_EQ(keyring.secrets[Account], "p\u00e4ss");
    EXPECT_EQ(store.read(Section, "txtPasswordnew", "?"), "");
    EXPECT_FALSE(password.onlyScrambled());
    EXPECT_EQ(settings.storedPassword(), "");
}

TEST(RememberedPassword, TheWindowReadsTheKeyringAtStartOnlyWhenRemembering) {
    for (const bool remember : {true, false}) {
        SCOPED_TRACE(remember);
        MemorySettingsStore store;
        MemorySecretStore keyring;
        keyring.secrets[Account] = "kept";
        MainWindowSettings settings = loaded(store, "", remember);
        RememberedPassword(&keyring).restore(settings, store);
        EXPECT_EQ(settings.password, remember ? "kept" : "");
    }
}

TEST(RememberedPassword, WithoutAKeyringTheScrambledValueStaysAndSaysSo) {
    MemorySettingsStore store;
    MemorySecretStore unreachable;
    unreachable.reachable = false;
    for (SecretStore* keyring :
         {static_cast<SecretStore*>(&unreachable), static_cast<SecretStore*>(nullptr)}) {
        MainWindowSettings settings = loaded(store, scrambled("pw"));
        RememberedPassword password(keyring);
        password.restore(settings, store);
        EXPECT_EQ(settings.password, "pw");
        EXPECT_EQ(store.read(Section, "txtPasswordnew", "?"), scrambled("pw"));
        EXPECT_TRUE(password.onlyScrambled());

        password.keep(settings);
        EXPECT_TRUE(password.onlyScrambled());
        EXPECT_EQ(settings.storedPassword(), scrambled("pw")); // the fallback, as before
    }
}

TEST(RememberedPassword, ClosingKeepsOrForgetsThePasswordInTheKeyring) {
    MemorySettingsStore store;
    MemorySecretStore keyring;
    MainWindowSettings settings = loaded(store, "");
    RememberedPassword password(&keyring);
    password.restore(settings, store);
    settings.password = "new";
    password.keep(settings);
    EXPECT_EQ(keyring.secrets[Account], "new");
    EXPECT_EQ(settings.storedPassword(), "");
    EXPECT_FALSE(password.onlyScrambled());

    settings.savePassword = false; // "Remember password" turned off
    password.keep(settings);
    EXPECT_EQ(keyring.secrets.count(Account), 0U);
    EXPECT_EQ(settings.storedPassword(), "");

    keyring.reachable = false; // the keyring went away: the old way, and the window says so
    settings.savePassword = true;
    password.keep(settings);
    EXPECT_TRUE(password.onlyScrambled());
    EXPECT_EQ(settings.storedPassword(), scrambled("new"));
}
