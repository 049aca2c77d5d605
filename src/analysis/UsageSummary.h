#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One figure of the summary page: the text its label shows and the full-precision value it
// was rounded from (later figures are computed from values, never from texts).
struct SummaryFigure {
    std::string text;
    double value = 0;

    friend bool operator==(const SummaryFigure&, const SummaryFigure&) = default;
};

// Everything the summary page shows, as the result window copies it into its controls. A
// new object holds the window's design values; CreateSummary updates it in place, so figures
// a run does not reach keep what they showed.
struct UsageSummary {
    // Plan details. While the custom plan is chosen its entry boxes and "(MB)" replace
    // lblPlanCharge and lblBandWidthLimit; lblRsPerMB is always shown.
    std::string lblPlanCharge = "0";
    std::string lblBandWidthLimit = "0";
    std::string lblRsPerMB = "0";
    bool customPlanEntry = false;

    SummaryFigure lblUsedBandWidth{"0"};
    SummaryFigure lblUsedAverage{"0"};
    std::string lblUsedLastDay = "0";
    SummaryFigure lblUsedAverageExclToday{"0"};
    SummaryFigure lblUsageToday{"0"};
    SummaryFigure lblAvailableBandWidth{"0"};
    SummaryFigure lblAvailableDays{"0"};
    SummaryFigure lblAvailableAverage{"0"};
    SummaryFigure lblAvailableAverageExclToday{"0"};
    SummaryFigure lblExcessBandwidth{"0"};
    SummaryFigure lblExcessRatePerMB{"0"};
    SummaryFigure lblExcessAmount{"0"};
    SummaryFigure txtPercentage{"000"};
    SummaryFigure lblBillPlanCharge{"0"};
    SummaryFigure lblBillExcessCharge{"0"};
    SummaryFigure lblBillTotal{"0"};
    SummaryFigure lblBillTax{"0"};
    SummaryFigure lblBillTotalAndTax{"0"};

    // fraAvailable and fraExcess share one place; one of them is shown after every run.
    bool fraAvailableVisible = true;
    bool fraExcessVisible = false;
    // The today-only figures and their captions (the `lbl` group) are shown together.
    bool todayVisible = false;

    // The quota bar as fractions of the quota's width: the used part, and the excess drawn to
    // its right (0 when the limit is not exceeded, above 1 when more than twice the limit).
    double barUsed = 0;
    double barExcess = 0;

    // Every label and its text, by label name, in the order the page lists them.
    std::vector<std::pair<std::string_view, std::string>> labelTexts() const;

    friend bool operator==(const UsageSummary&, const UsageSummary&) = default;
};
