#pragma once

#include <QJsonObject>
#include <QString>
#include <QUrl>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class Document;

// The most this program reads from the browser. A record page is some tens of kilobytes, so
// these leave a wide margin, yet a broken or hostile browser cannot fill the memory.
struct DevToolsLimits {
    qint64 listBytes = 4 << 20;     // the list of windows
    qint64 messageBytes = 32 << 20; // one message of the protocol, a page read included
    int pageCharacters = 8 << 20;   // the text of a page and its frames together

    // "4 MB": a limit for messages.
    static std::string megabytes(qint64 bytes);
};

// What this program asks of a page in the user's browser over the debugging protocol, and
// how the answers become our own documents. Only two scripts ever run there: the read below
// and the click of one link. Neither changes the page in any other way.
namespace DevToolsPage {

// The address that lists the browser's targets; always this computer.
QUrl targetListAddress(int port);

// A target's socket may be used only when it is on this computer, on the port that was
// searched: a list that points elsewhere is not followed.
bool isLoopbackSocket(const QUrl& socket, int port);

// An expression that returns the page as {url, charset, html, frames: [same or null]}: the
// document element's outer HTML of the top document and of every frame and iframe, in
// document order (a frame of another site reads as null). A page whose texts together are
// longer than `maxCharacters` returns only {tooLarge: its length so far}.
QString readExpression(int maxCharacters);

// The read's answer as our own document, frame documents under their frame elements; null
// when the answer is no page, or one larger than `maxCharacters` (then `why` says which).
std::unique_ptr<Document> toDocument(const QJsonObject& read, int maxCharacters, std::string& why);

// An expression that clicks link `linkIndex` (among the a and area elements with an href) of
// the document reached through `framePath` (frame indexes from the top), if that link still
// has the address `href`; it returns whether it clicked.
QString clickExpression(const std::vector<std::size_t>& framePath, std::size_t linkIndex,
                        const QString& href);

} // namespace DevToolsPage
