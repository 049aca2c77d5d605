#include "desktop/MainWindowSettings.h"

#include "retrieval/ClsAsmXor.h"
#include "support/MemorySettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

namespace {

constexpr char Section[] = "ScreenSettings";

// Keeps the keys in the order they were written.
class OrderedStore final : public SettingsStore {
public:
    QString read(const QString& section, const QString& key,
                 const QString& fallback) const override {
        return m_values.read(section, key, fallback);
    }
    void write(const QString& section, const QString& key, const QString& value) override {
        keys.append(key);
        m_values.write(section, key, value);
    }
    QStringList keys;

private:
    MemorySettingsStore m_values;
};

// Every stored value away from its default.
MainWindowSettings everythingChanged() {
    return {
        .userName = "Jos\u00e9",
        .password = "secret",
        .savePassword = true,
        .passwordOnlyScrambled = true, // no keyring: the file keeps it scrambled
        .adminUrl = "https://b.example/",
        // the six switches, the nine colours (the last one white) and the chart type
        .options = {true, true, true, true, true, true, 1, 2, 3, 4, 5, 6, 7, 8, 0xFFFFFFu, 1, true},
        .cachingEnabled = true,
        .selectedTab = 2,
        .urls = "https://a.example/#https://b.example/#",
        .debugPort = 9333,
        .placement = {2, 7000, 9500, 300, 450}};
}

auto fields(const ReportOptions& o) {
    return std::tuple(o.mblnExcludeFree, o.mblnExcludeNonFree, o.mblnExcludeMixed,
                      o.mblnNightUnlimitedPlan, o.mblnShowAverage, o.mblnShowTotalValue,
                      o.mlngColorFree, o.mlngColorBackFree, o.mlngColorMixed, o.mlngColorBackMixed,
                      o.mlngColorNonFree, o.mlngColorBackNonFree, o.mlngChartColorFree,
                      o.mlngChartColorNonFree, o.mlngInbuiltChartColor, o.ChartType,
                      o.mblnShowAllowance);
}

// Every stored value (the keyring flag is not stored).
auto fields(const MainWindowSettings& s) {
    return std::tuple(s.userName, s.password, s.savePassword, s.adminUrl, fields(s.options),
                      s.cachingEnabled, s.selectedTab, s.urls, s.debugPort, s.placement);
}

constexpr QFileDevice::Permissions PrivateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ReadUser | QFileDevice::WriteUser;

} // namespace

// Every key, in the order the window writes them.
// clang-format off
const QStringList Keys = {
    "txtUserName", "txtPasswordnew", "txtPassword", "chkSavePassword", "AdminURL",
    "mblnExcludeFree", "mblnExcludeNonFree", "mblnExcludeMixed", "mblnCachingEnabled ",
    "mlngColorFree", "mlngColorBackFree", "mlngColorMixed", "mlngColorBackMixed",
    "mlngColorNonFree", "mlngColorBackNonFree", "mlngChartColorFree", "mlngChartColorNonFree",
    "mlngInbuiltChartColor", "ChartType", "ctlTabs1.SelectedTab", "mblnShowTotalValue",
    "mblnShowAverage", "mblnNightUnlimitedPlan", "URLs", "DebugPort", "mblnShowAllowance",
    "WindowState", "Height", "Width", "Left", "Top"};
// clang-format on

TEST(MainWindowSettings, WritesEveryKeyInItsOrder) {
    OrderedStore store;
    everythingChanged().save(store, false);
    EXPECT_EQ(store.keys, Keys);
    OrderedStore minimised; // keeps the last size and place
    everythingChanged().save(minimised, true);
    EXPECT_EQ(minimised.keys, Keys.mid(0, Keys.size() - 5));
    EXPECT_EQ(store.read(Section, "txtPassword", "?"), "");
    EXPECT_EQ(store.read(Section, "mblnCachingEnabled ", "?"), "True");
    EXPECT_EQ(store.read(Section, "chkSavePassword", "?"), "1");
    EXPECT_EQ(store.read(Section, "mlngInbuiltChartColor", "?"), "16777215");
}

TEST(MainWindowSettings, RoundTripKeepsAllButNonFreeExclusion) {
    MemorySettingsStore store;
    const MainWindowSettings saved = everythingChanged();
    saved.save(store, false);
    const MainWindowSettings loaded = MainWindowSettings::load(store, MainWindowSettings());
    MainWindowSettings expected = saved;
    expected.options.mblnExcludeNonFree = false; // never excluded at start
    EXPECT_EQ(fields(loaded), fields(expected));
}

TEST(MainWindowSettings, AbsentAndGarbageValuesTakeTheDefaults) {
    MainWindowSettings current;
    current.userName = "typed";
    current.adminUrl = "https://first.example/";
    current.urls = "https://first.example/#";
    current.placement = {0, 7410, 9120, 10, 20};
    const MainWindowSettings absent = MainWindowSettings::load(MemorySettingsStore(), current);

    MemorySettingsStore garbage;
    for (const QString& key : Keys) {
        if (key != "txtUserName" && key != "AdminURL" && key != "URLs" && !key.startsWith("txtP")) {
            garbage.write(Section, key, "tall");
        }
    }
    garbage.write(Section, "ChartType", "256");
    garbage.write(Section, "mlngColorFree", "-1");
    garbage.write(Section, "ctlTabs1.SelectedTab", "4");
    garbage.write(Section, "WindowState", "1"); // minimised opens as normal
    garbage.write(Section, "DebugPort", "70000");
    const MainWindowSettings bad = MainWindowSettings::load(garbage, current);

    // every key keeps the value the window held (its defaults but for the four set above)
    EXPECT_EQ(fields(absent), fields(current));
    EXPECT_EQ(fields(bad), fields(current));
}

// A remembered password goes through the settings file scrambled; the scrambled text holds
// whatever characters XOR with the key gives, so each must come back exactly.
struct PasswordCase {
    const char* name;
    QString password;
    QChar scrambledFirst;
};

class RememberedPassword : public ::testing::TestWithParam<PasswordCase> {};

TEST_P(RememberedPassword, SurvivesTheSettingsFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath("veltrix/veltrix.ini");
    MainWindowSettings s;
    s.password = GetParam().password;
    s.savePassword = true;
    s.passwordOnlyScrambled = true;
    {
        auto store = FileSettingsStore::atPath(path);
        s.save(*store, false);
        ASSERT_TRUE(store->flush());
    }
    auto reread = FileSettingsStore::atPath(path);
    const QString stored = reread->read(Section, "txtPasswordnew", "");
    ASSERT_FALSE(stored.isEmpty());
    EXPECT_EQ(stored.front(), GetParam().scrambledFirst);
    EXPECT_EQ(MainWindowSettings::load(*reread, {}).password, GetParam().password);
    EXPECT_EQ(QFile::permissions(path), PrivateFile);
}

// 'm' is the key's first character: "m" scrambles to NUL, "P" to '=', "V" to ';'.
INSTANTIATE_TEST_SUITE_P(Cases, RememberedPassword,
                         ::testing::Values(PasswordCase{"ToNul", "m", QChar(0)},
                                           PasswordCase{"ToEquals", "P=x", QChar('=')},
                                           PasswordCase{"ToSemicolon", "V;x", QChar(';')},
                                           PasswordCase{"ToLineBreak", "g\r\n", QChar('\n')},
                                           PasswordCase{"NonAscii", "\u00e9t\u00e9\u20ac",
                                                        QChar(0xE9 ^ 'm')},
                                           PasswordCase{"Quotes", "\"#%\\ x ", QChar('"' ^ 'm')}),
                         [](const auto& info) { return std::string(info.param.name); });
