#include "portal-sim/SimulatedPortal.h"

#include "portal-sim/SimSite.h"

#include <atomic>
#include <chrono>
#include <httplib.h>
#include <sys/socket.h>

namespace {

constexpr auto startWait = std::chrono::seconds(10);

SimRequest simRequest(const httplib::Request& request) {
    SimRequest out;
    out.method = request.method;
    out.path = request.path;
    for (const auto& [name, value] : request.params) {
        out.params.emplace(name, value); // the first of repeated names counts
    }
    out.cookieHeader = request.get_header_value("Cookie");
    return out;
}

void fill(httplib::Response& response, SimResponse&& answer) {
    response.status = answer.status;
    if (!answer.location.empty()) {
        response.set_header("Location", answer.location);
    }
    if (!answer.setCookie.empty()) {
        response.set_header("Set-Cookie", answer.setCookie);
    }
    if (answer.sendOnly >= answer.body.size()) {
        response.set_content(answer.body, answer.contentType.c_str());
        return;
    }
    // announce the whole length, send only the first part, then give up on the connection
    auto body = std::make_shared<std::string>(std::move(answer.body));
    const std::size_t cut = answer.sendOnly;
    response.set_content_provider(
        body->size(), answer.contentType.c_str(),
        [body, cut](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
            if (offset >= cut) {
                return false;
            }
            return sink.write(body->data() + offset, std::min(length, cut - offset));
        });
}

std::unique_ptr<httplib::Server> newServer(const httplib::Server::Handler& handler) {
    auto server = std::make_unique<httplib::Server>();
    // without it every answer on a kept-alive connection waits for the delayed ACK
    server->set_tcp_nodelay(true);
    // an idle kept-alive connection holds a worker; keep stop() quick
    server->set_keep_alive_timeout(1);
    // a whole walk runs on one connection, as a browser keeps it
    server->set_keep_alive_max_count(1000000);
    // the library's default SO_REUSEPORT would let a second portal share a busy port and
    // take half of its requests; SO_REUSEADDR alone still allows a quick restart
    server->set_socket_options([](int socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
    });
    server->Get(".*", handler);
    server->Post(".*", handler);
    return server;
}

} // namespace

SimulatedPortal::SimulatedPortal(SimConfig config)
    : m_site(std::make_unique<SimSite>(std::move(config))) {}

SimulatedPortal::~SimulatedPortal() {
    stop();
}

bool SimulatedPortal::start(int port) {
    if (m_server) {
        return true;
    }
    auto server = newServer([this](const httplib::Request& request, httplib::Response& response) {
        answer(request, response);
    });
    const int bound = port == 0 ? server->bind_to_any_port("127.0.0.1")
                                : (server->bind_to_port("127.0.0.1", port) ? port : -1);
    if (bound <= 0) {
        return false;
    }
    auto finished = std::make_shared<std::atomic<bool>>(false);
    m_thread = std::thread([raw = server.get(), finished] {
        raw->listen_after_bind();
        finished->store(true);
    });
    const auto deadline = std::chrono::steady_clock::now() + startWait;
    while (!server->is_running() && !finished->load() &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    m_server = std::move(server);
    m_port = bound;
    if (!m_server->is_running()) {
        stop();
        return false;
    }
    return true;
}

void SimulatedPortal::stop() {
    if (!m_server) {
        return;
    }
    m_server->stop();
    if (m_thread.joinable()) {
        m_thread.join();
    }
    m_server.reset();
    m_port = 0;
}

std::string SimulatedPortal::baseUrl() const {
    return "http://127.0.0.1:" + std::to_string(m_port) + "/";
}

SimConfig SimulatedPortal::config() const {
    const std::lock_guard lock(m_mutex);
    return m_site->config();
}

void SimulatedPortal::setFaults(const SimFaults& faults) {
    const std::lock_guard lock(m_mutex);
    m_site->setFaults(faults);
}

int SimulatedPortal::addRows(int count) {
    const std::lock_guard lock(m_mutex);
    return m_site->addRows(count);
}

SimMonth SimulatedPortal::monthBack(int monthsBack) const {
    const std::lock_guard lock(m_mutex);
    return m_site->log().monthBack(monthsBack);
}

SimMonthLog SimulatedPortal::month(SimMonth month) const {
    const std::lock_guard lock(m_mutex);
    return m_site->log().month(month);
}

int SimulatedPortal::recordPagesServed() const {
    const std::lock_guard lock(m_mutex);
    return m_site->recordPagesServed();
}

int SimulatedPortal::requestsServed() const {
    const std::lock_guard lock(m_mutex);
    return m_requests;
}

void SimulatedPortal::answer(const httplib::Request& request, httplib::Response& response) {
    const SimRequest simulated = simRequest(request);
    int delayMs = 0;
    {
        const std::lock_guard lock(m_mutex);
        delayMs = m_site->config().faults.delayMs;
    }
    if (delayMs > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
    }
    SimResponse answer;
    {
        const std::lock_guard lock(m_mutex);
        ++m_requests;
        answer = m_site->handle(simulated);
    }
    fill(response, std::move(answer));
}
