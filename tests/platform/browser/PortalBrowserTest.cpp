#include "platform/browser/BrowserHarness.h"
#include "platform/browser/CurlBrowser.h"
#include "platform/browser/FrameTree.h"
#include "platform/dom/Document.h"
#include "platform/dom/FormFields.h"
#include "portal-sim/SimulatedPortal.h"

#include <gtest/gtest.h>

namespace {

// The browser driven through the simulated portal the way the portal session drives it.
class PortalBrowserTest : public ::testing::TestWithParam<SimLayout> {
protected:
    static SimConfig config(SimLayout layout) {
        SimConfig config;
        config.today = QDate(2024, 3, 15);
        config.rowsPerMonth = 120;
        config.layout = layout;
        return config;
    }
    void SetUp() override { ASSERT_TRUE(m_portal.start()); }

    bool logIn(const std::string& password) {
        m_browser.Navigate(m_portal.baseUrl());
        if (!m_events.next()) {
            return false;
        }
        Element& form = *top().forms().at(0);
        FormFields::setValue(*FormFields::named(form, "username").at(0), "demo");
        FormFields::setValue(*FormFields::named(form, "Password").at(0), password);
        m_browser.submit(form);
        return m_events.next();
    }
    // From the home page to the first record page of the month before this one.
    bool queryLastMonth() {
        m_browser.click(linkNamed(top(), "Service Records"));
        if (!m_events.next()) {
            return false;
        }
        Element& form = *FrameTree::documentAt(top(), {0})->forms().at(0);
        FormFields::setChecked(form, *FormFields::named(form, "querydate").at(1), true);
        m_browser.submit(form);
        return m_events.next();
    }
    std::string address(const std::string& path) const { return m_portal.baseUrl() + path; }
    Document& top() { return *m_browser.document(); }
    Document& records() { return *FrameTree::documentAt(top(), {0}); }

    SimulatedPortal m_portal{config(GetParam())};
    CurlBrowser m_browser;
    BrowserEvents m_events{m_browser};
};

TEST_P(PortalBrowserTest, logsInKeepsItsSessionAndNamesTheContextThatNavigated) {
    const bool framed = GetParam() == SimLayout::Framed;
    ASSERT_TRUE(logIn("demo"));
    EXPECT_EQ(m_events.log.back(), "complete " + address("home")); // after the 303
    EXPECT_EQ(records().title(), "News");
    ASSERT_TRUE(queryLastMonth());
    // framed: the form moved its own frame; external style: it targeted the top
    const std::string page = address("records/Results?month=2024-02&page=");
    const std::string shown = framed ? address("records") : address("records/ResultsView");
    EXPECT_EQ(m_events.log.back(), "complete " + (framed ? address("records/Results") : shown));
    EXPECT_EQ(records().getElementsByTagName("table").size(), 5u);
    m_browser.click(linkNamed(records(), "Next Page"));
    ASSERT_TRUE(m_events.next());
    EXPECT_EQ(m_events.log.back(), "complete " + page + "2");
    EXPECT_EQ(top().url(), shown);
    EXPECT_EQ(m_portal.recordPagesServed(), 2);

    CurlBrowser other; // cookies belong to one browser
    BrowserEvents otherEvents(other);
    other.Navigate(address("home"));
    ASSERT_TRUE(otherEvents.next());
    EXPECT_EQ(other.document()->title(), "portal");
}

// A wrong password and a connection dropped mid-page are walked end to end in the check tests.

INSTANTIATE_TEST_SUITE_P(Layouts, PortalBrowserTest,
                         ::testing::Values(SimLayout::Framed, SimLayout::ExternalStyle),
                         [](const auto& info) {
                             return info.param == SimLayout::Framed ? "Framed" : "ExternalStyle";
                         });

} // namespace
