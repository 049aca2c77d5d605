#pragma once

#include <QObject>
#include <string>

class Document;
class Element;

// One window (tab) of the user's own browser, which lives in another process. It can be read
// and its links clicked, nothing more: it is never navigated, and its forms are never filled.
// Its events come on the owner's thread, one at a time:
// - Loaded / LoadFailed answer load();
// - DocumentComplete(url), once per navigation of the window, after the page and its frames
//   have loaded and document() has been read again, with the address of the browsing context
//   that navigated (a frame's address when only that frame navigated);
// - Lost(why), when the window can no longer be followed: it or its browser has gone away,
//   or it sent more than this program reads; nothing follows it.
class BrowserWindow : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~BrowserWindow() override = default;

    // The window's title and address as the browser lists them (as last read, once read).
    virtual std::string title() const = 0;
    virtual std::string address() const = 0;

    // Reads the document the window shows now, its frames included.
    virtual void load() = 0;

    // The document as last read (with frame documents under their frame elements); null
    // before the first read.
    virtual Document* document() const = 0;

    // Clicks a link of document() (top or any frame) in the live page, in the frame that
    // holds it, as the user would. A link the live page no longer holds is not clicked: the
    // page that replaced it comes with a DocumentComplete of its own.
    virtual void click(Element& link) = 0;

    // Lets go of the window: its connection closes and no event follows until load().
    virtual void detach() = 0;

Q_SIGNALS:
    void Loaded();
    void LoadFailed(const std::string& why);
    void DocumentComplete(const std::string& url);
    void Lost(const std::string& why);
};

// The open windows of the user's browser, in the browser's order. refresh() asks the browser
// for its windows and raises Refreshed when the list is ready (an empty list, with
// problem() saying why, when no browser answers).
class BrowserWindows : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~BrowserWindows() override = default;

    virtual void refresh() = 0;
    virtual int count() const = 0;
    // Null for an index out of range.
    virtual BrowserWindow* item(int index) const = 0;

    // Where the windows were looked for, for messages ("port 9222 of this computer").
    virtual std::string searched() const = 0;
    // Why the last refresh found no browser at all; empty when one answered.
    virtual std::string problem() const = 0;

Q_SIGNALS:
    void Refreshed();
};
