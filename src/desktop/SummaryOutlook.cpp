#include "desktop/SummaryOutlook.h"

#include "analysis/MonthSummary.h"
#include "analysis/SummaryTexts.h"
#include "platform/NumberFormat.h"

namespace {

QString amount(FixedPoint value) {
    return QString::fromStdString(NumberFormat::decimals(value, 2));
}

QString escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

} // namespace

SummaryOutlook SummaryOutlook::build(const MonthSummary& summary) {
    SummaryOutlook outlook;
    if (summary.projection) {
        const MonthProjection& projection = *summary.projection;
        outlook.projection =
            QStringLiteral("At this pace (%1 of %2 days) the month ends at %3 MB: Rs. %4 with tax.")
                .arg(projection.daysElapsed)
                .arg(projection.daysInMonth)
                .arg(QString::fromStdString(NumberFormat::decimals(projection.bill.chargedMB, 3)),
                     amount(projection.bill.totalWithTax));
    }
    if (summary.quota) {
        outlook.quota = QString::fromStdString(SummaryTexts::quotaRunOut(*summary.quota) + "\n" +
                                               SummaryTexts::dailyAllowance(*summary.quota));
    }
    const int chosen = summary.choice.slot;
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\" width=\"100%\">"
                                  "<tr><th align=\"left\">Plan</th><th align=\"right\">"
                                  "Total + Tax</th></tr>");
    static const std::vector<PlanComparisonRow> none;
    for (const PlanComparisonRow& row : summary.compared ? *summary.compared : none) {
        const bool mark = row.slot == chosen;
        const QString name = escaped(row.name) + (mark ? QStringLiteral(" (chosen)") : QString());
        const QString cells = QStringLiteral("<td>%1</td><td align=\"right\">Rs. %2</td>")
                                  .arg(name, amount(row.bill.totalWithTax));
        html += mark ? QStringLiteral("<tr style=\"font-weight:bold\">") + cells + "</tr>"
                     : QStringLiteral("<tr>") + cells + "</tr>";
    }
    outlook.comparisonHtml = html + QStringLiteral("</table>");
    return outlook;
}
