#pragma once

#include "analysis/MonthAnalysis.h"
#include "cli/ReportRequest.h"
#include "report/HeadlessResultView.h"

#include <QSize>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// One month turned into the outputs the command line was asked for: the report is built as
// the result window would build it, then saved as HTML, exported as CSV, written as JSON
// and printed for a person.
class MonthReport {
public:
    explicit MonthReport(ReportRequest request);

    // Builds the report and its summary on the chosen plan; a bad row, or a plan option that
    // names no plan, ends the command with a one-line message.
    void build(MonthRecord month, const std::string& user);

    // Keys added to the JSON object after the report's own ones.
    nlohmann::ordered_json& extraJson() { return m_extra; }
    nlohmann::ordered_json json() const;

    // Writes the files asked for; a file that cannot be written ends the command.
    void writeFiles() const;
    // The month as a person reads it in a terminal.
    void printText(std::ostream& out) const;

    const ReportBuilder& builder() const { return m_analysis->builder(); }
    const MonthSummary& summary() const { return *m_analysis->summary(); }
    // The alerts the month raised on the options' thresholds (none when none were asked for).
    const std::vector<UsageAlert>& alerts() const { return m_alerts; }
    HeadlessResultView& view() { return m_view; }
    const ReportRequest& request() const { return m_request; }

private:
    void writeChart() const;
    void writeStackedChart(QSize size) const;

    ReportRequest m_request;
    std::optional<MonthAnalysis> m_analysis;
    HeadlessResultView m_view;
    std::string m_user;
    nlohmann::ordered_json m_extra = nlohmann::ordered_json::object();
    std::vector<UsageAlert> m_alerts;
};
