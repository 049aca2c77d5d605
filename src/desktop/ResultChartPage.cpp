#include "desktop/ResultChartPage.h"

#include "analysis/MonthResult.h"
#include "chart/ChartFeed.h"
#include "chart/StackedChartView.h"
#include "chart/XChart.h"
#include "desktop/DesignBuilder.h"
#include "desktop/ResultWindowState.h"
#include "platform/MessagePresenter.h"
#include "report/ReportOptions.h"
#include "retrieval/FileDataStore.h"

#include <QLabel>

void ResultChartPage::UpdateGraphControl() {
    auto* chart = m_controls.get<XChart>(QStringLiteral("XChart1"));
    if (!chart) {
        return;
    }
    const ChartFeedInput input{QString::fromStdString(m_result.report.chart.mstrChartDataAvg),
                               QString::fromStdString(m_result.totals().mstrMonthYear),
                               m_state.options().mlngInbuiltChartColor};
    const QString failure =
        ChartFeed::UpdateGraphControl(chart->model(), input, m_state.mblnChartUpToDate,
                                      [chart](const QString& tip) { chart->setToolTip(tip); });
    if (!failure.isEmpty()) {
        m_messages.show(failure, FileDataStore::ApplicationTitle, MessageIcon::None);
    }
}

std::string ResultChartPage::stackedDataText() const {
    const ChartTexts& chart = m_result.report.chart;
    return m_state.options().mblnShowAverage ? chart.mstrChartDataAvg : chart.mstrChartData;
}

void ResultChartPage::CreateMSGraph() {
    auto* notFound = m_controls.get<QLabel>(QStringLiteral("lblMSGraphNotfound"));
    auto* view = m_controls.get<StackedChartView>(QStringLiteral("OLE1"));
    if ((notFound && !notFound->isHidden()) || m_state.mblnGraphCreated) {
        return;
    }
    if (!view) {
        if (notFound) {
            notFound->show();
        }
        m_state.mblnGraphCreated = false;
        return;
    }
    m_state.mblnGraphCreated = true;
    StackedChartStyle& style = view->style();
    style.title = QString::fromLatin1(ChartFeed::TitlePrefix) +
                  QString::fromStdString(m_result.totals().mstrMonthYear);
    m_stacked = StackedChartData::parse(QString::fromStdString(stackedDataText()));
    FormatMSGraph();
    ResizeChart();
}

void ResultChartPage::FormatMSGraph() {
    auto* view = m_controls.get<StackedChartView>(QStringLiteral("OLE1"));
    if (!m_state.mblnGraphCreated || !view) {
        return;
    }
    const ReportOptions& options = m_state.options();
    StackedChartColors::apply(m_stacked,
                              {options.mblnExcludeNonFree, options.mblnExcludeFree,
                               options.mblnNightUnlimitedPlan, options.mlngChartColorNonFree,
                               options.mlngChartColorFree});
    StackedChartStyle& style = view->style();
    style.showDataTable = options.mblnShowTotalValue;
    style.titlePoints = 8;
    style.tablePoints = 9;
    style.axisPoints = 10;
    refreshStacked();
}

void ResultChartPage::ResizeChart() {
    auto* view = m_controls.get<StackedChartView>(QStringLiteral("OLE1"));
    if (!m_state.mblnGraphCreated || !view) {
        return;
    }
    // the widget already has its box's size; the fonts are set again as the chart was
    StackedChartStyle& style = view->style();
    style.titlePoints = 8;
    style.tablePoints = 9;
    style.axisPoints = 10;
    refreshStacked();
}

void ResultChartPage::setStackedData(const std::string& chartText) {
    if (!m_state.mblnGraphCreated) {
        return;
    }
    // the series keep the colours they had by name, as the office chart kept its formatting
    StackedChartData data = StackedChartData::parse(QString::fromStdString(chartText));
    for (StackedSeries& series : data.series) {
        series.color = StackedChartColors::defaultColor(
            static_cast<std::size_t>(&series - data.series.data()));
        for (const StackedSeries& old : m_stacked.series) {
            if (old.name == series.name) {
                series.color = old.color;
            }
        }
    }
    m_stacked = std::move(data);
    refreshStacked();
}

void ResultChartPage::refreshStacked() {
    auto* view = m_controls.get<StackedChartView>(QStringLiteral("OLE1"));
    if (view) {
        view->setChart(m_stacked, view->style());
    }
}

bool ResultChartPage::copyShownChart() {
    if (m_state.options().ChartType == 1) {
        auto* view = m_controls.get<StackedChartView>(QStringLiteral("OLE1"));
        return m_state.mblnGraphCreated && view && view->EditCopy();
    }
    auto* chart = m_controls.get<XChart>(QStringLiteral("XChart1"));
    return chart && chart->EditCopy();
}
