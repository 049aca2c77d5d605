#pragma once

#include "portal-sim/SimMonth.h"

#include <cstdint>

// One connection of the usage log: when it ran, what it moved and what of it was charged.
struct SimRow {
    // Stable record number within its month (1 = oldest), so a row's text never changes
    // when newer rows push it to a later page.
    int number = 0;
    SimTime::Seconds from = 0;
    SimTime::Seconds to = 0;
    std::int64_t sendKB = 0;
    std::int64_t receiveKB = 0;
    std::int64_t chargedKB = 0;

    std::int64_t bandwidthKB() const { return sendKB + receiveKB; }
    SimTime::Seconds duration() const { return to - from; }

    friend bool operator==(const SimRow&, const SimRow&) = default;
};
