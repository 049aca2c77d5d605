#pragma once

#include "history/HistoryPlans.h"
#include "history/MonthHistory.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

// What `veltrix history` shows: the months, newest first, each with its bill on the chosen
// plan; every plan summed over the months of one user; the advice against the chosen plan.
struct HistoryListing {
    std::vector<HistoryMonth> months;
    std::vector<std::optional<MonthBill>> bills; // one per month; none without a plan
    std::optional<std::vector<PlanTotal>> plans; // none when the months are of several users
    std::optional<PlanAdvice> advice;
    bool planChosen = false;

    // The months of `user` (every user's when empty) billed on the choice.
    static HistoryListing of(const MonthHistory& history, const std::string& user,
                             const PlanChoice& choice);

    // One line per month under a heading, then the advice.
    std::string text() const;
    // {"schema": 2, "months": [...], "plans": [...] or null}
    nlohmann::ordered_json json() const;
    // A header naming every column, then one line per month.
    std::string csv() const;

    // "332.22", and "Rs. 332.22" as the bill shows it
    static std::string amountText(std::int64_t cents);
    static std::string rupees(std::int64_t cents);
};
