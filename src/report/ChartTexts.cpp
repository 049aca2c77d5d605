#include "report/ChartTexts.h"

#include "platform/NumberFormat.h"
#include "platform/dom/Element.h"
#include "report/ReportTemplate.h"

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

ChartTexts ChartTexts::build(const std::vector<Element*>& rows,
                             const std::vector<RowFigures>& figures, int dayCount,
                             const ReportOptions& options) {
    std::string days;
    std::string nonFreeLine = options.mblnExcludeNonFree ? "" : "NonFree";
    std::string freeLine = options.mblnExcludeFree ? "" : "Free";
    FixedPoint dayFree, dayNonFree, sumFree, sumNonFree;
    for (std::size_t i = rows.size(); i-- > ReportTemplate::DetailHeaderRows;) {
        const RowFigures& row = figures[i];
        const std::string type = rows[i]->getAttribute("usagetype").value_or("");
        if (type == "free") {
            dayFree += row.bandwidthKB;
        } else if (type == "nonfree") {
            dayNonFree += row.bandwidthKB;
        } else if (type == "mixed") {
            dayNonFree += row.chargedKB;
            dayFree += row.bandwidthKB - row.chargedKB;
        }
        if (rows[i]->cells().size() == 10) {
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
