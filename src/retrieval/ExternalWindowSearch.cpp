#include "retrieval/ExternalWindowSearch.h"

#include "platform/browser/BrowserWindows.h"
#include "platform/dom/Document.h"

ExternalWindowSearch::ExternalWindowSearch(BrowserWindows& windows, PortalLayout layout,
                                           QObject* parent)
    : QObject(parent)
    , m_windows(windows)
    , m_layout(layout) {}

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

void ExternalWindowSearch::start() {
    cancel();
    m_active = true;
    m_next = 0;
    connect(&m_windows, &BrowserWindows::Refreshed, this, &ExternalWindowSearch::listed,
            Qt::UniqueConnection);
    m_windows.refresh();
}

void ExternalWindowSearch::cancel() {
    m_active = false;
    disconnect(&m_windows, &BrowserWindows::Refreshed, this, &ExternalWindowSearch::listed);
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
        // the title comes with the list: pages of other sites are never read
        if (!window || !titleQualifies(window->title(), m_layout)) {
            continue;
        }
        m_reading = window;
        connect(window, &BrowserWindow::Loaded, this, &ExternalWindowSearch::loaded);
        connect(window, &BrowserWindow::LoadFailed, this, &ExternalWindowSearch::passOver);
        connect(window, &BrowserWindow::Lost, this, &ExternalWindowSearch::passOver);
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
    // the document's own title decides; the listed one may be older
    const std::string title = document ? document->rawTitle() : std::string();
    if (showsFirstRecordPage(title, document, m_layout)) {
        m_active = false;
        Q_EMIT Found(window);
        return;
    }
    tryNext();
}

void ExternalWindowSearch::passOver() {
    release();
    if (m_active) {
        tryNext();
    }
}

void ExternalWindowSearch::release() {
    if (m_reading) {
        disconnect(m_reading, nullptr, this, nullptr);
    }
    m_reading = nullptr;
}
