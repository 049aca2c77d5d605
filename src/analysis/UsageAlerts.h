#pragma once

#include <optional>
#include <string>
#include <vector>

struct MonthSummary;

// When a scheduled check should warn: at a share of the plan's limit already used, and/or
// when the month-end projection at the current pace goes over the limit.
struct AlertThresholds {
    // The shares an alert can be set at: from a hundredth of a percent of the limit up to ten
    // times the limit, to warn well into the excess.
    static constexpr double MinimumPercent = 0.01;
    static constexpr double MaximumPercent = 1000;

    std::optional<double> reachedPercent; // of the plan's limit
    bool projected = false;

    // False for a share out of range, and for not-a-number (which compares false).
    static bool acceptsPercent(double percent) {
        return percent >= MinimumPercent && percent <= MaximumPercent;
    }

    bool any() const { return reachedPercent.has_value() || projected; }
};

// One warning about the month, with the figures it rests on in its reason.
struct UsageAlert {
    enum class Kind { Reached, Projected };
    Kind kind = Kind::Reached;
    std::string reason;
};

// The alert rules, worked from the summary's own values: charged usage (the plan's charged
// kilobytes, as the bill counts them) against the limit the bill uses, and the month-end
// projection's usage against the same limit. A plan without a limit never alerts, and
// neither does a month without a plan.
namespace UsageAlerts {

// Exit statuses of a check that succeeded: a reached share wins over a projection.
constexpr int ReachedStatus = 10;
constexpr int ProjectedStatus = 11;

// The reached share first, then the projection; a usage already over its share raises both
// when both are asked for.
std::vector<UsageAlert> raise(const MonthSummary& summary, const AlertThresholds& thresholds);
// 10 when a share was reached, 11 when only the projection goes over, 0 without alerts.
int exitStatus(const std::vector<UsageAlert>& alerts);

} // namespace UsageAlerts
