#pragma once

#include "cli/ReportRequest.h"
#include "cli/SummaryReport.h"
#include "report/HeadlessResultView.h"
#include "report/ReportBuilder.h"

#include <QSize>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>

// One month turned into the outputs the command line was asked for: the report is built as
// the result window would build it, then saved as HTML, exported as CSV, written as JSON
// and printed for a person.
class MonthReport {
public:
    explicit MonthReport(ReportRequest request);

    // Builds the report and its summary on the chosen plan; a bad row, or a plan option that
    // names no plan, ends the command with a one-line message.
    void build(const MonthRecord& month, const std::string& user);

    // Keys added to the JSON object after the report's own ones.
    nlohmann::ordered_json& extraJson() { return m_extra; }
    nlohmann::ordered_json json() const;

    // Writes the files asked for; a file that cannot be written ends the command.
    void writeFiles() const;
    // The month as a person reads it in a terminal.
    void printText(std::ostream& out) const;

    const ReportBuilder& builder() const { return m_builder; }
    const SummaryReport& summary() const { return *m_summary; }
    HeadlessResultView& view() { return m_view; }
    const ReportRequest& request() const { return m_request; }

private:
    void writeChart() const;
    void writeStackedChart(QSize size) const;

    ReportRequest m_request;
    ReportBuilder m_builder;
    HeadlessResultView m_view;
    std::string m_user;
    std::optional<SummaryReport> m_summary;
    nlohmann::ordered_json m_extra = nlohmann::ordered_json::object();
};
