#pragma once

#include <QJsonObject>
#include <QString>
#include <QUrl>
#include <cstddef>
#include <memory>
#include <vector>

class Document;

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
// document order (a frame of another site reads as null).
QString readExpression();

// The read's answer as our own document, frame documents under their frame elements.
std::unique_ptr<Document> toDocument(const QJsonObject& read);

// An expression that clicks link `linkIndex` (among the a and area elements with an href) of
// the document reached through `framePath` (frame indexes from the top), if that link still
// has the address `href`; it returns whether it clicked.
QString clickExpression(const std::vector<std::size_t>& framePath, std::size_t linkIndex,
                        const QString& href);

} // namespace DevToolsPage
