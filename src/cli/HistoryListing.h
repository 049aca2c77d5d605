#pragma once

#include "history/HistoryOverview.h"

#include <nlohmann/json.hpp>
#include <string>

// What `veltrix history` shows (see HistoryOverview) as text, JSON and CSV.
struct HistoryListing : HistoryOverview {
    // The months of `user` (every user's when empty) billed on the choice.
    static HistoryListing of(const MonthHistory& history, const std::string& user,
                             const PlanChoice& choice) {
        return {HistoryOverview::of(history, user, choice)};
    }

    // One line per month under a heading, then the advice.
    std::string text() const;
    // {"schema": 2, "months": [...], "plans": [...] or null}
    nlohmann::ordered_json json() const;
    // A header naming every column, then one line per month.
    std::string csv() const;
};
