#pragma once

#include <QString>

// Decides where the month files live: beside the program when its folder is writable (a
// portable copy, not a system folder nor an installed bin/ with libexec/veltrix beside it),
// else in the user's data folder; an explicit folder (--data-dir) wins.
class CacheFolder {
public:
    // What the decision depends on, injectable so tests need not touch the real program folder.
    struct Environment {
        QString programFolder;
        QString xdgDataHome; // $XDG_DATA_HOME, possibly empty
        QString home;
    };

    // The running program's folder and the process environment.
    static Environment processEnvironment();

    explicit CacheFolder(Environment environment = processEnvironment());

    // The folder, without a trailing separator. `explicitFolder` (may be empty) overrides.
    QString resolve(const QString& explicitFolder = {}) const;
    // True when month files go beside the program.
    bool isPortable() const;
    // $XDG_DATA_HOME/veltrix, or ~/.local/share/veltrix when that is unset or not absolute.
    QString userDataFolder() const;

private:
    Environment m_environment;
};
