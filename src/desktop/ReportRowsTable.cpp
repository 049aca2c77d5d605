#include "desktop/ReportRowsTable.h"

#include "desktop/ReportRowsModel.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>

namespace {

// Room around a cell's text, as the view's item delegate leaves it.
constexpr int CellPadding = 8;

} // namespace

ReportRowsTable::ReportRowsTable(QTableView* view)
    : m_view(view)
    , m_model(new ReportRowsModel(view)) {
    view->setModel(m_model);
    view->setTabKeyNavigation(false);
    QHeaderView* columns = view->horizontalHeader();
    // sizing the columns looks at the first rows only: a month's rows are alike
    columns->setResizeContentsPrecision(200);
    QHeaderView* rows = view->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(view->fontMetrics().height() + 4);
}

void ReportRowsTable::show(const Document& report, const std::vector<ReportDay>& days) {
    const int scroll = m_view->verticalScrollBar()->value();
    m_model->load(report, days);
    m_view->clearSpans();
    for (const ReportRowsModel::Span& span : m_model->spans()) {
        if (span.rows > 1) {
            m_view->setSpan(span.row, ReportRowsModel::DailyTotalColumn, span.rows, 1);
        }
    }
    if (!m_columnsSized && m_model->rowCount() > 0) {
        m_view->resizeColumnsToContents();
        m_columnsSized = true;
    }
    fitDailyTotals();
    m_view->verticalScrollBar()->setValue(scroll);
}

// A month has at most 31 days: measuring each day's cell costs nothing beside its rows.
void ReportRowsTable::fitDailyTotals() {
    QHeaderView* rows = m_view->verticalHeader();
    const int rowHeight = rows->defaultSectionSize();
    const QFontMetrics metrics = m_view->fontMetrics();
    const auto column = ReportRowsModel::DailyTotalColumn;
    // the heading's lines, and each day's cell with its padding
    int width =
        metrics.size(0, m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString())
            .width() +
        2 * CellPadding;
    for (const ReportRowsModel::Span& span : m_model->spans()) {
        const QSize text = metrics.size(0, m_model->index(span.row, column).data().toString());
        width = std::max(width, text.width() + CellPadding);
        const int needed = text.height() + CellPadding;
        const int last = span.row + span.rows - 1;
        rows->resizeSection(last, rowHeight + std::max(0, needed - span.rows * rowHeight));
    }
    m_view->setColumnWidth(column, width);
}
