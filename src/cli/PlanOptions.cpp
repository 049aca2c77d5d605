#include "cli/PlanOptions.h"

#include "analysis/PlanCatalogue.h"
#include "cli/CliError.h"
#include "platform/Clock.h"
#include "platform/PlainText.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <vector>

namespace {

// Lower case with runs of blanks made one, so "250 - bbg 250" finds "250   - BBG 250".
std::string looseText(std::string_view text) {
    std::string loose;
    for (char c : trimBlanks(text)) {
        if (c == ' ' || c == '\t') {
            if (!loose.empty() && loose.back() != ' ') {
                loose += ' ';
            }
        } else {
            loose += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    return loose;
}

std::optional<int> slotNumber(std::string_view text) {
    if (text.substr(0, 5) != "slot:") {
        return std::nullopt;
    }
    text.remove_prefix(5);
    int slot = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), slot);
    if (error != std::errc() || end != text.data() + text.size()) {
        return -1;
    }
    return slot;
}

int findPlan(const std::string& wanted) {
    if (const auto slot = slotNumber(wanted)) {
        if (!PlanCatalogue::holdsPlan(*slot)) {
            throw CliError("--plan: " + wanted +
                           " holds no plan (slots 0 to 29; see `veltrix plans`)");
        }
        return *slot;
    }
    const std::string loose = looseText(wanted);
    for (const PlanListItem& item : PlanCatalogue::planList().items()) {
        if (looseText(item.text) == loose ||
            looseText(PlanCatalogue::plan(item.itemData).name) == loose) {
            return item.itemData;
        }
    }
    throw CliError("--plan: unknown plan \"" + wanted + "\" (see `veltrix plans`)");
}

// A plain decimal number with at most `decimals` decimals, from 0 to `largest`.
std::optional<double> readAmount(const std::string& text, int decimals, double largest) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    const auto point = text.find('.');
    const bool tooPrecise =
        point != std::string::npos && text.size() - point - 1 > static_cast<std::size_t>(decimals);
    // a NaN fails every comparison, so `!(value <= largest)` turns it away as well
    if (text.empty() || text.front() == '-' || error != std::errc() || stop != end || tooPrecise ||
        !(value <= largest)) {
        return std::nullopt;
    }
    return value;
}

CustomPlanValues readCustomPlan(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (auto comma = text.find(',');; comma = text.find(',', start)) {
        parts.push_back(trimBlanks(text.substr(start, comma - start)));
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    if (parts.size() != 3) {
        throw CliError(
            "--custom-plan: expected CHARGE,LIMIT_MB,RATE such as 100,1280,0.25, got \"" + text +
            "\"");
    }
    // the shapes the custom plan's entry boxes accept
    const auto charge = readAmount(parts[0], 0, 99999);
    const auto limit = readAmount(parts[1], 0, 9999999999.0);
    const auto rate = readAmount(parts[2], 2, 9.99);
    if (!charge) {
        throw CliError("--custom-plan: the charge must be whole rupees from 0 to 99999, got \"" +
                       parts[0] + "\"");
    }
    if (!limit) {
        throw CliError("--custom-plan: the limit must be whole MB from 0 to 9999999999, got \"" +
                       parts[1] + "\"");
    }
    if (!rate) {
        throw CliError("--custom-plan: the rate must be rupees per MB from 0 to 9.99 with at most "
                       "two decimals, got \"" +
                       parts[2] + "\"");
    }
    return {*charge, *limit, *rate};
}

QDate readToday(const std::string& text) {
    const QDate date = QDate::fromString(QString::fromStdString(text), "yyyy-MM-dd");
    if (text.size() != 10 || !date.isValid()) {
        throw CliError("--today: \"" + text + "\" is not a date of the form YYYY-MM-DD");
    }
    return date;
}

} // namespace

void PlanOptions::addPlanOptions(CLI::App& command, bool oneOrTheOther) {
    CLI::Option* plan =
        command
            .add_option("--plan", m_plan,
                        "Plan to bill: a line of `veltrix plans`, a plan name or slot:N")
            ->type_name("TEXT");
    CLI::Option* custom =
        command
            .add_option("--custom-plan", m_customPlan,
                        std::string("Your own plan: charge in Rs, limit in MB (0 counts as 1), Rs "
                                    "per excess MB") +
                            (oneOrTheOther ? "" : "; chosen unless --plan names another"))
            ->type_name("CHARGE,LIMIT_MB,RATE");
    if (oneOrTheOther) {
        custom->excludes(plan);
    }
}

void PlanOptions::addPlanTo(CLI::App& command) {
    addPlanOptions(command, true);
}

void PlanOptions::addTodayTo(CLI::App& command) {
    command.add_option("--today", m_today, "The date taken as today (default: the system date)")
        ->type_name("YYYY-MM-DD");
}

void PlanOptions::addTo(CLI::App& command) {
    addPlanOptions(command, false);
    addTodayTo(command);
    command.add_flag("--compare-plans", m_comparePlans,
                     "Also bill this month's usage on every plan, cheapest first");
}

PlanChoice PlanOptions::resolve(const Clock& clock) const {
    PlanChoice choice;
    choice.comparePlans = m_comparePlans;
    choice.today = m_today.empty() ? clock.today() : readToday(m_today);
    if (!m_customPlan.empty()) {
        choice.custom = readCustomPlan(m_customPlan);
        choice.slot = PlanCatalogue::CustomSlot;
    }
    if (!m_plan.empty()) {
        choice.slot = findPlan(m_plan);
    }
    if (choice.slot == PlanCatalogue::CustomSlot && !choice.custom) {
        throw CliError("--plan: the custom plan needs --custom-plan CHARGE,LIMIT_MB,RATE");
    }
    return choice;
}
