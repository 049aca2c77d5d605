#include "cli/AlertOptions.h"

#include "analysis/PlanChoice.h"
#include "cli/CliError.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double MaximumPercent = 1000;

// A share of the limit above 0 (up to ten times the limit, to warn well into the excess);
// "nan" and "inf" are not numbers here.
CLI::Validator percentOfLimit() {
    return CLI::Validator(
        [](const std::string& text) {
            char* end = nullptr;
            const double value = std::strtod(text.c_str(), &end);
            const bool whole = !text.empty() && end == text.c_str() + text.size();
            return whole && std::isfinite(value) && value > 0 && value <= MaximumPercent
                       ? std::string()
                       : "\"" + text + "\" is not a percentage above 0 and up to 1000";
        },
        "");
}

} // namespace

void AlertOptions::addTo(CLI::App& command) {
    command
        .add_option_function<double>(
            "--alert-at", [this](const double& percent) { thresholds.reachedPercent = percent; },
            "Exit with status 10 when the charged usage has reached this percentage of "
            "the plan's limit")
        ->type_name("PERCENT")
        ->check(percentOfLimit());
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
