// The "Non Password Version" against a real browser: the user logs into the simulated portal
// in Chromium and opens the month; the session finds that window and walks it.
#include "chromium/PortalInUsersBrowser.h"
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
#include <QTimer>
#include <gtest/gtest.h>

namespace {

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

    static RunRequest attach(int port, const QString& folder = {}) {
        return RunRequest::nonPasswordVersion("attached", port, folder);
    }
};

} // namespace

TEST_F(AttachToChromium, WindowOnAnotherPageOrNoBrowserGivesTheUnableToDetectMessage) {
    PortalInUsersBrowser user;
    ASSERT_EQ(user.open(1), "");
    SimulatedPortal& portal = user.portal;
    ChromiumBrowser& browser = user.chromium;
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
        if (browserRunning) {
            // a page past the bound is not read: the browser is told so in the page itself (a
            // comment makes it large without nine million characters to lay out)
            ASSERT_TRUE(browser.evaluate(
                "document.body.append(document.createComment('x'.repeat(9e6))); true"));
            const QString tooLarge = runToEnd(attach(browser.port())).failure.text;
            EXPECT_TRUE(tooLarge.contains("its page holds more than 8 MB of text"))
                << tooLarge.toStdString();
        }
    }
}

TEST_F(AttachToChromium, BrowserClosedMidWalkEndsTheRunAndStoresNothing) {
    PortalInUsersBrowser user(150);
    ASSERT_EQ(user.open(1), "");
    ChromiumBrowser& browser = user.chromium;
    QTemporaryDir folder;
    const CheckOutcome outcome =
        runToEnd(attach(browser.port(), folder.path()), [&browser](PortalSession& session) {
            if (session.walk().pagesWalked() == 2) {
                browser.kill();
            }
        });
    ASSERT_FALSE(outcome.month);
    EXPECT_EQ(outcome.failure.reason, RunMessage::Reason::NetworkFailure);
    EXPECT_TRUE(outcome.failure.text.contains("could not be read to the end: the browser closed"))
        << outcome.failure.oneLine();
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(AttachToChromium, FrameReloadAndAJumpAheadDuringTheWalkStillTakeEachPageOnce) {
    PortalInUsersBrowser user(100);
    ASSERT_EQ(user.open(1), "");
    const QString frame = "document.querySelector('iframe').contentWindow.location";
    // while the walk's click from page 2 is on its way the frame reloads; from page 3, the
    // window jumps to page 5
    QStringList disturbances = {frame + ".reload(); true",
                                frame + ".href = " + frame +
                                    ".href.replace(/page=\\d+/, 'page=5')"};
    QObject context;
    const CheckOutcome attached =
        runToEnd(attach(user.chromium.port()), [&](PortalSession& session) {
            if (session.walk().pagesWalked() >= 2 && !disturbances.isEmpty()) {
                QTimer::singleShot(0, &context, [&user, script = disturbances.takeFirst()] {
                    user.chromium.evaluate(script);
                });
            }
        });
    ASSERT_TRUE(attached.month) << attached.failure.oneLine();
    EXPECT_EQ(attached.pagesFetched, 5);
    const CheckOutcome typed =
        runToEnd(RunRequest::passwordVersion(user.portal.baseUrl(), "Jos\u00e9", "secret", 1));
    EXPECT_TRUE(attached.month->mstrRows == typed.month->mstrRows);
}
