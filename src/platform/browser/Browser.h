#pragma once

#include <QObject>
#include <string>

class Document;
class Element;

// Why a navigation did not end in a document.
struct BrowserFailure {
    enum class Kind {
        Network,       // no connection, DNS, TLS, time-out, connection cut off
        HttpStatus,    // the server answered with an error status (4xx, 5xx)
        ScriptAddress, // a javascript: (or vbscript:) address, which is never followed
        Unsupported,   // an address scheme or form the browser cannot load
    };
    Kind kind = Kind::Network;
    std::string url;     // the address that failed
    std::string message; // one line for a person: what failed and why
    int httpStatus = 0;  // for HttpStatus
    std::string detail;  // the network library's own words, for a second line; may be empty
};

// The embedded browser the portal session drives: it loads pages and their frames, keeps
// cookies, submits forms, follows links, and tells its owner through two events, delivered on
// the owner's thread one at a time (never from inside another of its events):
// - BeforeNavigate(url, cancel), raised synchronously inside Navigate, submit and click, before
//   anything is fetched; setting `cancel` stops that navigation;
// - DocumentComplete(url), raised once per navigation, after the page and all of its frames
//   (and theirs) have loaded, with the address of the browsing context that navigated (a
//   frame's address when only that frame navigated).
// A navigation that fails raises NavigationFailed instead of DocumentComplete. Scripts never run.
class Browser : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Browser() override = default;

    // Starts loading an address into the top browsing context. A navigation still in progress
    // is abandoned (its events are never raised).
    virtual void Navigate(const std::string& url) = 0;

    // The top document ("about:blank" until something has loaded). Frame documents hang off
    // their frame and iframe elements (Element::contentDocument).
    virtual Document* document() const = 0;

    // Submits a form of any document of this browser (top or frame), as a browser does for
    // form.submit(): its fields by name, GET or POST urlencoded in the page's encoding, into
    // the browsing context its target names (the form's own frame when it names none).
    virtual void submit(Element& form) = 0;

    // Follows a link (a or area element with href) of any document of this browser, resolved
    // against its document's address, into the browsing context its target names.
    virtual void click(Element& link) = 0;

    // True while a navigation is in progress.
    virtual bool busy() const = 0;

    // Abandons the navigation in progress, if any; no event follows for it.
    virtual void stop() = 0;

Q_SIGNALS:
    // Connect with a direct connection (the default for objects of the same thread).
    void BeforeNavigate(const std::string& url, bool& cancel);
    void DocumentComplete(const std::string& url);
    void NavigationFailed(const BrowserFailure& failure);
};
