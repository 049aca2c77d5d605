#pragma once

#include "report/ReportOptions.h"

#include <QString>

class SettingsStore;

// The main window's stored state: what it reads from the settings store when it opens and
// writes back when it closes, key by key in a fixed order. Values that cannot be read as
// their type take that key's default.
struct MainWindowSettings {
    static constexpr char Section[] = "ScreenSettings";
    // The stored key of the caching switch ends with a blank; files written earlier carry it.
    static constexpr char CachingKey[] = "mblnCachingEnabled ";
    // The remembered password, scrambled; empty while the keyring holds it.
    static constexpr char PasswordKey[] = "txtPasswordnew";

    // Window size and position in twips; state 0 normal, 1 minimised, 2 maximised.
    struct Placement {
        int state = 0;
        int height = 0;
        int width = 0;
        int left = 0;
        int top = 0;
        bool operator==(const Placement&) const = default;
    };

    QString userName;
    QString password; // plain text in memory; in the keyring or scrambled in the store
    bool savePassword = false;
    // No keyring on this desktop: the store keeps the password scrambled (else writes it empty).
    bool passwordOnlyScrambled = false;
    QString adminUrl;
    ReportOptions options;
    bool cachingEnabled = false;
    int selectedTab = 1;  // ctlTabs1: 1 password, 2 non-password, 3 cache data
    QString urls;         // the address list, each followed by "#"
    int debugPort = 9222; // "DebugPort": where the user's own browser lists its windows
    Placement placement;

    // Reads every key; an absent or unreadable key keeps the value `current` holds (the
    // controls' values at load, with the defaults of a first start). A stored minimised
    // state opens as normal, and non-free usage is never excluded at start.
    static MainWindowSettings load(const SettingsStore& store, const MainWindowSettings& current);
    // Writes every key; size, position and state only when the window is not minimised.
    void save(SettingsStore& store, bool minimised) const;

    // The remembered password as stored: scrambled where no keyring keeps it, else empty.
    QString storedPassword() const;
    static QString unscramble(const QString& stored);
};
