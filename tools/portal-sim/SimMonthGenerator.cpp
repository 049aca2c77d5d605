#include "portal-sim/SimMonthGenerator.h"

#include <algorithm>
#include <array>

namespace {

using SimTime::Seconds;

constexpr Seconds hour = 3600;
constexpr Seconds longestSession = 6 * hour;

// Relative chance of a connection starting in each hour of the day: busy evenings, and the
// free night window drawing the big downloads.
constexpr std::array<int, 24> hourWeights = {4, 3, 6, 6, 5, 4, 4, 3, 2, 2, 2, 2,
                                             3, 3, 2, 2, 3, 4, 6, 8, 9, 9, 8, 6};

std::int64_t pick(std::mt19937_64& random, std::int64_t low, std::int64_t high) {
    return low + static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(high - low + 1));
}

int weightedHour(std::mt19937_64& random) {
    static constexpr int total = [] {
        int sum = 0;
        for (int weight : hourWeights) {
            sum += weight;
        }
        return sum;
    }();
    std::int64_t ticket = pick(random, 0, total - 1);
    for (int h = 0; h < 24; ++h) {
        ticket -= hourWeights[static_cast<std::size_t>(h)];
        if (ticket < 0) {
            return h;
        }
    }
    return 23;
}

bool inFreeWindow(Seconds t) {
    const int inDay = SimTime::secondsOfDay(t);
    return inDay >= 2 * hour && inDay < 8 * hour;
}

} // namespace

SimMonthGenerator::SimMonthGenerator(std::uint64_t seed, int rowsPerMonth)
    : m_seed(seed)
    , m_rowsPerMonth(std::max(0, rowsPerMonth)) {}

std::vector<SimRow> SimMonthGenerator::month(SimMonth month) const {
    Random random = randomFor(month, 0);
    const std::vector<Seconds> starts = startTimes(random, month);
    std::vector<SimRow> rows;
    rows.reserve(starts.size());
    for (std::size_t i = 0; i < starts.size(); ++i) {
        // the next month's first connection starts an hour in at the earliest, so a session
        // running past midnight of the last day never overlaps it
        const Seconds next = i + 1 < starts.size() ? starts[i + 1] : month.end() + hour;
        const Seconds gap = next - starts[i];
        const Seconds longest = std::min(longestSession, std::max<Seconds>(1, gap - 1));
        const Seconds duration = std::clamp<Seconds>(gap * pick(random, 10, 95) / 100, 1, longest);
        rows.push_back(session(random, starts[i], starts[i] + duration));
        rows.back().number = static_cast<int>(i) + 1;
    }
    return rows;
}

std::vector<SimRow> SimMonthGenerator::following(const std::vector<SimRow>& rows, SimMonth month,
                                                 int count) const {
    int number = rows.empty() ? 0 : rows.back().number;
    Seconds previousEnd = rows.empty() ? month.start() + hour : rows.back().to;
    Random random = randomFor(month, 0x4e657752ULL + static_cast<std::uint64_t>(number));
    std::vector<SimRow> added;
    added.reserve(static_cast<std::size_t>(std::max(0, count)));
    for (int i = 0; i < count; ++i) {
        const Seconds from = previousEnd + pick(random, 30, 600);
        const Seconds to = from + pick(random, 60, 1800);
        added.push_back(session(random, from, to));
        added.back().number = ++number;
        previousEnd = to;
    }
    return added;
}

std::int64_t SimMonthGenerator::chargedKB(Seconds from, Seconds to, std::int64_t bandwidthKB) {
    const Seconds endDay = SimTime::fromDate(SimTime::dateOf(to));
    const Seconds freeFrom = std::max(from, endDay + 2 * hour);
    const Seconds freeTo = std::min(to, endDay + 8 * hour);
    const Seconds duration = to - from;
    if (freeTo <= freeFrom || duration <= 0) {
        return bandwidthKB;
    }
    const std::int64_t freeKB = bandwidthKB * (freeTo - freeFrom) / duration;
    return bandwidthKB - freeKB;
}

SimMonthGenerator::Random SimMonthGenerator::randomFor(SimMonth month, std::uint64_t salt) const {
    // splitmix64 finaliser: neighbouring months and seeds get unrelated streams
    std::uint64_t z = m_seed ^ (static_cast<std::uint64_t>(month.key()) << 32) ^ salt;
    z += 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return Random(z ^ (z >> 31));
}

std::vector<Seconds> SimMonthGenerator::startTimes(Random& random, SimMonth month) const {
    const Seconds first = month.start() + hour;
    const int days = month.firstDay().daysInMonth();
    std::vector<Seconds> starts;
    starts.reserve(static_cast<std::size_t>(m_rowsPerMonth));
    while (static_cast<int>(starts.size()) < m_rowsPerMonth) {
        const Seconds t = month.start() + pick(random, 0, days - 1) * SimTime::secondsPerDay +
                          weightedHour(random) * hour + pick(random, 0, hour - 1);
        if (t >= first) {
            starts.push_back(t);
        }
    }
    std::sort(starts.begin(), starts.end());
    for (std::size_t i = 1; i < starts.size(); ++i) {
        starts[i] = std::max(starts[i], starts[i - 1] + 2);
    }
    return starts;
}

SimRow SimMonthGenerator::session(Random& random, Seconds from, Seconds to) {
    // tenths of a kilobyte per second; night downloads run at full line speed
    std::int64_t rate = pick(random, 5, 400);
    if (inFreeWindow(from)) {
        rate *= 3;
    }
    const std::int64_t use = pick(random, 5, 100);
    SimRow row;
    row.from = from;
    row.to = to;
    row.receiveKB = std::max<std::int64_t>(1, (to - from) * rate * use / 1000);
    row.sendKB = row.receiveKB * pick(random, 2, 15) / 100 + pick(random, 0, 40);
    row.chargedKB = chargedKB(from, to, row.bandwidthKB());
    return row;
}
