// The "Non Password Version": finding the user's window and walking its pages.
#include "platform/dom/FormFields.h"
#include "retrieval/ExternalWindowSearch.h"
#include "retrieval/FakeBrowser.h"
#include "retrieval/FakeBrowserWindows.h"
#include "retrieval/PortalSession.h"
#include "retrieval/SessionMessages.h"
#include "retrieval/SimPages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
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

// The user's own browser on the simulated portal, logged in and showing the first record page
// of a month.
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
        browser.Navigate(std::string(FakeBrowser::Origin) +
                         "/records/ResultsView?querydate=" + std::to_string(monthsBack));
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
        bool hangs = false;
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
        {"window that never answers passed over",
         {{"portal", titled("portal"), {recordFrame}, false, "http://portal.test/", true},
          {"portal", titled("portal"), {recordFrame}}},
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
            if (w.hangs) {
                added.hang();
            }
        }
        ExternalWindowSearch search(windows, {}, c.site);
        search.setWindowTimeout(std::chrono::milliseconds(1));
        BrowserWindow* found = nullptr;
        int notFound = 0;
        QObject::connect(&search, &ExternalWindowSearch::Found, &search,
                         [&found](BrowserWindow* window) { found = window; });
        QObject::connect(&search, &ExternalWindowSearch::NotFound, &search,
                         [&notFound] { ++notFound; });
        search.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return found || notFound; }, 5000));
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

TEST(ExternalWalk, WalksFromTheFirstPageAndTheFlagLastsUntilHandOverOrTheNextPress) {
    UsersBrowser user;
    user.openFirstRecordPage(1);
    AttachRun run;
    run.addUsersBrowser(user);
    QTemporaryDir folder;
    run.press(folder.path(), 9333);
    FakeBrowserWindow& window = run.window();
    user.browser.deliverAll();
    ASSERT_EQ(run.finished.size(), 1u);
    EXPECT_EQ(run.ports, std::vector<int>{9333});
    EXPECT_TRUE(QFile::exists(folder.filePath("2007-02-Jos\u00e9.cache")));
    EXPECT_EQ(run.finished[0].mstrRows, passwordVersionRows(SimPages::February, 5));
    // "Homepage" first: the window may show any page of the month
    EXPECT_EQ(window.clicks().front(), "Homepage");
    EXPECT_TRUE(run.ownBrowser.fetched().empty());
    EXPECT_TRUE(run.session.mblnExternalWalk());
    // the user clicks on in the window before the hand-over: the month is already complete
    Q_EMIT window.DocumentComplete("http://portal.test/records/Results");
    EXPECT_EQ(run.finished.size(), 1u);
    EXPECT_EQ(run.session.walk().pagesWalked(), 5);
    run.session.clearExternalWalk();

    // the next press clears it whatever the tab; a stored month ends the walk at page 1
    run.press(folder.path());
    EXPECT_TRUE(run.session.mblnExternalWalk());
    user.browser.deliverAll();
    EXPECT_EQ(run.finished.size(), 2u);
    EXPECT_EQ(run.session.walk().pagesWalked(), 1);
    run.session.cmdCalculate_Click(RunRequest::passwordVersion("", "u", "p", 0));
    EXPECT_FALSE(run.session.mblnExternalWalk());
    EXPECT_EQ(run.session.mIELog(), nullptr);
}

TEST(ExternalWalk, EndedSessionOrLeftRecordPagesEndTheRunSayingWhichAndStoreNothing) {
    for (const bool leave : {false, true}) {
        SCOPED_TRACE(leave ? "user opens the home page" : "session ended");
        QTemporaryDir folder;
        UsersBrowser user(simTestConfig({.expireAfterPages = leave ? 0 : 2}));
        user.openFirstRecordPage(1);
        AttachRun run;
        run.addUsersBrowser(user);
        run.press(folder.path());
        user.browser.deliver();
        user.browser.deliver();
        if (leave) {
            user.browser.Navigate(std::string(FakeBrowser::Origin) + "/home");
        }
        user.browser.deliverAll();
        ASSERT_EQ(run.abandoned.size(), 1u);
        EXPECT_TRUE(run.finished.empty());
        EXPECT_EQ(run.abandoned[0].reason,
                  leave ? RunMessage::Reason::WindowMoved : RunMessage::Reason::Relogin);
        EXPECT_NE(run.abandoned[0].oneLine().find(leave ? "it shows http://portal.test/home now"
                                                        : "Please relogin"),
                  std::string::npos)
            << run.abandoned[0].oneLine();
        EXPECT_FALSE(run.session.mblnExternalWalk());
        EXPECT_FALSE(run.session.running());
        EXPECT_TRUE(QDir(folder.path()).isEmpty());
    }
}
