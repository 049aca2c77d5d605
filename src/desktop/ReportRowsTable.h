#pragma once

class Document;
class QTableView;
class ReportRowsModel;
struct ReportDay;

#include <vector>

// The report's detail rows on screen: the table view over a ReportRowsModel. Rows keep one
// line's height, so a month of ten thousand rows scrolls at once; only a day whose total says
// more than its rows have room for (a day of one or two rows) gets a taller last row, and the
// daily-total column is as wide as its widest line, so every total reads whole. Tab leaves the
// table; the arrow keys move inside it.
class ReportRowsTable {
public:
    // Sets the view up over a model it owns.
    explicit ReportRowsTable(QTableView* view);

    // Shows the detail table of the report as last written, keeping the scroll position.
    void show(const Document& report, const std::vector<ReportDay>& days);

private:
    void fitDailyTotals();

    QTableView* m_view;
    ReportRowsModel* m_model; // owned by the view
    bool m_columnsSized = false;
};
