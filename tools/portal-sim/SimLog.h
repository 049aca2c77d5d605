#pragma once

#include "portal-sim/SimMonthGenerator.h"

#include <map>
#include <vector>

// The rows of one month as the portal lists them, with the totals it shows above them.
class SimMonthLog {
public:
    SimMonthLog() = default;
    explicit SimMonthLog(std::vector<SimRow> rowsOldestFirst);

    void append(const std::vector<SimRow>& newer);

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    const std::vector<SimRow>& rowsOldestFirst() const { return m_rows; }
    // The month as the portal lists it: newest first.
    std::vector<SimRow> rowsNewestFirst() const;
    // At least one page, even for an empty month.
    int pageCount(int pageSize) const;
    // Rows of page `page` (from 1), newest first; empty past the last page.
    std::vector<SimRow> page(int page, int pageSize) const;

    std::int64_t sendKB() const { return m_sendKB; }
    std::int64_t receiveKB() const { return m_receiveKB; }
    std::int64_t bandwidthKB() const { return m_sendKB + m_receiveKB; }

private:
    std::vector<SimRow> m_rows;
    std::int64_t m_sendKB = 0;
    std::int64_t m_receiveKB = 0;
};

// The subscriber's whole log: months made on first use, the current month cut at "now", and
// newer rows arriving in the current month on request.
class SimLog {
public:
    SimLog(std::uint64_t seed, int rowsPerMonth, SimTime::Seconds now);

    SimTime::Seconds now() const { return m_now; }
    SimMonth currentMonth() const;
    // The month `monthsBack` before the current one (0 = current), as the query form counts.
    SimMonth monthBack(int monthsBack) const { return currentMonth().back(monthsBack); }

    // Months after the current one are empty.
    const SimMonthLog& month(SimMonth month);
    // Adds `count` rows to the current month, newer than all it holds; returns its new size.
    int addRows(int count);

private:
    SimMonthGenerator m_generator;
    SimTime::Seconds m_now;
    std::map<int, SimMonthLog> m_months;
};
