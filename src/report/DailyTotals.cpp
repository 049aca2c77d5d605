#include "report/DailyTotals.h"

#include "platform/dom/Element.h"
#include "report/ReportFormatting.h"

void DailyTotals::compute(std::span<const RowFigures> kept, bool nightUnlimitedPlan) {
    m_runs.clear();
    m_opensDay.assign(kept.size(), false);
    ReportDay day;
    std::string previousKey;
    // From the bottom row up; the header above the first row closes the topmost run.
    for (std::size_t i = kept.size() + 1; i-- > 0;) {
        const bool header = i == 0;
        const std::string key = header ? std::string("Over") : kept[i - 1].fromDay;
        if (key != previousKey && !previousKey.empty()) {
            day.date = previousKey;
            m_runs.push_back({i, day});
            m_opensDay[i] = true;
            m_lastDayUsageKB = nightUnlimitedPlan ? day.chargedKB : day.totalKB;
            day = ReportDay();
        }
        if (!header) {
            const RowFigures& row = kept[i - 1];
            day.totalKB += row.bandwidthKB;
            if (nightUnlimitedPlan) {
                day.chargedKB += row.chargedKB;
                day.freeKB += row.bandwidthKB - row.chargedKB;
            } else {
                day.chargedKB = day.totalKB;
                day.freeKB = FixedPoint();
            }
            ++day.rows;
            previousKey = key;
        }
    }
}

void DailyTotals::decorate(const std::vector<Element*>& keptRows, bool nightUnlimitedPlan) const {
    for (const Run& run : m_runs) {
        const ReportDay& day = run.day;
        Element& cell = keptRows[run.topRow]->insertCell();
        cell.setRowSpan(day.rows);
        std::string content = "<B><u>" + day.date + "</u></B><BR>" + GetKBMBGBString(day.totalKB);
        if (nightUnlimitedPlan) {
            content += "<BR><b><u>Charged</u></b><br>" + GetKBMBGBString(day.chargedKB) +
                       "<BR><b><u>Free</u></b><br>" + GetKBMBGBString(day.freeKB);
        }
        cell.setInnerHTML(content);
        cell.setAlign("middle");
        cell.setClassName("dailytotal");
    }
}

std::vector<ReportDay> DailyTotals::daysTopFirst() const {
    std::vector<ReportDay> days;
    for (auto run = m_runs.rbegin(); run != m_runs.rend(); ++run) {
        days.push_back(run->day);
    }
    return days;
}
