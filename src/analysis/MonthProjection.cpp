#include "analysis/MonthProjection.h"

#include "analysis/UsageSummary.h"

MonthProjection MonthProjection::forPlan(const Plan& plan, const MonthTotals& totals) {
    MonthProjection projection;
    projection.plan = plan;
    const double usedKB = PlanBill::chargedKB(plan, totals);
    const QDate start = UsageSummary::monthStart(totals);
    if (!start.isValid()) {
        projection.bill = PlanBill::forUsage(plan, usedKB);
        return projection;
    }
    projection.daysInMonth = start.daysInMonth();
    const QDate last = totals.mdtLastRecordedDate.date();
    const bool inMonth = last.year() == start.year() && last.month() == start.month();
    projection.daysElapsed = inMonth ? last.day() : projection.daysInMonth;
    projection.bill =
        PlanBill::forUsage(plan, usedKB / projection.daysElapsed * projection.daysInMonth);
    return projection;
}
