#include "desktop/ResultWindowDesign.h"

#include <array>

namespace {

using K = ControlDesign::Kind;

constexpr std::string_view ColourTip = "Left click to set font colour - Right Click to set "
                                       "Background colour";
constexpr std::string_view BoxTip = "Click to set Colour";
using ResultWindowDesign::TaxCaption;
using ResultWindowDesign::TodayNote;

constexpr std::array kControls = std::to_array<ControlDesign>({
    // clang-format off
    // above the pages: the average label the report builder writes, never shown
    {K::Label, "Label1", -1, "", "Average per day :", 6600, 60, 1500, 240, "", "", "", false},
    {K::Label, "lblAverage", -1, "", "0 MB", 8160, 60, 1500, 240, "", "", "", false},
    {K::TabStrip, "ctlTabs1", -1, "", "", 60, 60, 9660, 6900, "", ""},
    {K::Panel, "fraFooter", -1, "", "", 60, 6990, 9660, 1005, ":1410:1:$~$TTFF*/", ""},

    // "Report"
    {K::Panel, "fraReport", -1, "ctlTabs1", "", 60, 300, 9555, 6540, "0:0:285:1560$~$", ""},
    {K::Viewer, "WebBrowser1", -1, "fraReport", "Report", 60, 60, 9435, 2100, "0:0:405::$~$", ""},
    // the detail rows, which a rich-text table could not lay out fast enough for a busy month
    {K::RowsTable, "grdReportRows", -1, "fraReport", "Report rows", 60, 2220, 9435, 3915, "0:0:405:2265$~$", ""},
    {K::Button, "cmdSave", -1, "fraReport", "&Save Report..", 60, 6195, 1200, 300, ":2205::$~$", ""},
    {K::Button, "cmdExport", -1, "fraReport", "&Export...", 1320, 6195, 900, 300, ":2205::$~$", ""},
    // beyond saving: the report on paper or as a PDF, from one button's menu
    {K::Button, "cmdPrint", -1, "fraReport", "&Print / PDF...", 2280, 6195, 1560, 300, ":2205::$~$", ""},
    {K::Panel, "fraReportFooter", -1, "fraReport", "", 4110, 6165, 5385, 360, "5790:2235::$~$", ""},
    {K::Label, "Label4", -1, "fraReportFooter", "Set Row Colour", 0, 60, 1335, 240, "", ""},
    {K::Label, "lblSetColor", 0, "fraReportFooter", "Free", 1440, 0, 1200, 330, "", "", ColourTip},
    {K::Label, "lblSetColor", 1, "fraReportFooter", "Mixed", 2760, 0, 1200, 330, "", ""},
    {K::Label, "lblSetColor", 2, "fraReportFooter", "Non Free", 4080, 0, 1200, 330, "", ""},

    // "Chart"
    {K::Panel, "fraChart", -1, "ctlTabs1", "", 60, 300, 9555, 6525, "0:0:285:1575$~$", ""},
    {K::Chart, "XChart1", -1, "fraChart", "Chart", 60, 60, 9195, 6015, "0:0:645:2325$~$", ""},
    {K::StackedChart, "OLE1", -1, "fraChart", "Stacked chart", 60, 60, 9195, 6015, "0:0:645:2325$~$", "", "", false},
    {K::Label, "lblMSGraphNotfound", -1, "fraChart", "Microsoft Office is required for displaying Chart type 2.", 240, 240, 6000, 240, "", "", "", false},
    {K::ListCombo, "cmbChartType", -1, "fraChart", "Chart type", 60, 6195, 1500, 315, ":2205::$~$", ""},
    {K::Button, "cmdCopyChart", -1, "fraChart", "C&opy chart..", 1620, 6195, 1335, 300, ":2205::$~$", ""},
    {K::Panel, "fraBuiltinChartOptions", -1, "fraChart", "", 3015, 6135, 6480, 375, "6885:60_OLE1::$~$", ""},
    // the plan's daily allowance across the bars, off until the user turns it on
    {K::CheckBox, "chkShowAllowanceInChart", -1, "fraBuiltinChartOptions", "Show daily &allowance", 0, 75, 1935, 255, "", ""},
    {K::Label, "Label8", -1, "fraBuiltinChartOptions", "(Move mouse over bar to display values)", 1995, 90, 3150, 240, "", ""},
    {K::Label, "Label9", -1, "fraBuiltinChartOptions", "Bar Color", 5205, 90, 720, 240, "", "picBuiltInChartColor"},
    {K::Picture, "picBuiltInChartColor", -1, "fraBuiltinChartOptions", "Bar Color", 5955, 45, 480, 285, "", "", BoxTip},
    {K::Panel, "fraChartColors", -1, "fraChart", "", 4400, 6135, 5100, 375, "5500:60_OLE1::$~$", "", "", false},
    {K::CheckBox, "chkShowAverageInChart", -1, "fraChartColors", "&Show Average", 0, 60, 1500, 255, "", ""},
    {K::CheckBox, "chkDisplayDailyTotalinChart", -1, "fraChartColors", "Show &Total", 1560, 60, 1320, 255, "", ""},
    {K::Picture, "picChartColor", 0, "fraChartColors", "Free", 2940, 45, 360, 285, "", "", BoxTip},
    {K::Label, "Label3", -1, "fraChartColors", "Free", 3360, 90, 480, 240, "", ""},
    {K::Picture, "picChartColor", 2, "fraChartColors", "NonFree", 3900, 45, 360, 285, "", ""},
    {K::Label, "Label10", -1, "fraChartColors", "NonFree", 4320, 90, 780, 240, "", ""},
    {K::Picture, "picChartColor", 1, "fraChartColors", "Mixed", 4560, 45, 360, 285, "", "", "", false},
    {K::Label, "Label11", -1, "fraChartColors", "Mixed", 4980, 90, 600, 240, "", "", "", false},

    // "Summary"
    {K::Panel, "fraSummary", -1, "ctlTabs1", "", 60, 300, 9555, 6525, "0:0:285:1575$~$", ""},
    {K::Label, "Label6", -1, "fraSummary", "Select your &plan", 240, 180, 1500, 240, "", "cmbPlans"},
    {K::ListCombo, "cmbPlans", -1, "fraSummary", "Select your plan", 1800, 120, 3000, 315, "", ""},
    {K::Label, "Label7", -1, "fraSummary", "(Plan charge - Plan name)", 4920, 180, 2400, 240, "", ""},
    {K::Link, "lblPlans", -1, "fraSummary", "Corvatel plans", 7440, 180, 1500, 240, "", ""},
    {K::Frame, "fraPlan", -1, "fraSummary", "Plan Details", 240, 600, 9075, 720, "::1:$~$", ""},
    {K::Label, "Label12", -1, "fraPlan", "Plan Charge :", 120, 330, 1200, 240, "", "nebPlanCharge"},
    {K::Label, "lblPlanCharge", -1, "fraPlan", "0", 1380, 330, 1500, 240, "", ""},
    {K::NumberBox, "nebPlanCharge", -1, "fraPlan", "Plan Charge :", 1380, 285, 1200, 315, "", "", "", false},
    {K::Label, "Label13", -1, "fraPlan", "Bandwidth Limit :", 3000, 330, 1440, 240, "", "nebBandWidthLimit"},
    {K::Label, "lblBandWidthLimit", -1, "fraPlan", "0", 4500, 330, 1500, 240, "", ""},
    {K::NumberBox, "nebBandWidthLimit", -1, "fraPlan", "Bandwidth Limit :", 4500, 285, 1200, 315, "", "", "", false},
    {K::Label, "lblMB", -1, "fraPlan", "(MB)", 5760, 330, 500, 240, "", "", "", false},
    {K::Label, "Label14", -1, "fraPlan", "Rs/Excess MB :", 6360, 330, 1260, 240, "", "nebRsPerMB"},
    {K::NumberBox, "nebRsPerMB", -1, "fraPlan", "Rs/Excess MB :", 7680, 285, 720, 315, "", "", "", false},
    {K::Label, "lblRsPerMB", -1, "fraPlan", "0", 7680, 330, 1300, 240, "", ""},
    {K::Picture, "picDownloadAllowed", -1, "fraSummary", "Quota", 240, 1440, 5400, 330, "", "", "Remaining"},
    {K::Picture, "picActualDownload", -1, "picDownloadAllowed", "Used", 0, 0, 0, 330, "", "", "Used"},
    {K::ReadOnlyText, "txtPercentage", -1, "picDownloadAllowed", "Percentage of quota used", 2250, 45, 900, 240, "", "", "Percentage of quota used"},
    {K::Picture, "picExcessDownload", -1, "fraSummary", "Excess", 5640, 1440, 0, 330, "", "", "Excess", false},
    {K::Frame, "fraUsed", -1, "fraSummary", "Charged Usage", 240, 1920, 4500, 2340, "::1:$~$", ""},
    {K::Picture, "picUsedColor", -1, "fraUsed", "Used", 4140, 60, 180, 180, "1:::$~$", ""},
    {K::Label, "Label15", -1, "fraUsed", "Charged Bandwidth :", 120, 330, 2400, 240, "", "lblUsedBandWidth"},
    {K::Label, "lblUsedBandWidth", -1, "fraUsed", "0", 2580, 330, 1800, 240, "", ""},
    {K::Label, "Label16", -1, "fraUsed", "Average per day :", 120, 600, 2400, 240, "", "lblUsedAverage"},
    {K::Label, "lblUsedAverage", -1, "fraUsed", "0", 2580, 600, 1800, 240, "", ""},
    {K::Label, "Label17", -1, "fraUsed", "Last recorded day :", 120, 870, 2400, 240, "", "lblUsedLastDay"},
    {K::Label, "lblUsedLastDay", -1, "fraUsed", "0", 2580, 870, 1800, 240, "", ""},
    {K::Label, "lbl", 0, "fraUsed", "Average per day* :", 120, 1140, 2400, 240, "", "lblUsedAverageExclToday", "", false},
    {K::Label, "lbl", 1, "fraUsed", "(Excluding today)", 120, 1350, 2400, 240, "", "", "", false},
    {K::Label, "lblUsedAverageExclToday", -1, "fraUsed", "0", 2580, 1140, 1800, 240, "", "", "", false},
    {K::Label, "lbl", 2, "fraUsed", "Usage Today* :", 120, 1620, 2400, 240, "", "lblUsageToday", "", false},
    {K::Label, "lblUsageToday", -1, "fraUsed", "0", 2580, 1620, 1800, 240, "", "", "", false},
    {K::Note, "lbl", 5, "fraUsed", TodayNote, 120, 1875, 4260, 420, "", "", "", false},
    {K::Frame, "fraAvailable", -1, "fraSummary", "Available Usage", 4860, 1920, 4455, 2340, "1::1:$~$", ""},
    {K::Picture, "picAvailableColor", -1, "fraAvailable", "Remaining", 4095, 60, 180, 180, "1:::$~$", ""},
    {K::Label, "Label18", -1, "fraAvailable", "Balance Bandwidth :", 120, 330, 2400, 240, "", "lblAvailableBandWidth"},
    {K::Label, "lblAvailableBandWidth", -1, "fraAvailable", "0", 2580, 330, 1755, 240, "", ""},
    {K::Label, "Label19", -1, "fraAvailable", "Remaining days :", 120, 600, 2400, 240, "", "lblAvailableDays"},
    {K::Label, "lblAvailableDays", -1, "fraAvailable", "0", 2580, 600, 1755, 240, "", ""},
    {K::Label, "Label20", -1, "fraAvailable", "Average usable per day :", 120, 870, 2400, 240, "", "lblAvailableAverage"},
    {K::Label, "lblAvailableAverage", -1, "fraAvailable", "0", 2580, 870, 1755, 240, "", ""},
    {K::Label, "lbl", 3, "fraAvailable", "Average usable per day* :", 120, 1140, 2400, 240, "", "lblAvailableAverageExclToday", "", false},
    {K::Label, "lbl", 4, "fraAvailable", "(Excluding today)", 120, 1350, 2400, 240, "", "", "", false},
    {K::Label, "lblAvailableAverageExclToday", -1, "fraAvailable", "0", 2580, 1140, 1755, 240, "", "", "", false},
    {K::Note, "lbl", 6, "fraAvailable", TodayNote, 120, 1875, 4215, 420, "", "", "", false},
    {K::Frame, "fraExcess", -1, "fraSummary", "Excess Usage", 4860, 1920, 4455, 2340, "1::1:$~$", "", "", false},
    {K::Picture, "picExcessColor", -1, "fraExcess", "Excess", 4095, 60, 180, 180, "1:::$~$", ""},
    {K::Label, "Label21", -1, "fraExcess", "Excess Bandwidth :", 120, 330, 2400, 240, "", "lblExcessBandwidth"},
    {K::Label, "lblExcessBandwidth", -1, "fraExcess", "0", 2580, 330, 1755, 240, "", ""},
    {K::Label, "Label22", -1, "fraExcess", "Rs per excess MB :", 120, 600, 2400, 240, "", "lblExcessRatePerMB"},
    {K::Label, "lblExcessRatePerMB", -1, "fraExcess", "0", 2580, 600, 1755, 240, "", ""},
    {K::Label, "Label23", -1, "fraExcess", "Extra Amount :", 120, 870, 2400, 240, "", "lblExcessAmount"},
    {K::Label, "lblExcessAmount", -1, "fraExcess", "0", 2580, 870, 1755, 240, "", ""},
    {K::Frame, "fraBill", -1, "fraSummary", "Bill", 240, 4380, 4500, 1860, "::1:$~$", ""},
    {K::Label, "Label24", -1, "fraBill", "Plan Charge :", 120, 330, 2400, 240, "", "lblBillPlanCharge"},
    {K::Label, "lblBillPlanCharge", -1, "fraBill", "0", 2580, 330, 1800, 240, "", ""},
    {K::Label, "Label25", -1, "fraBill", "Excess Charge :", 120, 600, 2400, 240, "", "lblBillExcessCharge"},
    {K::Label, "lblBillExcessCharge", -1, "fraBill", "0", 2580, 600, 1800, 240, "", ""},
    {K::Label, "Label26", -1, "fraBill", "Total :", 120, 870, 2400, 240, "", "lblBillTotal"},
    {K::Label, "lblBillTotal", -1, "fraBill", "0", 2580, 870, 1800, 240, "", ""},
    {K::Label, "Label27", -1, "fraBill", TaxCaption, 120, 1140, 2400, 240, "", "lblBillTax"},
    {K::Label, "lblBillTax", -1, "fraBill", "0", 2580, 1140, 1800, 240, "", ""},
    {K::Label, "Label28", -1, "fraBill", "Total + Tax :", 120, 1410, 2400, 240, "", "lblBillTotalAndTax"},
    {K::Label, "lblBillTotalAndTax", -1, "fraBill", "0", 2580, 1410, 1800, 240, "", ""},
    // the projection, the quota in words and every plan's bill: grows with the window
    {K::Frame, "fraOutlook", -1, "fraSummary", "This Month", 4860, 4380, 4455, 2100, "1::1:2$~$", ""},
    {K::Note, "lblProjection", -1, "fraOutlook", "", 120, 270, 4215, 840, "", ""},
    {K::Viewer, "txtPlanComparison", -1, "fraOutlook", "This month on every plan", 120, 1170, 4215, 840, "", ""},

    // below the pages
    {K::CheckBox, "chkNightUnlimited", -1, "fraFooter", "&Night unlimited plan ", 120, 60, 2400, 255, "", ""},
    {K::Panel, "fraNightUnlimited", -1, "fraFooter", "", 360, 330, 5400, 615, "", ""},
    {K::CheckBox, "chkExclude", 0, "fraNightUnlimited", "Exclude &Free time usage (2am to 8am).", 0, 0, 4800, 255, "", ""},
    {K::CheckBox, "chkExclude", 2, "fraNightUnlimited", "Exclude Non-free time &usage ", 0, 300, 4800, 255, "", ""},
    {K::CheckBox, "chkExclude", 1, "fraFooter", "Exclude Mixed usage (periods overlaping free and non free times)", 2700, 60, 5400, 255, "", "", "", false},
    {K::Label, "Label5", -1, "fraFooter", "See", 6600, 90, 360, 240, "", ""},
    {K::Link, "lblWebsite", -1, "fraFooter", "plans", 6960, 90, 720, 240, "", ""},
    {K::Button, "cmdClose", -1, "fraFooter", "&Close", 7980, 480, 1215, 360, "1920:::$~$", ""},
    // clang-format on
});

// Reading order: the tab strip, the page on view top to bottom and left to right (Tab passes
// over the pages not on view), then what lies below the pages.
constexpr std::string_view TabOrder[] = {
    // clang-format off
    "ctlTabs1",
    "WebBrowser1", "grdReportRows", "cmdSave", "cmdExport", "cmdPrint", "lblSetColor",
    "cmbChartType", "cmdCopyChart", "chkShowAllowanceInChart", "picBuiltInChartColor",
    "chkShowAverageInChart", "chkDisplayDailyTotalinChart", "picChartColor",
    "cmbPlans", "lblPlans", "nebPlanCharge", "nebBandWidthLimit", "nebRsPerMB", "txtPlanComparison",
    "chkNightUnlimited", "chkExclude", "lblWebsite", "cmdClose",
    // clang-format on
};

} // namespace

std::span<const ControlDesign> ResultWindowDesign::controls() {
    return kControls;
}

std::span<const std::string_view> ResultWindowDesign::tabOrder() {
    return TabOrder;
}
