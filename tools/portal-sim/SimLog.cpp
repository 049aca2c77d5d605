#include "portal-sim/SimLog.h"

#include <algorithm>

SimMonthLog::SimMonthLog(std::vector<SimRow> rowsOldestFirst) {
    append(rowsOldestFirst);
}

void SimMonthLog::append(const std::vector<SimRow>& newer) {
    m_rows.insert(m_rows.end(), newer.begin(), newer.end());
    for (const SimRow& row : newer) {
        m_sendKB += row.sendKB;
        m_receiveKB += row.receiveKB;
    }
}

std::vector<SimRow> SimMonthLog::rowsNewestFirst() const {
    return {m_rows.rbegin(), m_rows.rend()};
}

int SimMonthLog::pageCount(int pageSize) const {
    const int size = std::max(1, pageSize);
    return std::max(1, (rowCount() + size - 1) / size);
}

std::vector<SimRow> SimMonthLog::page(int page, int pageSize) const {
    const int size = std::max(1, pageSize);
    if (page < 1 || static_cast<std::int64_t>(page - 1) * size >= rowCount()) {
        return {};
    }
    const int firstNewest = (page - 1) * size;
    const int lastNewest = std::min(rowCount(), firstNewest + size);
    std::vector<SimRow> rows;
    rows.reserve(static_cast<std::size_t>(lastNewest - firstNewest));
    for (int i = firstNewest; i < lastNewest; ++i) {
        rows.push_back(m_rows[static_cast<std::size_t>(rowCount() - 1 - i)]);
    }
    return rows;
}

SimLog::SimLog(std::uint64_t seed, int rowsPerMonth, SimTime::Seconds now)
    : m_generator(seed, rowsPerMonth)
    , m_now(now) {}

SimMonth SimLog::currentMonth() const {
    return SimMonth::of(SimTime::dateOf(m_now));
}

const SimMonthLog& SimLog::month(SimMonth month) {
    auto found = m_months.find(month.key());
    if (found != m_months.end()) {
        return found->second;
    }
    std::vector<SimRow> rows;
    if (month <= currentMonth()) {
        rows = m_generator.month(month);
        // only connections that have ended are on the log; rows are in time order, so the
        // listed ones are a prefix and keep their numbers
        const auto listed = std::find_if(rows.begin(), rows.end(),
                                         [this](const SimRow& row) { return row.to > m_now; });
        rows.erase(listed, rows.end());
    }
    return m_months.emplace(month.key(), SimMonthLog(std::move(rows))).first->second;
}

int SimLog::addRows(int count) {
    const SimMonth current = currentMonth();
    month(current);
    SimMonthLog& log = m_months[current.key()];
    log.append(m_generator.following(log.rowsOldestFirst(), current, count));
    return log.rowCount();
}
