#include "cli/MonthStatus.h"

#include "analysis/SummaryTexts.h"
#include "cli/SummaryJson.h"
#include "cli/TerminalWriter.h"
#include "history/HistoryMonthModel.h"
#include "platform/NumberFormat.h"

namespace {

using Tone = TerminalWriter::Tone;

std::string megabytes(std::int64_t kb) {
    return SummaryTexts::megabytes(static_cast<double>(kb) / 1024, 3);
}

void writeUsage(TerminalWriter& out, const UsageSummary& s, const SummaryTexts& shown) {
    out.row("Used", shown.used);
    if (s.plan.unlimited()) {
        out.row("Limit", "Unlimited");
    } else {
        out.row("Of the limit of " + NumberFormat::general(*s.plan.limitMB) + " MB",
                shown.percentage, s.exceeded() ? Tone::Bad : Tone::Plain);
        if (s.exceeded()) {
            out.row("Over the limit", shown.excess, Tone::Bad);
        } else {
            out.row("Left", *shown.available, Tone::Good);
        }
    }
    out.row("Last recorded day", shown.lastRecordedDay);
    out.row("Remaining days", shown.remainingDays);
}

void writeOutlook(TerminalWriter& out, const MonthSummary& summary) {
    const PlanBill& bill = summary.projection->bill;
    out.row("Month-end at this pace", NumberFormat::decimals(bill.chargedMB, 3) + " MB");
    out.row("Month-end bill with tax", SummaryTexts::rupees(bill.totalWithTax), Tone::Strong);
    if (summary.quota) {
        out.line("  " + out.paint(SummaryTexts::quotaRunOut(*summary.quota),
                                  summary.quota->runsOut ? Tone::Bad : Tone::Good));
        out.line("  " + SummaryTexts::dailyAllowance(*summary.quota));
    }
}

} // namespace

MonthStatus MonthStatus::of(HistoryMonth month, const std::vector<DayFigures>& days,
                            const PlanChoice& choice, bool nightUnlimited) {
    MonthStatus status;
    const MonthTotals totals =
        HistoryMonthModel::totals(month.month, month.figures, days, nightUnlimited);
    // a month without rows has no last recorded day to bill from, as its report has no summary
    PlanChoice billed = choice;
    if (!month.figures.lastRecorded) {
        billed.slot = -1;
    }
    status.summary = MonthSummary::build(totals, billed);
    status.checked = QDateTime::fromMSecsSinceEpoch(month.fileTimeNs / 1000000);
    status.month = std::move(month);
    return status;
}

nlohmann::ordered_json MonthStatus::json(bool alertsWanted) const {
    const MonthFigures& figures = month.figures;
    nlohmann::ordered_json object = {
        {"schema", 2},
        {"month", month.month},
        {"user", month.user},
        {"checked", checked.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString()},
        {"last_recorded", figures.lastRecorded
                              ? nlohmann::ordered_json(figures.lastRecorded->toText())
                              : nlohmann::ordered_json(nullptr)},
        {"totals",
         {{"bandwidth_kb", figures.totalKB},
          {"charged_kb", figures.chargedKB},
          {"free_kb", figures.freeKB}}},
    };
    object.update(SummaryJson::fragments(summary));
    if (alertsWanted) {
        nlohmann::ordered_json reasons = nlohmann::ordered_json::array();
        for (const UsageAlert& alert : alerts) {
            reasons.push_back(alert.reason);
        }
        object["alerts"] = reasons;
    }
    return object;
}

std::string MonthStatus::text(bool colour) const {
    TerminalWriter out(colour);
    out.heading("Usage of " + month.user + " for " + month.month + " (checked " +
                SummaryTexts::dayText(checked.date()) + " " +
                checked.toString(QStringLiteral("HH:mm")).toStdString() + ")");
    if (!summary.hasPlan()) {
        out.row("Used (all rows)", megabytes(month.figures.totalKB));
        out.row("Charged (all rows)", megabytes(month.figures.chargedKB));
        out.line(month.figures.lastRecorded
                     ? "  No plan chosen: give --plan, or choose one in the desktop program."
                     : "  The month has no rows yet.");
        return out.text();
    }
    const UsageSummary& figures = *summary.figures;
    out.row(planFrom == PlanFrom::Window ? "Plan (chosen in the window)" : "Plan",
            figures.plan.name);
    writeUsage(out, figures, SummaryTexts::of(figures));
    writeOutlook(out, summary);
    return out.text();
}
