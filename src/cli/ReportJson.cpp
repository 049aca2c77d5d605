#include "cli/ReportJson.h"

#include "analysis/MonthResult.h"

namespace {

// Kilobyte sums are whole numbers in practice; a fraction is kept when there is one.
nlohmann::ordered_json kilobytes(FixedPoint value) {
    if (value.units() % FixedPoint::Scale == 0) {
        return value.units() / FixedPoint::Scale;
    }
    return value.toDouble();
}

} // namespace

nlohmann::ordered_json reportJson(const MonthResult& result, const std::string& user) {
    const ReportOutcome& outcome = result.report;
    nlohmann::ordered_json days = nlohmann::ordered_json::array();
    for (const ReportDay& day : outcome.days) {
        days.push_back({{"date", day.date},
                        {"rows", day.rows},
                        {"total_kb", kilobytes(day.totalKB)},
                        {"charged_kb", kilobytes(day.chargedKB)},
                        {"free_kb", kilobytes(day.freeKB)}});
    }
    nlohmann::ordered_json classes = nlohmann::ordered_json::array();
    for (UsageType type : outcome.classes) {
        classes.push_back(std::string(usageTypeName(type)));
    }
    const MonthTotals& totals = result.totals();
    return {
        {"schema", 2},
        {"month", totals.mstrMonthYear},
        {"user", user},
        {"rows_read", outcome.rowsRead},
        {"rows_kept", outcome.rowsKept},
        {"totals",
         {{"bandwidth_kb", totals.mlngTotalBandwidthKB},
          {"charged_kb", totals.mlngTotalChargedKB},
          {"free_kb", totals.mlngTotalBandwidthKB - totals.mlngTotalChargedKB},
          {"kept_kb", kilobytes(outcome.keptKB)}}},
        {"report_texts",
         {{"kb", outcome.kbText},
          {"mb", outcome.mbText},
          {"gb", outcome.gbText},
          {"month_year", outcome.monthYearText},
          {"note", outcome.note},
          // the average label's design text stands until a day is kept
          {"average_per_day", outcome.averagePerDay.empty() ? "0 MB" : outcome.averagePerDay},
          {"chart_data", outcome.chart.mstrChartData},
          {"chart_data_avg", outcome.chart.mstrChartDataAvg}}},
        {"days", days},
        {"last_recorded", totals.mdtLastRecordedDate.toText()},
        {"last_day_usage_kb", totals.mlngLastDayUsageKB},
        {"classes", classes},
    };
}
