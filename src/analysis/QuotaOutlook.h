#pragma once

#include "analysis/MonthProjection.h"
#include "analysis/UsageSummary.h"

#include <QDate>
#include <optional>

// When a limited plan's quota runs out at the month's pace so far (the charged volume over the
// days elapsed, as the projection counts it), and what is left for each day still to come.
//
// The quota runs out on the day by whose end the usage at that pace reaches the limit. It
// lasts the month when the projection stays within the limit, so a quota that the pace uses
// up exactly at the end of the month's last day lasts it (the bill counts no excess then).
// When the records already reach the limit, it ran out by the last recorded day: the pace
// would only guess at which day before that, and the records do not say.
struct QuotaOutlook {
    double limitMB = 0;
    std::optional<QDate> runsOut; // none: the quota lasts the month
    bool usedUp = false;          // the records reach the limit; runsOut is the last recorded day
    int daysLeft = 0;             // the days of the month after the last recorded day
    // The balance spread over those days, 0 past the limit; none when no day is left.
    std::optional<double> dailyAllowanceMB;
    // The limit spread evenly over all the month's days: the chart's allowance line.
    double evenShareMB = 0;

    // None on an unlimited plan.
    static std::optional<QuotaOutlook> of(const UsageSummary& figures,
                                          const MonthProjection& projection);
};
