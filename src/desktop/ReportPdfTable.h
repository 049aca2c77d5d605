#pragma once

#include "desktop/ReportPdfPage.h"

#include <QStringList>
#include <vector>

class QFont;
class QFontMetricsF;
class QPaintDevice;

// The report's detail table on paper. The columns share the whole page width in proportion to
// what they hold, at the largest of 9, 8.5 and 8 points where every cell keeps to one line (past
// that, 8 points with long texts wrapped at blanks, never inside a word); a row is as tall as its
// texts and a day's rows at least as tall as its daily total; the header row heads every page
// and a day is not split over two pages when it fits on one.
class ReportPdfTable {
public:
    // A detail row: its cells up to the daily total, in its class's colours.
    struct Row {
        QStringList cells;
        QColor fore;
        QColor back;
    };
    // A daily-total cell: the day's rows and its text, one line per "\n".
    struct Day {
        int firstRow = 0;
        int rows = 1;
        QString text;
    };

    static constexpr double LargestPoints = 9;
    static constexpr double SmallestPoints = 8;
    static constexpr const char* Continued = "(continued)";

    // The last header caption heads the daily totals.
    ReportPdfTable(QStringList header, std::vector<Row> rows, std::vector<Day> days);

    // Chooses the font and works out column widths and row heights for a table `width` device
    // units wide, measured with the device's fonts.
    void layout(const QPaintDevice& device, double width);

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    double points() const { return m_points; }
    const std::vector<double>& columnWidths() const { return m_widths; }

    // Puts the header row at `top`, then the rows from `first` down to `bottom`; returns the first
    // row left for the next page. Places at least one row. A day that fits on a further page,
    // `emptyPage` high from its top to `bottom`, is not split; one that does not starts where its
    // daily total fits, and each of its parts is tall enough for the text it shows.
    int place(int first, double top, double bottom, double emptyPage, ReportPdfPage& page) const;

private:
    struct Widths {
        std::vector<double> natural; // the widest text on one line
        std::vector<double> header;  // the caption on one line
        std::vector<double> word;    // the widest word, of the caption too
    };
    int columnCount() const { return static_cast<int>(m_header.size()); }
    QFont font(bool bold) const;
    Widths measure(const QPaintDevice& device) const;
    void chooseWidths(const QPaintDevice& device, double width);
    double textHeight(const QString& text, const QFontMetricsF& metrics, double width) const;
    void measureRows(const QPaintDevice& device);
    int blockEnd(int row) const;
    double dayTextHeight(int row) const;
    void placeHeader(double top, ReportPdfPage& page) const;
    void placeRow(int row, double top, double height, ReportPdfPage& page) const;
    void placeDays(int first, int end, const std::vector<double>& tops,
                   const std::vector<double>& heights, ReportPdfPage& page) const;
    double columnLeft(int column) const;

    QStringList m_header;
    std::vector<Row> m_rows;
    std::vector<Day> m_days;
    std::vector<int> m_dayOfRow; // index into m_days, -1 for none
    std::vector<bool> m_rightAligned;
    double m_unit = 1; // device units per point
    double m_points = LargestPoints;
    std::vector<double> m_widths;
    std::vector<double> m_heights;
    std::vector<double> m_totalHeights;     // by day: its daily total, padded
    std::vector<double> m_continuedHeights; // by day: its date and Continued, padded
    double m_headerHeight = 0;
    double m_lineHeight = 0;
};
