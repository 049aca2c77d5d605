#include "cli/SummaryJson.h"

#include "analysis/MonthSummary.h"
#include "analysis/SummaryTexts.h"
#include "platform/NumberFormat.h"

namespace {

using Json = nlohmann::ordered_json;

double megabytes(double value) {
    return NumberFormat::rounded(value, 3).toDouble();
}

double money(FixedPoint amount) {
    return amount.toDouble();
}

Json optionalMegabytes(const std::optional<double>& value) {
    return value ? Json(megabytes(*value)) : Json(nullptr);
}

Json planJson(const Plan& plan) {
    return {{"slot", plan.slot},
            {"name", plan.name},
            {"charge", plan.charge},
            {"limit_mb", plan.limitMB ? Json(*plan.limitMB) : Json(nullptr)},
            {"rate_per_mb", plan.ratePerMB},
            {"night_free", plan.nightFree}};
}

Json billJson(const PlanBill& bill) {
    return {{"charge", money(bill.charge)},
            {"excess_amount", money(bill.excessAmount)},
            {"total", money(bill.total)},
            {"tax", money(bill.tax)},
            {"total_with_tax", money(bill.totalWithTax)}};
}

// The summary page as a tool mirroring the window would draw it: every control's text (its
// design text where this run writes none), which frames show, and the quota bar.
Json windowJson(const UsageSummary& s) {
    Json texts = Json::object();
    for (const auto& [control, text] : SummaryTexts::of(s).byControl()) {
        texts[std::string(control)] = text.value_or(SummaryTexts::designText(control));
    }
    return {{"texts", texts},
            {"visible",
             {{"fraAvailable", !s.exceeded()},
              {"fraExcess", s.exceeded()},
              {"today", s.lastDayIsToday}}},
            {"bar", {{"used", s.barUsed}, {"excess", s.barExcess}}}};
}

Json todayOnly(const UsageSummary& s, const Json& value) {
    return s.lastDayIsToday ? value : Json(nullptr);
}

Json summaryJson(const UsageSummary& s) {
    return {
        {"used_mb", megabytes(s.usedMB)},
        {"average_per_day_mb", megabytes(s.averagePerDayMB)},
        {"last_recorded_day", s.lastRecordedDay.toString(Qt::ISODate).toStdString()},
        {"remaining_days", s.remainingDays},
        {"balance_mb", optionalMegabytes(s.balanceMB)},
        {"available_per_day_mb", optionalMegabytes(s.availablePerDayMB)},
        {"excess_mb", megabytes(s.bill.excessMB)},
        {"percent_used", NumberFormat::rounded(s.percentUsed, 2).toDouble()},
        {"limit_raised", s.limitRaised},
        {"today", s.lastDayIsToday},
        {"usage_today_mb", todayOnly(s, megabytes(s.usageTodayMB))},
        {"average_per_day_excl_today_mb", todayOnly(s, megabytes(s.averageExclTodayMB))},
        {"available_per_day_excl_today_mb",
         todayOnly(s, optionalMegabytes(s.availablePerDayExclTodayMB))},
        {"bill", billJson(s.bill)},
        {"window", windowJson(s)},
    };
}

// The quota's keys are null on an unlimited plan.
Json projectionJson(const MonthProjection& projection, const std::optional<QuotaOutlook>& quota) {
    const PlanBill& bill = projection.bill;
    const bool runsOut = quota && quota->runsOut;
    return {
        {"days_elapsed", projection.daysElapsed},
        {"days_in_month", projection.daysInMonth},
        {"usage_mb", megabytes(bill.chargedMB)},
        {"excess_mb", megabytes(bill.excessMB)},
        {"total_and_tax", money(bill.totalWithTax)},
        {"quota_runs_out",
         runsOut ? Json(quota->runsOut->toString(Qt::ISODate).toStdString()) : Json(nullptr)},
        {"daily_allowance_mb", quota ? optionalMegabytes(quota->dailyAllowanceMB) : Json(nullptr)}};
}

Json comparisonJson(const std::vector<PlanComparisonRow>& rows) {
    Json list = Json::array();
    for (const PlanComparisonRow& row : rows) {
        list.push_back({{"slot", row.slot},
                        {"name", row.name},
                        {"charged_mb", megabytes(row.bill.chargedMB)},
                        {"excess_mb", megabytes(row.bill.excessMB)},
                        {"excess_amount", money(row.bill.excessAmount)},
                        {"total", money(row.bill.total)},
                        {"tax", money(row.bill.tax)},
                        {"total_and_tax", money(row.bill.totalWithTax)}});
    }
    return list;
}

} // namespace

nlohmann::ordered_json SummaryJson::fragments(const MonthSummary& summary) {
    Json object = {{"plan", summary.hasPlan() ? planJson(summary.figures->plan) : Json(nullptr)},
                   {"summary", summary.hasPlan() ? summaryJson(*summary.figures) : Json(nullptr)},
                   {"projection", summary.projection
                                      ? projectionJson(*summary.projection, summary.quota)
                                      : Json(nullptr)}};
    if (summary.compared) {
        object["compare_plans"] = comparisonJson(*summary.compared);
    }
    return object;
}
