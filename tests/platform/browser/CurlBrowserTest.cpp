#include "platform/browser/CurlBrowser.h"

#include "platform/browser/BrowserHarness.h"
#include "platform/browser/FrameTree.h"
#include "platform/dom/Document.h"

#include <QEventLoop>
#include <QTimer>
#include <future>
#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;
using Kind = BrowserFailure::Kind;

// A small site: a frameset whose frames link in every direction, forms in Latin-1 and
// UTF-8, redirects, an error, a broken frame and a page that answers only when let go.
class CurlBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string fields = "<input name=name value='Zo&euml; &amp; co'>";
        const std::string forms =
            "<form action='/echo?old=1#x'>" + fields +
            "<input type=radio name=r value=1 checked></form><form "
            "method=POST action=echo>" +
            fields + "</form><form>" + fields + "</form><form method=post action=/post303></form>" +
            "<form method=post action=/post307same>" + fields +
            "</form><form method=post action=/post307away>" + fields + "</form>";
        std::string manyFrames, bigFrames;
        for (int i = 0; i < 40; ++i) {
            manyFrames += "<iframe src='/a?n=" + std::to_string(i) + "'></iframe>";
            bigFrames += i < 5 ? "<iframe src='/big?n=" + std::to_string(i) + "'></iframe>" : "";
        }
        const std::pair<const char*, std::string> pages[] = {
            {"/frames", "<frameset><frame name=menu src=/menu><frame src=inner></frameset>"},
            {"/menu", "<a href=/a>own</a><a href=/b target=_blank>named</a><a href=/c "
                      "target=_top>top</a><a href=/e target=deep>deep</a><a href=' "
                      "javascript:show()'>Show\n usage</a>"},
            {"/inner", "<iframe name=deep src='/leaf'></iframe>"},
            {"/leaf", "<a href=/d target=_parent>parent</a>"},
            {"/latin1", forms},
            {"/utf8", forms},
            {"/badframe", "<iframe src=/missing></iframe>"},
            {"/manyframes", manyFrames},
            {"/bigframes", bigFrames},
            {"/big", std::string(15 * 1024 * 1024, 'x')},
            {"/(a|b|c|d|e|new|landing|echo)", "page"},
        };
        for (const auto& [path, html] : pages) {
            const char* type = path == std::string("/latin1") ? "text/html; charset=ISO-8859-1"
                                                              : "text/html; charset=utf-8";
            m_server.on(path, [html, type](const httplib::Request&, httplib::Response& out) {
                out.set_content(html, type);
            });
        }
        // redirects; "away" ones lead to the same server under another origin
        for (const auto& [path, status, to, away] : {std::tuple{"/old", 302, "/mid", false},
                                                     {"/mid", 301, "/new", false},
                                                     {"/post303", 303, "/landing", false},
                                                     {"/post307same", 307, "/echo", false},
                                                     {"/post307away", 307, "/echo", true},
                                                     {"/hop", 302, "/seen", true},
                                                     {"/500", 500, "", false}}) {
            m_server.on(path, [=, this](const httplib::Request&, httplib::Response& out) {
                out.status = status;
                out.set_header("Location", away ? elsewhere(to) : to);
            });
        }
        // links to this site, to another (localhost) and to another through a redirect
        m_server.on("/from", [this](const httplib::Request&, httplib::Response& out) {
            out.set_content("<a href=/seen>here</a><a href=" + elsewhere("/seen") +
                                ">away</a><a href=/hop>hop</a>",
                            "text/html");
        });
        m_server.on("/seen", [this](const httplib::Request& in, httplib::Response& out) {
            const std::lock_guard lock(m_mutex);
            m_referers.push_back(in.get_header_value("Referer"));
            out.set_content("seen", "text/html");
        });
        m_server.on("/slow", [gate = m_gate](const httplib::Request&, httplib::Response& out) {
            gate.wait_for(std::chrono::seconds(10));
            out.set_content("slow", "text/html");
        });
        // "<p>packed page</p>" gzipped, sent only to a browser that asks for it
        m_server.on("/gzip", [](const httplib::Request& in, httplib::Response& out) {
            static const char packed[] = "\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\x03\xb3\x29\xb0"
                                         "\x2b\x48\x4c\xce\x4e\x4d\x51\x28\x48\x4c\x4f\xb5"
                                         "\xd1\x2f\xb0\x03\x00\x65\xca\x20\x99\x12\x00\x00\x00";
            if (in.get_header_value("Accept-Encoding").find("gzip") == std::string::npos) {
                out.set_content("<p>plain page</p>", "text/html");
                return;
            }
            out.set_header("Content-Encoding", "gzip");
            out.set_content(std::string(packed, sizeof packed - 1), "text/html");
        });
        ASSERT_TRUE(m_server.start());
    }
    void TearDown() override { release(); }
    void release() {
        if (!std::exchange(m_released, true)) {
            m_release.set_value();
        }
    }

    bool load(const std::string& address) {
        m_browser.Navigate(address.starts_with("/") ? url(address) : address);
        return m_events.next();
    }
    std::string url(const std::string& path) const { return m_server.url(path); }
    // the same server under another origin
    std::string elsewhere(const std::string& path) const {
        std::string away = url(path);
        return away.replace(away.find("127.0.0.1"), 9, "localhost");
    }
    Document& top() { return *m_browser.document(); }
    Document& frame(const FrameTree::Path& path) { return *FrameTree::documentAt(top(), path); }

    std::mutex m_mutex;
    std::vector<std::string> m_referers;
    bool m_released = false;
    std::promise<void> m_release;
    std::shared_future<void> m_gate = m_release.get_future().share();
    TestServer m_server;
    CurlBrowser m_browser;
    BrowserEvents m_events{m_browser};
};

TEST_F(CurlBrowserTest, completesOnceAfterEveryFrameAndRedirectHasLoaded) {
    ASSERT_TRUE(load("/frames"));
    EXPECT_EQ(frame({1, 0}).url(), url("/leaf"));
    EXPECT_EQ(m_server.requests().size(), 4u);
    EXPECT_FALSE(m_browser.busy());
    ASSERT_TRUE(load("/old")); // 302, then 301
    EXPECT_EQ(top().url(), url("/new"));
    EXPECT_EQ(m_events.log, (Log{"before " + url("/frames"), "complete " + url("/frames"),
                                 "before " + url("/old"), "complete " + url("/new")}));
}

TEST_F(CurlBrowserTest, asksForCompressedPagesAndReadsThemDecodedButNotFromThisMachine) {
    ASSERT_TRUE(load("/gzip"));
    EXPECT_EQ(top().body()->innerText(), "plain page");
    BrowserOptions options;
    options.compressLoopbackPages = true; // as a page from elsewhere is asked for
    CurlBrowser asking(options);
    BrowserEvents events{asking};
    asking.Navigate(url("/gzip"));
    ASSERT_TRUE(events.next());
    EXPECT_EQ(asking.document()->body()->innerText(), "packed page");
}

TEST_F(CurlBrowserTest, linksLoadIntoTheContextTheirTargetNames) {
    const std::tuple<const char*, FrameTree::Path, const char*, FrameTree::Path, const char*>
        cases[] = {
            {"no target: the link's own frame", {0}, "own", {0}, "/a"},
            {"_blank: the one window's top", {0}, "named", {}, "/b"},
            {"_top", {0}, "top", {}, "/c"},
            {"_parent", {1, 0}, "parent", {1}, "/d"},
            {"a name: that frame, inside another frame", {0}, "deep", {1, 0}, "/e"},
        };
    for (const auto& [name, from, link, loaded, path] : cases) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(load("/frames"));
        m_browser.click(linkNamed(frame(from), link));
        ASSERT_TRUE(m_events.next());
        EXPECT_EQ(m_events.log.back(), "complete " + url(path));
        EXPECT_EQ(frame(loaded).url(), url(path));
        EXPECT_EQ(top().url(), url(loaded.empty() ? path : "/frames"));
    }
}

TEST_F(CurlBrowserTest, formsSendTheirFieldsInThePagesEncodingThenTheBrowserGoesBackToGet) {
    const std::tuple<const char*, const char*, std::size_t, const char*> cases[] = {
        {"GET replaces the action's query", "/latin1", 0, "GET /echo?name=Zo%EB+%26+co&r=1 "},
        {"POST in Latin-1", "/latin1", 1, "POST /echo name=Zo%EB+%26+co"},
        {"no action: the page itself", "/latin1?x=1", 2, "GET /latin1?name=Zo%EB+%26+co "},
        {"POST in UTF-8", "/utf8", 1, "POST /echo name=Zo%C3%AB+%26+co"},
        {"303 after a POST: GET", "/utf8", 3, "GET /landing "},
        {"307 on the same host: POST again", "/utf8", 4, "POST /echo name=Zo%C3%AB+%26+co"},
    };
    for (const auto& [name, page, form, sent] : cases) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(load(page));
        m_browser.submit(*top().forms()[form]);
        ASSERT_TRUE(m_events.next());
        EXPECT_EQ(m_server.requests().back(), sent);
        ASSERT_TRUE(load("/a"));
        EXPECT_EQ(m_server.requests().back(), "GET /a ");
    }
}

// As browsers send it: the page's whole address to its own site, only its origin elsewhere,
// after a redirect too (never the address that redirected).
TEST_F(CurlBrowserTest, theRefererIsCutToTheOriginForOtherSites) {
    const std::string page = url("/from?pw=secret");
    for (const auto& [link, sent] :
         {std::pair{"here", page}, {"away", url("/")}, {"hop", url("/")}}) {
        SCOPED_TRACE(link);
        ASSERT_TRUE(load(page));
        m_browser.click(linkNamed(top(), link));
        ASSERT_TRUE(m_events.next());
        const std::lock_guard lock(m_mutex);
        ASSERT_FALSE(m_referers.empty());
        EXPECT_EQ(m_referers.back(), sent);
    }
}

TEST_F(CurlBrowserTest, aFormIsNotSentAgainToAnotherHost) {
    ASSERT_TRUE(load("/utf8"));
    m_browser.submit(*top().forms()[5]);
    ASSERT_TRUE(m_events.next());
    EXPECT_EQ(m_server.requests().back(), "POST /post307away name=Zo%C3%AB+%26+co");
    ASSERT_FALSE(m_events.failures.empty());
    EXPECT_NE(m_events.failures.back().message.find("another host"), std::string::npos)
        << m_events.failures.back().message;
}

TEST_F(CurlBrowserTest, framesOfOneNavigationAreLimitedInNumberAndBytes) {
    const std::size_t before = m_server.requests().size();
    ASSERT_TRUE(load("/manyframes"));
    EXPECT_EQ(m_server.requests().size() - before, 17u); // the page and 16 frames
    ASSERT_TRUE(load("/bigframes"));
    ASSERT_FALSE(m_events.failures.empty());
    EXPECT_NE(m_events.failures.back().message.find("larger than 64 MB"), std::string::npos)
        << m_events.failures.back().message;
}

TEST_F(CurlBrowserTest, aCancelledNavigationFetchesNothing) {
    m_events.cancel = [this](const std::string& address) { return address == url("/a"); };
    m_browser.Navigate(url("/a"));
    EXPECT_FALSE(m_browser.busy());
    ASSERT_TRUE(load("about:blank"));
    EXPECT_EQ(m_events.log,
              (Log{"before " + url("/a"), "before about:blank", "complete about:blank"}));
    EXPECT_TRUE(m_server.requests().empty());
}

TEST_F(CurlBrowserTest, aHandlerMayNavigateAgainFromInsideDocumentComplete) {
    Log next = {url("/frames"), url("/b")};
    m_events.onComplete = [&](const std::string&) {
        if (!next.empty()) {
            m_browser.Navigate(next.front());
            next.erase(next.begin());
        }
    };
    ASSERT_TRUE(load("/a"));
    ASSERT_TRUE(m_events.next());
    ASSERT_TRUE(m_events.next());
    ASSERT_TRUE(load("/c")); // anything stale would have arrived before this
    EXPECT_EQ(m_events.log,
              (Log{"before " + url("/a"), "complete " + url("/a"), "before " + url("/frames"),
                   "complete " + url("/frames"), "before " + url("/b"), "complete " + url("/b"),
                   "before " + url("/c"), "complete " + url("/c")}));
}

TEST_F(CurlBrowserTest, aHandlerRunningAModalLoopIsNotEnteredAgain) {
    int depth = 0;
    int deepest = 0;
    m_events.onComplete = [&](const std::string& address) {
        deepest = std::max(deepest, ++depth);
        if (address == url("/a")) {
            m_browser.Navigate(url("/b"));
            QEventLoop modal; // as a message box runs one; /b arrives meanwhile
            QTimer::singleShot(std::chrono::milliseconds(50), &modal, &QEventLoop::quit);
            modal.exec();
        }
        --depth;
    };
    ASSERT_TRUE(load("/a"));
    ASSERT_TRUE(m_events.next());
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(m_events.log.back(), "complete " + url("/b"));
}

TEST_F(CurlBrowserTest, anAbandonedNavigationIsNeverAnnounced) {
    m_browser.Navigate(url("/slow"));
    ASSERT_TRUE(load("/a")); // does not wait for the slow page
    m_browser.Navigate(url("/slow"));
    m_browser.stop();
    EXPECT_FALSE(m_browser.busy());
    release();
    ASSERT_TRUE(load("/b"));
    EXPECT_EQ(m_events.log,
              (Log{"before " + url("/slow"), "before " + url("/a"), "complete " + url("/a"),
                   "before " + url("/slow"), "before " + url("/b"), "complete " + url("/b")}));
}

TEST_F(CurlBrowserTest, failuresAreAnnouncedWithAClearLineAndThePageStays) {
    const std::tuple<std::string, Kind, std::string, std::string> cases[] = {
        // an address's query (what a form sent) is never shown
        {url("/500?pw=secret"), Kind::HttpStatus, url("/500?pw=secret"),
         url("/500") + "?... answered with the HTTP error 500 Internal Server Error."},
        {url("/badframe"), Kind::HttpStatus, url("/missing"),
         url("/missing") + " answered with the HTTP error 404 Not Found (a frame of " +
             url("/badframe") + ")."},
        {"http://127.0.0.1:1", Kind::Network, "http://127.0.0.1:1/",
         "Could not reach http://127.0.0.1:1/: the connection was refused. Check the address "
         "and your connection."},
        {"https" + url("/a").substr(4), Kind::Network, "https" + url("/a").substr(4),
         "Could not reach https" + url("/a").substr(4) +
             ": a secure connection could not be set up. Check the address (is it https where "
             "the site only offers http?)."},
        {"ftp://127.0.0.1/x", Kind::Unsupported, "ftp://127.0.0.1/x",
         "ftp://127.0.0.1/x cannot be loaded: only http, https and about:blank"},
    };
    ASSERT_TRUE(load("/a"));
    for (const auto& [address, kind, failed, said] : cases) {
        SCOPED_TRACE(address);
        ASSERT_TRUE(load(address));
        EXPECT_EQ(m_events.log.back(), "failed " + failed);
        EXPECT_EQ(m_events.failures.back().kind, kind);
        EXPECT_TRUE(m_events.failures.back().message.starts_with(said))
            << m_events.failures.back().message;
        EXPECT_EQ(m_events.failures.back().detail.empty(), kind != Kind::Network);
        EXPECT_EQ(top().url(), url("/a"));
    }
}

TEST_F(CurlBrowserTest, aScriptLinkIsRefusedByItsTextAfterTheClickHasReturned) {
    ASSERT_TRUE(load("/frames"));
    m_browser.click(linkNamed(frame({0}), "Show usage"));
    EXPECT_EQ(m_events.log.back(), "before javascript:show()");
    ASSERT_TRUE(m_events.next());
    EXPECT_EQ(m_events.failures.back().kind, Kind::ScriptAddress);
    EXPECT_EQ(m_events.failures.back().message,
              "The link \"Show usage\" runs a script (javascript:show()) and is not followed.");
    EXPECT_EQ(m_server.requests().size(), 4u);
}

TEST_F(CurlBrowserTest, aServerThatNeverAnswersTimesOut) {
    BrowserOptions options;
    options.transferTimeout = std::chrono::milliseconds(200);
    CurlBrowser browser(options);
    BrowserEvents events(browser);
    browser.Navigate(url("/slow"));
    ASSERT_TRUE(events.next());
    EXPECT_EQ(events.failures.at(0).kind, Kind::Network);
    EXPECT_TRUE(events.failures[0].message.starts_with(url("/slow") + " did not answer in time"))
        << events.failures[0].message;
}

} // namespace
