// The keyring as the program uses it, against a real Secret Service: `veltrix check` and the
// window keeping and reading the password there, whichever way the address is typed, and a
// keyring that stays locked or is not there.
#include "cli/VeltrixProcess.h"
#include "desktop/MainWindowSettings.h"
#include "desktop/RememberedPassword.h"
#include "platform/session/KeychainSecretStore.h"
#include "platform/session/SecretServiceItems.h"
#include "portal-sim/SimulatedPortal.h"
#include "portalsim/SimTestConfig.h"
#include "retrieval/PortalKeyring.h"
#include "support/MemorySettingsStore.h"

QString keyringSkipReason();          // KeyringTestMain.cpp
bool lockKeyring(bool locked);        // KeyringTestMain.cpp
QString labelOf(const QString& item); // KeyringTestMain.cpp

namespace {

using Status = SecretStore::Status;
using Section = MainWindowSettings;

class Keyring : public ::testing::Test {
protected:
    void SetUp() override {
        if (!keyringSkipReason().isEmpty()) {
            GTEST_SKIP() << keyringSkipReason().toStdString();
        }
    }
    KeychainSecretStore keyring;
};

QStringList checkOf(const QString& address) {
    return {"check",   "--portal", address, "--user", "Jos\u00e9",
            "--quiet", "--month",  "1",     "--json", "-"};
}

} // namespace

// "http://host:port" and "http://host:port/" are one entry, whoever filed it: the check, the
// window, or an earlier version under the address as it was typed (that one moves). The window's
// move of a scrambled password into the keyring is in the window's tests.
TEST_F(Keyring, EveryFormOfTheAddressFindsTheOneEntry) {
    SimulatedPortal portal(simTestConfig());
    ASSERT_TRUE(portal.start());
    const QString address = QString::fromStdString(portal.baseUrl());
    const QString bare = address.chopped(1);
    const QString account = PortalKeyring::account(address, "Jos\u00e9");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("VELTRIX_PASSWORD");
    const auto recallFrom = [&](const QString& form) {
        return veltrix(checkOf(form) + QStringList{"--password-from-keyring"}, {}, environment);
    };

    const Result kept =
        veltrix(checkOf(bare) + QStringList{"--password-stdin", "--remember-password"}, "secret\n");
    ASSERT_EQ(kept.exitCode, 0) << kept.err;
    ASSERT_EQ(recallFrom(address).exitCode, 0);
    const auto items = SecretServiceItems::find(KeychainSecretStore::Service, account);
    ASSERT_EQ(items.unlocked.size(), 1);
    EXPECT_EQ(labelOf(items.unlocked.front()), "Veltrix: Jos\u00e9 at 127.0.0.1");
    MainWindowSettings window;
    window.userName = " Jos\u00e9";
    window.adminUrl = address;
    window.savePassword = true;
    MemorySettingsStore store;
    RememberedPassword(&keyring).restore(window, store);
    EXPECT_EQ(window.password, "secret");

    ASSERT_EQ(keyring.remove(account).status, Status::Done);
    ASSERT_EQ(keyring.write("Jos\u00e9@" + bare, "secret", "veltrix").status, Status::Done);
    EXPECT_EQ(recallFrom(address).exitCode, 0);
    EXPECT_EQ(keyring.read("Jos\u00e9@" + bare).status, Status::NotFound);
    EXPECT_EQ(keyring.read(account).secret, "secret");
    ASSERT_EQ(keyring.write(account, "upgr\u00e4ded \u20ac", "veltrix").status, Status::Done);
    EXPECT_EQ(keyring.read(account).secret, "upgr\u00e4ded \u20ac");

    const Result stranger =
        veltrix({"check", "--portal", address, "--user", "mallory", "--password-from-keyring"});
    EXPECT_EQ(stranger.exitCode, 2);
    EXPECT_NE(stranger.err.find("the keyring holds no password for mallory"), std::string::npos)
        << stranger.err;
}

// A keyring whose unlock prompt is cancelled (here it cannot open: there is no display, which
// the keyring reports as a dismissed prompt) is locked, not empty, and the password the window
// was asked to remember goes nowhere else.
TEST_F(Keyring, ALockedKeyringIsSaidToBeLockedAndThePasswordStaysOutOfTheSettingsFile) {
    keyring.write(PortalKeyring::account("https://r.example/", "dave"), "kept", "label");
    ASSERT_TRUE(lockKeyring(true));
    MemorySettingsStore store;
    MainWindowSettings window;
    window.userName = "erin";
    window.adminUrl = "https://r.example/";
    window.password = "typed";
    window.savePassword = true;
    RememberedPassword remembered(&keyring);
    remembered.keep(window);
    window.save(store, false);
    EXPECT_EQ(store.read(Section::Section, "txtPasswordnew", "?"), "");
    EXPECT_TRUE(remembered.refusal().startsWith(RememberedPassword::NotRememberedNotice));

    for (const char* user : {"dave", "mallory"}) {
        const Result locked = veltrix(
            {"check", "--portal", "https://r.example/", "--user", user, "--password-from-keyring"});
        EXPECT_EQ(locked.exitCode, 2);
        EXPECT_TRUE(locked.err.starts_with("veltrix: --password-from-keyring: the keyring is "
                                           "locked"))
            << locked.err;
    }
    EXPECT_EQ(keyring.remove(PortalKeyring::account("https://r.example/", "dave")).status,
              Status::Locked);
    ASSERT_TRUE(lockKeyring(false));
    EXPECT_EQ(keyring.read(PortalKeyring::account("https://r.example/", "dave")).secret, "kept");
}

TEST_F(Keyring, WithoutAKeyringCheckSaysSoInOneLine) {
    SimulatedPortal portal(simTestConfig());
    ASSERT_TRUE(portal.start());
    const QString address = QString::fromStdString(portal.baseUrl());
    QProcessEnvironment noBus = QProcessEnvironment::systemEnvironment();
    noBus.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/veltrix-test-bus");

    const Result recall =
        veltrix(checkOf(address) + QStringList{"--password-from-keyring"}, {}, noBus);
    EXPECT_EQ(recall.exitCode, 2);
    EXPECT_TRUE(recall.err.starts_with("veltrix: --password-from-keyring: no keyring answered"))
        << recall.err;
    EXPECT_EQ(std::count(recall.err.begin(), recall.err.end(), '\n'), 1) << recall.err;

    // the month is fetched all the same; only the keeping failed
    const Result remember =
        veltrix(checkOf(address) + QStringList{"--password-stdin", "--remember-password"},
                "secret\n", noBus);
    EXPECT_EQ(remember.exitCode, 0) << remember.err;
    EXPECT_TRUE(remember.err.starts_with("veltrix: warning: the password was not kept: no "
                                         "keyring answered"))
        << remember.err;
    EXPECT_EQ(remember.json()["month"], "2007-02");
}
