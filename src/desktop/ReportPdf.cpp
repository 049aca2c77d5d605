#include "desktop/ReportPdf.h"

#include "analysis/MonthResult.h"
#include "desktop/ReportPdfChart.h"
#include "desktop/ReportPdfContent.h"
#include "desktop/ReportPdfLayout.h"
#include "platform/Failure.h"

#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <cmath>

namespace {

void paintPage(QPainter& painter, const ReportPdfPage& page, double lineWidth) {
    for (const PdfBox& box : page.boxes) {
        if (box.fill.isValid()) {
            painter.fillRect(box.rect, box.fill);
        }
        if (box.line.isValid()) {
            painter.setPen(QPen(box.line, lineWidth));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box.rect);
        }
    }
    for (const PdfText& text : page.texts) {
        painter.setFont(text.font);
        painter.setPen(text.colour);
        painter.drawText(text.rect, text.flags, text.text);
    }
}

} // namespace

void ReportPdf::setUpPages(QPagedPaintDevice& device) {
    const bool inches = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    device.setPageLayout(QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4),
                                     QPageLayout::Portrait, QMarginsF(36, 36, 36, 36),
                                     QPageLayout::Point));
}

std::vector<ReportPdfPage> ReportPdf::pages(const QPaintDevice& device) const {
    ReportPdfContent content = ReportPdfContent::of(m_report, m_result);
    return ReportPdfLayout::pages(content, device);
}

void ReportPdf::paintChart(QPdfWriter& writer, QPainter& painter, const QRectF& target) const {
    // drawn at its size in pixels of 96 dots per inch, so its fonts keep their point sizes
    const double pixelsPerUnit = 96.0 / writer.logicalDpiX();
    const QSize pixels(int(std::lround(target.width() * pixelsPerUnit)),
                       int(std::lround(target.height() * pixelsPerUnit)));
    try {
        QSvgRenderer(ReportPdfChart::svg(m_result, m_options, pixels)).render(&painter, target);
    } catch (const Failure& failure) {
        // the rows and the bill are still worth having: the page says why the chart is missing
        painter.setPen(Qt::black);
        painter.drawText(target, Qt::AlignCenter | Qt::TextWordWrap,
                         QString::fromUtf8(failure.what()));
    }
}

void ReportPdf::write(QIODevice& out) const {
    QPdfWriter writer(&out);
    setUpPages(writer);
    writer.setCreator(QStringLiteral("Veltrix"));
    writer.setTitle(QStringLiteral("Netravo usage ") +
                    QString::fromStdString(m_result.totals().mstrMonthYear));
    const std::vector<ReportPdfPage> laid = pages(writer);
    QPainter painter;
    if (!painter.begin(&writer)) {
        throw Failure("The PDF could not be started");
    }
    const double lineWidth = writer.logicalDpiX() / 72.0 * 0.5;
    for (std::size_t p = 0; p < laid.size(); ++p) {
        if (p > 0) {
            writer.newPage();
        }
        paintPage(painter, laid[p], lineWidth);
        if (!laid[p].chart.isEmpty()) {
            paintChart(writer, painter, laid[p].chart);
        }
    }
    painter.end();
}
