#include "analysis/PlanCatalogue.h"
#include "analysis/SummaryPage.h"
#include "cli/Commands.h"
#include "platform/Clock.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

namespace {

// `veltrix plans`: the plan list as the summary page shows it, in its order, each line with
// the slot that --plan slot:N takes.
void printPlans(bool json) {
    const SystemClock clock;
    const SummaryPage page(clock);
    const PlanCatalogue& plans = page.mvarPlans();
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const PlanListItem& item : page.cmbPlans().items()) {
        const int slot = item.itemData;
        if (!json) {
            std::cout << PadRight("slot:" + std::to_string(slot), 9) << item.text << '\n';
            continue;
        }
        const PlanTerms terms = plans.terms(slot);
        list.push_back({{"slot", slot},
                        {"text", item.text},
                        {"name", plans.planName(slot)},
                        {"charge", terms.charge},
                        {"limit_mb", terms.limitMB},
                        {"rate", terms.rate},
                        {"night_unlimited", terms.nightUnlimited}});
    }
    if (json) {
        std::cout << list.dump(2) << '\n';
    }
}

} // namespace

void Commands::addPlansCommand(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "plans", "List the plans as the summary page offers them, with the slot of each");
    auto json = std::make_shared<bool>(false);
    command->add_flag("--json", *json, "Write the list as JSON with each plan's terms");
    command->callback([json] { printPlans(*json); });
}
