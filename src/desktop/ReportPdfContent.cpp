#include "desktop/ReportPdfContent.h"

#include "analysis/MonthResult.h"
#include "desktop/ReportPageHtml.h"
#include "desktop/ReportRowsModel.h"
#include "platform/dom/Document.h"

namespace {

// A cell's or row's text as lines, each trimmed, the empty ones left out.
QStringList lines(const Element* element) {
    QStringList kept;
    if (element) {
        for (const QString& line : QString::fromStdString(element->innerText()).split('\n')) {
            if (!line.trimmed().isEmpty()) {
                kept.append(line.simplified());
            }
        }
    }
    return kept;
}

// The note on the portal's total without its link: paper cannot open the help it leads to.
QStringList noteLines(const Element& row) {
    QStringList kept = lines(&row);
    for (const Element* link : descendantsByTag(row, "a")) {
        const QString linkText = QString::fromStdString(link->innerText()).simplified();
        for (QString& line : kept) {
            line = line.remove(linkText).trimmed();
        }
    }
    kept.removeAll(QString());
    return kept;
}

QStringList cellTexts(const Element* row) {
    QStringList texts;
    for (const Element* cell : row->cells()) {
        texts.append(lines(cell).join(QLatin1Char(' ')));
    }
    return texts;
}

// The report's summary table: the first table of its body.
std::vector<Element*> summaryRows(const Document& report) {
    if (const Element* body = report.body()) {
        for (Element* child : body->childElements()) {
            if (child->hasTag("table")) {
                return child->rows();
            }
        }
    }
    return {};
}

ReportPdfTable detailTable(const Document& report, const MonthResult& result) {
    ReportRowsModel model;
    model.load(report, result.report.days);
    QStringList header = model.headings(); // as written: the page wraps them where they need it
    header.resize(model.columnCount());    // a column the header row does not name has none
    std::vector<ReportPdfTable::Row> rows;
    rows.reserve(std::size_t(model.rowCount()));
    for (int r = 0; r < model.rowCount(); ++r) {
        ReportPdfTable::Row row;
        for (int c = 0; c < ReportRowsModel::DailyTotalColumn; ++c) {
            row.cells.append(model.data(model.index(r, c), Qt::DisplayRole).toString());
        }
        const QModelIndex first = model.index(r, 0);
        row.fore = model.data(first, Qt::ForegroundRole).value<QColor>();
        row.back = model.data(first, Qt::BackgroundRole).value<QColor>();
        rows.push_back(std::move(row));
    }
    std::vector<ReportPdfTable::Day> days;
    for (const ReportRowsModel::Span& span : model.spans()) {
        const QModelIndex cell = model.index(span.row, ReportRowsModel::DailyTotalColumn);
        days.push_back({span.row, span.rows, model.data(cell, Qt::DisplayRole).toString()});
    }
    return ReportPdfTable(header, std::move(rows), std::move(days));
}

} // namespace

ReportPdfContent ReportPdfContent::of(const Document& report, const MonthResult& result) {
    ReportPdfContent content;
    content.month = QString::fromStdString(result.totals().mstrMonthYear);
    content.table = detailTable(report, result);
    content.summary = ReportPdfSummary::groups(result.summary);
    const std::vector<Element*> summary = summaryRows(report);
    if (summary.size() > 2) {
        content.title = lines(summary[0]);
        content.totalCaptions = cellTexts(summary[1]);
        content.totals = cellTexts(summary[2]);
    }
    if (summary.size() > 3) {
        content.note = noteLines(*summary[3]);
    }
    const std::vector<Element*> detail = ReportPageHtml::detailRows(report);
    if (!detail.empty()) {
        content.detailTitle = lines(detail[0]);
    }
    return content;
}
