#pragma once

#include "analysis/QuotaOutlook.h"
#include "analysis/UsageSummary.h"
#include "platform/FixedPoint.h"

#include <QDate>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The summary page's texts, formatted from a typed summary: exactly what each of its labels
// shows. A text the page does not write in this run is empty, and the label keeps what it
// showed: the balance when the limit is exceeded, the excess rate within it, today's figures
// on another day.
struct SummaryTexts {
    // The plan's details. A catalogue plan's captions keep the blank that follows each comma
    // of its stored row (" 1024 MB", "Rs  250"); the custom plan's numbers follow "Rs " directly.
    std::string planCharge;
    std::string bandwidthLimit;
    std::string ratePerMB;

    std::string used;
    std::string usedAverage;
    std::string lastRecordedDay; // "10 Mar 2007"
    std::optional<std::string> usedAverageExclToday;
    std::optional<std::string> usageToday;
    std::optional<std::string> available;
    std::string remainingDays;
    std::optional<std::string> availableAverage;
    std::optional<std::string> availableAverageExclToday;
    std::string excess;
    std::optional<std::string> excessRate;
    std::string excessAmount;
    std::string percentage;
    std::string billPlanCharge;
    std::string billExcessCharge;
    std::string billTotal;
    std::string billTax;
    std::string billTotalWithTax;

    static SummaryTexts of(const UsageSummary& summary);

    // Every text by the name of the control that shows it, in the page's order; nothing where
    // this run writes nothing.
    std::vector<std::pair<std::string_view, std::optional<std::string>>> byControl() const;
    // What a control shows before a plan is chosen: "000" in the quota bar, "0" elsewhere.
    static std::string designText(std::string_view control);

    // The quota in words, for the command line and the page's "This Month" box: "At this pace
    // the 1024 MB run out on 12 Mar", "At this pace the 1024 MB last the month", "The 1024 MB
    // ran out by 10 Mar".
    static std::string quotaRunOut(const QuotaOutlook& quota);
    // "Left: 33.38 MB a day for 21 more days", "Left: nothing for 21 more days", "No day left
    // this month".
    static std::string dailyAllowance(const QuotaOutlook& quota);

    // "1280.000 MB", "Rs. 51.20", "10 Mar 2007", "10 Mar" (English month names whatever the
    // locale).
    static std::string megabytes(double value, int decimals);
    static std::string rupees(FixedPoint amount);
    static std::string dayText(QDate date);
    static std::string shortDayText(QDate date);
};
