#pragma once

#include "history/HistoryPlans.h"
#include "history/MonthHistory.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What `veltrix history` and the History window show: the months of one user (every user's),
// newest first, each with its bill on the chosen plan; every plan summed over one user's
// months; and the advice against the chosen plan.
struct HistoryOverview {
    std::vector<HistoryMonth> months;
    std::vector<std::optional<MonthBill>> bills; // one per month; none without a plan
    std::optional<std::vector<PlanTotal>> plans; // none when the months are of several users
    std::optional<PlanAdvice> advice;
    bool planChosen = false;

    // The months of `user` (every user's when empty) billed on the choice.
    static HistoryOverview of(const MonthHistory& history, const std::string& user,
                              const PlanChoice& choice);

    // "Over these 4 months BB Home UL 499 would have cost Rs. X with tax, Rs. Y less than
    // BBG 250", or that no plan would have cost less; empty without advice.
    std::string adviceText() const;

    // "332.22", and "Rs. 332.22" as the bill shows it
    static std::string amountText(std::int64_t cents);
    static std::string rupees(std::int64_t cents);
};
