#include "retrieval/PortalSession.h"

#include "platform/dom/Document.h"
#include "portalsim/SimTestConfig.h"
#include "retrieval/FakeBrowser.h"
#include "retrieval/SessionMessages.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A session on the fake browser, with what it reported.
struct SessionRun {
    explicit SessionRun(const SimConfig& config = simTestConfig(), PortalLayout layout = {})
        : site(config)
        , browser(site)
        , session(browser, layout) {
        QObject::connect(&session, &PortalSession::Finished, &session,
                         [this](const MonthRecord& month) { finished.push_back(month); });
        QObject::connect(&session, &PortalSession::Abandoned, &session,
                         [this](const RunMessage& message) { abandoned.push_back(message); });
        QObject::connect(&session, &PortalSession::Notice, &session,
                         [this](const RunMessage& message) { notices.push_back(message); });
    }

    void start(RunRequest request) {
        session.cmdCalculate_Click(request);
        browser.deliverAll();
    }

    static RunRequest request(int monthsBack = 1, const QString& folder = {}) {
        return RunRequest::passwordVersion(std::string(FakeBrowser::Origin) + "/", "Jos\u00e9",
                                           "secret", monthsBack, folder);
    }

    SimSite site;
    FakeBrowser browser;
    PortalSession session;
    std::vector<MonthRecord> finished;
    std::vector<RunMessage> abandoned;
    std::vector<RunMessage> notices;
};

} // namespace

// The figures of a whole walk are checked end to end (the check command tests).
TEST(PortalSession, LogsInQueriesTheMonthAndWalksEveryRecordPage) {
    SessionRun run;
    run.start(SessionRun::request());
    ASSERT_EQ(run.finished.size(), 1u);
    EXPECT_FALSE(run.session.running());
    EXPECT_EQ(run.finished[0].mstrMonthYear, "2007-02");
    EXPECT_EQ(run.session.walk().pagesWalked(), 5);
    EXPECT_EQ(run.session.progress().pageCount, 5); // as the portal's pages say it
}

// What each fault says to the user is checked end to end (the check command tests); here: the
// reason the windows act on, nothing stored, and a password never in an address.
TEST(PortalSession, RefusedLoginOrUnsafeLoginFormEndTheRunAndStoreNothing) {
    struct Case {
        const char* name;
        SimFaults faults;
        RunMessage::Reason reason;
        const char* text;
    };
    const std::vector<Case> cases = {
        {"wrong password",
         {.rejectLogins = true},
         RunMessage::Reason::LoginRejected,
         SessionMessages::LoginRejectedText},
        // its fields, the password among them, would go into the address
        {"login form without method",
         {.loginFormWithoutMethod = true},
         RunMessage::Reason::PortalChanged,
         SessionMessages::PortalChangedText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        SessionRun run(simTestConfig(c.faults));
        run.start(SessionRun::request(1, folder.path()));
        EXPECT_TRUE(run.finished.empty());
        ASSERT_EQ(run.abandoned.size(), 1u);
        EXPECT_EQ(run.abandoned[0].reason, c.reason);
        EXPECT_EQ(run.abandoned[0].text.toStdString(), c.text);
        EXPECT_FALSE(run.session.running());
        EXPECT_FALSE(run.browser.busy());
        EXPECT_TRUE(QDir(folder.path()).isEmpty());
        for (const std::string& fetched : run.browser.fetched()) {
            EXPECT_EQ(fetched.find("secret"), std::string::npos) << fetched;
        }
    }
}

TEST(PortalSession, NavigationsTheSessionDidNotStartAreCancelled) {
    SessionRun run;
    run.start(SessionRun::request());
    EXPECT_FALSE(run.session.mblnAllowNavigation());
    EXPECT_TRUE(run.browser.cancelled().empty());
    run.browser.Navigate("http://portal.test/logout");
    EXPECT_EQ(run.browser.cancelled(), std::vector<std::string>{"http://portal.test/logout"});
    EXPECT_FALSE(run.browser.busy());
}

TEST(PortalSession, SecondRunStartsAgainFromTheLoginPage) {
    SessionRun run;
    run.start(SessionRun::request());
    run.start(SessionRun::request(0));
    ASSERT_EQ(run.finished.size(), 2u);
    EXPECT_EQ(run.finished[1].mstrMonthYear, "2007-03");
    const auto& fetched = run.browser.fetched();
    EXPECT_EQ(std::count(fetched.begin(), fetched.end(), "http://portal.test/login"), 2);
}

TEST(PortalSession, BlankAddressIsAskedForInEveryMode) {
    for (RunMode mode :
         {RunMode::PasswordVersion, RunMode::NonPasswordVersion, RunMode::UseCacheData}) {
        SessionRun run;
        RunRequest request = SessionRun::request();
        request.mode = mode;
        request.portalAddress = "  \t";
        run.start(request);
        ASSERT_EQ(run.abandoned.size(), 1u);
        EXPECT_EQ(run.abandoned[0].text, SessionMessages::NoAddressText);
        EXPECT_EQ(run.abandoned[0].focus, "cmbAdminURL");
        EXPECT_TRUE(run.browser.fetched().empty());
    }
}

TEST(PortalSession, TimeOutNamesThePageItWaitedFor) {
    PortalLayout renamed;
    renamed.recordsLinkText = "Usage Records";
    SessionRun run(simTestConfig(), renamed);
    run.session.setTimeout(std::chrono::seconds(20));
    run.session.cmdCalculate_Click(SessionRun::request());
    run.session.progressTimedOut();
    ASSERT_EQ(run.abandoned.size(), 1u);
    EXPECT_EQ(run.abandoned[0].text, "The portal's login page did not come within 20 seconds");
    EXPECT_FALSE(run.browser.busy());

    // after the login no page offers the link: the run waits until the time-out ends it
    run.start(SessionRun::request());
    EXPECT_TRUE(run.session.running());
    EXPECT_EQ(run.abandoned.size(), 1u);
    run.session.progressTimedOut();
    ASSERT_EQ(run.abandoned.size(), 2u);
    EXPECT_EQ(run.abandoned[1].reason, RunMessage::Reason::TimedOut);
    EXPECT_EQ(run.abandoned[1].text,
              "A page with the \"Usage Records\" link did not come within 20 seconds");
}

TEST(PortalSession, StopEndsTheRunAndLateEventsAreIgnored) {
    SessionRun run;
    run.session.cmdCalculate_Click(SessionRun::request());
    run.browser.deliver(); // the login page: the form goes off
    run.session.stop();
    EXPECT_EQ(run.abandoned.at(0).reason, RunMessage::Reason::Stopped);
    EXPECT_EQ(run.browser.deliverAll(), 0);
    run.session.WebBrowser1_DocumentComplete("http://portal.test/records/Results");
    EXPECT_TRUE(run.finished.empty());
    EXPECT_EQ(run.abandoned.size(), 1u);
}
