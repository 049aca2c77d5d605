#pragma once

#include "analysis/UsageAlerts.h"

namespace CLI {
class App;
}
struct PlanChoice;

// The options --alert-at PERCENT|off, --alert-projected and --notify of the commands that show
// the summary: what a scheduled check warns about, and whether it also tells the desktop.
struct AlertOptions {
    AlertThresholds thresholds;
    bool notify = false;

    // Adds the three options; this object must live as long as the command.
    void addTo(CLI::App& command);
    bool wanted() const { return thresholds.any(); }
    // An alert needs a plan to hold the usage against: without one it could never be
    // raised, which a scheduled check would take for "all is well". Throws CliError (status 2).
    void requirePlan(const PlanChoice& choice) const;
};
