#include "desktop/SummaryOutlook.h"

#include "analysis/MonthProjection.h"
#include "analysis/PlanComparison.h"
#include "analysis/SummaryPage.h"
#include "platform/NumberFormat.h"

namespace {

QString amount(double value) {
    return QString::fromStdString(NumberFormat::decimals(value, 2));
}

QString escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

} // namespace

SummaryOutlook SummaryOutlook::build(const SummaryPage& page, const MonthTotals& inputs) {
    SummaryOutlook outlook;
    const int chosen = page.chosenSlot();
    if (chosen != -1) {
        const MonthProjection projection =
            MonthProjection::forPlan(page.mvarPlans().terms(chosen), inputs);
        outlook.projection =
            QStringLiteral("At this pace (%1 of %2 days) the month ends at %3 MB: Rs. %4 with tax.")
                .arg(projection.daysElapsed)
                .arg(projection.daysInMonth)
                .arg(QString::fromStdString(NumberFormat::decimals(projection.bill.chargedMB, 3)),
                     amount(projection.bill.totalAndTax));
    }
    // the custom plan joins the comparison once it describes something: chosen, or with a charge
    std::optional<CustomPlanValues> custom;
    if (chosen == PlanCatalogue::CustomSlot || page.customPlan().nebPlanCharge > 0) {
        custom = page.customPlan();
    }
    const auto rows = PlanComparison::compare(page.mvarPlans(), page.cmbPlans(), inputs, custom);
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\" width=\"100%\">"
                                  "<tr><th align=\"left\">Plan</th><th align=\"right\">"
                                  "Total + Tax</th></tr>");
    for (const PlanComparisonRow& row : rows) {
        const bool mark = row.slot == chosen;
        const QString name = escaped(row.name) + (mark ? QStringLiteral(" (chosen)") : QString());
        const QString cells = QStringLiteral("<td>%1</td><td align=\"right\">Rs. %2</td>")
                                  .arg(name, amount(row.bill.totalAndTax));
        html += mark ? QStringLiteral("<tr style=\"font-weight:bold\">") + cells + "</tr>"
                     : QStringLiteral("<tr>") + cells + "</tr>";
    }
    outlook.comparisonHtml = html + QStringLiteral("</table>");
    return outlook;
}
