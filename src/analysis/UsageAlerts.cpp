#include "analysis/UsageAlerts.h"

#include "analysis/MonthSummary.h"
#include "analysis/PlanBill.h"
#include "platform/NumberFormat.h"

namespace {

std::string megabytes(double value) {
    return NumberFormat::decimals(value, 3) + " MB";
}

std::string limitText(double limitMB) {
    return NumberFormat::general(limitMB) + " MB";
}

std::optional<UsageAlert> reached(const MonthSummary& summary, double percent) {
    const Plan& plan = summary.figures->plan;
    const double limitMB = *plan.limitMB;
    const double usedKB = PlanBill::chargedKB(plan, summary.totals);
    // compared in kilobytes, so a usage exactly at the share counts as reached
    if (usedKB * 100 < percent * limitMB * 1024) {
        return std::nullopt;
    }
    const double usedMB = usedKB / 1024;
    const double share = usedMB / limitMB * 100;
    return UsageAlert{UsageAlert::Kind::Reached,
                      plan.name + ": charged usage " + megabytes(usedMB) + " is " +
                          NumberFormat::decimals(share, 1) + "% of the plan's limit of " +
                          limitText(limitMB) + " (alert at " + NumberFormat::general(percent) +
                          "%)"};
}

std::optional<UsageAlert> projected(const MonthSummary& summary) {
    const MonthProjection& projection = *summary.projection;
    if (projection.bill.excessMB <= 0) {
        return std::nullopt;
    }
    return UsageAlert{UsageAlert::Kind::Projected,
                      projection.plan.name + ": at the current pace the month ends at " +
                          megabytes(projection.bill.chargedMB) + ", " +
                          megabytes(projection.bill.excessMB) + " over the plan's limit of " +
                          limitText(*projection.plan.limitMB) + " (bill Rs. " +
                          NumberFormat::decimals(projection.bill.totalWithTax, 2) + " with tax)"};
}

} // namespace

std::vector<UsageAlert> UsageAlerts::raise(const MonthSummary& summary,
                                           const AlertThresholds& thresholds) {
    std::vector<UsageAlert> alerts;
    if (!summary.hasPlan() || summary.figures->plan.unlimited()) {
        return alerts;
    }
    if (thresholds.reachedPercent) {
        if (auto alert = reached(summary, *thresholds.reachedPercent)) {
            alerts.push_back(std::move(*alert));
        }
    }
    if (thresholds.projected) {
        if (auto alert = projected(summary)) {
            alerts.push_back(std::move(*alert));
        }
    }
    return alerts;
}

int UsageAlerts::exitStatus(const std::vector<UsageAlert>& alerts) {
    int status = 0;
    for (const UsageAlert& alert : alerts) {
        if (alert.kind == UsageAlert::Kind::Reached) {
            return ReachedStatus;
        }
        status = ProjectedStatus;
    }
    return status;
}
