#include "platform/browser/BrowserHarness.h"

#include "platform/dom/Document.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <stdexcept>

TestServer::~TestServer() {
    m_server.stop();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void TestServer::on(const std::string& pattern, Handler handler) {
    // noted before answering, so the browser cannot see the page before the test sees this
    auto recorded = [this, handler](const httplib::Request& request, httplib::Response& response) {
        {
            const std::lock_guard lock(m_mutex);
            m_requests.push_back(request.method + " " + request.target + " " + request.body);
        }
        handler(request, response);
    };
    m_server.Get(pattern, recorded);
    m_server.Post(pattern, recorded);
}

bool TestServer::start() {
    m_server.set_tcp_nodelay(true);
    m_port = m_server.bind_to_any_port("127.0.0.1");
    m_thread = std::thread([this] { m_server.listen_after_bind(); });
    while (m_port > 0 && !m_server.is_running()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return m_port > 0;
}

std::string TestServer::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

std::vector<std::string> TestServer::requests() {
    const std::lock_guard lock(m_mutex);
    return m_requests;
}

BrowserEvents::BrowserEvents(Browser& browser) {
    QObject::connect(&browser, &Browser::BeforeNavigate, &m_context,
                     [this](const std::string& url, bool& cancelIt) {
                         log.push_back("before " + url);
                         cancelIt = cancel && cancel(url);
                     });
    QObject::connect(&browser, &Browser::DocumentComplete, &m_context,
                     [this](const std::string& url) {
                         log.push_back("complete " + url);
                         ++m_outcomes;
                         if (onComplete) {
                             onComplete(url);
                         }
                     });
    QObject::connect(&browser, &Browser::NavigationFailed, &m_context,
                     [this](const BrowserFailure& failure) {
                         log.push_back("failed " + failure.url);
                         failures.push_back(failure);
                         ++m_outcomes;
                     });
}

bool BrowserEvents::next() {
    const std::size_t before = m_outcomes;
    QTimer guard;
    guard.setSingleShot(true);
    guard.start(std::chrono::seconds(20));
    while (m_outcomes == before && guard.isActive()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return m_outcomes > before;
}

Element& linkNamed(const Document& document, const std::string& text) {
    for (Element* link : document.links()) {
        if (link->innerText() == text) {
            return *link;
        }
    }
    throw std::runtime_error("no link \"" + text + "\" on " + document.url());
}
