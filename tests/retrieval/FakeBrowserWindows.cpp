#include "retrieval/FakeBrowserWindows.h"

#include "platform/browser/Browser.h"

FakeBrowserWindow::FakeBrowserWindow(std::string title, std::unique_ptr<Document> page)
    : m_title(std::move(title))
    , m_page(std::move(page)) {}

FakeBrowserWindow::FakeBrowserWindow(std::string title, Browser& browser)
    : m_title(std::move(title))
    , m_browser(&browser) {
    connect(&browser, &Browser::DocumentComplete, this,
            [this](const std::string& url) { Q_EMIT DocumentComplete(url); });
}

void FakeBrowserWindow::load() {
    ++m_loads;
    m_detached = false;
    if (m_hang) {
        return;
    }
    if (!m_loadFailure.empty()) {
        Q_EMIT LoadFailed(m_loadFailure);
        return;
    }
    Q_EMIT Loaded();
}

Document* FakeBrowserWindow::document() const {
    return m_browser ? m_browser->document() : m_page.get();
}

void FakeBrowserWindow::click(Element& link) {
    m_clicks.push_back(link.innerText());
    if (m_browser) {
        m_browser->click(link);
    }
}

FakeBrowserWindow& FakeBrowserWindows::add(std::unique_ptr<FakeBrowserWindow> window) {
    m_windows.push_back(std::move(window));
    return *m_windows.back();
}

FakeBrowserWindow& FakeBrowserWindows::addPage(std::string title, const std::string& html,
                                               const std::vector<std::string>& frameHtml) {
    auto page = Document::parse(html);
    const auto frames = page->frames();
    for (std::size_t i = 0; i < frameHtml.size() && i < frames.size(); ++i) {
        frames[i]->setContentDocument(Document::parse(frameHtml[i]));
    }
    return add(std::make_unique<FakeBrowserWindow>(std::move(title), std::move(page)));
}

void FakeBrowserWindows::refresh() {
    Q_EMIT Refreshed();
}

BrowserWindow* FakeBrowserWindows::item(int index) const {
    return index >= 0 && index < count() ? m_windows[static_cast<std::size_t>(index)].get()
                                         : nullptr;
}
