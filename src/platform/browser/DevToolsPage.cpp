#include "platform/browser/DevToolsPage.h"

#include "platform/dom/Document.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>

QUrl DevToolsPage::targetListAddress(int port) {
    QUrl address;
    address.setScheme("http");
    address.setHost("127.0.0.1");
    address.setPort(port);
    address.setPath("/json/list");
    return address;
}

bool DevToolsPage::isLoopbackSocket(const QUrl& socket, int port) {
    if (socket.scheme() != "ws" || socket.port() != port) {
        return false;
    }
    const QString host = socket.host();
    if (host == "localhost") {
        return true;
    }
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

std::string DevToolsLimits::megabytes(qint64 bytes) {
    const bool whole = bytes % (1 << 20) == 0;
    return std::to_string(whole ? bytes >> 20 : bytes) + (whole ? " MB" : " bytes");
}

QString DevToolsPage::readExpression(int maxCharacters) {
    // the size is checked in the page, so a page past the limit never crosses the socket
    return QStringLiteral("(function (limit) { var total = 0;"
                          " function read(d) {"
                          "  var html = d.documentElement ? d.documentElement.outerHTML : '';"
                          "  total += html.length;"
                          "  if (total > limit) return null;"
                          "  return {url: d.URL, charset: d.characterSet, html: html,"
                          "   frames: Array.from(d.querySelectorAll('frame,iframe'), function (f) {"
                          "    var c = null; try { c = f.contentDocument; } catch (e) {}"
                          "    return c && total <= limit ? read(c) : null; })}; }"
                          " var page = read(document);"
                          " return total > limit ? {tooLarge: total} : page;"
                          "})(%1)")
        .arg(maxCharacters);
}

namespace {

// The whole tree's text is counted before any of it is parsed (the JSON reader bounds the
// depth).
qint64 characters(const QJsonObject& read) {
    qint64 total = read.value("html").toString().size();
    for (const QJsonValue& frame : read.value("frames").toArray()) {
        total += characters(frame.toObject());
    }
    return total;
}

std::unique_ptr<Document> parsed(const QJsonObject& read) {
    auto document = Document::parse(read.value("html").toString().toStdString());
    document->setUrl(read.value("url").toString().toStdString());
    const QString charset = read.value("charset").toString().toLower();
    if (!charset.isEmpty()) {
        document->setCharset(charset.toStdString());
    }
    // the live page and its serialisation hold the same frames in the same order
    const QJsonArray frames = read.value("frames").toArray();
    const auto elements = document->frames();
    for (qsizetype i = 0; i < frames.size() && static_cast<std::size_t>(i) < elements.size(); ++i) {
        if (frames[i].isObject()) {
            elements[static_cast<std::size_t>(i)]->setContentDocument(parsed(frames[i].toObject()));
        }
    }
    return document;
}

} // namespace

std::unique_ptr<Document> DevToolsPage::toDocument(const QJsonObject& read, int maxCharacters,
                                                   std::string& why) {
    const qint64 length =
        read.contains("tooLarge") ? read.value("tooLarge").toInteger() : characters(read);
    if (read.contains("tooLarge") || length > maxCharacters) {
        why = "its page holds more than " + DevToolsLimits::megabytes(maxCharacters) +
              " of text (" + std::to_string(length) + " characters)";
        return nullptr;
    }
    if (!read.contains("html")) {
        why = "it answered with no page";
        return nullptr;
    }
    return parsed(read);
}

QString DevToolsPage::clickExpression(const std::vector<std::size_t>& framePath,
                                      std::size_t linkIndex, const QString& href) {
    QJsonArray path;
    for (const std::size_t index : framePath) {
        path.append(static_cast<qint64>(index));
    }
    // the arguments go in as JSON, so no address can break out of its string
    const QJsonArray arguments{path, static_cast<qint64>(linkIndex), href};
    const QString json = QString::fromUtf8(QJsonDocument(arguments).toJson(QJsonDocument::Compact));
    return QStringLiteral("(function (path, index, href) {"
                          " var d = document;"
                          " for (var i = 0; i < path.length; i++) {"
                          "  var f = d.querySelectorAll('frame,iframe')[path[i]];"
                          "  d = f ? f.contentDocument : null;"
                          "  if (!d) return false; }"
                          " var a = d.links[index];"
                          " if (!a || a.getAttribute('href') !== href) return false;"
                          " a.click(); return true;"
                          "}).apply(null, %1)")
        .arg(json);
}
