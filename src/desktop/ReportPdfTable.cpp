#include "desktop/ReportPdfTable.h"

#include "desktop/ReportPdfStyle.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QRegularExpression>
#include <algorithm>
#include <numeric>

namespace {

constexpr double PaddingPoints = 2;

double sum(const std::vector<double>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0);
}

// The widths given, with what is left of `width` shared in proportion to `share`.
std::vector<double> spread(std::vector<double> widths, const std::vector<double>& share,
                           double width) {
    const double left = width - sum(widths);
    const double total = sum(share);
    for (std::size_t c = 0; c < widths.size(); ++c) {
        widths[c] += total > 0 ? left * share[c] / total : left / double(widths.size());
    }
    return widths;
}

double widestWord(const QFontMetricsF& metrics, const QString& text) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    double widest = 0;
    for (const QString& word : text.split(blanks, Qt::SkipEmptyParts)) {
        widest = std::max(widest, metrics.horizontalAdvance(word));
    }
    return widest;
}

double widestLine(const QFontMetricsF& metrics, const QString& text) {
    double widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

// Counts, sizes and times line up on the right, as figures do in a printed table.
bool isFigure(const QString& text) {
    static const QRegularExpression figure(QStringLiteral("^[-+]?[0-9][0-9.,:]*$"));
    return figure.match(text).hasMatch();
}

} // namespace

ReportPdfTable::ReportPdfTable(QStringList header, std::vector<Row> rows, std::vector<Day> days)
    : m_header(std::move(header))
    , m_rows(std::move(rows))
    , m_days(std::move(days))
    , m_dayOfRow(m_rows.size(), -1) {
    for (std::size_t d = 0; d < m_days.size(); ++d) {
        const int end = std::min(rowCount(), m_days[d].firstRow + m_days[d].rows);
        for (int r = std::max(0, m_days[d].firstRow); r < end; ++r) {
            m_dayOfRow[static_cast<std::size_t>(r)] = static_cast<int>(d);
        }
    }
    const int details = std::max(0, columnCount() - 1);
    m_rightAligned.assign(static_cast<std::size_t>(details), true);
    for (const Row& row : m_rows) {
        for (int c = 0; c < details && c < row.cells.size(); ++c) {
            if (!row.cells[c].isEmpty() && !isFigure(row.cells[c])) {
                m_rightAligned[static_cast<std::size_t>(c)] = false;
            }
        }
    }
}

QFont ReportPdfTable::font(bool bold) const {
    return ReportPdfStyle::font(m_points, bold);
}

ReportPdfTable::Widths ReportPdfTable::measure(const QPaintDevice& device) const {
    const QFontMetricsF plain(font(false), &device);
    const QFontMetricsF bold(font(true), &device);
    const auto columns = static_cast<std::size_t>(columnCount());
    Widths widths{std::vector<double>(columns), std::vector<double>(columns),
                  std::vector<double>(columns)};
    for (std::size_t c = 0; c < columns; ++c) {
        widths.header[c] = widestLine(bold, m_header[int(c)]);
        widths.word[c] = widestWord(bold, m_header[int(c)]);
    }
    const std::size_t daily = columns - 1;
    for (const Row& row : m_rows) {
        for (std::size_t c = 0; c < daily && c < std::size_t(row.cells.size()); ++c) {
            const QString& cell = row.cells[int(c)];
            widths.natural[c] = std::max(widths.natural[c], plain.horizontalAdvance(cell));
            widths.word[c] = std::max(widths.word[c], widestWord(plain, cell));
        }
    }
    for (const Day& day : m_days) {
        const QString date = day.text.section(QLatin1Char('\n'), 0, 0); // in bold
        widths.natural[daily] = std::max(
            {widths.natural[daily], widestLine(plain, day.text), bold.horizontalAdvance(date)});
        widths.word[daily] =
            std::max({widths.word[daily], widestWord(plain, day.text), widestWord(bold, date)});
    }
    return widths;
}

void ReportPdfTable::chooseWidths(const QPaintDevice& device, double width) {
    const double padding = 2 * PaddingPoints * m_unit;
    const auto padded = [padding](std::vector<double> widths) {
        for (double& w : widths) {
            w += padding;
        }
        return widths;
    };
    for (const double points :
         {LargestPoints, (LargestPoints + SmallestPoints) / 2, SmallestPoints}) {
        m_points = points;
        const Widths w = measure(device);
        std::vector<double> whole(w.natural.size()); // captions on one line too
        std::vector<double> cells(w.natural.size()); // captions wrapped
        for (std::size_t c = 0; c < whole.size(); ++c) {
            whole[c] = std::max(w.natural[c], w.header[c]);
            cells[c] = std::max(w.natural[c], w.word[c]);
        }
        for (const std::vector<double>& wanted : {padded(whole), padded(cells)}) {
            if (sum(wanted) <= width) {
                m_widths = spread(wanted, wanted, width);
                return;
            }
        }
        if (points == SmallestPoints) {
            // long texts wrap: each column keeps its widest word and shares what is left
            // by how much more it would like
            const std::vector<double> least = padded(w.word);
            std::vector<double> more(least.size());
            for (std::size_t c = 0; c < more.size(); ++c) {
                more[c] = std::max(0.0, cells[c] + padding - least[c]);
            }
            m_widths = sum(least) <= width
                           ? spread(least, more, width)
                           : spread(std::vector<double>(least.size()), least, width);
        }
    }
}

double ReportPdfTable::textHeight(const QString& text, const QFontMetricsF& metrics,
                                  double width) const {
    const double inner = width - 2 * PaddingPoints * m_unit;
    if (!text.contains(QLatin1Char('\n')) && metrics.horizontalAdvance(text) <= inner) {
        return metrics.height();
    }
    return metrics.boundingRect(QRectF(0, 0, inner, 1e9), Qt::TextWordWrap, text).height();
}

void ReportPdfTable::measureRows(const QPaintDevice& device) {
    const double padding = PaddingPoints * m_unit; // half above the text, half below
    const QFontMetricsF plain(font(false), &device);
    const QFontMetricsF bold(font(true), &device);
    m_lineHeight = plain.height();
    const double oneLine = m_lineHeight;
    m_headerHeight = 0;
    for (int c = 0; c < columnCount(); ++c) {
        m_headerHeight =
            std::max(m_headerHeight, textHeight(m_header[c], bold, m_widths[std::size_t(c)]));
    }
    m_headerHeight += padding;
    m_heights.assign(m_rows.size(), oneLine + padding);
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const QStringList& cells = m_rows[r].cells;
        for (int c = 0; c + 1 < columnCount() && c < cells.size(); ++c) {
            m_heights[r] = std::max(
                m_heights[r], textHeight(cells[c], plain, m_widths[std::size_t(c)]) + padding);
        }
    }
    // a day's rows make room for its daily total: the last of them grows
    m_totalHeights.clear();
    m_continuedHeights.clear();
    for (const Day& day : m_days) {
        const double wanted = textHeight(day.text, plain, m_widths.back()) + padding;
        const QString continued = day.text.section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n') +
                                  QLatin1String(Continued);
        m_totalHeights.push_back(wanted);
        m_continuedHeights.push_back(textHeight(continued, plain, m_widths.back()) + padding);
        const int end = std::min(rowCount(), day.firstRow + day.rows);
        if (day.firstRow < 0 || end <= day.firstRow) {
            continue;
        }
        double have = 0;
        for (int r = day.firstRow; r < end; ++r) {
            have += m_heights[std::size_t(r)];
        }
        m_heights[std::size_t(end - 1)] += std::max(0.0, wanted - have);
    }
}

void ReportPdfTable::layout(const QPaintDevice& device, double width) {
    m_unit = device.logicalDpiY() / 72.0;
    if (columnCount() == 0) {
        return;
    }
    chooseWidths(device, width);
    measureRows(device);
}

double ReportPdfTable::columnLeft(int column) const {
    return std::accumulate(m_widths.begin(), m_widths.begin() + column, 0.0);
}

int ReportPdfTable::blockEnd(int row) const {
    const int day = m_dayOfRow[std::size_t(row)];
    return day < 0 ? row + 1
                   : std::min(rowCount(),
                              m_days[std::size_t(day)].firstRow + m_days[std::size_t(day)].rows);
}

// The height the daily-total cell of a day's part from `row` on needs: the whole total where the
// day begins, its date and Continued further on.
double ReportPdfTable::dayTextHeight(int row) const {
    const int day = m_dayOfRow[std::size_t(row)];
    if (day < 0) {
        return 0;
    }
    const auto d = std::size_t(day);
    return row == m_days[d].firstRow ? m_totalHeights[d] : m_continuedHeights[d];
}

void ReportPdfTable::placeHeader(double top, ReportPdfPage& page) const {
    const double padding = PaddingPoints * m_unit;
    for (int c = 0; c < columnCount(); ++c) {
        const QRectF cell(columnLeft(c), top, m_widths[std::size_t(c)], m_headerHeight);
        page.boxes.push_back({cell, ReportPdfStyle::HeadingBlue, ReportPdfStyle::RuleGrey});
        page.texts.push_back({cell.adjusted(padding, padding / 2, -padding, -padding / 2),
                              m_header[c], font(true), Qt::white,
                              int(Qt::AlignCenter) | Qt::TextWordWrap});
    }
}

void ReportPdfTable::placeRow(int row, double top, double height, ReportPdfPage& page) const {
    const double padding = PaddingPoints * m_unit;
    const Row& r = m_rows[std::size_t(row)];
    for (int c = 0; c + 1 < columnCount(); ++c) {
        const QRectF cell(columnLeft(c), top, m_widths[std::size_t(c)], height);
        page.boxes.push_back(
            {cell, r.back.isValid() ? r.back : QColor(Qt::white), ReportPdfStyle::RuleGrey});
        if (c < r.cells.size() && !r.cells[c].isEmpty()) {
            const int align = m_rightAligned[std::size_t(c)] ? Qt::AlignRight : Qt::AlignLeft;
            page.texts.push_back({cell.adjusted(padding, padding / 2, -padding, -padding / 2),
                                  r.cells[c], font(false),
                                  r.fore.isValid() ? r.fore : QColor(Qt::black),
                                  align | int(Qt::AlignTop) | Qt::TextWordWrap});
        }
    }
}

void ReportPdfTable::placeDays(int first, int end, const std::vector<double>& tops,
                               const std::vector<double>& heights, ReportPdfPage& page) const {
    const double padding = PaddingPoints * m_unit;
    const double left = columnLeft(columnCount() - 1);
    for (int r = first; r < end;) {
        const int stop = std::min(end, blockEnd(r));
        const double top = tops[std::size_t(r - first)];
        const double bottom =
            tops[std::size_t(stop - 1 - first)] + heights[std::size_t(stop - 1 - first)];
        const QRectF cell(left, top, m_widths.back(), bottom - top);
        page.boxes.push_back({cell, Qt::white, ReportPdfStyle::RuleGrey});
        const int day = m_dayOfRow[std::size_t(r)];
        if (day >= 0) {
            // the date in bold, as the report heads the cell; a day carried over to the next
            // page names its date again
            const Day& d = m_days[std::size_t(day)];
            const QRectF inner = cell.adjusted(padding, padding / 2, -padding, -padding / 2);
            const int flags = int(Qt::AlignLeft | Qt::AlignTop) | Qt::TextWordWrap;
            page.texts.push_back({QRectF(inner.topLeft(), QSizeF(inner.width(), m_lineHeight)),
                                  d.text.section(QLatin1Char('\n'), 0, 0), font(true), Qt::black,
                                  flags});
            const QString rest =
                r == d.firstRow ? d.text.section(QLatin1Char('\n'), 1) : QLatin1String(Continued);
            if (!rest.isEmpty()) {
                page.texts.push_back(
                    {inner.adjusted(0, m_lineHeight, 0, 0), rest, font(false), Qt::black, flags});
            }
        }
        r = stop;
    }
}

int ReportPdfTable::place(int first, double top, double bottom, double emptyPage,
                          ReportPdfPage& page) const {
    if (m_widths.empty()) {
        return rowCount(); // no header, no table
    }
    placeHeader(top, page);
    double y = top + m_headerHeight;
    std::vector<double> tops;
    std::vector<double> heights;
    int row = first;
    while (row < rowCount()) {
        const int end = blockEnd(row);
        const double block = std::accumulate(m_heights.begin() + row, m_heights.begin() + end, 0.0);
        const double text = dayTextHeight(row);
        const bool fitsHere = y + block <= bottom;
        const bool fitsEmptyPage = block <= emptyPage - m_headerHeight;
        if (!fitsHere && row > first && (fitsEmptyPage || y + text > bottom)) {
            break; // the whole day, or the start of one longer than a page, on the next page
        }
        int r = row;
        double part = 0;
        for (; r < end && (y + m_heights[std::size_t(r)] <= bottom || r == first); ++r) {
            tops.push_back(y);
            heights.push_back(m_heights[std::size_t(r)]);
            y += heights.back();
            part += heights.back();
        }
        if (r == row) {
            break; // not even the day's first row fits here
        }
        // a day split over pages shows its daily total whole on each part: its last row grows
        heights.back() += std::max(0.0, text - part);
        y += std::max(0.0, text - part);
        row = r;
        if (r < end) {
            break; // a day longer than a page goes on over the next
        }
    }
    for (int r = first; r < row; ++r) {
        placeRow(r, tops[std::size_t(r - first)], heights[std::size_t(r - first)], page);
    }
    placeDays(first, row, tops, heights, page);
    return row;
}
