// The "Non Password Version" against a real browser: the user logs into the simulated portal
// in Chromium and opens the month; the session finds that window and walks it.
#include "chromium/ChromiumBrowser.h"
#include "cli/PortalCheck.h"
#include "platform/browser/Browser.h"
#include "portal-sim/SimulatedPortal.h"
#include "portalsim/SimTestConfig.h"
#include "retrieval/PortalBrowser.h"
#include "retrieval/PortalSession.h"
#include "retrieval/SessionMessages.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>

namespace {

SimConfig externalStyle(int delayMs = 0) {
    SimConfig config = simTestConfig({.delayMs = delayMs});
    config.layout = SimLayout::ExternalStyle;
    return config;
}

// One run of a session to its end, with what it reported.
CheckOutcome runToEnd(
    const RunRequest& request,
    const std::function<void(PortalSession&)>& during = [](PortalSession&) {}) {
    const auto browser = PortalBrowser::make(std::chrono::seconds(10));
    return PortalCheck::run(
        *browser, request, std::chrono::seconds(20),
        [&during](PortalSession& session, const RunProgress&) { during(session); });
}

class AttachToChromium : public ::testing::Test {
protected:
    void SetUp() override {
        if (ChromiumBrowser::binary().isEmpty()) {
            GTEST_SKIP() << "no chromium binary installed: the browser attach is not tested here";
        }
    }

    // The user's browser on the portal, showing the first page of a month.
    void openMonth(SimulatedPortal& portal, ChromiumBrowser& browser, int monthsBack) {
        ASSERT_TRUE(portal.start());
        QString why;
        ASSERT_TRUE(browser.start(QString::fromStdString(portal.baseUrl()), &why))
            << why.toStdString();
        ASSERT_TRUE(browser.openFirstRecordPage("Jos\u00e9", "secret", monthsBack));
    }

    static CheckOutcome passwordVersion(const SimulatedPortal& portal, int monthsBack) {
        return runToEnd(
            RunRequest::passwordVersion(portal.baseUrl(), "Jos\u00e9", "secret", monthsBack));
    }

    static RunRequest attach(int port, const QString& folder = {}) {
        return RunRequest::nonPasswordVersion("attached", port, folder);
    }
};

} // namespace

TEST_F(AttachToChromium, AttachedWalkEqualsThePasswordVersionAndCachedSecondWalkTakesOnlyNewPages) {
    SimulatedPortal portal(externalStyle());
    ChromiumBrowser browser;
    openMonth(portal, browser, 0);
    QTemporaryDir folder;

    const CheckOutcome attached = runToEnd(attach(browser.port(), folder.path()));
    ASSERT_TRUE(attached.month) << attached.failure.oneLine();
    const CheckOutcome typed = passwordVersion(portal, 0);
    ASSERT_TRUE(typed.month);
    EXPECT_EQ(attached.month->mstrRows, typed.month->mstrRows);
    EXPECT_EQ(attached.month->mstrMonthYear, typed.month->mstrMonthYear);
    EXPECT_EQ(attached.month->mcurSiteTotal, typed.month->mcurSiteTotal);
    EXPECT_EQ(attached.pagesFetched, typed.pagesFetched);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList{attached.month->mstrMonthYear.c_str() + QString("-Jos\u00e9.cache")});

    // newer rows: the walk goes back to page 1 and stops at the first stored row
    portal.addRows(3);
    const int served = portal.recordPagesServed();
    const CheckOutcome again = runToEnd(attach(browser.port(), folder.path()));
    ASSERT_TRUE(again.month) << again.failure.oneLine();
    EXPECT_EQ(again.pagesFetched, 1);
    EXPECT_EQ(again.rowsTaken, 3);
    EXPECT_EQ(portal.recordPagesServed() - served, 1);
    EXPECT_EQ(again.month->mstrRows, passwordVersion(portal, 0).month->mstrRows);
}

TEST_F(AttachToChromium, WindowOnAnotherPageOrNoBrowserGivesTheUnableToDetectMessage) {
    SimulatedPortal portal(externalStyle());
    ChromiumBrowser browser;
    openMonth(portal, browser, 1);
    ASSERT_TRUE(browser.open(QString::fromStdString(portal.baseUrl()) + "home"));
    for (const bool browserRunning : {true, false}) {
        SCOPED_TRACE(browserRunning ? "window on the home page" : "no browser");
        if (!browserRunning) {
            browser.kill();
        }
        const CheckOutcome outcome = runToEnd(attach(browser.port()));
        ASSERT_FALSE(outcome.month);
        EXPECT_EQ(outcome.failure.text.split('\n').front(), SessionMessages::NoExternalWindowText);
        EXPECT_TRUE(outcome.failure.text.contains("port " + QString::number(browser.port()) +
                                                  " of this computer"));
        EXPECT_EQ(outcome.failure.detail.empty(), browserRunning);
        if (browserRunning) {
            // a page past the bound is not read: the browser is told so in the page itself
            ASSERT_TRUE(browser.evaluate("document.body.append('x'.repeat(9e6)); true"));
            EXPECT_NE(runToEnd(attach(browser.port()))
                          .failure.detail.find("its page holds more than 8 MB of text"),
                      std::string::npos);
        }
    }
}

TEST_F(AttachToChromium, BrowserClosedMidWalkEndsTheRunAndStoresNothing) {
    SimulatedPortal portal(externalStyle(150));
    ChromiumBrowser browser;
    openMonth(portal, browser, 1);
    QTemporaryDir folder;
    const CheckOutcome outcome =
        runToEnd(attach(browser.port(), folder.path()), [&browser](PortalSession& session) {
            if (session.walk().pagesWalked() == 2) {
                browser.kill();
            }
        });
    ASSERT_FALSE(outcome.month);
    EXPECT_EQ(outcome.failure.reason, RunMessage::Reason::NetworkFailure);
    EXPECT_TRUE(outcome.failure.text.contains("closed")) << outcome.failure.oneLine();
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(AttachToChromium, FrameReloadAndAJumpAheadDuringTheWalkStillTakeEachPageOnce) {
    SimulatedPortal portal(externalStyle(100));
    ChromiumBrowser browser;
    openMonth(portal, browser, 1);
    const QString frame = "document.querySelector('iframe').contentWindow.location";
    // what happens in the window while the walk's click from that page is on its way
    std::map<int, QString> disturbances = {
        {2, frame + ".reload(); true"},
        {3, frame + ".href = " + frame + ".href.replace(/page=\\d+/, 'page=5'); true"}};
    QObject context;
    const CheckOutcome attached = runToEnd(attach(browser.port()), [&](PortalSession& session) {
        const auto next = disturbances.find(session.walk().pagesWalked());
        if (next != disturbances.end()) {
            QTimer::singleShot(0, &context,
                               [&browser, script = next->second] { browser.evaluate(script); });
            disturbances.erase(next);
        }
    });
    ASSERT_TRUE(attached.month) << attached.failure.oneLine();
    EXPECT_EQ(attached.pagesFetched, 5);
    EXPECT_TRUE(attached.month->mstrRows == passwordVersion(portal, 1).month->mstrRows);
}
