// The keyring as the program uses it, against a real Secret Service: the store itself, the
// window's move of a scrambled password into it, and `veltrix check` keeping and reading
// its password there.
#include "cli/VeltrixProcess.h"
#include "desktop/MainWindowSettings.h"
#include "desktop/RememberedPassword.h"
#include "platform/session/KeychainSecretStore.h"
#include "portal-sim/SimulatedPortal.h"
#include "portalsim/SimTestConfig.h"
#include "retrieval/ClsAsmXor.h"
#include "support/MemorySettingsStore.h"

QString keyringSkipReason(); // KeyringTestMain.cpp

namespace {

using Status = SecretStore::Status;

class Keyring : public ::testing::Test {
protected:
    void SetUp() override {
        if (!keyringSkipReason().isEmpty()) {
            GTEST_SKIP() << keyringSkipReason().toStdString();
        }
    }
    KeychainSecretStore keyring;
};

} // namespace

TEST_F(Keyring, StoresReadsBackReplacesAndRemoves) {
    const QString secrets[] = {"secret", "p\u00e4ss w\u00f6rd \u20ac", QString(300, 'x'), " "};
    for (const QString& secret : secrets) {
        SCOPED_TRACE(secret.left(20).toStdString());
        ASSERT_EQ(keyring.write("bob@https://p.example/", secret).status, Status::Done);
        const SecretStore::Result read = keyring.read("bob@https://p.example/");
        EXPECT_EQ(read.status, Status::Done) << read.why.toStdString();
        EXPECT_EQ(read.secret, secret);
    }
    EXPECT_EQ(keyring.read("bob@https://other.example/").status, Status::NotFound);
    EXPECT_EQ(keyring.remove("bob@https://p.example/").status, Status::Done);
    EXPECT_EQ(keyring.read("bob@https://p.example/").status, Status::NotFound);
    EXPECT_EQ(keyring.remove("bob@https://p.example/").status, Status::Done);
}

TEST_F(Keyring, TheWindowMovesAScrambledPasswordIntoItAndReadsItBackNextTime) {
    MemorySettingsStore store;
    QString scrambled = "upgraded";
    ClsAsmXor().EnDeCrypt(scrambled, ClsAsmXor::PasswordKey);
    store.write(MainWindowSettings::Section, "txtUserName", "carol");
    store.write(MainWindowSettings::Section, "AdminURL", "https://q.example/");
    store.write(MainWindowSettings::Section, "txtPasswordnew", scrambled);
    store.write(MainWindowSettings::Section, "chkSavePassword", "1");

    MainWindowSettings first = MainWindowSettings::load(store, {});
    RememberedPassword(&keyring).restore(first, store);
    EXPECT_EQ(first.password, "upgraded");
    EXPECT_EQ(store.read(MainWindowSettings::Section, "txtPasswordnew", "?"), "");
    EXPECT_EQ(KeychainSecretStore().read("carol@https://q.example/").secret, "upgraded");

    MainWindowSettings next = MainWindowSettings::load(store, {});
    EXPECT_EQ(next.password, "");
    RememberedPassword(&keyring).restore(next, store);
    EXPECT_EQ(next.password, "upgraded");
}

TEST_F(Keyring, CheckKeepsItsPasswordAndTakesItBackWithoutStandardInput) {
    SimulatedPortal portal(simTestConfig());
    ASSERT_TRUE(portal.start());
    const QString address = QString::fromStdString(portal.baseUrl());
    const QStringList base = {"check",   "--portal", address, "--user", "Jos\u00e9",
                              "--quiet", "--month",  "1",     "--json", "-"};
    const Result kept =
        veltrix(base + QStringList{"--password-stdin", "--remember-password"}, "secret\n");
    ASSERT_EQ(kept.exitCode, 0) << kept.err;
    EXPECT_EQ(kept.err, "");
    EXPECT_EQ(keyring.read("Jos\u00e9@" + address).secret, "secret");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("VELTRIX_PASSWORD");
    const Result recalled = veltrix(base + QStringList{"--password-from-keyring"}, {}, environment);
    ASSERT_EQ(recalled.exitCode, 0) << recalled.err;
    EXPECT_EQ(recalled.json()["rows_read"], kept.json()["rows_read"]);

    const Result stranger =
        veltrix({"check", "--portal", address, "--user", "mallory", "--password-from-keyring"});
    EXPECT_EQ(stranger.exitCode, 2);
    EXPECT_NE(stranger.err.find("the keyring holds no password for mallory"), std::string::npos)
        << stranger.err;
    EXPECT_NE(
        veltrix(base + QStringList{"--password-from-keyring", "--password-stdin"}, "x\n").exitCode,
        0);
}

TEST_F(Keyring, WithoutAKeyringCheckSaysSoInOneLine) {
    SimulatedPortal portal(simTestConfig());
    ASSERT_TRUE(portal.start());
    const QString address = QString::fromStdString(portal.baseUrl());
    QProcessEnvironment noBus = QProcessEnvironment::systemEnvironment();
    noBus.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/veltrix-test-bus");
    const QStringList base = {"check",   "--portal", address, "--user", "Jos\u00e9",
                              "--quiet", "--month",  "1",     "--json", "-"};

    const Result recall = veltrix(base + QStringList{"--password-from-keyring"}, {}, noBus);
    EXPECT_EQ(recall.exitCode, 2);
    EXPECT_TRUE(recall.err.starts_with("veltrix: --password-from-keyring: no keyring answered"))
        << recall.err;
    EXPECT_EQ(std::count(recall.err.begin(), recall.err.end(), '\n'), 1) << recall.err;

    // the month is fetched all the same; only the keeping failed
    const Result remember =
        veltrix(base + QStringList{"--password-stdin", "--remember-password"}, "secret\n", noBus);
    EXPECT_EQ(remember.exitCode, 0) << remember.err;
    EXPECT_TRUE(remember.err.starts_with("veltrix: warning: the password was not kept: no "
                                         "keyring answered"))
        << remember.err;
    EXPECT_EQ(remember.json()["month"], "2007-02");
}
