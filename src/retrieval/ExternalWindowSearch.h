#pragma once

#include "retrieval/PortalLayout.h"

#include <QObject>
#include <QPointer>

class BrowserWindow;
class BrowserWindows;
class Document;

// Looks through the user's open browser windows, in order, for the first one that shows the
// first record page of the portal: its title contains "portal", its document has a frame, and
// frame 0's text shows the month total's heading or the record page's address. A window that
// cannot be read is passed over. Only windows whose title qualifies are read at all, so the
// user's other pages stay unread.
class ExternalWindowSearch : public QObject {
    Q_OBJECT
public:
    explicit ExternalWindowSearch(BrowserWindows& windows, PortalLayout layout = {},
                                  QObject* parent = nullptr);

    // Refreshes the list and looks; Found or NotFound follows (possibly before this returns).
    void start();
    // Stops looking; no signal follows.
    void cancel();

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
    void passOver();
    void release();

    BrowserWindows& m_windows;
    PortalLayout m_layout;
    int m_next = 0;
    bool m_active = false;
    QPointer<BrowserWindow> m_reading;
};
