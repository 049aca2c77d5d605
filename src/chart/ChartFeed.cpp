#include "chart/ChartFeed.h"

#include "chart/XChartModel.h"
#include "platform/ColorValue.h"
#include "platform/Failure.h"
#include "platform/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QChar Tab = QLatin1Char('\t');

double readNumber(const QStringList& cells, qsizetype column, int line) {
    if (column >= cells.size()) {
        throw Failure(QStringLiteral("Chart data line %1 has no value for column %2")
                          .arg(line)
                          .arg(column)
                          .toStdString());
    }
    bool ok = false;
    const double value = cells[column].trimmed().toDouble(&ok);
    if (!ok) {
        throw Failure(QStringLiteral("Chart data line %1, column %2: \"%3\" is not a "
                                     "number")
                          .arg(line)
                          .arg(column)
                          .arg(cells[column])
                          .toStdString());
    }
    return value;
}

// One bar: its total over the series lines and the legend text that splits it.
ChartItemRef makeItem(const QStringList& lines, const QStringList& header, qsizetype column,
                      double& total) {
    auto item = std::make_shared<ChartItem>();
    item->ItemID = item->LegendDescription = item->SelectedDescription = QString::number(column);
    item->XAxisDescription = header[column];
    total = 0;
    QString legend;
    for (qsizetype j = 1; j < lines.size(); ++j) {
        const QStringList cells = lines[j].split(Tab);
        total += readNumber(cells, column, static_cast<int>(j));
        if (legend.isEmpty()) {
            legend = cells[column] + QStringLiteral(" MB");
        } else {
            legend = QStringLiteral("Total:") +
                     QString::fromStdString(NumberFormat::general(total)) +
                     QStringLiteral(" MB (NF:") + legend + QStringLiteral("  + F:") +
                     cells[column] + QStringLiteral(" MB)");
        }
    }
    item->LegendDescription = legend;
    item->Value = total;
    return item;
}

void applyAllowance(XChartModel& chart, const std::optional<double>& allowanceMB, double& max) {
    chart.setAllowanceValue(allowanceMB);
    if (!allowanceMB) {
        return;
    }
    chart.setAllowanceCaption(QStringLiteral("Daily allowance: ") +
                              QString::fromStdString(NumberFormat::decimals(*allowanceMB, 2)) +
                              QStringLiteral(" MB"));
    if (chart.properties().AllowanceOn) {
        max = std::max(max, *allowanceMB);
    }
}

void applyLook(XChartModel& chart, const ChartFeedInput& input, double max,
               const std::function<void(const QString&)>& setToolTip) {
    const std::uint32_t c = input.mlngInbuiltChartColor;
    applyAllowance(chart, input.dailyAllowanceMB, max);
    chart.setChartTitle(QString::fromLatin1(ChartFeed::TitlePrefix) + input.mstrMonthYear);
    chart.setAxisLabelY(QStringLiteral("Megabytes"));
    chart.setAxisLabelX(QStringLiteral("Days"));
    chart.setBackColor(ColorValue::rgb(240, 240, 240));
    chart.setBarFillStyle(0);
    chart.setMaxY(10 * std::floor(std::nearbyint(max + 10) / 10));
    chart.setMajorGridColor(0);
    chart.setBarShadow(false);
    if (setToolTip) {
        setToolTip(QString());
    }
    chart.setMinorGridOn(true);
    chart.setMinorGridColor(ColorValue::rgb(220, 220, 220));
    chart.setSelectable(true);
    chart.setHotTracking(true);
    chart.setBarColor(c);
    chart.setSelectedBarColor(ChartFeed::ChangeColor(
        ChartFeed::GetRGB(c, 1), ChartFeed::GetRGB(c, 2), ChartFeed::GetRGB(c, 3)));
    chart.setBarWidthPercentage(80);
    chart.Refresh();
}

} // namespace

int ChartFeed::GetRGB(std::uint32_t colour, int index) {
    if (index < 1 || index > 3 || colour > 0xFFFFFFu) {
        return -1;
    }
    return static_cast<int>((colour >> (8 * (index - 1))) & 0xFFu);
}

std::uint32_t ChartFeed::ChangeColor(int red, int green, int blue) {
    auto shift = [](int x) { return x > 30 ? x - 30 : x + 30; };
    return ColorValue::rgb(shift(red), shift(green), shift(blue));
}

void ChartFeed::UpdateGraphControl(XChartModel& chart, const ChartFeedInput& input,
                                   bool& mblnChartUpToDate,
                                   const std::function<void(const QString&)>& setToolTip) {
    if (mblnChartUpToDate) {
        return;
    }
    // Every property write below would repaint; the picture is painted once, at the end (or
    // with the items added so far, when the text breaks off).
    const bool autoRedraw = chart.properties().AutoRedraw;
    chart.setAutoRedraw(false);
    chart.Clear();
    try {
        QStringList lines = input.mstrChartDataAvg.split(CrLf);
        lines.removeIf([](const QString& line) { return line.isEmpty(); });
        const QStringList header = lines.isEmpty() ? QStringList() : lines[0].split(Tab);
        double max = 0;
        for (qsizetype i = 1; i < header.size(); ++i) {
            double total = 0;
            chart.AddItem(makeItem(lines, header, i, total));
            max = std::max(max, total);
        }
        applyLook(chart, input, max, setToolTip);
    } catch (...) {
        chart.setAutoRedraw(autoRedraw);
        throw;
    }
    chart.setAutoRedraw(autoRedraw);
    mblnChartUpToDate = true;
}
