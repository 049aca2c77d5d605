// The "Non Password Version" of PortalSession: the walk over a record page the user opened in
// their own browser window.
#include "platform/browser/BrowserWindows.h"
#include "platform/browser/WebAddress.h"
#include "platform/dom/Document.h"
#include "retrieval/AttachedPages.h"
#include "retrieval/ExternalWindowSearch.h"
#include "retrieval/PortalSession.h"
#include "retrieval/SessionMessages.h"

#include <QString>

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
    // a tab of another site titled like the portal is never read when the portal is named
    m_portalSite = AttachedPages::siteOf(
        QString::fromStdString(request.portalAddress).trimmed().toStdString());
    m_search = std::make_unique<ExternalWindowSearch>(*m_shellWindows, m_layout, m_portalSite);
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
    const std::string passedOver = m_search->passedOver();
    m_search.release()->deleteLater();
    endWith(SessionMessages::noExternalWindow(m_shellWindowsPort, problem, titles, passedOver));
}

void PortalSession::externalWindowFound(BrowserWindow* window) {
    m_search.release()->deleteLater();
    m_mIELog = window;
    m_attachedWindow = WebAddress::forMessage(window->address());
    connect(window, &BrowserWindow::DocumentComplete, this,
            &PortalSession::mIELog_DocumentComplete);
    connect(window, &BrowserWindow::Lost, this, &PortalSession::mIELog_Lost);
    m_externalWalk = true;
    m_attachedPages = std::make_unique<AttachedPages>(m_layout, m_portalSite);
    restartWatchdog();
    reportProgress();
    // The window may show any page of the month: the walk starts from the first one, which
    // the "Homepage" link brings back; a page without it is taken as the first.
    followAttached(m_attachedPages->start(*window->document()), *window->document());
}

void PortalSession::mIELog_DocumentComplete(const std::string&) {
    if (!m_externalWalk || !m_running || !m_mIELog || !m_mIELog->document()) {
        return;
    }
    restartWatchdog();
    Document& page = *m_mIELog->document();
    followAttached(m_attachedPages->loaded(page), page);
}

// Only a page the walk has not taken yet reaches the walk: the window loads for many other
// reasons (a frame that refreshes itself, the user reloading or clicking on).
void PortalSession::followAttached(const AttachedStep& step, Document& page) {
    switch (step.kind) {
    case AttachedStep::Kind::Walk:
        walkRecordPage(page);
        return;
    case AttachedStep::Kind::Click:
        m_mIELog->click(*step.link);
        return;
    case AttachedStep::Kind::Wait:
        return;
    case AttachedStep::Kind::Left:
        m_externalWalk = false;
        endWith(SessionMessages::externalWindowLeft(step.address));
        return;
    case AttachedStep::Kind::MovedOn:
        m_externalWalk = false;
        endWith(SessionMessages::externalWindowMovedOn(step.address));
        return;
    case AttachedStep::Kind::LeadsBack:
        endWith(SessionMessages::pagesLoop(m_walk.pagesWalked() + 1));
        return;
    }
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
