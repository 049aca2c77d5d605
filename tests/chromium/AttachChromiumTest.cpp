// The "Non Password Version" against a real browser: the user logs into the simulated portal
// in Chromium and opens the month; the session finds that window and walks it.
#include "chromium/ChromiumBrowser.h"
#include "cli/PortalCheck.h"
#include "platform/browser/Browser.h"
#include "portal-sim/SimulatedPortal.h"
#include "portalsim/SimTestConfig.h"
#include "retrieval/AttachHelp.h"
#include "retrieval/PortalBrowser.h"
#include "retrieval/PortalSession.h"
#include "retrieval/SessionMessages.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
        const QStringList lines = outcome.failure.text.split('\n');
        ASSERT_EQ(lines.size(), 2);
        EXPECT_EQ(lines.front(), SessionMessages::NoExternalWindowText);
        const QString seen = "A browser answers on port %1 of this computer, but none of its "
                             "windows shows the first page of service records (windows open: "
                             "\"Netravo portal - Home\"). Open that page in one of them.";
        const QString none = "No browser answers on port %1 of this computer. Start one with: " +
                             AttachHelp::startCommand(browser.port());
        EXPECT_EQ(lines.back(), (browserRunning ? seen : none).arg(browser.port()));
        EXPECT_EQ(outcome.failure.detail.empty(), browserRunning);
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
