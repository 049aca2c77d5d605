#pragma once

#include <cstdint>

// The report options: what the main window stores and the result window changes, and what
// the report builder reads as it stands. Defaults are those of a first start.
struct ReportOptions {
    bool mblnExcludeFree = false;
    bool mblnExcludeNonFree = false;
    bool mblnExcludeMixed = false;
    bool mblnNightUnlimitedPlan = false;
    bool mblnShowAverage = false;
    bool mblnShowTotalValue = false;
    std::uint32_t mlngColorFree = 0;
    std::uint32_t mlngColorBackFree = 14811105;  // red 225, green 255, blue 225
    std::uint32_t mlngColorMixed = 16711680;     // blue
    std::uint32_t mlngColorBackMixed = 15790305; // red 225, green 240, blue 240
    std::uint32_t mlngColorNonFree = 0;
    std::uint32_t mlngColorBackNonFree = 15395583; // red 255, green 234, blue 234
    std::uint32_t mlngChartColorFree = 11599792;   // red 176, green 255, blue 176
    std::uint32_t mlngChartColorNonFree = 9671679; // red 255, green 147, blue 147
    std::uint32_t mlngInbuiltChartColor = 9671679;
    int ChartType = 0; // 0 built-in chart, 1 office chart
    // The plan's daily allowance drawn across the built-in chart; off, as the chart was drawn
    // before there was one.
    bool mblnShowAllowance = false;
};
