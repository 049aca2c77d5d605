#include "analysis/PlanBill.h"

double PlanBill::chargedKB(const PlanTerms& plan, const MonthTotals& inputs) {
    return static_cast<double>(plan.nightUnlimited ? inputs.mlngTotalChargedKB
                                                   : inputs.mlngTotalBandwidthKB);
}

PlanBill PlanBill::forUsage(const PlanTerms& plan, double chargedKB) {
    PlanBill bill;
    bill.chargedMB = chargedKB / 1024;
    if (!plan.unlimited()) {
        const double balance = plan.billedLimitMB() - bill.chargedMB;
        if (balance < 0) {
            bill.excessMB = -balance;
            bill.excessAmount = excessCharge(plan.rate, bill.excessMB);
        }
    }
    bill.total = plan.charge + bill.excessAmount;
    bill.tax = taxOn(bill.total);
    bill.totalAndTax = bill.total + bill.tax;
    return bill;
}
