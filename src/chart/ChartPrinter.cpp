#include "chart/ChartPrinter.h"

#include "chart/ChartPrintLayout.h"
#include "chart/ValueFormat.h"
#include "chart/XChartModel.h"

#include <QPainter>
#include <QPrinter>

namespace {

QPageLayout::Orientation orientationOf(int printerOrientation, QPrinter& printer) {
    if (printerOrientation == 1) {
        return QPageLayout::Portrait;
    }
    if (printerOrientation == 2) {
        return QPageLayout::Landscape;
    }
    return printer.pageLayout().orientation();
}

// Prints one line of the legend list, starting a new page when the current one is full.
class ListWriter {
public:
    ListWriter(QPainter& painter, QPrinter& printer)
        : m_painter(painter)
        , m_printer(printer)
        , m_page(printer.pageRect(QPrinter::DevicePixel)) {}

    void centred(const QString& text) { line(text, Qt::AlignHCenter); }
    void left(const QString& text) { line(text, Qt::AlignLeft); }

private:
    void line(const QString& text, Qt::Alignment alignment) {
        const double height = m_painter.fontMetrics().lineSpacing();
        if (m_y + height > m_page.height() && m_y > 0) {
            m_printer.newPage();
            m_y = 0;
        }
        m_painter.drawText(QRectF(0, m_y, m_page.width(), height), alignment | Qt::AlignTop, text);
        m_y += height;
    }

    QPainter& m_painter;
    QPrinter& m_printer;
    QRectF m_page;
    double m_y = 0;
};

} // namespace

QImage ChartPrinter::composeWithLegend(const QImage& chart, const QImage& legend) {
    if (legend.isNull()) {
        return chart;
    }
    constexpr int Gap = 1;
    QImage composed(chart.width() + Gap + legend.width(), std::max(chart.height(), legend.height()),
                    QImage::Format_RGB32);
    composed.fill(Qt::white);
    QPainter painter(&composed);
    painter.drawImage(0, 0, chart);
    painter.setPen(Qt::gray);
    painter.drawLine(chart.width(), 0, chart.width(), composed.height() - 1);
    painter.drawImage(chart.width() + Gap, 0, legend);
    return composed;
}

bool ChartPrinter::printChart(const XChartModel& model, const QImage& chart, const QImage& legend,
                              double screenDpi, QPrinter& printer) {
    const ChartProperties& props = model.properties();
    printer.setPageOrientation(orientationOf(props.PrinterOrientation, printer));
    const QImage composed = composeWithLegend(chart, legend);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    const double scale = printer.resolution() / (screenDpi > 0 ? screenDpi : 96.0);
    const QSizeF size = ChartPrintLayout::printedSize(
        props.PrinterFit, page, QSizeF(composed.width() * scale, composed.height() * scale));
    const QPointF origin = ChartPrintLayout::origin(props.PrinterFit, page, size);
    painter.drawImage(QRectF(origin, size), composed);
    return painter.end();
}

bool ChartPrinter::printLegend(XChartModel& model, QPrinter& printer) {
    if (model.itemCount() == 0) {
        return true;
    }
    if (model.properties().InfoItems.isEmpty()) {
        model.setInfoItems(QString::fromLatin1(ChartDefaults::InfoItems));
    }
    const ChartProperties& props = model.properties();
    const QStringList labels = props.InfoItems.split(QLatin1Char('|'));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    ListWriter writer(painter, printer);
    QFont font(QStringLiteral("Liberation Sans"), 12);
    font.setBold(true);
    painter.setFont(font);
    writer.centred(props.ChartTitle);
    font.setPointSize(10);
    font.setBold(false);
    painter.setFont(font);
    writer.centred(props.ChartSubTitle);
    writer.left(QString());
    // The labels head the list: "Description (Value)".
    writer.left(labels.value(1) + QStringLiteral(" (") + labels.value(0) + QStringLiteral(")"));
    for (const ChartItemRef& item : model.items()) {
        writer.left(item->LegendDescription + QStringLiteral(" (") +
                    ValueFormat::format(item->Value, props.DataFormat) + QStringLiteral(")"));
    }
    if (model.allowanceShown()) {
        writer.left(props.AllowanceCaption + QStringLiteral(" (") +
                    ValueFormat::format(*model.AllowanceValue(), props.DataFormat) +
                    QStringLiteral(")"));
    }
    return painter.end();
}
