#include "analysis/PlanCatalogue.h"
#include "cli/Commands.h"
#include "platform/NumberFormat.h"
#include "platform/PlainText.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <vector>

namespace {

struct PlanLine {
    std::string slot, text, charge, limit, rate, night;
};

// The terms as the summary page words them; the custom plan has the terms its user gives.
PlanLine lineOf(const PlanListItem& item) {
    PlanLine line{"slot:" + std::to_string(item.itemData), item.text, "", "", "", ""};
    if (item.itemData == Plan::CustomSlot) {
        line.charge = "(your own: --custom-plan CHARGE,LIMIT_MB,RATE)";
        return line;
    }
    const Plan& plan = PlanCatalogue::plan(item.itemData);
    line.charge = "Rs " + NumberFormat::general(plan.charge);
    line.limit = plan.unlimited() ? "unlimited" : NumberFormat::general(*plan.limitMB) + " MB";
    line.rate = plan.unlimited() ? "-" : "Rs " + NumberFormat::general(plan.ratePerMB) + "/MB";
    line.night = plan.nightFree ? "free" : "charged";
    return line;
}

// One plan a line under a heading, the texts left and the figures right in their columns.
void printTable(const std::vector<PlanLine>& lines) {
    const PlanLine heading{"SLOT", "PLAN", "CHARGE", "LIMIT", "EXCESS RATE", "NIGHT USE"};
    std::vector<std::size_t> width(6);
    const auto fields = [](const PlanLine& line) {
        return std::array<const std::string*, 6>{&line.slot,  &line.text, &line.charge,
                                                 &line.limit, &line.rate, &line.night};
    };
    std::vector<PlanLine> all{heading};
    all.insert(all.end(), lines.begin(), lines.end());
    for (const PlanLine& line : all) {
        const auto cells = fields(line);
        // the custom plan's note spans the figures: it does not widen the charge column
        const std::size_t last = line.limit.empty() ? 2 : 6;
        for (std::size_t i = 0; i < last; ++i) {
            width[i] = std::max(width[i], cells[i]->size());
        }
    }
    for (const PlanLine& line : all) {
        const auto cells = fields(line);
        std::string out = PadRight(*cells[0], width[0]) + "  " + PadRight(*cells[1], width[1]);
        if (line.limit.empty()) {
            out += "  " + *cells[2];
        } else {
            for (std::size_t i = 2; i < 6; ++i) {
                const std::string& cell = *cells[i];
                const std::size_t pad = width[i] - cell.size();
                out += "  " + (i == 5 ? cell : std::string(pad, ' ') + cell);
            }
        }
        std::cout << trimBlanks(out) << '\n';
    }
}

// `veltrix plans`: the plan list as the summary page shows it, in its order, each with its
// terms and the slot that --plan slot:N takes.
void printPlans(bool json) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    std::vector<PlanLine> lines;
    for (const PlanListItem& item : PlanCatalogue::planList().items()) {
        if (!json) {
            lines.push_back(lineOf(item));
            continue;
        }
        const Plan& plan = PlanCatalogue::plan(item.itemData);
        // the keys of the reports' "plan" object, with the list's own text
        list.push_back(
            {{"slot", plan.slot},
             {"text", item.text},
             {"name", plan.name},
             {"charge", plan.charge},
             {"limit_mb", plan.limitMB ? nlohmann::ordered_json(*plan.limitMB) : nullptr},
             {"rate_per_mb", plan.ratePerMB},
             {"night_free", plan.nightFree}});
    }
    if (json) {
        std::cout << list.dump(2) << '\n';
    } else {
        printTable(lines);
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
