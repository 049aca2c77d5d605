#include "desktop/MainWindowRun.h"

#include "history/MonthHistory.h"
#include "platform/MessagePresenter.h"
#include "platform/browser/Browser.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "report/ReportRow.h"
#include "retrieval/SessionMessages.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

// The record frame when the page is a frameset (the portal's record pages are), else the page.
const Document* pageOnView(const Document* top) {
    if (!top) {
        return nullptr;
    }
    const auto frames = top->frames();
    if (!frames.empty() && frames.front()->contentDocument()) {
        return frames.front()->contentDocument();
    }
    return top;
}

} // namespace

MainWindowRun::MainWindowRun(Browser& browser, MessagePresenter& messages,
                             ResultWindowFactory resultWindows, ReportOptions& options,
                             QObject* parent)
    : QObject(parent)
    , m_browser(browser)
    , m_messages(messages)
    , m_resultWindows(std::move(resultWindows))
    , m_options(options)
    , m_session(browser) {
    m_timer1.setSingleShot(true);
    m_timer1.setInterval(HandOverDelay);
    connect(&m_timer1, &QTimer::timeout, this, &MainWindowRun::Timer1_Timer);
    connect(&m_session, &PortalSession::Finished, this, &MainWindowRun::sessionFinished);
    connect(&m_session, &PortalSession::Abandoned, this, &MainWindowRun::sessionAbandoned);
    connect(&m_session, &PortalSession::Notice, this, &MainWindowRun::sessionNotice);
    connect(&m_session, &PortalSession::ProgressChanged, this, &MainWindowRun::sessionProgress);
    // After the session's own handler (connected first): the page it has just acted on.
    connect(&browser, &Browser::DocumentComplete, this, &MainWindowRun::documentComplete);
}

MainWindowRun::~MainWindowRun() = default;

void MainWindowRun::startRun(RunMode mode, bool cachingEnabled) {
    m_timer1.stop();
    m_mode = mode;
    m_cachingEnabled = cachingEnabled;
    m_monthFile.clear();
    m_portal.reset();
    m_noticeShown = false;
    m_clock.start();
}

void MainWindowRun::cmdCalculate_Click(const RunRequest& request) {
    const bool toPortal = request.mode == RunMode::PasswordVersion &&
                          !QString::fromStdString(request.portalAddress).trimmed().isEmpty();
    if (toPortal) {
        if (const auto refused = SessionMessages::noLogin(request.userName, request.password)) {
            m_session.stop(); // the user chose to start again: the old check ends either way
            sessionAbandoned(*refused);
            return;
        }
    }
    startRun(request.mode, request.cachingEnabled);
    if (request.mode == RunMode::UseCacheData && request.selectedCacheEntry) {
        m_monthFile = QDir(request.cacheFolder).filePath(*request.selectedCacheEntry + ".cache");
    } else if (request.mode == RunMode::PasswordVersion) {
        m_portal = request.portalAddress;
    }
    // Only a run that will reach the portal has anything to show on "Processing".
    if (toPortal) {
        Q_EMIT processingStarted();
    }
    m_session.cmdCalculate_Click(request);
}

void MainWindowRun::openStoredMonth(const QString& folder, const QString& entry) {
    startRun(RunMode::UseCacheData, false);
    m_monthFile = QDir(folder).filePath(entry + ".cache");
    RunRequest request;
    request.mode = RunMode::UseCacheData;
    request.cacheFolder = folder;
    request.selectedCacheEntry = entry;
    m_session.openStoredMonth(request);
}

QString MainWindowRun::restartQuestion() const {
    if (!m_session.running() || m_mode != RunMode::PasswordVersion) {
        return {};
    }
    const double seconds = static_cast<double>(m_clock.elapsed()) / 1000.0;
    return "A check is under way (" + QString::fromStdString(m_session.progress().text(seconds)) +
           "). Stop it and start again from the first page?";
}

void MainWindowRun::stop() {
    m_session.stop();
}

void MainWindowRun::sessionFinished(const MonthRecord& month) {
    if (m_mode != RunMode::UseCacheData) {
        // the month file the walk wrote, when it wrote one
        m_monthFile = m_session.walk().mstrCacheFile();
    }
    m_month.GrabbingFinished(month);
    m_timer1.start();
}

void MainWindowRun::sessionAbandoned(const RunMessage& message) {
    if (message.reason == RunMessage::Reason::Stopped) {
        Q_EMIT progressChanged(message.text);
    } else {
        m_messages.show(message.boxText(), message.title, message.icon);
        if (!message.focus.isEmpty()) {
            Q_EMIT focusRequested(message.focus);
        }
    }
    Q_EMIT runEnded(message.reason == RunMessage::Reason::Stopped);
}

void MainWindowRun::sessionNotice(const RunMessage& message) {
    m_noticeShown = true;
    m_messages.show(message.text, message.title, message.icon);
}

void MainWindowRun::sessionProgress(const RunProgress& progress) {
    const double seconds = static_cast<double>(m_clock.elapsed()) / 1000.0;
    Q_EMIT progressChanged(QString::fromStdString(progress.text(seconds)));
}

void MainWindowRun::documentComplete() {
    if (const Document* page = pageOnView(m_browser.document())) {
        Q_EMIT pageShown(QString::fromStdString(page->outerHTML()));
    }
}

void MainWindowRun::Timer1_Timer() {
    m_timer1.stop(); // one hand-over per run, however long the result window stays open
    const bool shown = ShowOutput();
    Q_EMIT handOverFinished(shown && m_cachingEnabled && m_mode != RunMode::UseCacheData);
}

// The report built into the window, on the plan the window restored as it loaded.
void MainWindowRun::WriteOutput(ResultWindowPort& window) {
    std::optional<MonthResult> result =
        m_month.build(m_options, window.planChoice(), &window.reportDocument());
    // A month without a detail table still shows the window, with what it holds.
    if (result) {
        window.showResult(std::move(*result));
    }
}

bool MainWindowRun::ShowOutput() {
    const std::unique_ptr<ResultWindowPort> window = m_resultWindows(m_month, m_options);
    try {
        WriteOutput(*window);
    } catch (const ReportError& error) {
        m_messages.show(QString::fromUtf8(error.what()), RunMessage::ApplicationTitle,
                        MessageIcon::Critical);
        return false;
    }
    window->LoadCombo();
    window->setSuppressEvents(true);
    window->copyOptionControls(m_options);
    window->SetCheckBoxState();
    window->setSuppressEvents(false);
    m_session.clearExternalWalk();
    window->showModal();
    recordInHistory();
    return true;
}

// After the report was shown, so the history never keeps it waiting. A notice on the way (a
// month file that could not be read or stored) means the file may not hold this month: the
// history keeps what it had.
void MainWindowRun::recordInHistory() {
    if (m_monthFile.isEmpty() || m_noticeShown) {
        return;
    }
    const QFileInfo file(m_monthFile);
    const std::vector<std::string> notices =
        MonthHistory::recordMonthFile(file.absolutePath(), file.fileName(), m_portal);
    if (notices.empty() || m_historyWarned) {
        return;
    }
    m_historyWarned = true;
    QStringList lines;
    for (const std::string& notice : notices) {
        lines << QString::fromStdString(notice);
    }
    m_messages.show("The history of stored months was not brought up to date: " + lines.join('\n') +
                        "\nThe check itself is complete.",
                    RunMessage::ApplicationTitle, MessageIcon::Warning);
}
