#include "report/DailyTotals.h"

#include "platform/dom/Element.h"
#include "report/ReportFormatting.h"
#include "report/ReportTemplate.h"

void DailyTotals::apply(const std::vector<Element*>& rows, const std::vector<RowFigures>& figures,
                        bool nightUnlimitedPlan) {
    m_days.clear();
    if (rows.size() < ReportTemplate::DetailHeaderRows) {
        return;
    }
    ReportDay day;
    std::string previousKey;
    for (std::size_t i = rows.size() - 1; i >= 1; --i) {
        // The header row's key closes the last run.
        const std::string key =
            i >= ReportTemplate::DetailHeaderRows ? figures[i].fromDay : std::string("Over");
        if (key != previousKey && !previousKey.empty()) {
            day.date = previousKey;
            closeRun(*rows[i + 1], day, nightUnlimitedPlan);
            day = ReportDay();
        }
        if (i >= ReportTemplate::DetailHeaderRows) {
            day.totalKB += figures[i].bandwidthKB;
            if (nightUnlimitedPlan) {
                day.chargedKB += figures[i].chargedKB;
                day.freeKB += figures[i].bandwidthKB - figures[i].chargedKB;
            } else {
                day.chargedKB = day.totalKB;
                day.freeKB = FixedPoint();
            }
            ++day.rows;
            previousKey = key;
        }
    }
}

void DailyTotals::closeRun(Element& topRow, const ReportDay& day, bool nightUnlimitedPlan) {
    Element& cell = topRow.insertCell();
    cell.setRowSpan(day.rows);
    std::string content = "<B><u>" + day.date + "</u></B><BR>" + GetKBMBGBString(day.totalKB);
    if (nightUnlimitedPlan) {
        content += "<BR><b><u>Charged</u></b><br>" + GetKBMBGBString(day.chargedKB) +
                   "<BR><b><u>Free</u></b><br>" + GetKBMBGBString(day.freeKB);
    }
    cell.setInnerHTML(content);
    m_lastDayUsageKB = nightUnlimitedPlan ? day.chargedKB : day.totalKB;
    cell.setAlign("middle");
    cell.setClassName("dailytotal");
    m_days.push_back(day);
}

std::vector<ReportDay> DailyTotals::daysTopFirst() const {
    return std::vector<ReportDay>(m_days.rbegin(), m_days.rend());
}
