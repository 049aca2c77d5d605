#include "history/HistoryMonthModel.h"

#include "analysis/MonthResult.h"
#include "analysis/PlanBill.h"
#include "analysis/PlanCatalogue.h"
#include "report/ReportRow.h"

#include <algorithm>
#include <map>

MonthReading HistoryMonthModel::read(std::string rows, const std::string& month) {
    ReportOptions options;
    // With the night-unlimited plan every day splits into its charged and its free usage.
    options.mblnNightUnlimitedPlan = true;
    std::optional<MonthResult> result;
    try {
        result = MonthResult::build({std::move(rows), month, FixedPoint()}, options, {});
    } catch (const ReportError& error) {
        throw Failure(error.what());
    }
    static const ReportOutcome none;
    const ReportOutcome& outcome = result ? result->report : none;
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

MonthTotals HistoryMonthModel::totals(const std::string& month, const MonthFigures& figures,
                                      const std::vector<DayFigures>& days, bool nightUnlimited) {
    MonthTotals totals;
    totals.mstrMonthYear = month;
    totals.mlngTotalBandwidthKB = figures.totalKB;
    totals.mlngTotalChargedKB = figures.chargedKB;
    if (figures.lastRecorded) {
        totals.mdtLastRecordedDate = *figures.lastRecorded;
    }
    // the portal lists the newest rows first, so the report's top day is the newest date
    const auto newest =
        std::max_element(days.begin(), days.end(),
                         [](const DayFigures& a, const DayFigures& b) { return a.date < b.date; });
    if (newest != days.end()) {
        totals.mlngLastDayUsageKB = nightUnlimited ? newest->chargedKB : newest->totalKB;
    }
    return totals;
}

std::vector<HistoryMonthModel::PlanName>
HistoryMonthModel::plans(const std::optional<CustomPlanValues>& custom) {
    std::vector<PlanName> plans;
    for (int slot = 0; slot < PlanCatalogue::RowCount; ++slot) {
        if (PlanCatalogue::holdsPlan(slot) && (slot != Plan::CustomSlot || custom)) {
            plans.push_back({slot, PlanCatalogue::plan(slot).name});
        }
    }
    return plans;
}

std::int64_t HistoryMonthModel::billWithTaxCents(int slot,
                                                 const std::optional<CustomPlanValues>& custom,
                                                 const MonthFigures& month) {
    const Plan plan = slot == Plan::CustomSlot && custom ? PlanCatalogue::customPlan(*custom)
                                                         : PlanCatalogue::plan(slot);
    MonthTotals totals;
    totals.mlngTotalBandwidthKB = month.totalKB;
    totals.mlngTotalChargedKB = month.chargedKB;
    // the bill holds its money to the paisa as it shows it, so months add up what each shows
    return PlanBill::forMonth(plan, totals).totalWithTax.units() / (FixedPoint::Scale / 100);
}
