#include "report/ChartTexts.h"

#include "platform/NumberFormat.h"

namespace {

std::string megabytes(FixedPoint kb) {
    return NumberFormat::decimals(kb.dividedBy(1024), 2);
}

// A two-decimal average written back as a plain number ("128", "27.74", "0").
std::string averageText(FixedPoint sumKB, int dayCount) {
    const std::string shown = NumberFormat::decimals(sumKB.dividedBy(1024).dividedBy(dayCount), 2);
    return FixedPoint::parse(shown).value_or(FixedPoint()).toText();
}

} // namespace

ChartTexts ChartTexts::build(std::span<const RowFigures> kept, const DailyTotals& daily,
                             const ReportOptions& options) {
    const int dayCount = daily.dayCount();
    std::string days;
    std::string nonFreeLine = options.mblnExcludeNonFree ? "" : "NonFree";
    std::string freeLine = options.mblnExcludeFree ? "" : "Free";
    FixedPoint dayFree, dayNonFree, sumFree, sumNonFree;
    for (std::size_t i = kept.size(); i-- > 0;) {
        const RowFigures& row = kept[i];
        if (row.type == UsageType::Free) {
            dayFree += row.bandwidthKB;
        } else if (row.type == UsageType::NonFree) {
            dayNonFree += row.bandwidthKB;
        } else {
            dayNonFree += row.chargedKB;
            dayFree += row.bandwidthKB - row.chargedKB;
        }
        // A day ends at the row that shows ten cells with the day's total: a portal row of
        // nine cells that opens its day (a row that came with ten already counts as well).
        if (row.cellCount + (daily.opensDay(i) ? 1 : 0) == 10) {
            days += "\t" + row.fromDay.substr(8, 2);
            if (!options.mblnExcludeNonFree) {
                nonFreeLine += "\t" + megabytes(dayNonFree);
            }
            if (!options.mblnExcludeFree) {
                freeLine += "\t" + megabytes(dayFree);
            }
            sumFree += dayFree;
            sumNonFree += dayNonFree;
            dayFree = dayNonFree = FixedPoint();
        }
    }
    ChartTexts texts;
    std::string averageFree = "0", averageNonFree = "0";
    if (dayCount > 0) {
        texts.averagePerDay =
            NumberFormat::decimals((sumFree + sumNonFree).dividedBy(1024).dividedBy(dayCount), 2);
        averageFree = averageText(sumFree, dayCount);
        averageNonFree = averageText(sumNonFree, dayCount);
    }
    texts.mstrChartData = days;
    texts.mstrChartDataAvg = days + "\tAvg";
    if (!options.mblnExcludeNonFree) {
        texts.mstrChartData += "\r\n" + nonFreeLine;
        texts.mstrChartDataAvg += "\r\n" + nonFreeLine + "\t" + averageNonFree;
    }
    if (options.mblnNightUnlimitedPlan && !options.mblnExcludeFree) {
        texts.mstrChartData += "\r\n" + freeLine;
        texts.mstrChartDataAvg += "\r\n" + freeLine + "\t" + averageFree;
    }
    return texts;
}
