// The "Non Password Version" of PortalSession: the walk over a record page the user opened in
// their own browser window.
#include "platform/browser/BrowserWindows.h"
#include "platform/dom/Document.h"
#include "retrieval/ExternalWindowSearch.h"
#include "retrieval/PortalSession.h"
#include "retrieval/SessionMessages.h"

#include <algorithm>

void PortalSession::setShellWindowsFactory(ShellWindowsFactory factory) {
    m_search.reset();
    m_shellWindows.reset();
    m_shellWindowsFactory = std::move(factory);
}

void PortalSession::startExternalRun(const RunRequest& request) {
    // mobjShellWindows: made for this run, let go when it ends
    m_shellWindows = m_shellWindowsFactory ? m_shellWindowsFactory(request.debugPort) : nullptr;
    m_shellWindowsPort = request.debugPort;
    if (!m_shellWindows || !AttachHelp::validPort(request.debugPort)) {
        m_shellWindows.reset();
        Q_EMIT Abandoned(SessionMessages::noExternalWindow(request.debugPort, {}));
        return;
    }
    m_running = true;
    m_search = std::make_unique<ExternalWindowSearch>(*m_shellWindows, m_layout);
    connect(m_search.get(), &ExternalWindowSearch::Found, this,
            &PortalSession::externalWindowFound);
    connect(m_search.get(), &ExternalWindowSearch::NotFound, this,
            &PortalSession::externalWindowMissing);
    restartWatchdog();
    reportProgress();
    m_search->start();
}

void PortalSession::externalWindowMissing() {
    const std::string problem = m_shellWindows->problem();
    QStringList titles;
    for (int i = 0; i < m_shellWindows->count(); ++i) {
        if (const BrowserWindow* window = m_shellWindows->item(i)) {
            titles << QString::fromStdString(window->title());
        }
    }
    m_search.release()->deleteLater();
    endWith(SessionMessages::noExternalWindow(m_shellWindowsPort, problem, titles));
}

void PortalSession::externalWindowFound(BrowserWindow* window) {
    m_search.release()->deleteLater();
    m_mIELog = window;
    connect(window, &BrowserWindow::DocumentComplete, this,
            &PortalSession::mIELog_DocumentComplete);
    connect(window, &BrowserWindow::Lost, this, &PortalSession::mIELog_Lost);
    m_externalWalk = true;
    restartWatchdog();
    reportProgress();
    // The window may show any page of the month: the walk starts from the first one, which
    // the "Homepage" link brings back; a page without it is taken as the first.
    Document* frame = window->document()->frames().front()->contentDocument();
    const auto& texts = m_layout.firstPageTexts;
    for (Element* link : frame->links()) {
        if (std::find(texts.begin(), texts.end(), link->innerText()) != texts.end()) {
            window->click(*link);
            return;
        }
    }
    walkRecordPage(*window->document());
}

void PortalSession::mIELog_DocumentComplete(const std::string&) {
    if (!m_externalWalk || !m_running || !m_mIELog || !m_mIELog->document()) {
        return;
    }
    restartWatchdog();
    walkRecordPage(*m_mIELog->document());
}

void PortalSession::mIELog_Lost(const std::string& why) {
    if (m_running && m_externalWalk) {
        m_externalWalk = false;
        endWith(SessionMessages::externalWindowLost(why));
    }
}

void PortalSession::detachExternalWindow() {
    if (m_search) {
        m_search->cancel();
        m_search.release()->deleteLater();
    }
    if (m_mIELog) {
        disconnect(m_mIELog, nullptr, this, nullptr);
    }
    m_mIELog = nullptr;
}
