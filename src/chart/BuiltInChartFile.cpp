#include "chart/BuiltInChartFile.h"

#include "chart/ChartImage.h"
#include "chart/XChartModel.h"
#include "platform/Failure.h"

#include <QGuiApplication>
#include <QRegularExpression>

std::optional<QSize> BuiltInChartFile::parseSize(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,5})\\s*[xX]\\s*(\\d{1,5})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const int width = match.captured(1).toInt();
    const int height = match.captured(2).toInt();
    if (width < 50 || height < 50 || width > 10000 || height > 10000) {
        return std::nullopt;
    }
    return QSize(width, height);
}

void BuiltInChartFile::render(const ChartFeedInput& input, const QString& path, QSize pixels,
                              bool allowanceLine) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        throw Failure("Chart images need a QGuiApplication (create a HeadlessApplication first)");
    }
    XChartModel chart;
    ChartImage::resize(chart, pixels);
    chart.setAllowanceOn(allowanceLine);
    bool upToDate = false;
    ChartFeed::UpdateGraphControl(chart, input, upToDate);
    ChartImage::save(chart, path);
}
