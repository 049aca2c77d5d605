#include "platform/browser/DevToolsWindow.h"

#include "platform/browser/DevToolsConnection.h"
#include "platform/browser/DevToolsPage.h"
#include "platform/browser/FrameTree.h"
#include "platform/dom/Document.h"

#include <algorithm>

DevToolsWindow::DevToolsWindow(std::string title, QUrl socket, QObject* parent)
    : BrowserWindow(parent)
    , m_title(std::move(title))
    , m_connection(std::make_unique<DevToolsConnection>(std::move(socket))) {
    connect(m_connection.get(), &DevToolsConnection::Opened, this, &DevToolsWindow::opened);
    connect(m_connection.get(), &DevToolsConnection::Closed, this, &DevToolsWindow::closed);
    connect(m_connection.get(), &DevToolsConnection::Event, this, &DevToolsWindow::event);
}

DevToolsWindow::~DevToolsWindow() = default;

void DevToolsWindow::load() {
    if (m_lost) {
        Q_EMIT LoadFailed("the window has gone away");
        return;
    }
    if (m_connection->isOpen()) {
        read(ReadFor::Load);
        return;
    }
    m_loadWanted = true;
    m_connection->open();
}

void DevToolsWindow::opened() {
    // the frames' load events are what DocumentComplete is made of
    m_connection->call("Page.enable", {}, [](const QJsonObject&, const QString&) {});
    if (m_loadWanted) {
        m_loadWanted = false;
        read(ReadFor::Load);
    }
}

void DevToolsWindow::closed(const QString& why) {
    const bool loading = m_loadWanted;
    m_loadWanted = false;
    m_lost = true;
    if (loading) {
        Q_EMIT LoadFailed(why.toStdString());
    } else {
        Q_EMIT Lost(why.toStdString());
    }
}

void DevToolsWindow::read(ReadFor purpose, const std::string& url) {
    const QJsonObject params{{"expression", DevToolsPage::readExpression()},
                             {"returnByValue", true}};
    m_connection->call(
        "Runtime.evaluate", params,
        [this, purpose, url](const QJsonObject& result, const QString& error) {
            const QJsonObject value = result.value("result").toObject().value("value").toObject();
            if (!error.isEmpty() || result.contains("exceptionDetails") || value.isEmpty()) {
                const std::string why =
                    "the page could not be read" +
                    (error.isEmpty() ? std::string() : ": " + error.toStdString());
                purpose == ReadFor::Load ? Q_EMIT LoadFailed(why) : Q_EMIT Lost(why);
                return;
            }
            m_document = DevToolsPage::toDocument(value);
            m_title = m_document->rawTitle();
            if (purpose == ReadFor::Load) {
                Q_EMIT Loaded();
            } else {
                Q_EMIT DocumentComplete(url.empty() ? m_document->url() : url);
            }
        });
}

void DevToolsWindow::event(const QString& method, const QJsonObject& params) {
    const QString frameId = params.value("frameId").toString();
    if (method == "Page.frameStartedLoading") {
        if (m_loadingFrames.empty()) {
            m_navigatingFrame = frameId;
        }
        m_loadingFrames.insert(frameId);
    } else if (method == "Page.frameNavigated") {
        const QJsonObject frame = params.value("frame").toObject();
        m_frameUrls[frame.value("id").toString()] = frame.value("url").toString().toStdString();
    } else if (method == "Page.frameStoppedLoading" || method == "Page.frameDetached") {
        frameStopped(frameId);
    } else if (method == "Inspector.detached") {
        closed("the browser ended the connection: " + params.value("reason").toString());
    }
}

void DevToolsWindow::frameStopped(const QString& frameId) {
    if (m_loadingFrames.erase(frameId) == 0 || !m_loadingFrames.empty()) {
        return;
    }
    const auto url = m_frameUrls.find(m_navigatingFrame);
    m_navigatingFrame.clear();
    read(ReadFor::DocumentComplete, url == m_frameUrls.end() ? std::string() : url->second);
}

void DevToolsWindow::click(Element& link) {
    const auto path = m_document ? FrameTree::contextOf(*m_document, link) : std::nullopt;
    Document* holder = path ? FrameTree::documentAt(*m_document, *path) : nullptr;
    const auto links = holder ? holder->links() : std::vector<Element*>();
    const auto at = std::find(links.begin(), links.end(), &link);
    if (at == links.end()) {
        Q_EMIT Lost("the link is not on the page that was read");
        return;
    }
    const QString expression = DevToolsPage::clickExpression(
        *path, static_cast<std::size_t>(at - links.begin()),
        QString::fromStdString(link.getAttribute("href").value_or("")));
    m_connection->call("Runtime.evaluate", {{"expression", expression}, {"returnByValue", true}},
                       [this](const QJsonObject& result, const QString& error) {
                           if (!error.isEmpty() ||
                               !result.value("result").toObject().value("value").toBool()) {
                               Q_EMIT Lost("the page changed before its link could be clicked");
                           }
                       });
}
