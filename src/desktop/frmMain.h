#pragma once

#include "controls/ControlResizer.h"
#include "desktop/AdminUrlList.h"
#include "desktop/DesignBuilder.h"
#include "desktop/MainWindowControls.h"
#include "desktop/MainWindowSettings.h"
#include "desktop/RememberedPassword.h"
#include "desktop/ResultWindowPort.h"
#include "desktop/ScheduledCheck.h"

#include <QPointer>
#include <QWidget>
#include <chrono>
#include <memory>

class Browser;
class Clock;
class CommandRunner;
class DesktopShell;
class MainWindowRun;
class MessagePresenter;
class SecretStore;
class SettingsStore;
class TrayStatus;
class WidgetResizerWindow;
class frmHistory;
struct RunRequest;

// What the main window works with, handed in so tests can fix each of them.
struct MainWindowServices {
    SettingsStore& settings;
    MessagePresenter& messages;
    const Clock& clock;
    DesktopShell& shell;
    Browser& browser; // WebBrowser1, driven by the portal session
    ResultWindowFactory resultWindows;
    QString cacheFolder;            // where the month files are
    CommandRunner& commands;        // systemctl, for "Scheduled check..."
    SchedulePaths schedulePaths;    // where "Scheduled check..." writes its settings
    SecretStore* keyring = nullptr; // the desktop's keyring; none: the password stays scrambled
};

// The program's start window: credentials, portal address, month and way of checking, the
// cache switch; it restores its settings when it opens, saves them when it closes, and starts
// runs of "Check Bandwidth Usage". Controls come from MainWindowDesign; runs from
// MainWindowRun; what it stores from MainWindowSettings.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(MainWindowServices services, QWidget* parent = nullptr);
    ~frmMain() override;

    // The options the result window reads and changes (the window's public variables).
    ReportOptions& options() { return m_settings.options; }
    const AdminUrlList& urlList() const { return m_urls; }
    MainWindowRun& run() { return *m_run; }
    void setRunTimeout(std::chrono::milliseconds timeout);

    void cmdCalculate_Click();
    void cmdClose_Click();
    void cmdAddURL_Click();
    void cmdDeleteURL_Click();
    void cmdStop_Click();
    // Opens the history of the stored months ("History", or Ctrl+H from every page).
    void cmdHistory_Click();
    // The start command of "Non Password Version" onto the clipboard.
    void cmdCopyCommand_Click();
    void Label12_Click();
    // The help of the "Non Password Version": how to start a browser this program can read.
    void cmdBrowserHelp_Click();
    void lblWebsite_Click();
    void ctlTabs1_TabClick(int OldTab, int NewTab);
    void LoadCacheFileList();
    // "Scheduled check...": the daily check, its alerts and the status icon at login.
    void cmdSchedule_Click();

    // What the status icon asks of the window. The user whose months it shows:
    QString userName() const;
    // User name, password and portal address are there for a "Password Version" check.
    bool loginComplete() const;
    // "Check now": this month from the portal, or the newest stored month, as `status` says;
    // without either the window opens on the box still to fill in.
    void checkNow(const TrayStatus& status);
    // "Open Veltrix": the window (or the dialog open over it) brought forward.
    void openFromTray();
    // "Quit": the settings saved, the program ended.
    void quitProgram();
    // Closing hides the window, with its settings saved, while the status icon and a check
    // under way keep running.
    void setKeepsRunningInTray(bool keep) { m_keepRunningInTray = keep; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Enter presses "Check Bandwidth Usage" (the window's default button), Escape "Close".
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    // Stops a check under way and saves the settings, once.
    void Form_QueryUnload();
    void saveSettings();
    void Form_Resize();
    void setUpTabStrips();
    void connectControls();
    void connectRun();
    void applySettings(const MainWindowSettings& settings);
    void applyPlacement(const MainWindowSettings::Placement& placement);
    MainWindowSettings settingsNow() const;
    MainWindowSettings::Placement placementNow() const;
    void fillAddressBox(const QString& text);
    RunRequest runRequest() const;
    int selectedMonth() const;
    // The port in txtDebugPort, or the stored one while the box holds no port.
    int debugPort() const;
    // The control after a message: its page brought forward, a box's text selected.
    void focusControl(const QString& name);
    // Where the user starts typing on the selected page.
    void focusFirstBox();
    void showStoredMonth(const QString& entry);
    void tellIfOnlyScrambled();
    void setRunning(bool running);
    // What the pages choose, or (the status icon's "Check now") this month from the portal.
    enum class CheckScope { AsChosen, ThisMonthOnPortal };
    // Starts the check, the password's copy in its request wiped once the run has it.
    void startCheck(CheckScope scope);

    MainWindowServices m_services;
    DesignBuilder m_design;
    MainWindowControls m_controls{};
    std::unique_ptr<WidgetResizerWindow> m_resizerWindow;
    ControlResizer m_resizer;
    MainWindowSettings m_settings;
    RememberedPassword m_password;
    bool m_toldOnlyScrambled = false;
    AdminUrlList m_urls;
    std::unique_ptr<MainWindowRun> m_run;
    bool m_loaded = false;
    bool m_resizing = false;
    bool m_keepRunningInTray = false;
    bool m_quitting = false;
    QPointer<frmHistory> m_history;
};
