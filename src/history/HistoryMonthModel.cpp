#include "history/HistoryMonthModel.h"

#include "analysis/PlanBill.h"
#include "analysis/PlanCatalogue.h"
#include "analysis/PlanComparison.h"
#include "report/HeadlessResultView.h"
#include "report/ReportBuilder.h"
#include "report/ReportRow.h"

#include <array>
#include <charconv>
#include <cmath>
#include <map>

namespace {

// The bill shows two decimals rounded half away from zero from the amount's shortest decimal
// form; the cents are taken the same way, so a sum of months adds what each month shows.
std::int64_t centsOf(double rupees) {
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      std::fabs(rupees), std::chars_format::fixed);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const auto point = text.find('.');
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    std::int64_t cents = 0;
    for (const char digit : text.substr(0, point)) {
        cents = cents * 10 + (digit - '0');
    }
    for (std::size_t i = 0; i < 2; ++i) {
        cents = cents * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    }
    if (fraction.size() > 2 && fraction[2] >= '5') {
        ++cents;
    }
    return rupees < 0 ? -cents : cents;
}

const PlanCatalogue& catalogue() {
    static const PlanCatalogue plans;
    return plans;
}

} // namespace

MonthReading HistoryMonthModel::read(std::string rows, const std::string& month) {
    ReportBuilder builder;
    HeadlessResultView view;
    view.setReportDocumentWanted(false);
    ReportOptions options;
    // With the night-unlimited plan every day splits into its charged and its free usage.
    options.mblnNightUnlimitedPlan = true;
    builder.GrabbingFinished({std::move(rows), month, FixedPoint()});
    try {
        builder.WriteOutput(options, view);
    } catch (const ReportError& error) {
        throw Failure(error.what());
    }
    const ReportOutcome& outcome = builder.outcome();
    MonthReading reading;
    MonthFigures& figures = reading.figures;
    figures.rows = outcome.rowsRead;
    figures.totalKB = outcome.totals.mlngTotalBandwidthKB;
    figures.chargedKB = outcome.totals.mlngTotalChargedKB;
    figures.freeKB = figures.totalKB - figures.chargedKB;
    if (outcome.rowsRead > 0) {
        figures.lastRecorded = outcome.totals.mdtLastRecordedDate;
    }
    // The report counts a date listed in two runs twice; a day of the history is a date.
    std::map<std::string, DayFigures> days;
    for (const ReportDay& run : outcome.days) {
        DayFigures& day = days[run.date];
        day.date = run.date;
        day.totalKB += run.totalKB.roundedWhole();
        day.chargedKB += run.chargedKB.roundedWhole();
        day.freeKB += run.freeKB.roundedWhole();
    }
    for (auto& [date, day] : days) {
        reading.days.push_back(std::move(day));
    }
    figures.daysRecorded = static_cast<int>(reading.days.size());
    return reading;
}

std::vector<HistoryMonthModel::PlanName>
HistoryMonthModel::plans(const std::optional<CustomPlanValues>& custom) {
    std::vector<PlanName> plans;
    for (int slot = 0; slot < PlanCatalogue::SlotCount; ++slot) {
        if (catalogue().holdsPlan(slot) && (slot != PlanCatalogue::CustomSlot || custom)) {
            plans.push_back({slot, catalogue().planName(slot)});
        }
    }
    return plans;
}

std::int64_t HistoryMonthModel::billWithTaxCents(int slot,
                                                 const std::optional<CustomPlanValues>& custom,
                                                 const MonthFigures& month) {
    const PlanTerms terms = slot == PlanCatalogue::CustomSlot && custom
                                ? PlanComparison::customTerms(*custom)
                                : catalogue().terms(slot);
    MonthTotals totals;
    totals.mlngTotalBandwidthKB = month.totalKB;
    totals.mlngTotalChargedKB = month.chargedKB;
    return centsOf(PlanBill::forUsage(terms, PlanBill::chargedKB(terms, totals)).totalAndTax);
}
