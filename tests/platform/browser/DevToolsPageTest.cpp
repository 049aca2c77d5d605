// What is read from, and run in, the user's browser window.
#include "platform/browser/DevToolsPage.h"

#include "platform/browser/FrameTree.h"
#include "platform/dom/Document.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

TEST(DevToolsPage, OnlySocketsOnThisComputerAndTheSearchedPortAreFollowed) {
    struct Case {
        const char* socket;
        bool followed;
    };
    const Case cases[] = {
        {"ws://127.0.0.1:9222/devtools/page/A", true},
        {"ws://localhost:9222/devtools/page/A", true},
        {"ws://[::1]:9222/devtools/page/A", true},
        {"ws://127.0.0.2:9222/devtools/page/A", true}, // all of 127/8 is this computer
        {"ws://192.168.1.5:9222/devtools/page/A", false},
        {"ws://127.0.0.1.example.org:9222/devtools/page/A", false},
        {"ws://127.0.0.1:9223/devtools/page/A", false},
        {"wss://127.0.0.1:9222/devtools/page/A", false},
        {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DevToolsPage::isLoopbackSocket(QUrl(c.socket), 9222), c.followed) << c.socket;
    }
    EXPECT_EQ(DevToolsPage::targetListAddress(9333).toString(), "http://127.0.0.1:9333/json/list");
}

TEST(DevToolsPage, ReadPageBecomesADocumentWithItsFramesInOrder) {
    const QJsonObject frame{{"url", "http://p/r?page=1"},
                            {"charset", "windows-1252"},
                            {"html", "<html><head></head><body><a href=\"n\">Next Page</a>"
                                     "</body></html>"},
                            {"frames", QJsonArray{}}};
    const QJsonObject top{
        {"url", "http://p/view"},
        {"charset", "UTF-8"},
        {"html", "<html><head><title>Netravo portal </title></head><body>"
                 "<iframe src=\"/x\"></iframe><iframe src=\"https://other/\"></iframe>"
                 "<iframe src=\"/late\"></iframe></body></html>"},
        // a frame of another site reads as null; a frame the parse does not find is dropped
        {"frames", QJsonArray{frame, QJsonValue(), frame, frame}}};
    std::string why;
    // the frames count towards the bound: 354 characters in all
    EXPECT_EQ(DevToolsPage::toDocument(top, 353, why), nullptr);
    EXPECT_EQ(why, "its page holds more than 353 bytes of text (354 characters)");
    const auto document = DevToolsPage::toDocument(top, 354, why);
    EXPECT_EQ(document->url(), "http://p/view");
    EXPECT_EQ(document->charset(), "utf-8");
    EXPECT_EQ(document->rawTitle(), "Netravo portal ");
    const auto frames = document->frames();
    ASSERT_EQ(frames.size(), 3u);
    ASSERT_NE(frames[0]->contentDocument(), nullptr);
    EXPECT_EQ(frames[0]->contentDocument()->url(), "http://p/r?page=1");
    EXPECT_EQ(frames[0]->contentDocument()->charset(), "windows-1252");
    EXPECT_EQ(frames[0]->contentDocument()->links().at(0)->innerText(), "Next Page");
    EXPECT_EQ(frames[1]->contentDocument(), nullptr);
    EXPECT_NE(frames[2]->contentDocument(), nullptr);
}

TEST(DevToolsPage, ClickNamesTheFrameAndLinkAndCannotBeBrokenOutOf) {
    const QString expression =
        DevToolsPage::clickExpression({0, 2}, 5, "/r?a=1&b='\");alert(1);//");
    // the arguments are one JSON array at the end: the address stays a string
    const qsizetype start = expression.lastIndexOf("apply(null, ") + 12;
    const QString arguments = expression.mid(start, expression.size() - start - 1);
    const QJsonArray parsed = QJsonDocument::fromJson(arguments.toUtf8()).array();
    ASSERT_EQ(parsed.size(), 3);
    EXPECT_EQ(parsed[0].toArray(), (QJsonArray{0, 2}));
    EXPECT_EQ(parsed[1].toInt(), 5);
    EXPECT_EQ(parsed[2].toString(), "/r?a=1&b='\");alert(1);//");
}
