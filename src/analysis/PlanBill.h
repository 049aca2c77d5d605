#pragma once

#include "analysis/Plan.h"
#include "platform/FixedPoint.h"
#include "report/MonthTotals.h"

// What one plan charges for a month's usage: the one place the bill's rules live. The sums are
// worked out in double precision in the order the summary page always has (so its texts stay
// what they were), then held to the paisa: money that scripts read and months add up exactly.
struct PlanBill {
    // The tax on the bill, in percent.
    static constexpr double TaxPercent = 10.3;

    double chargedMB = 0;
    double excessMB = 0; // 0 within the limit and on an unlimited plan
    FixedPoint charge;
    FixedPoint excessAmount;
    FixedPoint total;
    FixedPoint tax;
    FixedPoint totalWithTax;

    // A night-free plan charges the charged-usage total, every other plan the bandwidth.
    static double chargedKB(const Plan& plan, const MonthTotals& totals);
    // The month's bill on the plan.
    static PlanBill forMonth(const Plan& plan, const MonthTotals& totals);
    // The bill for that many charged kilobytes.
    static PlanBill forUsage(const Plan& plan, double chargedKB);
};
