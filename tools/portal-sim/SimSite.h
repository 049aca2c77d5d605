#pragma once

#include "portal-sim/SimConfig.h"
#include "portal-sim/SimLog.h"

#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// One request as the portal sees it; parameters are the raw bytes of the query string and
// of an urlencoded form body together.
struct SimRequest {
    std::string method = "GET";
    std::string path = "/";
    std::map<std::string, std::string> params;
    std::string cookieHeader;
};

struct SimResponse {
    static constexpr std::size_t wholeBody = std::numeric_limits<std::size_t>::max();

    int status = 200;
    std::string body;
    std::string contentType = "text/html; charset=ISO-8859-1";
    std::string location;  // set for redirects
    std::string setCookie; // the Set-Cookie header, when a session starts or ends
    // The connection is closed after this many bytes of the body (a cut-off transfer).
    std::size_t sendOnly = wholeBody;
};

// The portal's behaviour without any networking: logins and sessions, which page answers
// which address, and the fault switches. Not thread-safe; the server serialises calls.
class SimSite {
public:
    explicit SimSite(SimConfig config);

    SimResponse handle(const SimRequest& request);

    const SimConfig& config() const { return m_config; }
    void setFaults(const SimFaults& faults) { m_config.faults = faults; }
    SimLog& log() { return m_log; }
    // Adds rows to the current month; returns its new row count.
    int addRows(int count) { return m_log.addRows(count); }
    // Record pages answered with rows so far (500s and expired sessions not counted).
    int recordPagesServed() const { return m_recordPagesServed; }

    static constexpr std::string_view cookieName = "NETRAVOSESSION";

private:
    struct Session {
        int recordPages = 0;
        bool rowsArrived = false;
    };

    SimResponse route(const SimRequest& request);
    std::string loginPage(std::string_view errorText = {}) const;
    SimResponse login(const SimRequest& request);
    SimResponse logout(const SimRequest& request);
    SimResponse sessionPage(const std::string& path) const;
    SimResponse results(const SimRequest& request, const std::string& token);
    SimResponse resultsView(const SimRequest& request);
    SimResponse recordPage(SimMonth month, int page, const std::string& token);
    SimResponse admin(const SimRequest& request);
    std::string stateJson();
    std::optional<SimMonth> requestedMonth(const SimRequest& request) const;
    // The request's session token when it names a live session, else empty.
    std::string liveToken(const SimRequest& request) const;

    SimConfig m_config;
    std::string m_userName; // Latin-1, as the pages show it
    unsigned m_tokenSalt;
    SimLog m_log;
    std::map<std::string, Session> m_sessions;
    int m_sessionsStarted = 0;
    int m_recordPagesServed = 0;
};
