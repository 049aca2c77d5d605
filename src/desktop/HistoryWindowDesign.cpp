#include "desktop/HistoryWindowDesign.h"

namespace {

using K = ControlDesign::Kind;

// The rules measure from the outer size (9720 x 7905 at design): the chart and the plans list
// start 120 below the months table and end 1665 above the window's bottom edge; what lies
// below them keeps its distance from the bottom and right edges.
constexpr ControlDesign Controls[] = {
    // clang-format off
    {K::Label, "lblMonths", -1, "", "Stored &months", 120, 120, 3000, 255, "", "grdMonths"},
    {K::RowsTable, "grdMonths", -1, "", "", 120, 420, 9360, 2700, "::2:1$~$", ""},
    {K::StackedChart, "chtMonths", -1, "", "Monthly usage chart", 120, 3240, 4560, 3000, "0:120_grdMonths:1:1665$~$", ""},
    {K::Label, "lblPlans", -1, "", "&Plans over these months", 4800, 3240, 4680, 255, "120_chtMonths:120_grdMonths::$~$", "grdPlans"},
    {K::RowsTable, "grdPlans", -1, "", "", 4800, 3540, 4680, 2700, "120_chtMonths:420_grdMonths:240:1665$~$", ""},
    {K::Note, "lblAdvice", -1, "", "", 120, 6360, 9360, 480, ":1545:240:$~$", ""},
    {K::Note, "lblNotice", -1, "", "", 120, 6870, 6600, 600, ":1035:3000:$~$", ""},
    {K::Button, "cmdOpen", -1, "", "&Open report", 6840, 7020, 1380, 360, "2880:885::$~$", ""},
    {K::Button, "cmdClose", -1, "", "&Close", 8340, 7020, 1140, 360, "1380:885::$~$", ""},
    // clang-format on
};

} // namespace

std::span<const ControlDesign> HistoryWindowDesign::controls() {
    return Controls;
}
