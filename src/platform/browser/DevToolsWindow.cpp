#include "platform/browser/DevToolsWindow.h"

#include "platform/browser/DevToolsConnection.h"
#include "platform/browser/FrameTree.h"
#include "platform/dom/Document.h"

#include <algorithm>

namespace {

// Why the browser let go of the page, in words ("target_closed" is what it says when the
// user closes the tab).
std::string detachedBecause(const QString& reason) {
    if (reason == "target_closed") {
        return "the window was closed";
    }
    if (reason == "replaced_with_devtools") {
        return "another debugging tool took the window over";
    }
    if (reason.startsWith("Render process gone")) {
        return "the window's page crashed";
    }
    return "the browser let go of the window (" + reason.toStdString() + ")";
}

} // namespace

DevToolsWindow::DevToolsWindow(std::string title, std::string address, QUrl socket,
                               DevToolsLimits limits, QObject* parent)
    : BrowserWindow(parent)
    , m_title(std::move(title))
    , m_address(std::move(address))
    , m_limits(limits)
    , m_connection(std::make_unique<DevToolsConnection>(std::move(socket), limits.messageBytes)) {
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
    // wanted until the read answers, so a socket that closes first fails the load
    m_loadWanted = true;
    if (m_connection->isOpen()) {
        read(ReadFor::Load);
        return;
    }
    m_connection->open();
}

void DevToolsWindow::detach() {
    m_loadWanted = false;
    m_loads.clear();
    m_connection->close();
}

void DevToolsWindow::opened() {
    // the frames' load events are what DocumentComplete is made of
    m_connection->call("Page.enable", {}, [](const QJsonObject&, const QString&) {});
    if (m_loadWanted) {
        read(ReadFor::Load);
    }
}

void DevToolsWindow::closed(const QString& why) {
    if (m_lost) {
        return;
    }
    const bool loading = m_loadWanted;
    detach();
    m_lost = true;
    if (loading) {
        Q_EMIT LoadFailed(why.toStdString());
    } else {
        Q_EMIT Lost(why.toStdString());
    }
}

void DevToolsWindow::read(ReadFor purpose, const std::string& url) {
    const QJsonObject params{{"expression", DevToolsPage::readExpression(m_limits.pageCharacters)},
                             {"returnByValue", true}};
    m_connection->call("Runtime.evaluate", params,
                       [this, purpose, url](const QJsonObject& result, const QString& error) {
                           if (purpose == ReadFor::Load) {
                               m_loadWanted = false;
                           }
                           const QJsonObject value =
                               result.value("result").toObject().value("value").toObject();
                           std::string why = "the page could not be read";
                           auto document =
                               error.isEmpty() && !result.contains("exceptionDetails")
                                   ? DevToolsPage::toDocument(value, m_limits.pageCharacters, why)
                                   : nullptr;
                           if (!document) {
                               why += error.isEmpty() ? std::string() : ": " + error.toStdString();
                               if (purpose == ReadFor::Load) {
                                   Q_EMIT LoadFailed(why);
                               } else {
                                   closed(QString::fromStdString(why));
                               }
                               return;
                           }
                           m_document = std::move(document);
                           m_title = m_document->rawTitle();
                           m_address = m_document->url();
                           if (purpose == ReadFor::Load) {
                               Q_EMIT Loaded();
                           } else {
                               Q_EMIT DocumentComplete(url.empty() ? m_document->url() : url);
                           }
                       });
}

void DevToolsWindow::event(const QString& method, const QJsonObject& params) {
    if (method == "Inspector.detached") {
        closed(QString::fromStdString(detachedBecause(params.value("reason").toString())));
        return;
    }
    if (const auto completed = m_loads.event(method, params)) {
        read(ReadFor::DocumentComplete, *completed);
    }
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
    // A page that changed since it was read is not clicked: the page that replaced it has
    // its own load, and with it its own DocumentComplete.
    m_connection->call("Runtime.evaluate", {{"expression", expression}, {"returnByValue", true}},
                       [](const QJsonObject&, const QString&) {});
}
