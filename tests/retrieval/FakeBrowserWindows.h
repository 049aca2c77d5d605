#pragma once

#include "platform/browser/BrowserWindows.h"
#include "platform/dom/Document.h"

#include <memory>
#include <string>
#include <vector>

class Browser;

// A window of the user's browser for the session tests: either a fixed page, or a live page
// of one of our own browsers (a FakeBrowser on the simulated portal) that the test has
// brought to the record page as a user would. It records what was read and clicked.
class FakeBrowserWindow final : public BrowserWindow {
public:
    FakeBrowserWindow(std::string title, std::unique_ptr<Document> page);
    FakeBrowserWindow(std::string title, Browser& browser);

    std::string title() const override { return m_title; }
    std::string address() const override { return document() ? document()->url() : ""; }
    void load() override;
    Document* document() const override;
    void click(Element& link) override;
    void detach() override { m_detached = true; }

    // Every later load fails with this reason, or (hang) never answers.
    void failLoads(std::string why) { m_loadFailure = std::move(why); }
    void hang() { m_hang = true; }

    int loads() const { return m_loads; }
    // Let go of since its last load (for a real window: its socket closed).
    bool detached() const { return m_detached; }
    // The inner text of every link clicked, in order.
    const std::vector<std::string>& clicks() const { return m_clicks; }

private:
    std::string m_title;
    std::unique_ptr<Document> m_page;
    Browser* m_browser = nullptr;
    std::string m_loadFailure;
    int m_loads = 0;
    bool m_detached = false;
    bool m_hang = false;
    std::vector<std::string> m_clicks;
};

// The window list, answered at once.
class FakeBrowserWindows final : public BrowserWindows {
public:
    FakeBrowserWindow& add(std::unique_ptr<FakeBrowserWindow> window);
    // A window showing a fixed page (HTML, with its frames' HTML for frame 0, 1, ...).
    FakeBrowserWindow& addPage(std::string title, const std::string& html,
                               const std::vector<std::string>& frameHtml = {});

    void refresh() override;
    int count() const override { return static_cast<int>(m_windows.size()); }
    BrowserWindow* item(int index) const override;
    std::string searched() const override { return "the fake browser"; }
    std::string problem() const override { return {}; }

private:
    std::vector<std::unique_ptr<FakeBrowserWindow>> m_windows;
};
