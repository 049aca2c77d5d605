#include "history/HistoryOverview.h"

#include <cstdlib>

namespace {

std::string plural(int months) {
    return months == 1 ? "this 1 month" : "these " + std::to_string(months) + " months";
}

} // namespace

HistoryOverview HistoryOverview::of(const MonthHistory& history, const std::string& user,
                                    const PlanChoice& choice) {
    HistoryOverview overview;
    overview.months = history.months(user);
    overview.planChosen = choice.slot != -1;
    for (const HistoryMonth& month : overview.months) {
        overview.bills.push_back(HistoryPlans::billOf(month, choice));
    }
    // plans summed over several users' months would answer nobody's question
    if (!user.empty() || history.users().size() == 1) {
        overview.plans = HistoryPlans::totals(overview.months, choice.custom);
        overview.advice = HistoryPlans::advice(*overview.plans, choice);
    }
    return overview;
}

std::string HistoryOverview::amountText(std::int64_t cents) {
    const std::int64_t whole = std::llabs(cents);
    const std::string fraction = std::to_string(whole % 100);
    return (cents < 0 ? "-" : "") + std::to_string(whole / 100) + "." +
           (fraction.size() < 2 ? "0" : "") + fraction;
}

std::string HistoryOverview::rupees(std::int64_t cents) {
    return "Rs. " + amountText(cents);
}

std::string HistoryOverview::adviceText() const {
    if (!advice) {
        return {};
    }
    if (advice->chosenIsCheapest()) {
        return "Over " + plural(advice->chosen.months) + " no plan would have cost less than " +
               advice->chosen.name + ": " + rupees(advice->chosen.totalWithTaxCents) + " with tax";
    }
    return "Over " + plural(advice->chosen.months) + " " + advice->cheapest.name +
           " would have cost " + rupees(advice->cheapest.totalWithTaxCents) + " with tax, " +
           rupees(advice->savingCents()) + " less than " + advice->chosen.name;
}
