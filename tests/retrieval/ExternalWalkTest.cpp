// The "Non Password Version": finding the user's window and walking its pages.
#include "platform/dom/FormFields.h"
#include "retrieval/ExternalWindowSearch.h"
#include "retrieval/FakeBrowser.h"
#include "retrieval/FakeBrowserWindows.h"
#include "retrieval/PortalSession.h"
#include "retrieval/SessionMessages.h"
#include "retrieval/SimPages.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const std::string recordFrame = "<html><body><table><tr><td>Total Send Volume(GB)</td></tr>"
                                "</table></body></html>";
const std::string framedPage = "<html><head><title>%</title></head><body>"
                               "<iframe src=\"/r\"></iframe></body></html>";

std::string titled(const std::string& title, const std::string& page = framedPage) {
    std::string out = page;
    out.replace(out.find('%'), 1, title);
    return out;
}

// The user's own browser on the simulated portal, brought to the first record page of a
// month by hand: log in, "Service Records", pick the month, show it.
struct UsersBrowser {
    explicit UsersBrowser(SimConfig config = simTestConfig())
        : site((config.layout = SimLayout::ExternalStyle, config))
        , browser(site) {}

    void openFirstRecordPage(int monthsBack) {
        browser.Navigate(std::string(FakeBrowser::Origin) + "/");
        browser.deliverAll();
        Element& login = *browser.document()->forms().at(0);
        FormFields::setValue(*FormFields::named(login, "username").at(0), "Jos\u00e9");
        FormFields::setValue(*FormFields::named(login, "Password").at(0), "secret");
        browser.submit(login);
        browser.deliverAll();
        for (Element* link : browser.document()->links()) {
            if (link->innerText() == "Service Records") {
                browser.click(*link);
                break;
            }
        }
        browser.deliverAll();
        Document& query = *browser.document()->frames().at(0)->contentDocument();
        Element& form = *query.forms().at(0);
        FormFields::setChecked(
            form, *FormFields::named(form, "querydate").at(static_cast<std::size_t>(monthsBack)),
            true);
        browser.submit(form);
        browser.deliverAll();
    }

    SimSite site;
    FakeBrowser browser;
};

// A session whose own browser is never used: the run happens in the windows of `windows`.
struct AttachRun {
    AttachRun()
        : ownSite(simTestConfig())
        , ownBrowser(ownSite)
        , session(ownBrowser) {
        session.setShellWindowsFactory([this](int port) {
            ports.push_back(port);
            auto made = std::make_unique<FakeBrowserWindows>();
            windows = made.get();
            for (auto& window : pending) {
                made->add(std::move(window));
            }
            pending.clear();
            // the user's browsers are listed again at every press
            for (UsersBrowser* user : users) {
                made->add(std::make_unique<FakeBrowserWindow>(user->browser.document()->rawTitle(),
                                                              user->browser));
            }
            return made;
        });
        QObject::connect(&session, &PortalSession::Finished, &session,
                         [this](const MonthRecord& month) { finished.push_back(month); });
        QObject::connect(&session, &PortalSession::Abandoned, &session,
                         [this](const RunMessage& message) { abandoned.push_back(message); });
    }

    void addUsersBrowser(UsersBrowser& user) { users.push_back(&user); }
    // The window of the last press.
    FakeBrowserWindow& window() const { return *static_cast<FakeBrowserWindow*>(windows->item(0)); }

    void press(const QString& cacheFolder = {}, int port = 9222) {
        session.cmdCalculate_Click(RunRequest::nonPasswordVersion("x", port, cacheFolder));
    }

    SimSite ownSite;
    FakeBrowser ownBrowser;
    PortalSession session;
    std::vector<std::unique_ptr<FakeBrowserWindow>> pending;
    std::vector<UsersBrowser*> users;
    FakeBrowserWindows* windows = nullptr;
    std::vector<int> ports;
    std::vector<MonthRecord> finished;
    std::vector<RunMessage> abandoned;
};

std::string passwordVersionRows(SimMonth month, int pages) {
    SimPages sim;
    RecordPageWalk walk({false, {}, "Jos\u00e9", {}});
    for (int number = 1; number <= pages; ++number) {
        walk.ProcessRecordPage(*sim.page(month, number));
    }
    return walk.mstrRows();
}

} // namespace

TEST(ExternalWindowSearch, TakesTheFirstReadableWindowThatShowsTheFirstRecordPage) {
    struct Window {
        std::string listedTitle;
        std::string html;
        std::vector<std::string> frames;
        bool unreadable = false;
        std::string address = "http://portal.test/records";
    };
    struct Case {
        const char* name;
        std::vector<Window> windows;
        int expected; // -1: none
        std::string site = {};
    };
    const std::string otherFrame = "<html><body><p>News</p></body></html>";
    const std::string addressFrame = "<html><body>see pages/record/records</body></html>";
    const Window elsewhere{"portal", titled("portal"), {recordFrame}, false, "http://other.test/"};
    const std::vector<Case> cases = {
        {"title without portal", {{"Records", titled("Records"), {recordFrame}}}, -1},
        {"no frame", {{"portal", "<title>portal</title>Total Send Volume(GB)", {}}}, -1},
        {"frame shows neither mark", {{"portal", titled("portal"), {otherFrame}}}, -1},
        {"volume heading", {{"my portal", titled("my portal"), {recordFrame}}}, 0},
        {"record address", {{"portal ", titled("portal "), {addressFrame}}}, 0},
        {"listed title stale", {{"portal", titled("Logged out"), {recordFrame}}}, -1},
        {"unreadable window passed over",
         {{"portal", titled("portal"), {recordFrame}, true},
          {"Netravo portal", titled("Netravo portal"), {recordFrame}}},
         1},
        {"first of two",
         {{"News", titled("News"), {otherFrame}},
          {"portal A", titled("portal A"), {recordFrame}},
          {"portal B", titled("portal B"), {recordFrame}}},
         1},
        {"newer tab of another site than the portal's",
         {elsewhere,
          {"portal", titled("portal"), {otherFrame}},
          {"portal", titled("portal"), {recordFrame}}},
         2,
         "portal.test"},
        {"only another site shows the month", {elsewhere}, -1, "portal.test"},
        {"any site when none is named", {elsewhere}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeBrowserWindows windows;
        for (const Window& w : c.windows) {
            FakeBrowserWindow& added = windows.addPage(w.listedTitle, w.html, w.frames);
            added.document()->setUrl(w.address);
            if (w.unreadable) {
                added.failLoads("target closed");
            }
        }
        ExternalWindowSearch search(windows, {}, c.site);
        BrowserWindow* found = nullptr;
        int notFound = 0;
        QObject::connect(&search, &ExternalWindowSearch::Found, &search,
                         [&found](BrowserWindow* window) { found = window; });
        QObject::connect(&search, &ExternalWindowSearch::NotFound, &search,
                         [&notFound] { ++notFound; });
        search.start();
        EXPECT_EQ(found, c.expected < 0 ? nullptr : windows.item(c.expected));
        EXPECT_EQ(notFound, c.expected < 0 ? 1 : 0);
        for (int i = 0; i < windows.count(); ++i) {
            // a page whose title or site does not qualify is never read, and every page read
            // but not taken is let go
            auto* window = static_cast<FakeBrowserWindow*>(windows.item(i));
            if (!ExternalWindowSearch::titleQualifies(window->title(), {}) ||
                (!c.site.empty() && window->address().find(c.site) == std::string::npos)) {
                EXPECT_EQ(window->loads(), 0);
            }
            EXPECT_EQ(window->detached(), window->loads() > 0 && window != found);
        }
    }
}

TEST(ExternalWalk, WalksTheUsersWindowFromItsFirstPageLikeThePasswordVersion) {
    UsersBrowser user;
    user.openFirstRecordPage(1);
    AttachRun run;
    run.addUsersBrowser(user);
    run.press({}, 9333);
    FakeBrowserWindow& window = run.window();
    EXPECT_EQ(run.ports, std::vector<int>{9333});
    EXPECT_TRUE(run.session.mblnExternalWalk());
    EXPECT_EQ(run.session.progress().stage, RunProgress::Stage::Attaching);
    user.browser.deliverAll();

    ASSERT_EQ(run.finished.size(), 1u);
    EXPECT_TRUE(run.abandoned.empty());
    EXPECT_EQ(run.finished[0].mstrMonthYear, "2007-02");
    EXPECT_EQ(run.finished[0].mstrRows, passwordVersionRows(SimPages::February, 5));
    EXPECT_EQ(run.session.walk().mstrUserName(), "Jos\u00e9");
    EXPECT_EQ(run.session.walk().pagesWalked(), 5);
    // "Homepage" first (the window may show any page of the month), then page after page
    EXPECT_EQ(window.clicks(), (std::vector<std::string>{"Homepage", "Next Page", "Next Page",
                                                         "Next Page", "Next Page"}));
    // the user's window is not guarded, so its clicks leave the flag alone
    EXPECT_TRUE(run.session.mblnAllowNavigation());
    EXPECT_TRUE(run.ownBrowser.fetched().empty());
    // the window stays on the page the walk stopped on
    EXPECT_NE(user.browser.document()->frames().at(0)->contentDocument()->url().find("page=5"),
              std::string::npos);
}

TEST(ExternalWalk, WindowWithoutTheHomepageLinkIsWalkedAtOnce) {
    AttachRun run;
    auto page = SimPages().page(SimPages::February, 5, {}, [](std::string& html) {
        html.replace(html.find(">Homepage<"), 10, ">Start<");
    });
    run.pending.push_back(std::make_unique<FakeBrowserWindow>("Netravo portal", std::move(page)));
    FakeBrowserWindow& window = *run.pending.back();
    run.press();
    ASSERT_EQ(run.finished.size(), 1u);
    EXPECT_TRUE(window.clicks().empty());
    EXPECT_EQ(run.session.walk().pagesWalked(), 1);
}

TEST(ExternalWalk, FlagLastsUntilHandOverReloginOrTheNextPressAndLateEventsAreIgnored) {
    UsersBrowser user;
    user.openFirstRecordPage(1);
    AttachRun run;
    run.addUsersBrowser(user);
    run.press();
    FakeBrowserWindow& window = run.window();
    user.browser.deliverAll();
    ASSERT_EQ(run.finished.size(), 1u);
    EXPECT_TRUE(run.session.mblnExternalWalk());
    // the user clicks on in the window before the hand-over: the month is already complete
    Q_EMIT window.DocumentComplete("http://portal.test/records/Results");
    EXPECT_EQ(run.finished.size(), 1u);
    EXPECT_EQ(run.session.walk().pagesWalked(), 5);
    run.session.clearExternalWalk();
    EXPECT_FALSE(run.session.mblnExternalWalk());

    // the next press clears it whatever the tab
    run.press();
    EXPECT_TRUE(run.session.mblnExternalWalk());
    run.session.cmdCalculate_Click(RunRequest::passwordVersion("", "u", "p", 0));
    EXPECT_FALSE(run.session.mblnExternalWalk());
    EXPECT_EQ(run.session.mIELog(), nullptr);
}

TEST(ExternalWalk, EndedSessionClosedWindowOrLeftPagesEndTheRunSayingWhyAndStoreNothing) {
    struct Case {
        const char* name;
        int expireAfterPages;
        std::function<void(FakeBrowser&, FakeBrowserWindow&)> action;
        RunMessage::Reason reason;
        const char* said;
    };
    const Case cases[] = {
        {"session ended", 2, {}, RunMessage::Reason::Relogin, "relogin"},
        {"window closed", 0,
         [](FakeBrowser&, FakeBrowserWindow& w) { w.close("the window was closed"); },
         RunMessage::Reason::NetworkFailure, "the window was closed"},
        {"user opens the home page", 0,
         [](FakeBrowser& b, FakeBrowserWindow&) {
             b.Navigate(std::string(FakeBrowser::Origin) + "/home");
         },
         RunMessage::Reason::WindowMoved, "it shows http://portal.test/home now"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        UsersBrowser user(simTestConfig({.expireAfterPages = c.expireAfterPages}));
        user.openFirstRecordPage(1);
        AttachRun run;
        run.addUsersBrowser(user);
        run.press(folder.path());
        user.browser.deliver();
        user.browser.deliver();
        if (c.action) {
            c.action(user.browser, run.window());
        }
        user.browser.deliverAll();
        ASSERT_EQ(run.abandoned.size(), 1u);
        EXPECT_TRUE(run.finished.empty());
        EXPECT_EQ(run.abandoned[0].reason, c.reason);
        EXPECT_NE(run.abandoned[0].oneLine().find(c.said), std::string::npos)
            << run.abandoned[0].oneLine();
        EXPECT_FALSE(run.session.mblnExternalWalk());
        EXPECT_FALSE(run.session.running());
        EXPECT_TRUE(QDir(folder.path()).isEmpty());
    }
    // a window that never answers is named, not the list of windows
    AttachRun run;
    run.pending.push_back(std::make_unique<FakeBrowserWindow>(
        "Netravo portal", SimPages().page(SimPages::February, 1)));
    run.pending.back()->hang();
    run.press();
    run.session.progressTimedOut();
    ASSERT_EQ(run.abandoned.size(), 1u);
    EXPECT_EQ(run.abandoned[0].text.toStdString(),
              "An answer from the browser window at http://portal.test/records did not come "
              "within 60 seconds");
}
