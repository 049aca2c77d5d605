#pragma once

#include "portal-sim/SimRow.h"

#include <cstdint>
#include <random>
#include <vector>

// Makes a month of plausible connections from a seed: the same seed and month always give
// the same rows, whatever else was generated before.
class SimMonthGenerator {
public:
    SimMonthGenerator(std::uint64_t seed, int rowsPerMonth);

    // The whole month, oldest first, numbered from 1. Sessions start inside the month; the
    // last one may run past its end, as a connection open at midnight does.
    std::vector<SimRow> month(SimMonth month) const;

    // `count` newer connections following `rows` (oldest first), numbered on from its last.
    std::vector<SimRow> following(const std::vector<SimRow>& rows, SimMonth month, int count) const;

    // The charged part of a session: what falls outside 02:00-08:00 of the day it ends,
    // pro-rated by time; whole kilobytes, never more than the bandwidth.
    static std::int64_t chargedKB(SimTime::Seconds from, SimTime::Seconds to,
                                  std::int64_t bandwidthKB);

private:
    using Random = std::mt19937_64;

    Random randomFor(SimMonth month, std::uint64_t salt) const;
    std::vector<SimTime::Seconds> startTimes(Random& random, SimMonth month) const;
    static SimRow session(Random& random, SimTime::Seconds from, SimTime::Seconds to);

    std::uint64_t m_seed;
    int m_rowsPerMonth;
};
