#include "desktop/ReportPdfLayout.h"

#include "desktop/ReportPdfContent.h"
#include "desktop/ReportPdfStyle.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>

namespace {

const QColor FootColour(90, 90, 90);

// Places texts on pages in the device's units, measured with the device's fonts; without a
// page it only measures.
class Sheet {
public:
    explicit Sheet(const QPaintDevice& device)
        : m_device(device)
        , m_unit(device.logicalDpiY() / 72.0) {}

    double pt(double points) const { return points * m_unit; }
    double width() const { return m_device.width(); }
    double height() const { return m_device.height(); }

    double lineHeight(const QFont& font) const { return QFontMetricsF(font, &m_device).height(); }

    // The text wrapped into `width` at (x, y); returns the height it takes.
    double text(ReportPdfPage* page, QPointF at, double width, const QString& text,
                const QFont& font, int flags = Qt::AlignLeft,
                const QColor& colour = Qt::black) const {
        const QRectF box =
            QFontMetricsF(font, &m_device)
                .boundingRect(QRectF(0, 0, width, 1e9), flags | Qt::TextWordWrap, text);
        const QRectF placed(at, QSizeF(width, box.height()));
        if (page) {
            page->texts.push_back({placed, text, font, colour, flags | Qt::TextWordWrap});
        }
        return box.height();
    }

    double footTop() const {
        return height() - lineHeight(ReportPdfStyle::font(ReportPdfLayout::FootPoints));
    }

private:
    const QPaintDevice& m_device;
    double m_unit;
};

// The report's own summary table: its title, the totals in KB, MB and GB under blue headings,
// the note on the portal's total; then the detail table's title. Returns where the rows start.
double placeHead(const Sheet& sheet, const ReportPdfContent& content, ReportPdfPage& page) {
    double y = 0;
    for (int i = 0; i < content.title.size(); ++i) {
        const QFont font = ReportPdfStyle::font(
            i == 0 ? ReportPdfLayout::TitlePoints : ReportPdfLayout::TextPoints, i == 0);
        y += sheet.text(&page, {0, y}, sheet.width(), content.title[i], font);
    }
    y += sheet.pt(4);
    const auto columns = std::max(content.totalCaptions.size(), content.totals.size());
    const double cellWidth = columns > 0 ? sheet.width() / double(columns) : 0;
    for (const auto& [row, bold] :
         {std::pair(&content.totalCaptions, true), std::pair(&content.totals, false)}) {
        if (row->isEmpty()) {
            continue;
        }
        const QFont font = ReportPdfStyle::font(ReportPdfLayout::TextPoints, bold);
        const double height = sheet.lineHeight(font) + sheet.pt(4);
        for (qsizetype c = 0; c < row->size(); ++c) {
            const QRectF cell(double(c) * cellWidth, y, cellWidth, height);
            page.boxes.push_back({cell, bold ? ReportPdfStyle::HeadingBlue : QColor(Qt::white),
                                  ReportPdfStyle::RuleGrey});
            page.texts.push_back({cell, row->at(c), font,
                                  bold ? QColor(Qt::white) : QColor(Qt::black),
                                  int(Qt::AlignCenter)});
        }
        y += height;
    }
    y += sheet.pt(2);
    for (const QString& line : content.note) {
        y += sheet.text(&page, {0, y}, sheet.width(), line,
                        ReportPdfStyle::font(ReportPdfLayout::FootPoints));
    }
    y += sheet.pt(10);
    return y +
           sheet.text(&page, {0, y}, sheet.width(), content.detailTitle.join(QStringLiteral(" - ")),
                      ReportPdfStyle::font(ReportPdfLayout::HeadingPoints, true)) +
           sheet.pt(4);
}

double placeGroup(const Sheet& sheet, const ReportPdfGroup& group, QPointF at, double width,
                  ReportPdfPage* page) {
    double y = at.y();
    y += sheet.text(page, {at.x(), y}, width, group.title,
                    ReportPdfStyle::font(ReportPdfLayout::HeadingPoints, true));
    if (page) {
        page->boxes.push_back(
            {QRectF(at.x(), y, width, sheet.pt(0.75)), ReportPdfStyle::RuleGrey, QColor()});
    }
    y += sheet.pt(3);
    const QFont font = ReportPdfStyle::font(ReportPdfLayout::TextPoints);
    const double captionWidth = width * 0.55;
    for (const auto& [caption, text] : group.lines) {
        if (caption.isEmpty()) {
            y += sheet.text(page, {at.x(), y}, width, text, font);
            continue;
        }
        const double captionHeight =
            sheet.text(page, {at.x(), y}, captionWidth - sheet.pt(4), caption, font);
        y += std::max(captionHeight, sheet.text(page, {at.x() + captionWidth, y},
                                                width - captionWidth, text, font));
    }
    return y - at.y() + sheet.pt(10);
}

// The chart across the page, then the summary's groups in two columns, each group going to the
// shorter column.
void placeChartAndSummary(const Sheet& sheet, const ReportPdfContent& content, double bottom,
                          std::vector<ReportPdfPage>& pages) {
    ReportPdfPage page;
    page.chart = QRectF(0, 0, sheet.width(), std::min(sheet.width() * 0.55, bottom * 0.5));
    double top = page.chart.bottom() + sheet.pt(14);
    top +=
        sheet.text(&page, {0, top}, sheet.width(), QStringLiteral("Summary for ") + content.month,
                   ReportPdfStyle::font(ReportPdfLayout::TitlePoints, true)) +
        sheet.pt(6);
    if (content.summary.empty()) {
        sheet.text(
            &page, {0, top}, sheet.width(),
            QStringLiteral("No plan is chosen: choose one on the Summary page for the bill."),
            ReportPdfStyle::font(ReportPdfLayout::TextPoints));
    }
    const double gap = sheet.pt(18);
    const double columnWidth = (sheet.width() - gap) / 2;
    double heights[2] = {top, top};
    for (const ReportPdfGroup& group : content.summary) {
        const int column = heights[1] < heights[0] ? 1 : 0;
        const QPointF at(column * (columnWidth + gap), heights[column]);
        if (at.y() + placeGroup(sheet, group, at, columnWidth, nullptr) > bottom) {
            pages.push_back(std::move(page)); // a month's summary that does not fit goes on
            page = {};
            heights[0] = heights[1] = 0;
        }
        heights[column] +=
            placeGroup(sheet, group, QPointF(at.x(), heights[column]), columnWidth, &page);
    }
    pages.push_back(std::move(page));
}

void placeFoot(const Sheet& sheet, const QString& title, int number, int count,
               ReportPdfPage& page) {
    const QFont font = ReportPdfStyle::font(ReportPdfLayout::FootPoints);
    const QPointF at(0, sheet.footTop());
    sheet.text(&page, at, sheet.width() / 2, title, font, Qt::AlignLeft, FootColour);
    sheet.text(&page, QPointF(sheet.width() / 2, at.y()), sheet.width() / 2,
               ReportPdfLayout::pageNumber(number, count), font, Qt::AlignRight, FootColour);
}

} // namespace

QString ReportPdfLayout::pageNumber(int page, int pages) {
    return QStringLiteral("Page %1 of %2").arg(page).arg(pages);
}

std::vector<ReportPdfPage> ReportPdfLayout::pages(ReportPdfContent& content,
                                                  const QPaintDevice& device) {
    const Sheet sheet(device);
    ReportPdfTable& table = content.table;
    table.layout(device, sheet.width());
    const double bottom = sheet.footTop() - sheet.pt(6);
    std::vector<ReportPdfPage> pages;
    // each further page names the table again above its header row
    const QString continued = content.detailTitle.join(QStringLiteral(" - ")) +
                              QStringLiteral(" ") + QLatin1String(ReportPdfTable::Continued);
    const QFont continuedFont = ReportPdfStyle::font(ReportPdfLayout::TextPoints, true);
    const double continuedTop =
        sheet.text(nullptr, {0, 0}, sheet.width(), continued, continuedFont) + sheet.pt(4);
    ReportPdfPage page;
    double top = placeHead(sheet, content, page);
    int row = 0;
    do {
        row = table.place(row, top, bottom, bottom - continuedTop, page);
        pages.push_back(std::move(page));
        page = {};
        sheet.text(&page, {0, 0}, sheet.width(), continued, continuedFont);
        top = continuedTop;
    } while (row < table.rowCount());
    placeChartAndSummary(sheet, content, bottom, pages);
    const QString title = content.title.isEmpty() ? content.month : content.title.first();
    for (std::size_t p = 0; p < pages.size(); ++p) {
        placeFoot(sheet, title, int(p) + 1, int(pages.size()), pages[p]);
    }
    return pages;
}
