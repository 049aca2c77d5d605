#include "cli/MonthCheck.h"

#include "cli/AlertDelivery.h"
#include "cli/CliError.h"
#include "cli/HistoryUpdate.h"
#include "cli/ProgressLine.h"
#include "platform/HeadlessApplication.h"
#include "platform/PlainText.h"
#include "platform/browser/Browser.h"
#include "retrieval/PortalBrowser.h"

#include <iostream>

MonthCheck::MonthCheck(ReportRequest request, RunRequest run)
    : m_request(std::move(request))
    , m_run(std::move(run)) {}

MonthCheck::~MonthCheck() {
    wipeSecret(m_run.password);
}

const CheckOutcome& MonthCheck::execute() {
    const HeadlessApplication application;
    const auto timeout = std::chrono::milliseconds(static_cast<long long>(m_timeoutSeconds * 1000));
    {
        const std::unique_ptr<Browser> browser = PortalBrowser::make(timeout);
        ProgressLine progress(ProgressLine::wanted(m_quiet));
        m_outcome = PortalCheck::run(*browser, m_run, timeout, progress);
    }
    wipeSecret(m_run.password);
    for (const RunMessage& notice : m_outcome.notices) {
        std::cerr << "veltrix: warning: " << notice.oneLine() << '\n';
    }
    if (!m_outcome.month) {
        throw CliError(m_outcome.failure.oneLine());
    }
    return m_outcome;
}

void MonthCheck::report(std::ostream& out) {
    m_report = std::make_unique<MonthReport>(m_request);
    const double portalTotalGB = m_outcome.month->mcurSiteTotal.toDouble();
    // the report takes the month, and the walk's rows with it
    m_report->build(std::move(*m_outcome.month),
                    m_run.userName.empty() ? m_outcome.userName : m_run.userName);
    m_outcome.month.reset();
    m_report->extraJson()["pages_fetched"] = m_outcome.pagesFetched;
    m_report->extraJson()["portal_total_gb"] = portalTotalGB;
    if (!m_outcome.attachedWindow.empty()) {
        m_report->extraJson()["attached_window"] = m_outcome.attachedWindow;
    }
    m_report->writeFiles();
    if (!m_request.jsonToStandardOutput()) {
        m_report->printText(out);
    }
    // a warning on the way (a damaged or unwritable month file) means the file may not hold
    // this month: it already said so, and the history keeps what it had
    if (!m_outcome.monthFile.isEmpty() && m_outcome.notices.empty()) {
        HistoryUpdate::afterMonth(m_outcome.monthFile,
                                  m_run.mode == RunMode::PasswordVersion
                                      ? std::optional(m_run.portalAddress)
                                      : std::nullopt,
                                  std::cerr);
    }
    AlertDelivery::finish(m_report->alerts(), m_request.alerts, std::cerr);
}
