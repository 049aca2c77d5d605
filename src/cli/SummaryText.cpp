#include "cli/SummaryText.h"

#include "analysis/MonthSummary.h"
#include "analysis/SummaryTexts.h"
#include "cli/TerminalWriter.h"
#include "platform/FixedPoint.h"
#include "platform/NumberFormat.h"
#include "platform/PlainText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

using Tone = TerminalWriter::Tone;

std::string kbMbGb(std::int64_t kb) {
    const FixedPoint mb = FixedPoint(kb).dividedBy(1024);
    return TerminalWriter::padLeft(std::to_string(kb) + " KB", 16) +
           TerminalWriter::padLeft(NumberFormat::decimals(mb, 3) + " MB", 16) +
           TerminalWriter::padLeft(NumberFormat::decimals(mb.dividedBy(1024), 3) + " GB", 12);
}

void writeMonth(TerminalWriter& out, const MonthTotals& inputs) {
    out.heading(inputs.mstrMonthYear.empty() ? "Usage" : "Usage for " + inputs.mstrMonthYear);
    out.line("  " + PadRight("Bandwidth (all rows)", 24) + kbMbGb(inputs.mlngTotalBandwidthKB));
    out.line("  " + PadRight("Charged usage (all rows)", 24) + kbMbGb(inputs.mlngTotalChargedKB));
}

void writePlan(TerminalWriter& out, const Plan& plan) {
    out.heading("Plan  " + plan.name + "  (slot:" + std::to_string(plan.slot) + ")");
    out.row("Plan Charge", "Rs " + NumberFormat::general(plan.charge));
    if (plan.limitMB) {
        out.row("Bandwidth Limit", NumberFormat::general(*plan.limitMB) + " MB");
        out.row("Rs/Excess MB", "Rs " + NumberFormat::general(plan.ratePerMB));
    } else {
        out.row("Bandwidth Limit", "Unlimited");
        out.row("Rs/Excess MB", "NA");
    }
}

void writeUsage(TerminalWriter& out, const UsageSummary& s, const SummaryTexts& shown) {
    out.heading("Charged Usage");
    out.row("Charged Bandwidth", shown.used);
    out.row("Average per day", shown.usedAverage);
    out.row("Last recorded day", shown.lastRecordedDay);
    if (s.lastDayIsToday) {
        out.row("Usage Today", *shown.usageToday);
        out.row("Average per day, excl. today", *shown.usedAverageExclToday);
    }
    out.row("Remaining days", shown.remainingDays);
    if (!s.exceeded()) {
        out.heading("Available Usage");
        out.row("Balance Bandwidth", *shown.available, Tone::Good);
        out.row("Average usable per day", *shown.availableAverage);
        if (s.lastDayIsToday) {
            out.row("Average usable per day, excl. today", *shown.availableAverageExclToday);
        }
    } else {
        out.heading("Excess Usage");
        out.row("Excess Bandwidth", shown.excess, Tone::Bad);
        out.row("Rs per excess MB", *shown.excessRate);
        out.row("Extra Amount", shown.excessAmount, Tone::Bad);
    }
}

// The quota as 40 cells: used '#', left '-', and the excess as '!' beyond the bracket.
void writeQuotaBar(TerminalWriter& out, const UsageSummary& s, const SummaryTexts& shown) {
    if (s.plan.unlimited()) {
        return; // no quota to draw
    }
    out.heading("Quota");
    constexpr long width = 40;
    const long used = std::clamp(std::lround(s.barUsed * width), 0L, width);
    const long excess = std::clamp(std::lround(s.barExcess * width), 0L, width);
    const bool cut = s.barExcess * width > width + 0.5;
    out.line("  [" + std::string(static_cast<std::size_t>(used), '#') +
             out.paint(std::string(static_cast<std::size_t>(width - used), '-'), Tone::Good) + "]" +
             out.paint(std::string(static_cast<std::size_t>(excess), '!') + (cut ? "+" : ""),
                       Tone::Bad) +
             "  " + shown.percentage + " of the quota used");
}

void writeBill(TerminalWriter& out, const SummaryTexts& shown) {
    out.heading("Bill");
    out.row("Plan Charge", shown.billPlanCharge);
    out.row("Excess Charge", shown.billExcessCharge);
    out.row("Total", shown.billTotal);
    out.row("Tax (10.30%)", shown.billTax);
    out.row("Total + Tax", shown.billTotalWithTax, Tone::Strong);
}

void writeProjection(TerminalWriter& out, const MonthProjection& projection,
                     const std::optional<QuotaOutlook>& quota) {
    out.heading("Month-end projection at this pace (" + std::to_string(projection.daysElapsed) +
                " of " + std::to_string(projection.daysInMonth) + " days)");
    out.row("Usage", NumberFormat::decimals(projection.bill.chargedMB, 3) + " MB");
    out.row("Excess", NumberFormat::decimals(projection.bill.excessMB, 3) + " MB");
    out.row("Total + Tax", SummaryTexts::rupees(projection.bill.totalWithTax), Tone::Strong);
    if (quota) {
        out.line("  " + out.paint(SummaryTexts::quotaRunOut(*quota),
                                  quota->runsOut ? Tone::Bad : Tone::Good));
        out.line("  " + SummaryTexts::dailyAllowance(*quota));
    }
}

// mark, slot, plan name, then the six amounts
std::string comparisonLine(const std::vector<std::string>& cells, std::size_t nameWidth) {
    static constexpr std::array<std::size_t, 6> widths = {12, 11, 10, 10, 9, 14};
    std::string line = "  " + cells[0] + TerminalWriter::padLeft(cells[1], 4) + "  " +
                       PadRight(cells[2], nameWidth);
    for (std::size_t i = 0; i < widths.size(); ++i) {
        line += TerminalWriter::padLeft(cells[3 + i], widths[i]);
    }
    return line;
}

void writeComparison(TerminalWriter& out, const MonthSummary& report) {
    std::size_t nameWidth = 4;
    for (const PlanComparisonRow& row : *report.compared) {
        nameWidth = std::max(nameWidth, row.name.size());
    }
    out.heading("This month's usage on every plan, cheapest first");
    out.line(comparisonLine({" ", "Slot", "Plan", "Charged MB", "Excess MB", "Extra Rs", "Total Rs",
                             "Tax Rs", "Total+Tax Rs"},
                            nameWidth));
    bool chosenListed = false;
    for (const PlanComparisonRow& row : *report.compared) {
        const bool chosen = row.slot == report.choice.slot;
        chosenListed = chosenListed || chosen;
        const PlanBill& bill = row.bill;
        const std::string line = comparisonLine(
            {chosen ? "*" : " ", std::to_string(row.slot), row.name,
             NumberFormat::decimals(bill.chargedMB, 3), NumberFormat::decimals(bill.excessMB, 3),
             NumberFormat::decimals(bill.excessAmount, 2), NumberFormat::decimals(bill.total, 2),
             NumberFormat::decimals(bill.tax, 2), NumberFormat::decimals(bill.totalWithTax, 2)},
            nameWidth);
        out.line(chosen ? out.paint(line, Tone::Strong) : line);
    }
    if (chosenListed) {
        out.line("  * the plan chosen above");
    }
}

} // namespace

std::string SummaryText::render(const MonthSummary& report, bool colour) {
    return renderMonth(report, colour) + renderPlan(report, colour);
}

std::string SummaryText::renderMonth(const MonthSummary& report, bool colour) {
    TerminalWriter out(colour);
    writeMonth(out, report.totals);
    return out.text();
}

std::string SummaryText::renderPlan(const MonthSummary& report, bool colour) {
    TerminalWriter out(colour, true);
    if (report.hasPlan()) {
        const UsageSummary& figures = *report.figures;
        const SummaryTexts shown = SummaryTexts::of(figures);
        writePlan(out, figures.plan);
        writeUsage(out, figures, shown);
        writeQuotaBar(out, figures, shown);
        writeBill(out, shown);
        if (report.projection) {
            writeProjection(out, *report.projection, report.quota);
        }
    } else {
        out.line();
        out.line("No plan chosen: add --plan to see the bill (`veltrix plans` lists the plans).");
    }
    if (report.compared) {
        writeComparison(out, report);
    }
    return out.text();
}

bool SummaryText::colourForStdout() {
    const char* noColour = std::getenv("NO_COLOR");
    const char* terminal = std::getenv("TERM");
    return isatty(STDOUT_FILENO) == 1 && (noColour == nullptr || *noColour == '\0') &&
           (terminal == nullptr || std::strcmp(terminal, "dumb") != 0);
}
