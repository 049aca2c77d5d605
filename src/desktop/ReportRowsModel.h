#pragma once

#include "report/DailyTotals.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <QStringList>
#include <vector>

class Document;
class Element;

// The report's detail rows for a table view: the header row's captions, each row's nine
// cells in its class's colours (as the report's style rules set them), and the daily-total
// cell spanning its day's rows. A month of ten thousand rows is shown at once, where a
// rich-text table would take seconds to lay out; a row's texts are read from the document
// when the view first asks for them, so only the rows on view are ever read.
class ReportRowsModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int DailyTotalColumn = 9;
    struct Span {
        int row = 0;
        int rows = 1;
    };

    explicit ReportRowsModel(QObject* parent = nullptr)
        : QAbstractTableModel(parent) {}

    // Takes the detail table (table 1) of the report as last written, whose days are these.
    // The model reads the document as the view asks: load it again whenever the document is
    // written again.
    void load(const Document& report, const std::vector<ReportDay>& days);
    // The daily-total cells, by first row and number of rows.
    const std::vector<Span>& spans() const { return m_spans; }
    // The header row's captions as written (the view's headers break them over two lines).
    const QStringList& headings() const { return m_header; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Colours {
        QColor fore;
        QColor back;
    };
    struct Row {
        const Element* element = nullptr;
        bool read = false;
        QStringList cells; // nine detail cells and, on a day's first row, the daily total
        int colours = -1;  // index into m_colours, -1 for none
    };

    void readColours(const Document& report);
    const Row& row(int index) const;

    QStringList m_header;
    mutable std::vector<Row> m_rows;
    std::vector<Span> m_spans;
    std::vector<std::pair<QString, Colours>> m_colours; // by class name
    int m_dailyColours = -1;                            // the daily-total cell's, -1 for none
};
