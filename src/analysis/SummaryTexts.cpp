#include "analysis/SummaryTexts.h"

#include "platform/NumberFormat.h"

#include <array>

std::string SummaryTexts::megabytes(double value, int decimals) {
    return NumberFormat::decimals(value, decimals) + " MB";
}

std::string SummaryTexts::rupees(FixedPoint amount) {
    return "Rs. " + NumberFormat::decimals(amount, 2);
}

std::string SummaryTexts::shortDayText(QDate date) {
    static constexpr std::array<const char*, 12> months = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return std::to_string(date.day()) + " " + months[static_cast<std::size_t>(date.month() - 1)];
}

std::string SummaryTexts::dayText(QDate date) {
    return shortDayText(date) + " " + std::to_string(date.year());
}

std::string SummaryTexts::quotaRunOut(const QuotaOutlook& quota) {
    const std::string limit = NumberFormat::general(quota.limitMB) + " MB";
    if (quota.usedUp) {
        return "The " + limit + " ran out by " + shortDayText(*quota.runsOut);
    }
    return "At this pace the " + limit +
           (quota.runsOut ? " run out on " + shortDayText(*quota.runsOut) : " last the month");
}

std::string SummaryTexts::dailyAllowance(const QuotaOutlook& quota) {
    if (!quota.dailyAllowanceMB) {
        return "No day left this month";
    }
    const std::string days = " for " + std::to_string(quota.daysLeft) +
                             (quota.daysLeft == 1 ? " more day" : " more days");
    return *quota.dailyAllowanceMB > 0
               ? "Left: " + megabytes(*quota.dailyAllowanceMB, 2) + " a day" + days
               : "Left: nothing" + days;
}

namespace {

void writePlanCaptions(SummaryTexts& texts, const Plan& plan) {
    const std::string blank = plan.custom() ? "" : " ";
    const auto number = [&blank](double value) { return blank + NumberFormat::general(value); };
    texts.planCharge = "Rs " + number(plan.charge);
    if (plan.limitMB) {
        texts.bandwidthLimit = number(*plan.limitMB) + " MB";
        texts.ratePerMB = "Rs " + number(plan.ratePerMB);
    } else {
        texts.bandwidthLimit = "Unlimited";
        texts.ratePerMB = "NA";
    }
}

} // namespace

SummaryTexts SummaryTexts::of(const UsageSummary& s) {
    SummaryTexts texts;
    writePlanCaptions(texts, s.plan);
    texts.used = megabytes(s.usedMB, 3);
    texts.usedAverage = megabytes(s.averagePerDayMB, 2);
    texts.lastRecordedDay = dayText(s.lastRecordedDay);
    texts.remainingDays = std::to_string(s.remainingDays);
    if (s.plan.unlimited()) {
        texts.percentage = "0%";
        texts.available = "Unlimited";
        texts.availableAverage = "Unlimited";
    } else {
        texts.percentage = NumberFormat::decimals(s.percentUsed, 0) + "%";
        if (s.exceeded()) {
            texts.excessRate = NumberFormat::decimals(s.plan.ratePerMB, 2);
        } else {
            texts.available = megabytes(*s.balanceMB, 3);
            texts.availableAverage =
                s.availablePerDayMB ? megabytes(*s.availablePerDayMB, 2) : std::string();
        }
    }
    texts.excess = s.exceeded() ? megabytes(s.bill.excessMB, 3) : "0";
    texts.excessAmount = s.exceeded() ? rupees(s.bill.excessAmount) : "Rs. 0";
    if (s.lastDayIsToday) {
        texts.usageToday = megabytes(s.usageTodayMB, 2);
        texts.usedAverageExclToday =
            s.lastRecordedDay.day() > 1 ? megabytes(s.averageExclTodayMB, 2) : "0 MB";
        // an unlimited plan has no balance to spread over the days left
        texts.availableAverageExclToday = s.availablePerDayExclTodayMB
                                              ? megabytes(*s.availablePerDayExclTodayMB, 2)
                                              : "Unlimited";
    }
    // the plan charge is shown as the plan states it ("Rs. 250"), the sums with decimals
    texts.billPlanCharge = "Rs. " + NumberFormat::general(s.plan.charge);
    texts.billExcessCharge = texts.excessAmount;
    texts.billTotal = rupees(s.bill.total);
    texts.billTax = rupees(s.bill.tax);
    texts.billTotalWithTax = rupees(s.bill.totalWithTax);
    return texts;
}

std::vector<std::pair<std::string_view, std::optional<std::string>>>
SummaryTexts::byControl() const {
    return {
        {"lblPlanCharge", planCharge},
        {"lblBandWidthLimit", bandwidthLimit},
        {"lblRsPerMB", ratePerMB},
        {"lblUsedBandWidth", used},
        {"lblUsedAverage", usedAverage},
        {"lblUsedLastDay", " " + lastRecordedDay},
        {"lblUsedAverageExclToday", usedAverageExclToday},
        {"lblUsageToday", usageToday},
        {"lblAvailableBandWidth", available},
        {"lblAvailableDays", remainingDays},
        {"lblAvailableAverage", availableAverage},
        {"lblAvailableAverageExclToday", availableAverageExclToday},
        {"lblExcessBandwidth", excess},
        {"lblExcessRatePerMB", excessRate},
        {"lblExcessAmount", excessAmount},
        {"txtPercentage", percentage},
        {"lblBillPlanCharge", billPlanCharge},
        {"lblBillExcessCharge", billExcessCharge},
        {"lblBillTotal", billTotal},
        {"lblBillTax", billTax},
        {"lblBillTotalAndTax", billTotalWithTax},
    };
}

std::string SummaryTexts::designText(std::string_view control) {
    return control == "txtPercentage" ? "000" : "0";
}
