#pragma once

#include "retrieval/PortalLayout.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <string>
#include <vector>

class BrowserWindow;
class BrowserWindows;
class Document;

// Looks through the user's open browser windows, in order, for the first one that shows the
// first record page of the portal: its title contains "portal", its document has a frame, and
// frame 0's text shows the month total's heading or the record page's address. When the run
// names the portal's site, only windows on that site count. A window that cannot be read is
// passed over, and so is one that does not answer in time (a busy or frozen tab must not hide
// the portal's window behind it). Only windows whose title (and site) qualify are read at
// all, so the user's other pages stay unread, and each window read and not taken is let go.
class ExternalWindowSearch : public QObject {
    Q_OBJECT
public:
    // `site`: the portal's host, or empty when any site will do.
    explicit ExternalWindowSearch(BrowserWindows& windows, PortalLayout layout = {},
                                  std::string site = {}, QObject* parent = nullptr);

    // Refreshes the list and looks; Found or NotFound follows (possibly before this returns).
    void start();
    // Stops looking; no signal follows.
    void cancel();
    // How long one window may take to be read before it is passed over.
    void setWindowTimeout(std::chrono::milliseconds timeout) { m_windowTimeout = timeout; }
    static constexpr std::chrono::seconds WindowTimeout{10};

    // The window being read, or null while the list is awaited.
    BrowserWindow* reading() const { return m_reading; }
    // After NotFound: what was passed over and why, for the message; empty when nothing was.
    std::string passedOver() const;

    // The rule for one window once its document has been read.
    static bool showsFirstRecordPage(const std::string& title, const Document* document,
                                     const PortalLayout& layout);
    static bool titleQualifies(const std::string& title, const PortalLayout& layout);

Q_SIGNALS:
    void Found(BrowserWindow* window);
    void NotFound();

private:
    void listed();
    void tryNext();
    void loaded();
    void failed(const std::string& why);
    void release();
    bool onSite(const std::string& address) const;

    BrowserWindows& m_windows;
    PortalLayout m_layout;
    std::string m_site;
    int m_next = 0;
    bool m_active = false;
    QPointer<BrowserWindow> m_reading;
    QTimer m_windowTimer;
    std::chrono::milliseconds m_windowTimeout = WindowTimeout;
    std::vector<std::string> m_otherSites; // addresses of portal-like windows elsewhere
    std::vector<std::string> m_unreadable; // "address (why)"
};
