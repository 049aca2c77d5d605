#include "cli/AlertOptions.h"

#include "analysis/PlanChoice.h"
#include "cli/CliError.h"
#include "cli/PlainDecimal.h"

#include <CLI/CLI.hpp>

namespace {

// from a hundredth of a percent of the limit up to ten times the limit, to warn well into
// the excess
constexpr double MinimumPercent = 0.01;
constexpr double MaximumPercent = 1000;

} // namespace

void AlertOptions::addTo(CLI::App& command) {
    command
        .add_option_function<double>(
            "--alert-at", [this](const double& percent) { thresholds.reachedPercent = percent; },
            "Exit with status 10 when the charged usage has reached this percentage of "
            "the plan's limit")
        ->type_name("PERCENT")
        ->transform(plainDecimal())
        ->check(CLI::Range(MinimumPercent, MaximumPercent));
    command.add_flag("--alert-projected", thresholds.projected,
                     "Exit with status 11 when the month-end projection at the current pace "
                     "goes over the plan's limit (and no --alert-at share is reached)");
    command.add_flag("--notify", notify, "Show a raised alert as a desktop notification as well");
}

void AlertOptions::requirePlan(const PlanChoice& choice) const {
    if (wanted() && choice.slot == -1) {
        throw CliError("--alert-at and --alert-projected need a plan: give --plan or --custom-plan",
                       2);
    }
}
