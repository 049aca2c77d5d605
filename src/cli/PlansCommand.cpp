#include "analysis/PlanCatalogue.h"
#include "cli/Commands.h"
#include "platform/PlainText.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

namespace {

// `veltrix plans`: the plan list as the summary page shows it, in its order, each line with
// the slot that --plan slot:N takes.
void printPlans(bool json) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const PlanListItem& item : PlanCatalogue::planList().items()) {
        const int slot = item.itemData;
        if (!json) {
            std::cout << PadRight("slot:" + std::to_string(slot), 9) << item.text << '\n';
            continue;
        }
        const Plan& plan = PlanCatalogue::plan(slot);
        list.push_back({{"slot", slot},
                        {"text", item.text},
                        {"name", plan.name},
                        {"charge", plan.charge},
                        {"limit_mb", plan.limitMB.value_or(-1)}, // -1: unlimited
                        {"rate", plan.ratePerMB},
                        {"night_unlimited", plan.nightFree}});
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
