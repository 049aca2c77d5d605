#pragma once

#include "analysis/Plan.h"
#include "analysis/PlanBill.h"
#include "report/MonthTotals.h"

// Where the month ends at the current pace: the usage so far over the days elapsed (up to
// and including the last recorded day) times the days of the month, and that usage billed on
// the plan. Computed from the totals, never from display texts.
struct MonthProjection {
    int daysElapsed = 0;
    int daysInMonth = 0;
    Plan plan;     // the plan billed
    PlanBill bill; // chargedMB is the projected usage

    // The month is mstrMonthYear ("2007-03"), or the last recorded day's month when that text
    // is missing. A last recorded day past the month's end (a session that ended after
    // midnight on the last day) means the month is complete: nothing is extrapolated.
    static MonthProjection forPlan(const Plan& plan, const MonthTotals& totals);
};
