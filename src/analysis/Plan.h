#pragma once

#include <optional>
#include <string>

// One plan as numbers: what it charges a month, its limit (none for an unlimited plan), what
// each MB above the limit costs, and whether the free night hours go uncharged.
struct Plan {
    // The catalogue slot of the plan the user describes in the three entry boxes.
    static constexpr int CustomSlot = 29;

    int slot = -1;
    std::string name;
    double charge = 0;             // rupees a month
    std::optional<double> limitMB; // none: unlimited
    double ratePerMB = 0;          // rupees for each MB above the limit
    bool nightFree = false;

    bool unlimited() const { return !limitMB; }
    bool custom() const { return slot == CustomSlot; }
};
