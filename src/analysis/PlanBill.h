#pragma once

#include "analysis/PlanTerms.h"
#include "analysis/SummaryInputs.h"

// What one plan charges for a month's usage, by the rules of the summary's bill, at full
// precision. Serves the plan comparison and the month-end projection; the summary page
// writes its own figures step by step.
struct PlanBill {
    double chargedMB = 0;
    double excessMB = 0;
    double excessAmount = 0;
    double total = 0;
    double tax = 0;
    double totalAndTax = 0;

    // A night-unlimited plan charges the charged-usage total, every other plan the bandwidth.
    static double chargedKB(const PlanTerms& plan, const SummaryInputs& inputs);
    // The bill for that many charged kilobytes. A limit of 0 is billed as 1 MB, as the
    // summary page does.
    static PlanBill forUsage(const PlanTerms& plan, double chargedKB);
};
