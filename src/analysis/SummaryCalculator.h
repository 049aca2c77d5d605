#pragma once

#include "analysis/PlanCatalogue.h"
#include "analysis/UsageSummary.h"
#include "report/MonthTotals.h"

#include <QDate>
#include <string>

// Computes the summary figures for one catalogue slot, in the order the page shows them. Each
// figure is written as soon as it is known, so a failure part-way leaves the figures already
// written with their new values and the others with what they showed.
class SummaryCalculator {
public:
    SummaryCalculator(const PlanCatalogue& plans, int slot, const MonthTotals& inputs, QDate today);

    // Usage, averages, days left, balance or excess, quota bar, today's figures and the bill.
    // Throws SummaryFailure.
    void writeFigures(UsageSummary& shown);

    // " 5 Mar 2007": English month abbreviations whatever the locale.
    static std::string dayText(QDate date);
    // Days from the date to the last day of its month.
    static int remainingDays(QDate date);

private:
    void writeUsed(UsageSummary& shown);
    void writeLimited(UsageSummary& shown);
    void writeExceeded(UsageSummary& shown, double limit);
    void writeBalance(UsageSummary& shown, double limit);
    void writeUnlimited(UsageSummary& shown);
    void writeNoExcess(UsageSummary& shown);
    void writeToday(UsageSummary& shown);
    void writeBill(UsageSummary& shown);

    const PlanCatalogue& m_plans;
    int m_slot;
    const MonthTotals& m_inputs;
    QDate m_today;
    bool m_unlimited = false;
    double m_chargedKB = 0; // K
    double m_usedMB = 0;    // U
    double m_balanceMB = 0; // B
    double m_extra = 0;     // X
    int m_day = 0;          // D
    int m_remainingDays = 0;
};
