#pragma once

#include "analysis/Plan.h"
#include "analysis/PlanBill.h"
#include "report/MonthTotals.h"

#include <QDate>
#include <optional>

// A month's usage measured against one plan, as numbers: what the summary page shows, before
// any of it becomes text. Volumes in MB, money in the bill.
struct UsageSummary {
    Plan plan;                // as billed: a custom limit of 0 is 1 MB here
    bool limitRaised = false; // the custom plan's limit of 0 was taken as 1 MB

    double usedMB = 0;          // U: the charged usage
    double averagePerDayMB = 0; // U over the day of the month of the last recorded day
    QDate lastRecordedDay;      // at most the report month's last day
    int remainingDays = 0;      // R: days of the month after the last recorded day
    double percentUsed = 0;     // of the limit; 0 on an unlimited plan
    // B, the limit less the usage (negative when exceeded); none on an unlimited plan.
    std::optional<double> balanceMB;
    // B spread over the days left; none when exceeded, unlimited or no day is left.
    std::optional<double> availablePerDayMB;

    // Shown only when the last recorded day is today.
    bool lastDayIsToday = false;
    double usageTodayMB = 0;
    double averageExclTodayMB = 0;                    // 0 when today is the 1st
    std::optional<double> availablePerDayExclTodayMB; // none on an unlimited plan

    // The quota bar as fractions of the quota's width: the used part, and the excess drawn to
    // its right (0 within the limit, above 1 past twice the limit).
    double barUsed = 0;
    double barExcess = 0;

    PlanBill bill;

    bool exceeded() const { return bill.excessMB > 0; }

    // Throws SummaryFailure when the month has no last recorded day.
    static UsageSummary compute(const Plan& plan, const MonthTotals& totals, QDate today);

    // The day the summary counts from: the last recorded day, but at most the last day of the
    // report's month. A session that ends after midnight on the last day is still that month's
    // usage; taking the 1st of the next month would divide the whole month by one day.
    static QDate summaryDay(const MonthTotals& totals);
    // The first day of the report's month ("2007-03"), or of the last recorded day's month when
    // the month text is missing; invalid without either.
    static QDate monthStart(const MonthTotals& totals);
};
