#include "portal-sim/SimSite.h"

#include "portal-sim/SimPageWriter.h"
#include "portal-sim/SimRecordPageWriter.h"
#include "portal-sim/SimText.h"

#include <algorithm>
#include <charconv>
#include <nlohmann/json.hpp>
#include <random>
#include <utility>

namespace {

constexpr int maxPageSize = 10000;
constexpr int maxRowsPerMonth = 200000;
constexpr int maxAddedRows = 100000;

SimResponse htmlPage(std::string body, int status = 200) {
    SimResponse response;
    response.status = status;
    response.body = std::move(body);
    return response;
}

SimResponse jsonAnswer(const nlohmann::json& value, int status = 200) {
    SimResponse response;
    response.status = status;
    response.contentType = "application/json";
    response.body = value.dump(2) + "\n";
    return response;
}

std::string param(const SimRequest& request, const std::string& name) {
    const auto found = request.params.find(name);
    return found == request.params.end() ? std::string() : found->second;
}

// A whole number in [low, high], or nothing.
std::optional<int> number(const std::string& text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

SimConfig normalised(SimConfig config) {
    config.pageSize = std::clamp(config.pageSize, 1, maxPageSize);
    config.rowsPerMonth = std::clamp(config.rowsPerMonth, 0, maxRowsPerMonth);
    config.nowSecondsOfDay = std::clamp(config.nowSecondsOfDay, 0, 86399);
    return config;
}

} // namespace

SimSite::SimSite(SimConfig config)
    : m_config(normalised(std::move(config)))
    , m_userName(SimText::latin1FromUtf8(m_config.userName))
    , m_tokenSalt(std::random_device{}())
    , m_log(m_config.seed, m_config.rowsPerMonth,
            SimTime::fromDate(m_config.today, m_config.nowSecondsOfDay)) {}

SimResponse SimSite::handle(const SimRequest& request) {
    SimResponse response = route(request);
    const std::string titleStart = "<title>", titleEnd = "</title>";
    const auto start = response.body.find(titleStart);
    const auto end = response.body.find(titleEnd);
    if (m_config.everyPageTitledPortal && start != std::string::npos && end > start) {
        response.body.replace(start + titleStart.size(), end - start - titleStart.size(), "portal");
        response.sendOnly = std::min(response.sendOnly, response.body.size());
    }
    return response;
}

SimResponse SimSite::route(const SimRequest& request) {
    const std::string& path = request.path;
    if (path == "/" || (path == "/login" && request.method != "POST")) {
        return htmlPage(loginPage());
    }
    if (path == "/login") {
        return login(request);
    }
    if (path == "/logout") {
        return logout(request);
    }
    if (path == "/news") {
        return htmlPage(SimPageWriter::newsPage());
    }
    if (path.starts_with("/admin/")) {
        return admin(request);
    }
    const std::string token = liveToken(request);
    if (path == "/records/Results") {
        return results(request, token);
    }
    if (token.empty()) {
        return htmlPage(loginPage("Your session has ended. Please log in."));
    }
    if (path == "/records/ResultsView") {
        return resultsView(request);
    }
    return sessionPage(path);
}

std::string SimSite::loginPage(std::string_view errorText) const {
    return SimPageWriter::loginPage(errorText, !m_config.faults.loginFormWithoutMethod);
}

SimResponse SimSite::login(const SimRequest& request) {
    const std::string user = SimText::formValueToUtf8(param(request, "username"));
    const std::string password = SimText::formValueToUtf8(param(request, "Password"));
    if (m_config.faults.rejectLogins || user != m_config.userName ||
        password != m_config.password) {
        return htmlPage(loginPage("Invalid user name or password."));
    }
    // browsers send cookies to every port of a host, so tokens differ between portals too
    const std::string token =
        "S" + std::to_string(m_tokenSalt) + "x" + std::to_string(++m_sessionsStarted);
    m_sessions[token] = Session{};
    SimResponse response = htmlPage(SimPageWriter::messagePage("Signed in", "Welcome back."), 303);
    response.location = "/home";
    response.setCookie = std::string(cookieName) + "=" + token + "; Path=/; HttpOnly";
    return response;
}

SimResponse SimSite::logout(const SimRequest& request) {
    m_sessions.erase(liveToken(request));
    SimResponse response = htmlPage(loginPage("You have logged out."));
    response.setCookie = std::string(cookieName) + "=; Path=/; Max-Age=0";
    return response;
}

SimResponse SimSite::sessionPage(const std::string& path) const {
    const QDate today = m_config.today;
    if (path == "/home") {
        return htmlPage(
            SimPageWriter::topPage("Netravo portal - Home", m_userName, "/news", today));
    }
    if (path == "/records") {
        return htmlPage(SimPageWriter::topPage("Netravo portal - Service Records", m_userName,
                                               "/records/query", today));
    }
    if (path == "/records/query") {
        return htmlPage(SimPageWriter::queryPage(m_log.currentMonth(), m_config.layout));
    }
    if (path == "/account" || path == "/billing" || path == "/plans" || path == "/help") {
        return htmlPage(
            SimPageWriter::messagePage("Not available", "This section is closed for maintenance."));
    }
    return htmlPage(SimPageWriter::messagePage("Not found", "There is no such page."), 404);
}

SimResponse SimSite::results(const SimRequest& request, const std::string& token) {
    if (token.empty()) {
        return htmlPage(SimPageWriter::expiredPage());
    }
    const std::optional<SimMonth> month = requestedMonth(request);
    const std::string pageText = param(request, "page");
    const std::optional<int> page = pageText.empty() ? 1 : number(pageText, 1, 1000000);
    if (!month || !page) {
        return htmlPage(SimPageWriter::messagePage("Bad request", "Unknown month or page."), 400);
    }
    return recordPage(*month, *page, token);
}

SimResponse SimSite::resultsView(const SimRequest& request) {
    const std::optional<SimMonth> month = requestedMonth(request);
    if (!month) {
        return htmlPage(SimPageWriter::messagePage("Bad request", "Unknown month."), 400);
    }
    return htmlPage(SimPageWriter::topPage("Netravo portal - Service Records", m_userName,
                                           SimRecordPageWriter::pageAddress(*month, 1),
                                           m_config.today));
}

SimResponse SimSite::recordPage(SimMonth month, int page, const std::string& token) {
    const SimFaults& faults = m_config.faults;
    Session& session = m_sessions.at(token);
    if (faults.expireAfterPages > 0 && session.recordPages >= faults.expireAfterPages) {
        m_sessions.erase(token);
        return htmlPage(SimPageWriter::expiredPage());
    }
    if (faults.http500OnPage == page) {
        return htmlPage(SimPageWriter::messagePage("Internal Server Error",
                                                   "The service records are not available."),
                        500);
    }
    ++session.recordPages;
    ++m_recordPagesServed;
    const SimMonthLog& log = m_log.month(month);
    const SimRecordPage content{month,
                                m_userName,
                                log.sendKB(),
                                log.receiveKB(),
                                log.page(page, m_config.pageSize),
                                page,
                                log.pageCount(m_config.pageSize)};
    if (faults.rowsArriveAfterPage == page && faults.rowsArriving > 0 &&
        month == m_log.currentMonth() && !std::exchange(session.rowsArrived, true)) {
        m_log.addRows(std::min(faults.rowsArriving, maxAddedRows));
    }
    const bool cut = faults.truncatedPage == page;
    SimRecordPageFaults pageFaults;
    pageFaults.nextPageBack = faults.nextPageBackFrom == page;
    pageFaults.changedLayout = faults.changedLayout;
    pageFaults.truncated = cut && !faults.truncateByDroppingConnection;
    if (faults.malformedRowPage == page) {
        pageFaults.malformedRow = faults.malformedRow;
    }
    SimResponse response = htmlPage(SimRecordPageWriter::write(content, pageFaults));
    if (cut && faults.truncateByDroppingConnection) {
        response.sendOnly = SimRecordPageWriter::cutPoint(response.body);
    }
    return response;
}

SimResponse SimSite::admin(const SimRequest& request) {
    if (request.path == "/admin/state") {
        SimResponse response = jsonAnswer(nullptr);
        response.body = stateJson() + "\n";
        return response;
    }
    if (request.path == "/admin/add-rows") {
        const std::optional<int> count = number(param(request, "count"), 1, maxAddedRows);
        if (!count) {
            return jsonAnswer({{"error", "count must be a whole number from 1 to " +
                                             std::to_string(maxAddedRows)}},
                              400);
        }
        const SimMonth current = m_log.currentMonth();
        const int rows = m_log.addRows(*count);
        return jsonAnswer({{"added", *count},
                           {"month", current.text()},
                           {"rows", rows},
                           {"pages", m_log.month(current).pageCount(m_config.pageSize)}});
    }
    return jsonAnswer({{"error", "unknown admin address"}}, 404);
}

std::string SimSite::stateJson() {
    nlohmann::json months = nlohmann::json::array();
    for (int k = 0; k < 6; ++k) {
        const SimMonth month = m_log.monthBack(k);
        const SimMonthLog& log = m_log.month(month);
        months.push_back({{"querydate", k},
                          {"month", month.text()},
                          {"rows", log.rowCount()},
                          {"pages", log.pageCount(m_config.pageSize)},
                          {"total_gb", SimRecordPageWriter::gigabytesText(log.bandwidthKB())},
                          {"bandwidth_kb", log.bandwidthKB()}});
    }
    return nlohmann::json{{"today", m_config.today.toString(Qt::ISODate).toStdString()},
                          {"page_size", m_config.pageSize},
                          {"record_pages_served", m_recordPagesServed},
                          {"months", months}}
        .dump(2);
}

std::optional<SimMonth> SimSite::requestedMonth(const SimRequest& request) const {
    const std::string monthText = param(request, "month");
    if (!monthText.empty()) {
        return SimMonth::parse(monthText);
    }
    const std::optional<int> monthsBack = number(param(request, "querydate"), 0, 5);
    if (!monthsBack) {
        return std::nullopt;
    }
    return m_log.monthBack(*monthsBack);
}

std::string SimSite::liveToken(const SimRequest& request) const {
    const std::string key = std::string(cookieName) + "=";
    const std::string& cookies = request.cookieHeader;
    for (std::size_t at = cookies.find(key); at != std::string::npos;
         at = cookies.find(key, at + 1)) {
        if (at > 0 && cookies[at - 1] != ' ' && cookies[at - 1] != ';') {
            continue;
        }
        const std::size_t start = at + key.size();
        const std::string token = cookies.substr(start, cookies.find(';', start) - start);
        if (m_sessions.contains(token)) {
            return token;
        }
    }
    return {};
}
