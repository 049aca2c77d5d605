#include "analysis/UsageSummary.h"

std::vector<std::pair<std::string_view, std::string>> UsageSummary::labelTexts() const {
    return {
        {"lblUsedBandWidth", lblUsedBandWidth.text},
        {"lblUsedAverage", lblUsedAverage.text},
        {"lblUsedLastDay", lblUsedLastDay},
        {"lblUsedAverageExclToday", lblUsedAverageExclToday.text},
        {"lblUsageToday", lblUsageToday.text},
        {"lblAvailableBandWidth", lblAvailableBandWidth.text},
        {"lblAvailableDays", lblAvailableDays.text},
        {"lblAvailableAverage", lblAvailableAverage.text},
        {"lblAvailableAverageExclToday", lblAvailableAverageExclToday.text},
        {"lblExcessBandwidth", lblExcessBandwidth.text},
        {"lblExcessRatePerMB", lblExcessRatePerMB.text},
        {"lblExcessAmount", lblExcessAmount.text},
        {"txtPercentage", txtPercentage.text},
        {"lblBillPlanCharge", lblBillPlanCharge.text},
        {"lblBillExcessCharge", lblBillExcessCharge.text},
        {"lblBillTotal", lblBillTotal.text},
        {"lblBillTax", lblBillTax.text},
        {"lblBillTotalAndTax", lblBillTotalAndTax.text},
    };
}
