#pragma once

#include "desktop/TrayStatus.h"

#include <QDateTime>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

class Clock;
class SettingsStore;
class frmMain;

// The status icon while the desktop program runs: the quota gauge of the newest stored month
// of the main window's user, its tooltip, and the menu "Check now", "Open Veltrix", "History"
// and "Quit", each handed to the main window. What it shows comes from TrayStatus; it reads
// the history again when a month file changes (a check here or a scheduled one), when the
// window's user or the day changes, and after each check.
class StatusIcon final : public QObject {
    Q_OBJECT
public:
    StatusIcon(frmMain& window, SettingsStore& settings, const Clock& clock, QString monthFolder,
               QObject* parent = nullptr);

    // Shows the icon. False when the desktop has no status area (yet: the icon appears by
    // itself should one start later).
    bool show();
    // Reads the history and draws the icon again.
    void refresh();

    const TrayStatus& status() const { return m_status; }
    QSystemTrayIcon& trayIcon() { return m_icon; }
    QMenu& menu() { return m_menu; }

private:
    void addActions();
    void refreshWhenChanged();
    // What the icon depends on beyond the history itself: the user, the day and the month
    // files' names, sizes and times.
    QString stamp() const;

    frmMain& m_window;
    SettingsStore& m_settings;
    const Clock& m_clock;
    QString m_folder;
    QMenu m_menu; // the icon's context menu, so it outlives the icon
    QSystemTrayIcon m_icon;
    QTimer m_poll;
    TrayStatus m_status;
    QString m_stamp;
};
