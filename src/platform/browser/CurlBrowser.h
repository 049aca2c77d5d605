#pragma once

#include "platform/browser/Browser.h"
#include "platform/browser/BrowserOptions.h"
#include "platform/browser/FrameTree.h"

#include <cstdint>
#include <memory>

class Document;
class NavigationWorker;
struct Navigation;

// The embedded browser on libcurl and our DOM. Pages and their frames are fetched and parsed
// on one worker thread that keeps the connection and the cookies for the browser's life; the
// finished documents are handed to the owner's thread, installed there, and announced from
// its event loop (a GUI's, or a QCoreApplication / QEventLoop that a command runs).
class CurlBrowser final : public Browser {
    Q_OBJECT
public:
    explicit CurlBrowser(BrowserOptions options = {}, QObject* parent = nullptr);
    ~CurlBrowser() override;

    void Navigate(const std::string& url) override;
    Document* document() const override { return m_document.get(); }
    void submit(Element& form) override;
    void click(Element& link) override;
    bool busy() const override { return m_busy; }
    void stop() override;

private:
    struct Arrival; // a finished navigation on its way to this object's thread

    void begin(Navigation navigation);
    // Hands an arrival to this object's thread; called from any thread.
    void post(std::shared_ptr<Arrival> arrival);
    void arrive(const std::shared_ptr<Arrival>& arrival);
    // Puts the document into the context the navigation loads into, handing back the one it
    // replaces; false when that context is gone.
    bool install(std::unique_ptr<Document> document, std::unique_ptr<Document>& replaced);
    // Raises one event; an arrival meanwhile (a handler running a nested event loop) waits
    // until the handler has returned.
    template <typename Raise> void announce(const Raise& raise);

    std::unique_ptr<Document> m_document;
    std::uint64_t m_navigation = 0; // the latest navigation; older outcomes are dropped
    FrameTree::Path m_target;       // where the latest navigation loads into
    bool m_busy = false;
    bool m_announcing = false;
    std::shared_ptr<Arrival> m_held;
    std::unique_ptr<NavigationWorker> m_worker;
};
