#include "desktop/ReportPdfSummary.h"

#include "analysis/MonthSummary.h"
#include "analysis/SummaryTexts.h"
#include "desktop/ResultWindowDesign.h"
#include "desktop/SummaryOutlook.h"

#include <optional>
#include <string>
#include <string_view>

namespace {

QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), qsizetype(value.size())).trimmed();
}

void addIfShown(ReportPdfGroup& group, const char* caption,
                const std::optional<std::string>& value) {
    if (value && !value->empty()) {
        group.lines.emplace_back(QString::fromLatin1(caption), text(*value));
    }
}

ReportPdfGroup usedGroup(const SummaryTexts& t) {
    ReportPdfGroup used{QStringLiteral("Charged Usage"),
                        {{QStringLiteral("Charged Bandwidth :"), text(t.used)},
                         {QStringLiteral("Average per day :"), text(t.usedAverage)},
                         {QStringLiteral("Last recorded day :"), text(t.lastRecordedDay)}}};
    addIfShown(used, "Average per day* (Excluding today) :", t.usedAverageExclToday);
    addIfShown(used, "Usage Today* :", t.usageToday);
    return used;
}

ReportPdfGroup leftGroup(const UsageSummary& figures, const SummaryTexts& t) {
    if (figures.exceeded()) {
        ReportPdfGroup excess{QStringLiteral("Excess Usage"),
                              {{QStringLiteral("Excess Bandwidth :"), text(t.excess)}}};
        addIfShown(excess, "Rs per excess MB :", t.excessRate);
        excess.lines.emplace_back(QStringLiteral("Extra Amount :"), text(t.excessAmount));
        return excess;
    }
    ReportPdfGroup left{QStringLiteral("Available Usage"), {}};
    addIfShown(left, "Balance Bandwidth :", t.available);
    left.lines.emplace_back(QStringLiteral("Remaining days :"), text(t.remainingDays));
    addIfShown(left, "Average usable per day :", t.availableAverage);
    addIfShown(left, "Average usable per day* (Excluding today) :", t.availableAverageExclToday);
    return left;
}

ReportPdfGroup monthGroup(const MonthSummary& summary, const SummaryTexts& t) {
    ReportPdfGroup month{QStringLiteral("This Month"),
                         {{QStringLiteral("Quota used :"), text(t.percentage)}}};
    const SummaryOutlook outlook = SummaryOutlook::build(summary);
    if (!outlook.projection.isEmpty()) {
        month.lines.emplace_back(QString(), outlook.projection);
    }
    // when the quota runs out at this pace, and what is left a day
    for (const QString& line : outlook.quota.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        month.lines.emplace_back(QString(), line.trimmed());
    }
    return month;
}

} // namespace

std::vector<ReportPdfGroup> ReportPdfSummary::groups(const MonthSummary& summary) {
    if (!summary.figures) {
        return {};
    }
    const UsageSummary& figures = *summary.figures;
    const SummaryTexts t = SummaryTexts::of(figures);
    std::vector<ReportPdfGroup> groups{
        {QStringLiteral("Plan Details"),
         {{QStringLiteral("Plan :"), text(figures.plan.name)},
          {QStringLiteral("Plan Charge :"), text(t.planCharge)},
          {QStringLiteral("Bandwidth Limit :"), text(t.bandwidthLimit)},
          {QStringLiteral("Rs/Excess MB :"), text(t.ratePerMB)}}},
        usedGroup(t),
        leftGroup(figures, t),
        {QStringLiteral("Bill"),
         {{QStringLiteral("Plan Charge :"), text(t.billPlanCharge)},
          {QStringLiteral("Excess Charge :"), text(t.billExcessCharge)},
          {QStringLiteral("Total :"), text(t.billTotal)},
          {text(ResultWindowDesign::TaxCaption), text(t.billTax)},
          {QStringLiteral("Total + Tax :"), text(t.billTotalWithTax)}}},
        monthGroup(summary, t)};
    if (figures.lastDayIsToday) {
        groups[1].lines.emplace_back(QString(), text(ResultWindowDesign::TodayNote));
    }
    return groups;
}
