#include "cli/SummaryJson.h"

#include "analysis/MonthSummary.h"
#include "platform/NumberFormat.h"

#include <charconv>

namespace {

double rounded(double value, int decimals) {
    const std::string text = NumberFormat::decimals(value, decimals);
    double result = 0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

double megabytes(double value) {
    return rounded(value, 3);
}

double rupees(double value) {
    return rounded(value, 2);
}

nlohmann::ordered_json planJson(const MonthSummary& report) {
    if (!report.hasPlan()) {
        return nullptr;
    }
    return {{"slot", report.choice.slot},
            {"name", report.planName},
            {"lblPlanCharge", report.figures.lblPlanCharge},
            {"lblBandWidthLimit", report.figures.lblBandWidthLimit},
            {"lblRsPerMB", report.figures.lblRsPerMB}};
}

nlohmann::ordered_json summaryJson(const UsageSummary& figures) {
    nlohmann::ordered_json summary = nlohmann::ordered_json::object();
    for (const auto& [label, text] : figures.labelTexts()) {
        summary[std::string(label)] = text;
    }
    summary["visible"] = {{"fraAvailable", figures.fraAvailableVisible},
                          {"fraExcess", figures.fraExcessVisible},
                          {"today", figures.todayVisible}};
    summary["bar"] = {{"used", figures.barUsed}, {"excess", figures.barExcess}};
    return summary;
}

nlohmann::ordered_json projectionJson(const MonthSummary& report) {
    if (!report.projection) {
        return nullptr;
    }
    const PlanBill& bill = report.projection->bill;
    return {{"usage_mb", megabytes(bill.chargedMB)},
            {"excess_mb", megabytes(bill.excessMB)},
            {"total_and_tax", rupees(bill.totalAndTax)}};
}

nlohmann::ordered_json comparisonJson(const std::vector<PlanComparisonRow>& rows) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const PlanComparisonRow& row : rows) {
        list.push_back({{"slot", row.slot},
                        {"name", row.name},
                        {"charged_mb", megabytes(row.bill.chargedMB)},
                        {"excess_mb", megabytes(row.bill.excessMB)},
                        {"excess_amount", rupees(row.bill.excessAmount)},
                        {"total", rupees(row.bill.total)},
                        {"tax", rupees(row.bill.tax)},
                        {"total_and_tax", rupees(row.bill.totalAndTax)}});
    }
    return list;
}

} // namespace

nlohmann::ordered_json SummaryJson::fragments(const MonthSummary& report) {
    nlohmann::ordered_json object = {{"plan", planJson(report)},
                                     {"summary", summaryJson(report.figures)},
                                     {"projection", projectionJson(report)}};
    if (report.compared) {
        object["compare_plans"] = comparisonJson(*report.compared);
    }
    return object;
}
