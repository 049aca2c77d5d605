#include "cli/MonthReport.h"

#include "analysis/SummaryFailure.h"
#include "chart/BuiltInChartFile.h"
#include "chart/StackedChartRenderer.h"
#include "cli/CliError.h"
#include "cli/ReportJson.h"
#include "cli/ReportText.h"
#include "cli/SummaryJson.h"
#include "cli/SummaryText.h"
#include "cli/Utf8Output.h"
#include "platform/Clock.h"
#include "platform/SingleByteText.h"
#include "report/ReportExport.h"
#include "report/ReportRow.h"
#include "retrieval/FileDataStore.h"

#include <QString>
#include <iostream>

namespace {

void writeTextFile(const std::string& path, const std::string& text,
                   SingleByteText::Unmappable policy) {
    try {
        FileDataStore::SaveFileData(QString::fromStdString(path), text, false, policy);
    } catch (const Failure& failure) {
        throw CliError("cannot write " + path + ": " + failure.what());
    }
}

} // namespace

MonthReport::MonthReport(ReportRequest request)
    : m_request(std::move(request)) {}

void MonthReport::build(MonthRecord month, const std::string& user) {
    m_user = user;
    const PlanChoice choice = m_request.plans.resolve(SystemClock());
    m_request.alerts.requirePlan(choice);
    const bool documentWanted = !m_request.htmlFile.empty() || !m_request.csvFile.empty();
    const std::string monthText = month.mstrMonthYear;
    try {
        auto built = MonthResult::build(std::move(month), m_request.reportOptions(), choice,
                                        documentWanted ? &m_document : nullptr);
        m_summarised = built.has_value();
        if (built) {
            m_result = std::move(*built);
        }
        m_result.report.totals.mstrMonthYear = monthText;
    } catch (const ReportError& error) {
        throw BadRowError(error.what());
    } catch (const SummaryFailure& failure) {
        throw CliError(std::string("summary: ") + failure.what());
    }
    if (m_request.alerts.wanted() && m_summarised) {
        m_alerts = UsageAlerts::raise(m_result.summary, m_request.alerts.thresholds);
    }
}

nlohmann::ordered_json MonthReport::json() const {
    nlohmann::ordered_json object = reportJson(m_result, m_user);
    if (m_summarised) {
        object.update(SummaryJson::fragments(m_result.summary));
    }
    object.update(m_extra);
    if (m_request.alerts.wanted()) {
        nlohmann::ordered_json reasons = nlohmann::ordered_json::array();
        for (const UsageAlert& alert : m_alerts) {
            reasons.push_back(alert.reason);
        }
        object["alerts"] = reasons;
    }
    return object;
}

void MonthReport::writeFiles() const {
    if (!m_request.htmlFile.empty()) {
        writeTextFile(m_request.htmlFile, ReportExport::htmlText(m_document),
                      SingleByteText::Unmappable::CharacterReference);
    }
    if (!m_request.csvFile.empty()) {
        try {
            writeTextFile(m_request.csvFile, ReportExport::csvText(m_document),
                          SingleByteText::Unmappable::QuestionMark);
        } catch (const ExportError& error) {
            throw CliError(std::string("cannot export the rows: ") + error.what());
        }
    }
    if (!m_request.chartFile.empty()) {
        writeChart();
    }
    if (!m_request.jsonFile.empty()) {
        Utf8Output::writeJson(m_request.jsonFile, json());
    }
}

const ChartTexts& MonthReport::chart() const {
    return m_result.report.chart;
}

const std::string& MonthReport::monthText() const {
    return m_result.totals().mstrMonthYear;
}

void MonthReport::writeChart() const {
    const auto size = BuiltInChartFile::parseSize(QString::fromStdString(m_request.chartSize));
    if (!size) {
        throw CliError("--chart-size wants WxH in pixels (50 to 10000 each), not " +
                       m_request.chartSize);
    }
    if (m_request.chartType == 2) {
        writeStackedChart(*size);
        return;
    }
    const std::optional<QuotaOutlook>& quota = m_result.summary.quota;
    if (m_request.chartAllowance && !quota) {
        std::cerr << "veltrix: warning: --chart-allowance: without a plan that has a limit there "
                     "is no allowance to draw\n";
    }
    const ChartFeedInput input{QString::fromStdString(chart().mstrChartDataAvg),
                               QString::fromStdString(monthText()),
                               m_request.reportOptions().mlngInbuiltChartColor,
                               quota ? std::optional(quota->evenShareMB) : std::nullopt};
    try {
        BuiltInChartFile::render(input, QString::fromStdString(m_request.chartFile), *size,
                                 m_request.chartAllowance);
    } catch (const Failure& failure) {
        throw CliError("cannot draw the chart to " + m_request.chartFile + ": " + failure.what());
    }
}

void MonthReport::writeStackedChart(QSize size) const {
    const ReportOptions options = m_request.reportOptions();
    StackedChartData data = StackedChartData::parse(QString::fromStdString(chart().mstrChartData));
    StackedChartColors::apply(data, {options.mblnExcludeNonFree, options.mblnExcludeFree,
                                     options.mblnNightUnlimitedPlan, options.mlngChartColorNonFree,
                                     options.mlngChartColorFree});
    const StackedChartStyle style{ChartFeed::TitlePrefix + QString::fromStdString(monthText())};
    try {
        StackedChartRenderer::save(data, style, QString::fromStdString(m_request.chartFile), size);
    } catch (const Failure& failure) {
        throw CliError("cannot draw the chart to " + m_request.chartFile + ": " + failure.what());
    }
}

void MonthReport::printText(std::ostream& out) const {
    const bool colour = SummaryText::colourForStdout();
    if (m_summarised) {
        out << SummaryText::renderMonth(m_result.summary, colour);
    }
    out << ReportText::render(m_result, m_user, colour);
    if (m_summarised) {
        out << SummaryText::renderPlan(m_result.summary, colour);
    }
    out << std::flush;
}
