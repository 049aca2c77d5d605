#pragma once

#include "platform/browser/Browser.h"
#include "platform/browser/Navigation.h"
#include "portal-sim/SimSite.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A browser whose pages come straight from the simulated portal's SimSite, without HTTP: only
// the transport is faked. What a typed address, a link or a form asks for, and the browsing
// context it loads into, come from the real browser's Navigation and FrameTree. Navigations
// wait until the test delivers them, one event at a time, as the real browser's event loop
// does; frames load before the page counts as complete; cookies and redirects are kept.
class FakeBrowser final : public Browser {
public:
    explicit FakeBrowser(SimSite& site);
    ~FakeBrowser() override;

    void Navigate(const std::string& url) override;
    Document* document() const override { return m_top.get(); }
    void submit(Element& form) override;
    void click(Element& link) override;
    bool busy() const override { return m_pending.has_value(); }
    void stop() override { m_pending.reset(); }

    // Loads the navigation in progress and raises its event; false when there is none.
    bool deliver();
    // Delivers until nothing is pending (at most `limit` events); returns how many.
    int deliverAll(int limit = 100000);

    // Every address fetched, frames and redirects included.
    const std::vector<std::string>& fetched() const { return m_fetched; }
    // Navigations the owner cancelled in BeforeNavigate.
    const std::vector<std::string>& cancelled() const { return m_cancelled; }

    static constexpr char Origin[] = "http://portal.test";

private:
    void start(::Navigation navigation);
    void loadInto(const ::Navigation& navigation);
    std::unique_ptr<Document> load(std::string method, std::string url, std::string body,
                                   std::string& finalUrl, int& status);
    void loadFrames(Document& document);

    SimSite& m_site;
    std::unique_ptr<Document> m_top;
    std::optional<::Navigation> m_pending;
    std::map<std::string, std::string> m_cookies;
    std::vector<std::string> m_fetched;
    std::vector<std::string> m_cancelled;
};
