// The user's browser over the debugging protocol, against stand-ins for the browser: a
// window's WebSocket (replies matched on id, events of other sessions ignored, the frames'
// loads gathered into one DocumentComplete, a closed socket reported, messages bounded) and
// the list of windows (asked of this computer only, bounded). Clicks and the walk over a real
// browser are the attach tests'.
#include "platform/browser/DevToolsWindow.h"

#include "platform/browser/BrowserHarness.h"
#include "platform/browser/DevToolsWindows.h"
#include "platform/dom/Document.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>
#include <QWebSocket>
#include <QWebSocketServer>
#include <gtest/gtest.h>

namespace {

QJsonObject page(const QString& frameUrl) {
    const QJsonObject frame{
        {"url", frameUrl},
        {"html", "<html><body><a href=\"/r?page=2\">Next Page</a></body></html>"},
        {"frames", QJsonArray{}}};
    return {{"url", "http://p/view"},
            {"html", "<html><head><title>Netravo portal</title></head><body>"
                     "<iframe src=\"/r\"></iframe></body></html>"},
            {"frames", QJsonArray{frame}}};
}

// The browser's end: answers reads with the page it shows now and clicks with true, and lets
// the test send events.
class ScriptedBrowser {
public:
    ScriptedBrowser() {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QWebSocketServer::newConnection, &server, [this] {
            socket = server.nextPendingConnection();
            socket->setParent(&server); // the server hands its sockets over; keep them with it
            QObject::connect(socket, &QWebSocket::textMessageReceived, socket,
                             [this](const QString& text) { answer(text); });
        });
    }

    QUrl address() const {
        return QUrl("ws://127.0.0.1:" + QString::number(server.serverPort()) + "/devtools/page/A");
    }

    void send(const QJsonObject& message) {
        socket->sendTextMessage(QJsonDocument(message).toJson(QJsonDocument::Compact));
    }
    void event(const QString& method, const QJsonObject& params) {
        send({{"method", method}, {"params", params}});
    }

    QWebSocketServer server{"browser", QWebSocketServer::NonSecureMode};
    QWebSocket* socket = nullptr;
    QString frameUrl = "http://p/r?page=1";

private:
    void answer(const QString& text) {
        const QJsonObject command = QJsonDocument::fromJson(text.toUtf8()).object();
        const int id = command["id"].toInt();
        const QString expression = command["params"].toObject()["expression"].toString();
        QJsonObject result;
        if (expression.contains("function read")) {
            result = {{"result", QJsonObject{{"type", "object"}, {"value", page(frameUrl)}}}};
        } else if (!expression.isEmpty()) {
            result = {{"result", QJsonObject{{"type", "boolean"}, {"value", true}}}};
        }
        // a reply for someone else's command and another target's event come first (were the
        // event taken, the window would wait for that frame for ever)
        send({{"id", id + 1000}, {"result", QJsonObject{}}});
        send({{"sessionId", "other"},
              {"method", "Page.frameStartedLoading"},
              {"params", QJsonObject{{"frameId", "OTHER"}}}});
        send({{"id", id}, {"result", result}});
    }
};

} // namespace

TEST(DevToolsWindow, ReadsTheFramesAndRaisesOneDocumentCompletePerNavigation) {
    ScriptedBrowser browser;
    DevToolsWindow window("listed title", "http://p/view", browser.address());
    int loaded = 0;
    std::vector<std::string> completed;
    std::vector<std::string> lost;
    QObject::connect(&window, &BrowserWindow::Loaded, [&loaded] { ++loaded; });
    QObject::connect(&window, &BrowserWindow::DocumentComplete,
                     [&completed](const std::string& url) { completed.push_back(url); });
    QObject::connect(&window, &BrowserWindow::Lost,
                     [&lost](const std::string& why) { lost.push_back(why); });

    window.load();
    ASSERT_TRUE(QTest::qWaitFor([&] { return loaded == 1; }, 5000));
    EXPECT_EQ(window.title(), "Netravo portal");
    Document* frame = window.document()->frames().at(0)->contentDocument();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->url(), "http://p/r?page=1");

    // only the frame navigates
    browser.frameUrl = "http://p/r?page=2";
    browser.event("Page.frameStartedLoading", {{"frameId", "F1"}});
    browser.event("Page.frameNavigated",
                  {{"frame", QJsonObject{{"id", "F1"}, {"url", "http://p/r?page=2"}}}});
    browser.event("Page.frameStoppedLoading", {{"frameId", "F1"}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return completed.size() == 1; }, 5000));
    EXPECT_EQ(completed[0], "http://p/r?page=2");
    EXPECT_EQ(window.document()->frames().at(0)->contentDocument()->url(), "http://p/r?page=2");

    // the whole page navigates: its frame loads inside the top's load, one event for both
    browser.event("Page.frameStartedLoading", {{"frameId", "TOP"}});
    browser.event("Page.frameNavigated",
                  {{"frame", QJsonObject{{"id", "TOP"}, {"url", "http://p/view"}}}});
    browser.event("Page.frameStartedLoading", {{"frameId", "F2"}});
    browser.event("Page.frameStoppedLoading", {{"frameId", "F2"}});
    browser.event("Page.frameStoppedLoading", {{"frameId", "TOP"}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return completed.size() == 2; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(completed, (std::vector<std::string>{"http://p/r?page=2", "http://p/view"}));
    EXPECT_TRUE(lost.empty());

    // the browser says why it let go; the window lets go of its socket, and nothing follows
    bool disconnected = false;
    QObject::connect(browser.socket, &QWebSocket::disconnected, [&] { disconnected = true; });
    browser.event("Inspector.detached", {{"reason", "target_closed"}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return disconnected; }, 5000));
    EXPECT_EQ(lost, std::vector<std::string>{"the window was closed"});
}

TEST(DevToolsWindow, ReadsNoMessagePastItsBound) {
    ScriptedBrowser browser;
    DevToolsLimits limits;
    limits.messageBytes = 1 << 20;
    DevToolsWindow window("portal", "http://p/view", browser.address(), limits);
    std::vector<std::string> lost;
    QObject::connect(&window, &BrowserWindow::Lost,
                     [&lost](const std::string& why) { lost.push_back(why); });
    window.load();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.document() != nullptr; }, 5000));
    browser.event("Page.huge", {{"text", QString(2 << 20, 'x')}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lost.empty(); }, 10000));
    EXPECT_EQ(lost[0], "the browser sent a message larger than 1 MB, more than this program reads");
}

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
        QSignalSpy refreshed(&windows, &BrowserWindows::Refreshed);
        windows.refresh();
        ASSERT_TRUE(refreshed.wait(10000));
        EXPECT_NE(windows.problem().find(problem), std::string::npos) << windows.problem();
    }
    EXPECT_TRUE(elsewhere.requests().empty());
}
