#pragma once

#include "desktop/ReportPdfPage.h"

#include <QString>
#include <vector>

class QPaintDevice;
struct ReportPdfContent;

// The pages of the saved report for a paged device, in its units: the report's totals and the
// detail table's title over the first rows; the detail table over as many pages as it takes,
// its title and header row again on each; then the month's chart with the summary page's
// figures and bill. Every page is numbered at its foot.
namespace ReportPdfLayout {

inline constexpr double TitlePoints = 12;
inline constexpr double HeadingPoints = 10;
inline constexpr double TextPoints = 9;
inline constexpr double FootPoints = 8;

// "Page 2 of 7"
QString pageNumber(int page, int pages);
// Lays the content's table out too.
std::vector<ReportPdfPage> pages(ReportPdfContent& content, const QPaintDevice& device);

} // namespace ReportPdfLayout
