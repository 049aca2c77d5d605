#include "analysis/PlanCatalogue.h"

#include "analysis/SummaryFailure.h"
#include "platform/PlainText.h"

#include <charconv>
#include <stdexcept>

const std::array<std::string_view, PlanCatalogue::RowCount>& PlanCatalogue::storedRows() {
    static constexpr std::array<std::string_view, RowCount> rows = {
        "BBG 250, 250, 1024, 0.2, 0",
        "BBG Combo 299, 299, 1024, 0.2, 0",
        "BB Home UL 499, 499, -1, 0, 0",
        "BBG FN Combo 500, 500, 1536, 0.2, 1",
        "BBG FN Combo 599, 599, 4096, 0.2, 1",
        "BBG FN Combo 600, 600, 2560, 0.2, 1",
        "BB Home Combo UL 625, 625, -1, 0, 0",
        "BBG 700, 700, 4096, 0.2, 0",
        "BB Home UL 750, 750, -1, 0, 0",
        "BB Home Combo UL 750, 750, -1, 0, 0",
        "BBG Combo ULD 850, 850, -1, 0, 0",
        "BB Home Combo ULD 900, 900, -1, 0, 0",
        "BBG Combo ULD 1000, 1000, -1, 0, 0",
        "BBG Combo 1111, 1111, 15360, 0.1, 0",
        "BBG Combo ULD 1350, 1350, -1, 0, 0",
        "BBG Combo ULD 1700, 1700, -1, 0, 0",
        "BBG ULD 2150, 2150, -1, 0, 0",
        "BBG Combo ULD 2150, 2150, -1, 0, 0",
        "BBG Speed Combo 2799, 2799, 61440, 0.1, 0",
        "BBG ULD 3300, 3300, -1, 0, 0",
        "BBG Combo ULD 3300, 3300, -1, 0, 0",
        "BBG Super Speed Combo 4999, 4999, 128000, 0.1, 0",
        "BBG ULD 6000, 6000, -1, 0, 0",
        "BBG Combo ULD 6000, 6000, -1, 0, 0",
        "BBG Super Speed Combo 6999, 6999, 256000, 0.1, 0",
        "BBG UL 9000, 9000, -1, 0, 0",
        "BBG Combo UL 9000, 9000, -1, 0, 0",
        "BBG UL 15000, 15000, -1, 0, 0",
        "BBG Combo UL 15000, 15000, -1, 0, 0",
        "Custom/User entered, 0, 0, 0, 0",
    };
    return rows;
}

namespace {

enum Field { Name = 0, Charge = 1, Limit = 2, Rate = 3, NightFlag = 4 };

double number(const std::string& field) {
    const std::string text = trimBlanks(field);
    double value = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || stop != text.data() + text.size()) {
        throw std::logic_error("a stored plan row does not read as numbers: " + field);
    }
    return value;
}

Plan readRow(int slot) {
    const std::vector<std::string> field = PlanCatalogue::fields(slot);
    Plan plan;
    plan.slot = slot;
    plan.name = trimBlanks(field[Name]);
    plan.charge = number(field[Charge]);
    const double limit = number(field[Limit]);
    if (limit != -1) {
        plan.limitMB = limit;
    }
    plan.ratePerMB = number(field[Rate]);
    plan.nightFree = number(field[NightFlag]) == 1;
    return plan;
}

} // namespace

bool PlanCatalogue::holdsPlan(int slot) {
    return slot >= 0 && slot < RowCount;
}

std::vector<std::string> PlanCatalogue::fields(int slot) {
    if (!holdsPlan(slot)) {
        throw SummaryFailure("Subscript out of range");
    }
    const std::string_view row = storedRows()[static_cast<std::size_t>(slot)];
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (auto comma = row.find(','); comma != std::string_view::npos;
         comma = row.find(',', start)) {
        fields.emplace_back(row.substr(start, comma - start));
        start = comma + 1;
    }
    fields.emplace_back(row.substr(start));
    return fields;
}

const Plan& PlanCatalogue::plan(int slot) {
    static const std::array<Plan, RowCount> plans = [] {
        std::array<Plan, RowCount> read;
        for (int slot = 0; slot < RowCount; ++slot) {
            read[static_cast<std::size_t>(slot)] = readRow(slot);
        }
        return read;
    }();
    if (!holdsPlan(slot)) {
        throw SummaryFailure("Subscript out of range");
    }
    return plans[static_cast<std::size_t>(slot)];
}

Plan PlanCatalogue::customPlan(const CustomPlanValues& values) {
    Plan custom = plan(CustomSlot);
    custom.charge = values.nebPlanCharge;
    // -1 means unlimited, as in the stored rows (the entry box itself holds no negative value)
    if (values.nebBandWidthLimit == -1) {
        custom.limitMB.reset();
    } else {
        custom.limitMB = values.nebBandWidthLimit == 0 ? 1 : values.nebBandWidthLimit;
    }
    custom.ratePerMB = values.nebRsPerMB;
    return custom;
}

Plan PlanCatalogue::chosenPlan(const PlanChoice& choice) {
    return choice.slot == CustomSlot ? customPlan(choice.custom.value_or(CustomPlanValues()))
                                     : plan(choice.slot);
}

const PlanList& PlanCatalogue::planList() {
    static const PlanList list = [] {
        PlanList filled;
        for (int slot = 0; slot < RowCount; ++slot) {
            const std::vector<std::string> field = fields(slot);
            std::string text = plan(slot).charge != 0
                                   ? PadRight(trimBlanks(field[Charge]), 5) + " - " + field[Name]
                                   : trimBlanks(field[Name]);
            // the list sorts, so the new item's position is the one it reports, not the last
            filled.setItemData(filled.addItem(std::move(text)), slot);
        }
        return filled;
    }();
    return list;
}
