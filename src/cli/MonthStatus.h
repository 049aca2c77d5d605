#pragma once

#include "analysis/MonthSummary.h"
#include "analysis/UsageAlerts.h"
#include "history/MonthHistory.h"

#include <QDateTime>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// What `veltrix status` answers without the portal: the latest stored month of a user as the
// history holds it, billed on a plan with its projection and the day the quota runs out, and
// the alerts it raises.
struct MonthStatus {
    enum class PlanFrom { None, Options, Window };

    HistoryMonth month;
    // When the month was last checked: its file's time as the history last read it.
    QDateTime checked;
    MonthSummary summary; // without figures when no plan is chosen or the month has no rows
    PlanFrom planFrom = PlanFrom::None;
    std::vector<UsageAlert> alerts;

    // The month billed on the choice, its totals read as the report of its rows hands them on.
    static MonthStatus of(HistoryMonth month, const std::vector<DayFigures>& days,
                          const PlanChoice& choice, bool nightUnlimited);

    // {"schema": 2, "month", "user", "checked", "last_recorded", "totals", then "plan",
    // "summary" and "projection" as the report writes them, and "alerts" when asked for}.
    nlohmann::ordered_json json(bool alertsWanted) const;
    // A dozen lines for a terminal or a panel.
    std::string text(bool colour) const;
};
