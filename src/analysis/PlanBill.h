#pragma once

#include "analysis/PlanTerms.h"
#include "report/MonthTotals.h"

// What one plan charges for a month's usage, at full precision: the one place the bill's
// rules live. The plan comparison and the month-end projection take whole bills; the summary
// page, which shows each figure as soon as it is known, takes the excess charge and the tax
// from here step by step.
struct PlanBill {
    // The tax on the bill, in percent.
    static constexpr double TaxPercent = 10.3;

    double chargedMB = 0;
    double excessMB = 0;
    double excessAmount = 0;
    double total = 0;
    double tax = 0;
    double totalAndTax = 0;

    // A night-unlimited plan charges the charged-usage total, every other plan the bandwidth.
    static double chargedKB(const PlanTerms& plan, const MonthTotals& inputs);
    // The bill for that many charged kilobytes. A limit of 0 is billed as 1 MB, as the
    // summary page does.
    static PlanBill forUsage(const PlanTerms& plan, double chargedKB);

    // What the usage above the limit costs at the plan's rate per MB.
    static double excessCharge(double ratePerMB, double excessMB) { return ratePerMB * excessMB; }
    // The tax on a bill's total.
    static double taxOn(double total) { return total * TaxPercent / 100; }
};
