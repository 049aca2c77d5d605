#include "cli/AlertOptions.h"

#include "analysis/PlanChoice.h"
#include "cli/CliError.h"
#include "cli/PlainDecimal.h"

#include <CLI/CLI.hpp>
#include <charconv>

namespace {

// A percentage in range, or "off": a scheduled check's settings file turns the alert off so.
CLI::Validator percentOrOff() {
    return CLI::Validator(
        [](std::string& text) {
            if (text == "off") {
                return std::string();
            }
            const std::string mistake = plainDecimal()(text);
            return mistake.empty() ? CLI::Range(AlertThresholds::MinimumPercent,
                                                AlertThresholds::MaximumPercent)(text)
                                   : mistake;
        },
        "in [0.01 - 1000]");
}

} // namespace

void AlertOptions::addTo(CLI::App& command) {
    command
        .add_option_function<std::string>(
            "--alert-at",
            [this](const std::string& text) {
                thresholds.reachedPercent.reset();
                double percent = 0;
                // the validator let only "off" or a plain decimal number through ("+80" too)
                const char* first = text.data() + (text.starts_with('+') ? 1 : 0);
                if (std::from_chars(first, text.data() + text.size(), percent).ec == std::errc()) {
                    thresholds.reachedPercent = percent;
                }
            },
            "Exit with status 10 when the charged usage has reached this percentage of "
            "the plan's limit (off: no such alert)")
        ->type_name("PERCENT|off")
        ->transform(percentOrOff());
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
