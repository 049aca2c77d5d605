#include "retrieval/ExternalWindowSearch.h"

#include "platform/browser/BrowserWindows.h"
#include "platform/browser/WebAddress.h"
#include "platform/dom/Document.h"

namespace {

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) {
        out += (out.empty() ? "" : ", ") + item;
    }
    return out;
}

} // namespace

ExternalWindowSearch::ExternalWindowSearch(BrowserWindows& windows, PortalLayout layout,
                                           std::string site, QObject* parent)
    : QObject(parent)
    , m_windows(windows)
    , m_layout(layout)
    , m_site(std::move(site)) {
    m_windowTimer.setSingleShot(true);
    connect(&m_windowTimer, &QTimer::timeout, this, [this] {
        failed("it did not answer within " +
               std::to_string(std::chrono::ceil<std::chrono::seconds>(m_windowTimeout).count()) +
               " seconds");
    });
}

bool ExternalWindowSearch::titleQualifies(const std::string& title, const PortalLayout& layout) {
    return title.find(layout.externalTitlePart) != std::string::npos;
}

bool ExternalWindowSearch::showsFirstRecordPage(const std::string& title, const Document* document,
                                                const PortalLayout& layout) {
    if (!document || !titleQualifies(title, layout)) {
        return false;
    }
    const auto frames = document->frames();
    if (frames.empty() || !frames.front()->contentDocument()) {
        return false;
    }
    const Element* root = frames.front()->contentDocument()->documentElement();
    const std::string text = root ? root->innerText() : std::string();
    for (const std::string_view mark : layout.recordFrameMarks) {
        if (text.find(mark) != std::string::npos) {
            return true;
        }
    }
    return false;
}

bool ExternalWindowSearch::onSite(const std::string& address) const {
    return m_site.empty() || WebAddress::host(address) == m_site;
}

std::string ExternalWindowSearch::passedOver() const {
    std::string out;
    if (!m_otherSites.empty()) {
        out = "windows like the portal's on other sites than " + m_site +
              " were not read: " + joined(m_otherSites);
    }
    if (!m_unreadable.empty()) {
        out += (out.empty() ? "" : "; ") + std::string("windows that could not be read: ") +
               joined(m_unreadable);
    }
    return out;
}

void ExternalWindowSearch::start() {
    cancel();
    m_active = true;
    m_next = 0;
    m_otherSites.clear();
    m_unreadable.clear();
    connect(&m_windows, &BrowserWindows::Refreshed, this, &ExternalWindowSearch::listed,
            Qt::UniqueConnection);
    m_windows.refresh();
}

void ExternalWindowSearch::cancel() {
    m_active = false;
    disconnect(&m_windows, &BrowserWindows::Refreshed, this, &ExternalWindowSearch::listed);
    if (m_reading) {
        m_reading->detach();
    }
    release();
}

void ExternalWindowSearch::listed() {
    disconnect(&m_windows, &BrowserWindows::Refreshed, this, &ExternalWindowSearch::listed);
    if (m_active) {
        tryNext();
    }
}

void ExternalWindowSearch::tryNext() {
    while (m_next < m_windows.count()) {
        BrowserWindow* window = m_windows.item(m_next++);
        // the title and address come with the list: pages of other sites are never read
        if (!window || !titleQualifies(window->title(), m_layout)) {
            continue;
        }
        if (!onSite(window->address())) {
            m_otherSites.push_back(WebAddress::forMessage(window->address()));
            continue;
        }
        m_reading = window;
        connect(window, &BrowserWindow::Loaded, this, &ExternalWindowSearch::loaded);
        connect(window, &BrowserWindow::LoadFailed, this, &ExternalWindowSearch::failed);
        connect(window, &BrowserWindow::Lost, this, &ExternalWindowSearch::failed);
        m_windowTimer.start(m_windowTimeout);
        window->load();
        return;
    }
    m_active = false;
    Q_EMIT NotFound();
}

void ExternalWindowSearch::loaded() {
    BrowserWindow* window = m_reading;
    release();
    if (!m_active || !window) {
        return;
    }
    const Document* document = window->document();
    // the document's own title and address decide; the listed ones may be older
    const std::string title = document ? document->rawTitle() : std::string();
    if (showsFirstRecordPage(title, document, m_layout) && onSite(document->url())) {
        m_active = false;
        Q_EMIT Found(window);
        return;
    }
    window->detach();
    tryNext();
}

void ExternalWindowSearch::failed(const std::string& why) {
    if (m_reading) {
        m_unreadable.push_back(WebAddress::forMessage(m_reading->address()) + " (" + why + ")");
        m_reading->detach();
    }
    release();
    if (m_active) {
        tryNext();
    }
}

void ExternalWindowSearch::release() {
    m_windowTimer.stop();
    if (m_reading) {
        disconnect(m_reading, nullptr, this, nullptr);
    }
    m_reading = nullptr;
}
