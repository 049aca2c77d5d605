#include "desktop/ResultChartPage.h"

#include "analysis/MonthResult.h"
#include "chart/ChartFeed.h"
#include "chart/StackedChartView.h"
#include "chart/XChart.h"
#include "desktop/ResultWindowControls.h"
#include "desktop/ResultWindowState.h"
#include "platform/MessagePresenter.h"
#include "report/ReportOptions.h"

#include <QCheckBox>
#include <QLabel>

std::optional<double> ResultChartPage::allowance() const {
    const std::optional<QuotaOutlook>& quota = m_result.summary.quota;
    return quota ? std::optional(quota->evenShareMB) : std::nullopt;
}

void ResultChartPage::UpdateGraphControl() {
    XChart* chart = m_controls.XChart1;
    const ChartFeedInput input{QString::fromStdString(m_result.report.chart.mstrChartDataAvg),
                               QString::fromStdString(m_result.totals().mstrMonthYear),
                               m_state.options().mlngInbuiltChartColor, allowance()};
    // the switch stays as the user left it; without a limited plan there is no line to show
    m_controls.chkShowAllowanceInChart->setEnabled(input.dailyAllowanceMB.has_value());
    chart->model().setAllowanceOn(m_state.options().mblnShowAllowance);
    try {
        ChartFeed::UpdateGraphControl(chart->model(), input, m_state.mblnChartUpToDate,
                                      [chart](const QString& tip) { chart->setToolTip(tip); });
    } catch (const Failure& failure) {
        m_messages.showFailure(failure, MessageIcon::None);
    }
}

std::string ResultChartPage::stackedDataText() const {
    const ChartTexts& chart = m_result.report.chart;
    return m_state.options().mblnShowAverage ? chart.mstrChartDataAvg : chart.mstrChartData;
}

void ResultChartPage::CreateMSGraph() {
    if (!m_controls.lblMSGraphNotfound->isHidden() || m_state.mblnGraphCreated) {
        return;
    }
    m_state.mblnGraphCreated = true;
    StackedChartStyle& style = m_controls.OLE1->style();
    style.title = QString::fromLatin1(ChartFeed::TitlePrefix) +
                  QString::fromStdString(m_result.totals().mstrMonthYear);
    m_stacked = StackedChartData::parse(QString::fromStdString(stackedDataText()));
    FormatMSGraph();
    ResizeChart();
}

void ResultChartPage::FormatMSGraph() {
    if (!m_state.mblnGraphCreated) {
        return;
    }
    const ReportOptions& options = m_state.options();
    StackedChartColors::apply(m_stacked,
                              {options.mblnExcludeNonFree, options.mblnExcludeFree,
                               options.mblnNightUnlimitedPlan, options.mlngChartColorNonFree,
                               options.mlngChartColorFree});
    StackedChartStyle& style = m_controls.OLE1->style();
    style.showDataTable = options.mblnShowTotalValue;
    style.titlePoints = 8;
    style.tablePoints = 9;
    style.axisPoints = 10;
    refreshStacked();
}

void ResultChartPage::ResizeChart() {
    if (!m_state.mblnGraphCreated) {
        return;
    }
    // the widget already has its box's size; the fonts are set again as the chart was
    StackedChartStyle& style = m_controls.OLE1->style();
    style.titlePoints = 8;
    style.tablePoints = 9;
    style.axisPoints = 10;
    refreshStacked();
}

void ResultChartPage::setStackedData(const std::string& chartText) {
    if (!m_state.mblnGraphCreated) {
        return;
    }
    // a series the text gains (the free part, once the night plan is ticked) takes the user's
    // colour at once: what is drawn and copied matches the colour boxes beside the chart
    m_stacked = StackedChartData::parse(QString::fromStdString(chartText));
    FormatMSGraph();
}

void ResultChartPage::refreshStacked() {
    m_controls.OLE1->setChart(m_stacked, m_controls.OLE1->style());
}

bool ResultChartPage::copyShownChart() {
    if (m_state.options().ChartType == 1) {
        return m_state.mblnGraphCreated && m_controls.OLE1->EditCopy();
    }
    return m_controls.XChart1->EditCopy();
}
