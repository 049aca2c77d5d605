#pragma once

#include "platform/browser/BrowserWindows.h"
#include "report/ReportBuilder.h"
#include "retrieval/AttachHelp.h"
#include "retrieval/PortalLayout.h"
#include "retrieval/RecordPageWalk.h"
#include "retrieval/RunMessage.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class AttachedPages;
class Browser;
class ExternalWindowSearch;
struct AttachedStep;
struct BrowserFailure;

// The tabs of the main window's tab strip, each a way of checking the month.
enum class RunMode { PasswordVersion = 1, NonPasswordVersion = 2, UseCacheData = 3 };

// What the main window's controls hold when "Check Bandwidth Usage" is pressed.
struct RunRequest {
    RunMode mode = RunMode::PasswordVersion;
    // cmbAdminURL; in the "Non Password Version" an http or https address names the site
    // whose windows alone are read
    std::string portalAddress;
    std::string userName; // txtUserName
    std::string password; // txtPassword; forgotten once the login form is filled
    int monthsBack = 0;   // k of the selected optDate(k)
    bool cachingEnabled = false;
    QString cacheFolder;
    std::optional<QString> selectedCacheEntry; // cmbCacheFiles
    int debugPort = AttachHelp::DefaultPort;   // "DebugPort": where the user's browser listens

    // A "Password Version" run; "Retrieve only newer pages" when a folder is given.
    static RunRequest passwordVersion(std::string portalAddress, std::string userName,
                                      std::string password, int monthsBack,
                                      QString cacheFolder = {}) {
        RunRequest request;
        request.portalAddress = std::move(portalAddress);
        request.userName = std::move(userName);
        request.password = std::move(password);
        request.monthsBack = monthsBack;
        request.cachingEnabled = !cacheFolder.isEmpty();
        request.cacheFolder = std::move(cacheFolder);
        return request;
    }

    // A "Non Password Version" run on the browser listening on `debugPort`.
    static RunRequest nonPasswordVersion(std::string portalAddress, int debugPort,
                                         QString cacheFolder = {}) {
        RunRequest request;
        request.mode = RunMode::NonPasswordVersion;
        request.portalAddress = std::move(portalAddress);
        request.debugPort = debugPort;
        request.cachingEnabled = !cacheFolder.isEmpty();
        request.cacheFolder = std::move(cacheFolder);
        return request;
    }
};

// Where a run of the "Password Version" stands, for progress displays.
struct RunProgress {
    enum class Stage {
        OpeningPortal,
        LoggingIn,
        OpeningRecords,
        QueryingMonth,
        Walking,
        Attaching, // looking for the user's browser window
    };
    Stage stage = Stage::OpeningPortal;
    int pages = 0;           // record pages walked
    int rows = 0;            // log rows taken
    int pageCount = 0;       // the month's pages as the portal counts them; 0 when it does not say
    std::string window = {}; // the address of the user's window walked, when attached

    // The stage and counts for a person, e.g. "page 24 of 150, 2,310 rows, 3.1 s" (the
    // window's progress label and the command line's progress line).
    std::string text(double seconds) const;
};

// One run of "Check Bandwidth Usage" without any window: the "Password Version" drives the
// browser through login, "Service Records" and the month query, one step per loaded page,
// then walks the record pages; the "Non Password Version" finds the user's own browser window
// that shows the first record page and walks its pages there; the "Use Cache Data" run takes
// a stored month. The embedded browser may only navigate where the session sends it. The owner
// hears of the outcome through signals: Finished with the month for the report, or Abandoned with
// the message to show.
class PortalSession : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::seconds DefaultTimeout{60};
    // Makes the collection of the user's browser windows for a debugging port.
    using ShellWindowsFactory = std::function<std::unique_ptr<BrowserWindows>(int port)>;

    explicit PortalSession(Browser& browser, PortalLayout layout = {}, QObject* parent = nullptr);
    ~PortalSession() override;

    // How long a run may wait for its next page before it ends; zero waits for ever.
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    std::chrono::milliseconds timeout() const { return m_timeout; }
    // Where "Non Password Version" runs find the user's windows (by default the browser's
    // debugging protocol on loopback).
    void setShellWindowsFactory(ShellWindowsFactory factory);

    // Starts a run as the button does. A missing address, or a "Use Cache Data" run, reports
    // its outcome before this returns; a portal run reports it from a later browser event.
    void cmdCalculate_Click(const RunRequest& request);
    // A stored month chosen elsewhere than on the window's tab (the history of stored months):
    // the "Use Cache Data" run of request.selectedCacheEntry, which needs no portal address.
    void openStoredMonth(const RunRequest& request);
    // Ends the run in progress (Abandoned with Reason::Stopped); nothing is stored.
    void stop();
    bool running() const { return m_running; }

    // The browser's events, connected by the constructor.
    void WebBrowser1_DocumentComplete(const std::string& url);
    void WebBrowser1_BeforeNavigate(const std::string& url, bool& cancel);
    void WebBrowser1_NavigationFailed(const BrowserFailure& failure);
    // No page came within the time-out (the timer's handler).
    void progressTimedOut();
    // The attached window's events (while mblnExternalWalk is set its pages are walked).
    void mIELog_DocumentComplete(const std::string& url);
    void mIELog_Lost(const std::string& why);

    bool mblnAllowNavigation() const { return m_allowNavigation; }
    bool mblnExternalWalk() const { return m_externalWalk; }
    // The hand-over ends an external walk: the result window takes the month from here on.
    void clearExternalWalk() { m_externalWalk = false; }
    // The user's window being walked; null when none is attached.
    BrowserWindow* mIELog() const { return m_mIELog; }
    // The address of the user's window the last attached run walked (shown without its query).
    const std::string& attachedWindow() const { return m_attachedWindow; }
    const RecordPageWalk& walk() const { return m_walk; }
    RunProgress progress() const;

Q_SIGNALS:
    // The month is complete: the owner hands it to GrabbingFinished.
    void Finished(const MonthRecord& month);
    // The run ended without a month; the owner shows the message.
    void Abandoned(const RunMessage& message);
    // A message to show while the run goes on.
    void Notice(const RunMessage& message);
    void ProgressChanged(const RunProgress& progress);

private:
    void endPreviousRun();
    void startPortalRun(const RunRequest& request);
    void startCacheRun(const RunRequest& request);
    void submitLogin(Document& document);
    void clickRecordsLink(Document& document);
    void submitMonthQuery(Document& document);
    void walkRecordPage(Document& document);
    void startExternalRun(const RunRequest& request);
    void externalWindowFound(BrowserWindow* window);
    void externalWindowMissing();
    void followAttached(const AttachedStep& step, Document& page);
    void detachExternalWindow();
    void end();
    void endWith(const RunMessage& message);
    void restartWatchdog();
    void reportProgress();
    std::string awaitedPage() const;

    Browser& m_browser;
    PortalLayout m_layout;
    RecordPageWalk m_walk;
    QTimer m_watchdog;
    std::chrono::milliseconds m_timeout = DefaultTimeout;
    std::string m_userName;
    std::string m_password;
    int m_monthsBack = 0;
    bool m_running = false;
    bool m_loginSubmitted = false;
    bool m_recordsLinkClicked = false;
    bool m_querySubmitted = false;
    bool m_allowNavigation = true;
    bool m_externalWalk = false;
    ShellWindowsFactory m_shellWindowsFactory;
    std::unique_ptr<BrowserWindows> m_shellWindows; // mobjShellWindows, while a run lasts
    int m_shellWindowsPort = 0;
    std::unique_ptr<ExternalWindowSearch> m_search;
    QPointer<BrowserWindow> m_mIELog;
    std::string m_portalSite;
    std::unique_ptr<AttachedPages> m_attachedPages;
    std::string m_attachedWindow;
};
