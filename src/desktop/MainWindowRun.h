#pragma once

#include "analysis/MonthAnalysis.h"
#include "desktop/ResultWindowPort.h"
#include "retrieval/PortalSession.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <optional>
#include <string>

class Browser;
class MessagePresenter;

// One press of "Check Bandwidth Usage" on the window's event loop, without the window: starts
// the portal session or the stored month, shows its messages, reports the page on view and the
// progress, and once the month is complete hands it to a fresh result window (Timer1, then
// ShowOutput). The window listens to the signals and moves its own controls.
class MainWindowRun : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds HandOverDelay{100};

    MainWindowRun(Browser& browser, MessagePresenter& messages, ResultWindowFactory resultWindows,
                  ReportOptions& options, QObject* parent = nullptr);
    ~MainWindowRun() override;

    void setTimeout(std::chrono::milliseconds timeout) { m_session.setTimeout(timeout); }

    // Starts a run in the request's mode; a run still going is ended first. A "Password
    // Version" run without a user name or password is refused before the portal is asked.
    void cmdCalculate_Click(const RunRequest& request);
    // Hands the stored month `entry` ("2007-03-alice") of `folder` over as "Use Cache Data"
    // does, whatever the window's tab and address.
    void openStoredMonth(const QString& folder, const QString& entry);
    // Ends the walk in progress as a failed walk ends: nothing is stored, no report follows.
    void stop();
    bool running() const { return m_session.running(); }
    // Asked before a press would start a "Password Version" check that is under way again
    // from its first page (No, the default, leaves it running); empty when nothing runs.
    QString restartQuestion() const;
    // Timer1 is armed: the month is complete and the hand-over follows.
    bool handOverPending() const { return m_timer1.isActive(); }

    const PortalSession& session() const { return m_session; }

Q_SIGNALS:
    // A portal run begins: the window shows its "Processing" tab.
    void processingStarted();
    // The page now on view (the record frame when the page has one), as HTML.
    void pageShown(const QString& html);
    void progressChanged(const QString& line);
    // After a message: the control the user is sent back to ("cmbAdminURL").
    void focusRequested(const QString& controlName);
    // The run ended without a report (failed, stopped or refused).
    void runEnded(bool stopped);
    // Timer1's tick is over: the window returns to "Login Info" and, when asked, refreshes
    // its list of stored months.
    void handOverFinished(bool refreshCacheFileList);

private:
    void sessionFinished(const MonthRecord& month);
    void sessionAbandoned(const RunMessage& message);
    void sessionNotice(const RunMessage& message);
    void sessionProgress(const RunProgress& progress);
    void documentComplete();
    void Timer1_Timer();
    bool ShowOutput();
    void WriteOutput(ResultWindowPort& window);
    void startRun(RunMode mode, bool cachingEnabled);
    void recordInHistory();

    Browser& m_browser;
    MessagePresenter& m_messages;
    ResultWindowFactory m_resultWindows;
    ReportOptions& m_options;
    PortalSession m_session;
    MonthAnalysis m_month;
    QTimer m_timer1;
    QElapsedTimer m_clock;
    RunMode m_mode = RunMode::PasswordVersion;
    bool m_cachingEnabled = false;
    QString m_monthFile;                 // the month file the report is built from, if any
    std::optional<std::string> m_portal; // where the month came from, when the portal said
    bool m_noticeShown = false;          // the month file may not hold what the report shows
    bool m_historyWarned = false;        // a history that cannot be written is said once
};
