#pragma once

#include "platform/CivilDateTime.h"

#include <cstdint>
#include <string>

class Document;

// The month's totals that the report builder hands to the result window. Held in 64 bits:
// 32-bit members would overflow above 2 TB.
struct ReportTotals {
    std::int64_t mlngTotalBandwidthKB = 0;
    std::int64_t mlngTotalChargedKB = 0;
    CivilDateTime mdtLastRecordedDate;
    std::int64_t mlngLastDayUsageKB = 0;
};

// What the report builder needs of the result window: its browser's document, its totals
// members and average label, and its chart and summary operations. The window implements it;
// the command line has a headless one, so the builder runs without any window.
class ReportResultView {
public:
    virtual ~ReportResultView() = default;

    // The document the final report is written into (the result window's browser).
    virtual Document& reportDocument() = 0;

    virtual void setTotals(const ReportTotals& totals) = 0;
    // The value of the (hidden) average-per-day label.
    virtual void setAverageText(const std::string& text) = 0;

    // The office chart object exists (never, where there is no office chart), and is fed
    // with the chart text.
    virtual bool graphCreated() const { return false; }
    virtual void updateOfficeChart(const std::string& chartText) { (void)chartText; }

    // The built-in chart: mark it out of date, then refresh it.
    virtual void clearChartUpToDate() = 0;
    virtual void UpdateGraphControl() = 0;
    virtual void CreateSummary() = 0;
};
