#include "analysis/PlanCatalogue.h"

#include "analysis/SummaryFailure.h"

#include <charconv>
#include <cmath>

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

// Splits at every ",", keeping the blank that follows each comma in the next field.
std::vector<std::string> splitRow(std::string_view row) {
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

} // namespace

PlanCatalogue::PlanCatalogue() {
    reload();
}

void PlanCatalogue::reload() {
    for (auto& slot : m_slots) {
        slot.clear();
    }
    for (int slot = 0; slot < RowCount; ++slot) {
        m_slots[static_cast<std::size_t>(slot)] =
            splitRow(storedRows()[static_cast<std::size_t>(slot)]);
    }
}

bool PlanCatalogue::holdsPlan(int slot) const {
    return slot >= 0 && slot < SlotCount &&
           m_slots[static_cast<std::size_t>(slot)].size() > NightFlag;
}

const std::string& PlanCatalogue::field(int slot, Field which) const {
    if (!holdsPlan(slot)) {
        throw SummaryFailure("Subscript out of range");
    }
    return m_slots[static_cast<std::size_t>(slot)][which];
}

void PlanCatalogue::setField(int slot, Field which, std::string text) {
    if (!holdsPlan(slot)) {
        throw SummaryFailure("Subscript out of range");
    }
    m_slots[static_cast<std::size_t>(slot)][which] = std::move(text);
}

double PlanCatalogue::number(int slot, Field which) const {
    const std::string text = trimBlanks(field(slot, which));
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        throw SummaryFailure("Type mismatch");
    }
    return value;
}

std::string PlanCatalogue::planName(int slot) const {
    return trimBlanks(field(slot, Name));
}

PlanTerms PlanCatalogue::terms(int slot) const {
    return {number(slot, Charge), number(slot, Limit), number(slot, Rate),
            number(slot, NightFlag) == 1};
}
