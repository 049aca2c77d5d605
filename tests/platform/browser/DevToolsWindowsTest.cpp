// The list of the user's browser windows: asked of the port given on this computer only, and
// read no further than its bound.
#include "platform/browser/DevToolsWindows.h"

#include "platform/browser/BrowserHarness.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(DevToolsWindows, ListFollowsNoRedirectAndStopsAtItsBound) {
    TestServer elsewhere;
    elsewhere.on("/.*", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("[]", "application/json");
    });
    ASSERT_TRUE(elsewhere.start());
    const std::pair<TestServer::Handler, std::string> cases[] = {
        {[&elsewhere](const httplib::Request&, httplib::Response& response) {
             response.set_redirect(elsewhere.url("/json/list"));
         },
         "answered with a redirect elsewhere, which is not followed"},
        {[](const httplib::Request&, httplib::Response& response) {
             response.set_content(std::string(5 << 20, ' ') + "[]", "application/json");
         },
         "sent a list of windows larger than 4 MB"},
    };
    for (const auto& [answer, problem] : cases) {
        TestServer browser;
        browser.on("/json/list", answer);
        ASSERT_TRUE(browser.start());
        DevToolsWindows windows(browser.port());
        bool refreshed = false;
        QObject::connect(&windows, &BrowserWindows::Refreshed, [&refreshed] { refreshed = true; });
        windows.refresh();
        ASSERT_TRUE(QTest::qWaitFor([&refreshed] { return refreshed; }, 10000));
        EXPECT_NE(windows.problem().find(problem), std::string::npos) << windows.problem();
        EXPECT_EQ(windows.count(), 0);
    }
    EXPECT_TRUE(elsewhere.requests().empty());
}
