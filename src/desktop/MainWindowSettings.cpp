#include "desktop/MainWindowSettings.h"

#include "platform/SettingsStore.h"
#include "retrieval/ClsAsmXor.h"

#include <limits>

namespace {

// A number in [low, high], else the fallback.
long long readRange(const SettingsStore& store, const QString& key, long long fallback,
                    long long low, long long high) {
    const long long value = store.readNumber(MainWindowSettings::Section, key, fallback);
    return value >= low && value <= high ? value : fallback;
}

std::uint32_t readColour(const SettingsStore& store, const QString& key, std::uint32_t fallback) {
    return static_cast<std::uint32_t>(
        readRange(store, key, fallback, 0, std::numeric_limits<std::uint32_t>::max()));
}

int readTwips(const SettingsStore& store, const QString& key, int fallback) {
    return static_cast<int>(readRange(store, key, fallback, std::numeric_limits<int>::min() / 2,
                                      std::numeric_limits<int>::max() / 2));
}

// The nine colours, in the order they are read and written.
struct ColourKey {
    const char* key;
    std::uint32_t ReportOptions::*member;
};
constexpr ColourKey ColourKeys[] = {
    {"mlngColorFree", &ReportOptions::mlngColorFree},
    {"mlngColorBackFree", &ReportOptions::mlngColorBackFree},
    {"mlngColorMixed", &ReportOptions::mlngColorMixed},
    {"mlngColorBackMixed", &ReportOptions::mlngColorBackMixed},
    {"mlngColorNonFree", &ReportOptions::mlngColorNonFree},
    {"mlngColorBackNonFree", &ReportOptions::mlngColorBackNonFree},
    {"mlngChartColorFree", &ReportOptions::mlngChartColorFree},
    {"mlngChartColorNonFree", &ReportOptions::mlngChartColorNonFree},
    {"mlngInbuiltChartColor", &ReportOptions::mlngInbuiltChartColor},
};

void readPlacement(const SettingsStore& store, MainWindowSettings::Placement& placement) {
    placement.state = static_cast<int>(readRange(store, "WindowState", placement.state, 0, 2));
    placement.height = readTwips(store, "Height", placement.height);
    placement.width = readTwips(store, "Width", placement.width);
    placement.left = readTwips(store, "Left", placement.left);
    placement.top = readTwips(store, "Top", placement.top);
    if (placement.state == 1) {
        placement.state = 0; // never open minimised
    }
}

} // namespace

QString MainWindowSettings::unscramble(const QString& stored) {
    QString text = stored;
    ClsAsmXor().EnDeCrypt(text, ClsAsmXor::PasswordKey);
    return text;
}

QString MainWindowSettings::storedPassword() const {
    // an empty password stays empty
    return savePassword && passwordOnlyScrambled ? unscramble(password) : QString();
}

MainWindowSettings MainWindowSettings::load(const SettingsStore& store,
                                            const MainWindowSettings& current) {
    MainWindowSettings s = current;
    s.userName = store.read(Section, "txtUserName", current.userName);
    const QString stored = store.read(Section, PasswordKey, QString());
    if (!stored.isEmpty()) {
        s.password = unscramble(stored);
    }
    s.savePassword = readRange(store, "chkSavePassword", current.savePassword ? 1 : 0, 0, 1) == 1;
    s.adminUrl = store.read(Section, "AdminURL", current.adminUrl);
    s.options.mblnExcludeFree = store.readBool(Section, "mblnExcludeFree", false);
    s.options.mblnExcludeNonFree = false;
    s.options.mblnExcludeMixed = store.readBool(Section, "mblnExcludeMixed", false);
    s.cachingEnabled = store.readBool(Section, CachingKey, false);
    const ReportOptions defaults;
    for (const ColourKey& colour : ColourKeys) {
        s.options.*colour.member = readColour(store, colour.key, defaults.*colour.member);
    }
    s.options.ChartType = static_cast<int>(readRange(store, "ChartType", 0, 0, 255));
    s.selectedTab = static_cast<int>(readRange(store, "ctlTabs1.SelectedTab", 1, 1, 3));
    s.options.mblnShowTotalValue = store.readBool(Section, "mblnShowTotalValue", false);
    s.options.mblnShowAverage = store.readBool(Section, "mblnShowAverage", false);
    s.options.mblnNightUnlimitedPlan = store.readBool(Section, "mblnNightUnlimitedPlan", false);
    s.urls = store.read(Section, "URLs", current.urls);
    s.debugPort = static_cast<int>(readRange(store, "DebugPort", current.debugPort, 1, 65535));
    s.options.mblnShowAllowance = store.readBool(Section, "mblnShowAllowance", false);
    readPlacement(store, s.placement);
    return s;
}

void MainWindowSettings::save(SettingsStore& store, bool minimised) const {
    store.write(Section, "txtUserName", userName);
    store.write(Section, PasswordKey, storedPassword());
    store.write(Section, "txtPassword", QString());
    store.writeNumber(Section, "chkSavePassword", savePassword ? 1 : 0);
    store.write(Section, "AdminURL", adminUrl);
    store.writeBool(Section, "mblnExcludeFree", options.mblnExcludeFree);
    store.writeBool(Section, "mblnExcludeNonFree", options.mblnExcludeNonFree);
    store.writeBool(Section, "mblnExcludeMixed", options.mblnExcludeMixed);
    store.writeBool(Section, CachingKey, cachingEnabled);
    for (const ColourKey& colour : ColourKeys) {
        store.writeNumber(Section, colour.key, options.*colour.member);
    }
    store.writeNumber(Section, "ChartType", options.ChartType);
    store.writeNumber(Section, "ctlTabs1.SelectedTab", selectedTab);
    store.writeBool(Section, "mblnShowTotalValue", options.mblnShowTotalValue);
    store.writeBool(Section, "mblnShowAverage", options.mblnShowAverage);
    store.writeBool(Section, "mblnNightUnlimitedPlan", options.mblnNightUnlimitedPlan);
    store.write(Section, "URLs", urls);
    store.writeNumber(Section, "DebugPort", debugPort);
    store.writeBool(Section, "mblnShowAllowance", options.mblnShowAllowance);
    if (!minimised) {
        store.writeNumber(Section, "WindowState", placement.state);
        store.writeNumber(Section, "Height", placement.height);
        store.writeNumber(Section, "Width", placement.width);
        store.writeNumber(Section, "Left", placement.left);
        store.writeNumber(Section, "Top", placement.top);
    }
}
