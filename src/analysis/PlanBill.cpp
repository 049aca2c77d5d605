#include "analysis/PlanBill.h"

#include "platform/NumberFormat.h"

double PlanBill::chargedKB(const Plan& plan, const MonthTotals& totals) {
    return static_cast<double>(plan.nightFree ? totals.mlngTotalChargedKB
                                              : totals.mlngTotalBandwidthKB);
}

PlanBill PlanBill::forMonth(const Plan& plan, const MonthTotals& totals) {
    return forUsage(plan, chargedKB(plan, totals));
}

PlanBill PlanBill::forUsage(const Plan& plan, double chargedKB) {
    PlanBill bill;
    bill.chargedMB = chargedKB / 1024;
    double excessAmount = 0;
    // using up the quota exactly is not an excess
    if (plan.limitMB && *plan.limitMB - bill.chargedMB < 0) {
        bill.excessMB = -(*plan.limitMB - bill.chargedMB);
        excessAmount = plan.ratePerMB * bill.excessMB;
    }
    const double total = plan.charge + excessAmount;
    const double tax = total * TaxPercent / 100;
    const auto money = [](double rupees) { return NumberFormat::rounded(rupees, 2); };
    bill.charge = money(plan.charge);
    bill.excessAmount = money(excessAmount);
    bill.total = money(total);
    bill.tax = money(tax);
    bill.totalWithTax = money(total + tax);
    return bill;
}
