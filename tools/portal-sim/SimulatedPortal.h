#pragma once

#include "portal-sim/SimConfig.h"
#include "portal-sim/SimLog.h"

#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

class SimSite;

// The simulated operator portal served over HTTP on a loopback port, in-process: tests,
// the demo and the benchmarks start it, walk it and change it between walks.
class SimulatedPortal {
public:
    explicit SimulatedPortal(SimConfig config = {});
    ~SimulatedPortal();
    SimulatedPortal(const SimulatedPortal&) = delete;
    SimulatedPortal& operator=(const SimulatedPortal&) = delete;

    // Listens on 127.0.0.1; port 0 takes a free one. False when the port cannot be bound.
    bool start(int port = 0);
    void stop();
    int port() const { return m_port; }
    // "http://127.0.0.1:PORT/", the address of the login page.
    std::string baseUrl() const;

    // Everything below is safe to call while the server is answering requests.
    SimConfig config() const;
    void setFaults(const SimFaults& faults);
    // Adds `count` newer rows to the current month; returns its new row count.
    int addRows(int count);
    // The month `monthsBack` before the current one, as querydate counts.
    SimMonth monthBack(int monthsBack) const;
    // A copy of what the portal lists for a month (rows, totals, pages).
    SimMonthLog month(SimMonth month) const;
    int recordPagesServed() const;
    int requestsServed() const;

private:
    void answer(const httplib::Request& request, httplib::Response& response);

    mutable std::mutex m_mutex;
    std::unique_ptr<SimSite> m_site;
    std::unique_ptr<httplib::Server> m_server;
    std::thread m_thread;
    int m_port = 0;
    int m_requests = 0;
};
