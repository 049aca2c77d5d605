#pragma once

#include "platform/browser/Browser.h"

#include <QObject>
#include <functional>
#include <httplib.h>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class Document;
class Element;

// A small purpose-built web server on a free loopback port; it remembers every request.
class TestServer {
public:
    using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;
    ~TestServer();
    // Answers GET and POST requests for addresses matching `pattern`.
    void on(const std::string& pattern, Handler handler);
    bool start();
    std::string url(const std::string& path) const;
    int port() const { return m_port; }
    // "METHOD target body" of every request so far.
    std::vector<std::string> requests();

private:
    httplib::Server m_server;
    std::thread m_thread;
    std::mutex m_mutex;
    std::vector<std::string> m_requests;
    int m_port = 0;
};

// Records what a browser tells its owner and runs the owner's event loop until it speaks.
class BrowserEvents {
public:
    explicit BrowserEvents(Browser& browser);
    std::vector<std::string> log; // "before URL", "complete URL" and "failed URL" lines
    std::vector<BrowserFailure> failures;
    std::function<void(const std::string&)> onComplete; // runs inside DocumentComplete
    std::function<bool(const std::string&)> cancel;     // answers BeforeNavigate
    // Runs the event loop until the next DocumentComplete or NavigationFailed; false when
    // none comes within a generous guard time (a hang).
    bool next();

private:
    QObject m_context;
    std::size_t m_outcomes = 0;
};

// The first link of a document with this inner text (it must exist).
Element& linkNamed(const Document& document, const std::string& text);
