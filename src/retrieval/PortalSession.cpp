#include "retrieval/PortalSession.h"

#include "platform/NumberFormat.h"
#include "platform/PlainText.h"
#include "platform/browser/Browser.h"
#include "platform/browser/BrowserWindows.h"
#include "platform/browser/DevToolsWindows.h"
#include "platform/browser/WebAddress.h"
#include "platform/dom/Document.h"
#include "platform/dom/FormFields.h"
#include "retrieval/AttachedPages.h"
#include "retrieval/CacheMode.h"
#include "retrieval/ExternalWindowSearch.h"
#include "retrieval/SessionMessages.h"

#include <QString>
#include <cstdio>

namespace {

std::string trimmed(const std::string& text) {
    return QString::fromStdString(text).trimmed().toStdString();
}

Element* firstForm(const Document& document) {
    const auto forms = document.forms();
    return forms.empty() ? nullptr : forms.front();
}

Element* firstNamed(const Element& form, std::string_view name) {
    const auto controls = FormFields::named(form, name);
    return controls.empty() ? nullptr : controls.front();
}

// What makes a page the login page: form 0 with the user name and password fields. The title
// alone does not: a portal may call every page "portal".
Element* loginForm(const Document& document, const PortalLayout& layout) {
    Element* form = firstForm(document);
    return form && firstNamed(*form, layout.userNameField) &&
                   firstNamed(*form, layout.passwordField)
               ? form
               : nullptr;
}

} // namespace

PortalSession::PortalSession(Browser& browser, PortalLayout layout, QObject* parent)
    : QObject(parent)
    , m_browser(browser)
    , m_layout(layout) {
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, &PortalSession::progressTimedOut);
    connect(&browser, &Browser::DocumentComplete, this,
            &PortalSession::WebBrowser1_DocumentComplete);
    connect(&browser, &Browser::BeforeNavigate, this, &PortalSession::WebBrowser1_BeforeNavigate);
    connect(&browser, &Browser::NavigationFailed, this,
            &PortalSession::WebBrowser1_NavigationFailed);
    m_shellWindowsFactory = [](int port) { return std::make_unique<DevToolsWindows>(port); };
}

PortalSession::~PortalSession() {
    wipeSecret(m_password);
}

void PortalSession::endPreviousRun() {
    if (m_running) {
        m_browser.stop();
        end();
    }
    // a new run ends any walk of the user's window, whatever the mode
    m_externalWalk = false;
    detachExternalWindow();
    m_attachedWindow.clear();
}

void PortalSession::openStoredMonth(const RunRequest& request) {
    endPreviousRun();
    m_walk = RecordPageWalk({false, request.cacheFolder, std::string(), m_layout});
    m_allowNavigation = true;
    startCacheRun(request);
}

void PortalSession::cmdCalculate_Click(const RunRequest& request) {
    endPreviousRun();
    if (trimmed(request.portalAddress).empty()) {
        Q_EMIT Abandoned(SessionMessages::noAddress());
        return;
    }
    const bool passwordVersion = request.mode == RunMode::PasswordVersion;
    m_walk = RecordPageWalk({request.cachingEnabled, request.cacheFolder,
                             passwordVersion ? request.userName : std::string(), m_layout});
    m_allowNavigation = true;
    if (request.mode == RunMode::UseCacheData) {
        startCacheRun(request);
        return;
    }
    if (passwordVersion) {
        startPortalRun(request);
        return;
    }
    // the user name comes from the record page itself: the window was logged in by the user
    startExternalRun(request);
}

void PortalSession::startCacheRun(const RunRequest& request) {
    CachedMonth month;
    try {
        month = CacheMode::loadSelected(request.cacheFolder, request.selectedCacheEntry);
    } catch (const StoredMonthError& error) {
        Q_EMIT Abandoned(SessionMessages::storedMonthRefused(error));
        return;
    }
    // A stored month has no portal total, so the report shows no comparison.
    Q_EMIT Finished(MonthRecord{std::move(month.rows), month.month.toStdString(), FixedPoint()});
}

void PortalSession::startPortalRun(const RunRequest& request) {
    m_loginSubmitted = false;
    m_recordsLinkClicked = false;
    m_querySubmitted = false;
    m_userName = request.userName;
    wipeSecret(m_password);
    m_password = request.password;
    m_monthsBack = request.monthsBack;
    m_running = true;
    m_allowNavigation = true;
    restartWatchdog();
    reportProgress();
    // The address goes out as typed; only the check for an empty box ignores blanks.
    m_browser.Navigate(request.portalAddress);
}

void PortalSession::WebBrowser1_BeforeNavigate(const std::string&, bool& cancel) {
    if (!m_allowNavigation) {
        cancel = true;
    }
}

void PortalSession::WebBrowser1_DocumentComplete(const std::string& url) {
    m_allowNavigation = false;
    if (url.empty() || !m_running) {
        return;
    }
    restartWatchdog();
    Document& document = *m_browser.document();
    // the login page to fill is the one titled exactly "portal"; "portal " is another page
    if (!m_loginSubmitted && document.rawTitle() == m_layout.loginTitle) {
        submitLogin(document);
    } else if (m_loginSubmitted && loginForm(document, m_layout)) {
        // The portal sends its login page back for a wrong password, and once a session has
        // ended: waiting on would wait for ever.
        endWith(m_querySubmitted ? SessionMessages::relogin(url, false)
                                 : SessionMessages::loginRejected());
    } else if (m_loginSubmitted && !m_recordsLinkClicked) {
        clickRecordsLink(document);
    } else if (m_recordsLinkClicked && !m_querySubmitted) {
        submitMonthQuery(document);
    } else if (m_querySubmitted && url.find(m_layout.resultsAddressPart) != std::string::npos) {
        walkRecordPage(document);
    }
}

void PortalSession::submitLogin(Document& document) {
    Element* form = loginForm(document, m_layout);
    if (!form) {
        endWith(SessionMessages::portalChanged("the login page has no form with the fields \"" +
                                               std::string(m_layout.userNameField) + "\" and \"" +
                                               std::string(m_layout.passwordField) + "\""));
        return;
    }
    // a form sent any other way puts its fields, the password among them, into the address
    if (!FormFields::isPost(*form)) {
        endWith(SessionMessages::portalChanged(
            "the login form is not sent with method=\"post\", so the password would go into "
            "the page's address; it was not sent"));
        return;
    }
    FormFields::setValue(*firstNamed(*form, m_layout.userNameField), m_userName);
    FormFields::setValue(*firstNamed(*form, m_layout.passwordField), m_password);
    wipeSecret(m_password);
    m_loginSubmitted = true;
    m_allowNavigation = true;
    reportProgress();
    m_browser.submit(*form);
}

void PortalSession::clickRecordsLink(Document& document) {
    for (Element* link : document.links()) {
        if (link->innerText() == m_layout.recordsLinkText) {
            m_recordsLinkClicked = true;
            m_allowNavigation = true;
            reportProgress();
            m_browser.click(*link);
            return;
        }
    }
    // Not there yet: the portal may show a page of its own first; the time-out ends the wait.
}

void PortalSession::submitMonthQuery(Document& document) {
    const auto frames = document.frames();
    const Document* frame =
        frames.size() > static_cast<std::size_t>(m_layout.recordFrame)
            ? frames[static_cast<std::size_t>(m_layout.recordFrame)]->contentDocument()
            : nullptr;
    Element* form = frame ? firstForm(*frame) : nullptr;
    const auto choices =
        form ? FormFields::named(*form, m_layout.monthChoiceField) : std::vector<Element*>();
    if (m_monthsBack < 0 || static_cast<std::size_t>(m_monthsBack) >= choices.size()) {
        endWith(SessionMessages::portalChanged("the service-record page offers no month choice \"" +
                                               std::string(m_layout.monthChoiceField) + "\" " +
                                               std::to_string(m_monthsBack)));
        return;
    }
    FormFields::setChecked(*form, *choices[static_cast<std::size_t>(m_monthsBack)], true);
    m_querySubmitted = true;
    m_allowNavigation = true;
    reportProgress();
    m_browser.submit(*form);
}

void PortalSession::walkRecordPage(Document& document) {
    const WalkStep step = m_walk.ProcessRecordPage(document);
    reportProgress();
    switch (step.kind) {
    case WalkStep::Kind::NextPage:
        // the user's own window is not guarded: its clicks never touch mblnAllowNavigation
        if (m_externalWalk && m_mIELog) {
            m_attachedPages->walked(document, step.nextPageLink);
            m_mIELog->click(*step.nextPageLink);
            return;
        }
        m_allowNavigation = true;
        m_browser.click(*step.nextPageLink);
        return;
    case WalkStep::Kind::Abandoned:
        if (step.message.reason == RunMessage::Reason::Relogin) {
            m_externalWalk = false;
        }
        endWith(step.message);
        return;
    case WalkStep::Kind::Finished:
        end();
        for (const RunMessage& notice : m_walk.notices()) {
            Q_EMIT Notice(notice);
        }
        Q_EMIT Finished(m_walk.takeMonth());
        return;
    }
}

void PortalSession::WebBrowser1_NavigationFailed(const BrowserFailure& failure) {
    if (m_running) {
        endWith(SessionMessages::navigationFailed(failure));
    }
}

void PortalSession::progressTimedOut() {
    if (!m_running) {
        return;
    }
    m_browser.stop();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(m_timeout).count();
    endWith(SessionMessages::timedOut(awaitedPage(), static_cast<int>(seconds)));
}

void PortalSession::stop() {
    if (m_running) {
        m_browser.stop();
        endWith(SessionMessages::stopped());
    }
}

// Once a run has ended, nothing of the user's window reaches the walk again: pages the user
// opens there afterwards must not add rows to a month already handed over. The connection to
// the user's browser closes with the run (later, as this may run inside one of its events).
void PortalSession::end() {
    m_running = false;
    m_watchdog.stop();
    wipeSecret(m_password);
    detachExternalWindow();
    if (m_shellWindows) {
        m_shellWindows.release()->deleteLater();
    }
}

void PortalSession::endWith(const RunMessage& message) {
    end();
    Q_EMIT Abandoned(message);
}

void PortalSession::restartWatchdog() {
    if (m_timeout.count() > 0) {
        m_watchdog.start(m_timeout);
    }
}

RunProgress PortalSession::progress() const {
    RunProgress::Stage stage = RunProgress::Stage::OpeningPortal;
    if (m_externalWalk || m_search) {
        stage =
            m_walk.pagesWalked() > 0 ? RunProgress::Stage::Walking : RunProgress::Stage::Attaching;
    } else if (m_querySubmitted) {
        stage = m_walk.pagesWalked() > 0 ? RunProgress::Stage::Walking
                                         : RunProgress::Stage::QueryingMonth;
    } else if (m_recordsLinkClicked) {
        stage = RunProgress::Stage::OpeningRecords;
    } else if (m_loginSubmitted) {
        stage = RunProgress::Stage::LoggingIn;
    }
    return {stage, m_walk.pagesWalked(), m_walk.rowsTaken(), m_walk.pageCount(), m_attachedWindow};
}

void PortalSession::reportProgress() {
    Q_EMIT ProgressChanged(progress());
}

std::string RunProgress::text(double seconds) const {
    char elapsed[32];
    std::snprintf(elapsed, sizeof elapsed, "%.1f s", seconds);
    switch (stage) {
    case Stage::OpeningPortal:
        return std::string("opening the portal, ") + elapsed;
    case Stage::LoggingIn:
        return std::string("logging in, ") + elapsed;
    case Stage::OpeningRecords:
        return std::string("opening the service records, ") + elapsed;
    case Stage::QueryingMonth:
        return std::string("asking for the month, ") + elapsed;
    case Stage::Attaching:
        return std::string("looking for the browser window, ") + elapsed;
    case Stage::Walking:
        break;
    }
    // a count the walk has gone past (rows arrived meanwhile) is no longer the month's
    const std::string of =
        pages <= pageCount ? " of " + NumberFormat::grouped(pageCount) : std::string();
    return "page " + NumberFormat::grouped(pages) + of + ", " + NumberFormat::grouped(rows) +
           (rows == 1 ? " row, " : " rows, ") + elapsed + (window.empty() ? "" : ", in " + window);
}

std::string PortalSession::awaitedPage() const {
    if (m_externalWalk) {
        return "Record page " + std::to_string(m_walk.pagesWalked() + 1) + " in the browser window";
    }
    if (m_search) {
        const BrowserWindow* window = m_search->reading();
        return window ? "An answer from the browser window at " +
                            WebAddress::forMessage(window->address())
                      : "The list of the browser's windows";
    }
    if (m_querySubmitted) {
        return "Record page " + std::to_string(m_walk.pagesWalked() + 1);
    }
    if (m_recordsLinkClicked) {
        return "The service-record page with the month choice";
    }
    if (m_loginSubmitted) {
        return "A page with the \"" + std::string(m_layout.recordsLinkText) + "\" link";
    }
    return "The portal's login page";
}
